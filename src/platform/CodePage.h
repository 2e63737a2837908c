#pragma once
// The active 8-bit code page: every text inside the program is a byte string in it.
// It is the locale's codeset (UTF-8 when the locale is plain ASCII); tests may pin it.
#include <string>
#include <string_view>

namespace codepage {

// Name of the active code page as iconv knows it ("UTF-8", "BIG5", ...).
const std::string& active();

// Fixes the active code page (tests, or a user who wants Big5 files on a UTF-8 desktop).
// An empty name goes back to the locale's codeset.
void pin(const std::string& name);

// Active code page <-> UTF-8. Bytes that do not convert become '?'.
std::string toUtf8(std::string_view text);
std::string fromUtf8(std::string_view utf8);

// Active code page <-> UTF-16 (for file formats that store Unicode).
std::u16string toUtf16(std::string_view text);
std::string fromUtf16(std::u16string_view text);

// The program's own message texts are written in UTF-8 in the sources; this gives
// them in the active code page (cached, so the pointer stays valid).
const std::string& msg(const char* utf8Text);

} // namespace codepage
