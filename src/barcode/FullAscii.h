#pragma once
// The full-ASCII rule shared by Code 39 and Code 93: every code 0..127 becomes one or two
// characters of the plain symbology; codes 128..255 have no form and are dropped.
#include <string>

namespace linear {

// Code 39 form of the whole text ('$', '%', '/', '+' as shift characters).
std::string fullAsciiCode39(const std::string& text);

// Code 93 form of the whole text: the same rule with the shift characters written
// '[' for ($), ']' for (%), '{' for (/) and '}' for (+).
std::string fullAsciiCode93(const std::string& text);

} // namespace linear
