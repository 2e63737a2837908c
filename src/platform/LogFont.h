#pragma once
// The Windows LOGFONTA font description, kept byte for byte as stored layouts hold it:
// 60 bytes, little-endian 32-bit numbers, a 32-byte NUL-terminated face name in the
// active code page. No Qt here: the toolkit mapping lives in qt/FontMapping.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct LogFont {
    static constexpr std::size_t kSize = 60;
    static constexpr std::size_t kFaceSize = 32;

    std::int32_t height = 0;       // negative: character height in pixels; positive: cell height
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 400;     // 400 regular, 700 bold
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 1;      // DEFAULT_CHARSET
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::string faceName;          // active code page bytes, at most 31 of them are stored

    bool operator==(const LogFont&) const = default;
};

// The 60 stored bytes. A face name longer than 31 bytes is cut on a character boundary
// of the active code page so that no half double-byte character is stored.
std::array<std::uint8_t, LogFont::kSize> encodeLogFont(const LogFont& font);
std::vector<unsigned char> encodeLogFontBytes(const LogFont& font);

// Reads a stored description. Fails with std::invalid_argument when the array is not
// exactly 60 bytes long; the face name ends at its first NUL (or after 32 bytes).
LogFont decodeLogFont(const unsigned char* bytes, std::size_t size);
LogFont decodeLogFont(const std::vector<unsigned char>& bytes);

// Windows colour values: 0x00BBGGRR, or 0x80000000 + a system colour index.
namespace wincolor {
constexpr std::int32_t kSystemFlag = static_cast<std::int32_t>(0x80000000u);
constexpr std::int32_t kWindowText = static_cast<std::int32_t>(0x80000008u);
inline bool isSystem(std::int32_t c) { return (static_cast<std::uint32_t>(c) & 0xFF000000u) == 0x80000000u; }
inline int systemIndex(std::int32_t c) { return static_cast<int>(static_cast<std::uint32_t>(c) & 0xFFu); }
inline std::int32_t rgb(int r, int g, int b)
{
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(b & 0xFF) << 16) |
                                     (static_cast<std::uint32_t>(g & 0xFF) << 8) | static_cast<std::uint32_t>(r & 0xFF));
}
inline int red(std::int32_t c) { return static_cast<int>(static_cast<std::uint32_t>(c) & 0xFF); }
inline int green(std::int32_t c) { return static_cast<int>((static_cast<std::uint32_t>(c) >> 8) & 0xFF); }
inline int blue(std::int32_t c) { return static_cast<int>((static_cast<std::uint32_t>(c) >> 16) & 0xFF); }
} // namespace wincolor
