#include "platform/LogFont.h"

#include "platform/CodePage.h"

#include <cstring>
#include <stdexcept>

namespace {

void putInt32(std::uint8_t* at, std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    at[0] = static_cast<std::uint8_t>(u);
    at[1] = static_cast<std::uint8_t>(u >> 8);
    at[2] = static_cast<std::uint8_t>(u >> 16);
    at[3] = static_cast<std::uint8_t>(u >> 24);
}

std::int32_t getInt32(const unsigned char* at)
{
    const std::uint32_t u = static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
                            (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
    return static_cast<std::int32_t>(u);
}

// Longest prefix of at most maxBytes that still reads back as the same characters, so a
// double-byte character is never split in half.
std::string cutOnCharacter(const std::string& text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text;
    for (std::size_t n = maxBytes; n > 0; --n) {
        std::string prefix = text.substr(0, n);
        if (codepage::fromUtf8(codepage::toUtf8(prefix)) == prefix)
            return prefix;
    }
    return {};
}

} // namespace

std::array<std::uint8_t, LogFont::kSize> encodeLogFont(const LogFont& font)
{
    std::array<std::uint8_t, LogFont::kSize> out{};
    putInt32(&out[0], font.height);
    putInt32(&out[4], font.width);
    putInt32(&out[8], font.escapement);
    putInt32(&out[12], font.orientation);
    putInt32(&out[16], font.weight);
    out[20] = font.italic;
    out[21] = font.underline;
    out[22] = font.strikeOut;
    out[23] = font.charSet;
    out[24] = font.outPrecision;
    out[25] = font.clipPrecision;
    out[26] = font.quality;
    out[27] = font.pitchAndFamily;
    const std::string face = cutOnCharacter(font.faceName, LogFont::kFaceSize - 1);
    std::memcpy(&out[28], face.data(), face.size()); // the rest stays NUL
    return out;
}

std::vector<unsigned char> encodeLogFontBytes(const LogFont& font)
{
    const auto bytes = encodeLogFont(font);
    return {bytes.begin(), bytes.end()};
}

LogFont decodeLogFont(const unsigned char* bytes, std::size_t size)
{
    if (size != LogFont::kSize || !bytes)
        throw std::invalid_argument("a stored font description must be 60 bytes long, not " + std::to_string(size));
    LogFont font;
    font.height = getInt32(bytes + 0);
    font.width = getInt32(bytes + 4);
    font.escapement = getInt32(bytes + 8);
    font.orientation = getInt32(bytes + 12);
    font.weight = getInt32(bytes + 16);
    font.italic = bytes[20];
    font.underline = bytes[21];
    font.strikeOut = bytes[22];
    font.charSet = bytes[23];
    font.outPrecision = bytes[24];
    font.clipPrecision = bytes[25];
    font.quality = bytes[26];
    font.pitchAndFamily = bytes[27];
    const char* face = reinterpret_cast<const char*>(bytes + 28);
    font.faceName.assign(face, strnlen(face, LogFont::kFaceSize));
    return font;
}

LogFont decodeLogFont(const std::vector<unsigned char>& bytes)
{
    return decodeLogFont(bytes.data(), bytes.size());
}
