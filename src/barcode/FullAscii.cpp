#include "barcode/FullAscii.h"

#include <array>

namespace linear {
namespace {

// One or two characters per code; a single character leaves the second slot 0.
using Replacement = std::array<char, 2>;

constexpr std::array<Replacement, 128> makeCode39Table()
{
    std::array<Replacement, 128> table{};
    auto set = [&](int code, char shift, char letter) { table[code] = {shift, letter}; };
    set(0, '%', 'U');
    for (int c = 1; c <= 26; ++c) set(c, '$', static_cast<char>('A' + c - 1));
    for (int c = 27; c <= 31; ++c) set(c, '%', static_cast<char>('A' + c - 27));
    set(32, ' ', 0);
    for (int c = 33; c <= 47; ++c) set(c, '/', static_cast<char>('A' + c - 33));
    for (int c = 48; c <= 57; ++c) set(c, static_cast<char>(c), 0);
    set(58, '/', 'Z');
    for (int c = 59; c <= 63; ++c) set(c, '%', static_cast<char>('F' + c - 59));
    set(64, '%', 'V');
    for (int c = 65; c <= 90; ++c) set(c, static_cast<char>(c), 0);
    for (int c = 91; c <= 95; ++c) set(c, '%', static_cast<char>('K' + c - 91));
    set(96, '%', 'W');
    for (int c = 97; c <= 122; ++c) set(c, '+', static_cast<char>('A' + c - 97));
    for (int c = 123; c <= 127; ++c) set(c, '%', static_cast<char>('P' + c - 123));
    return table;
}

constexpr std::array<Replacement, 128> makeCode93Table()
{
    std::array<Replacement, 128> table = makeCode39Table();
    for (Replacement& r : table) {
        if (r[1] == 0)
            continue; // single characters are not shifts
        switch (r[0]) {
        case '$': r[0] = '['; break;
        case '%': r[0] = ']'; break;
        case '/': r[0] = '{'; break;
        case '+': r[0] = '}'; break;
        }
    }
    return table;
}

constexpr auto kCode39 = makeCode39Table();
constexpr auto kCode93 = makeCode93Table();

std::string convert(const std::string& text, const std::array<Replacement, 128>& table)
{
    std::string result;
    result.reserve(text.size() * 2);
    for (char ch : text) {
        const auto code = static_cast<unsigned char>(ch);
        if (code >= 128)
            continue;
        result += table[code][0];
        if (table[code][1] != 0)
            result += table[code][1];
    }
    return result;
}

} // namespace

std::string fullAsciiCode39(const std::string& text) { return convert(text, kCode39); }

std::string fullAsciiCode93(const std::string& text) { return convert(text, kCode93); }

} // namespace linear
