#include "platform/CodePage.h"

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <iconv.h>
#include <langinfo.h>
#include <map>
#include <mutex>

namespace codepage {

namespace {

std::string& pinned()
{
    static std::string name;
    return name;
}

std::string localeCodeset()
{
    std::setlocale(LC_ALL, "");
    std::string cs = nl_langinfo(CODESET);
    // Qt and the C library both speak UTF-8 when the locale says nothing better.
    if (cs.empty() || cs == "ANSI_X3.4-1968" || cs == "ASCII" || cs == "US-ASCII")
        return "UTF-8";
    return cs;
}

bool isUtf8(const std::string& name)
{
    return name == "UTF-8" || name == "utf-8" || name == "UTF8" || name == "utf8";
}

// Converts with iconv; an input byte sequence that does not convert is replaced.
std::string convert(std::string_view in, const char* from, const char* to, std::string_view replacement,
                    size_t replacementSkip)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::string(in);
    std::string out;
    out.resize(in.size() * 4 + 16);
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    while (inLeft > 0) {
        size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        if (r != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG) {
            size_t used = out.size() - outLeft;
            out.resize(out.size() * 2);
            outPtr = out.data() + used;
            outLeft = out.size() - used;
            continue;
        }
        // EILSEQ / EINVAL: skip the offending unit and put a replacement
        size_t used = out.size() - outLeft;
        std::string rep(replacement);
        if (outLeft < rep.size() + 8) {
            out.resize(out.size() * 2 + rep.size());
            outPtr = out.data() + used;
            outLeft = out.size() - used;
        }
        for (char c : rep) { *outPtr++ = c; --outLeft; }
        size_t skip = std::min(replacementSkip, inLeft);
        inPtr += skip;
        inLeft -= skip;
    }
    iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
    out.resize(out.size() - outLeft);
    iconv_close(cd);
    return out;
}

} // namespace

const std::string& active()
{
    static std::string fromLocale = localeCodeset();
    return pinned().empty() ? fromLocale : pinned();
}

void pin(const std::string& name)
{
    pinned() = name;
}

std::string toUtf8(std::string_view text)
{
    if (isUtf8(active()))
        return std::string(text);
    return convert(text, active().c_str(), "UTF-8", "?", 1);
}

std::string fromUtf8(std::string_view utf8)
{
    if (isUtf8(active()))
        return std::string(utf8);
    return convert(utf8, "UTF-8", (active() + "//TRANSLIT").c_str(), "?", 1);
}

std::u16string toUtf16(std::string_view text)
{
    std::string bytes = convert(text, active().c_str(), "UTF-16LE", std::string_view("?\0", 2), 1);
    std::u16string out(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    return out;
}

std::string fromUtf16(std::u16string_view text)
{
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return convert(bytes, "UTF-16LE", active().c_str(), "?", 2);
}

const std::string& msg(const char* utf8Text)
{
    static std::mutex lock;
    static std::map<std::pair<std::string, std::string>, std::string> cache;
    std::lock_guard<std::mutex> guard(lock);
    auto key = std::make_pair(active(), std::string(utf8Text));
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.emplace(key, fromUtf8(utf8Text)).first;
    return it->second;
}

} // namespace codepage
