#pragma once
// Text <-> number conversions with the run-time library's rules and error texts.
#include <stdexcept>
#include <string>

// Raised when a text is not a number; the message is shown to the user as it is.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string IntToStr(long long value);

// Decimal (or $hex / 0x hex) integer in the 32-bit range, leading blanks allowed.
// Fails with "'<text>' is not a valid integer value".
int StrToInt(const std::string& text);

// Decimal number with optional exponent, blanks around it allowed.
// Fails with "'<text>' is not a valid floating point value".
double StrToFloat(const std::string& text);

// General format: shortest form of up to 15 significant digits, no trailing zeros,
// scientific ("1E-5", "1.5E20") only for exponents below -4 or from 15 up.
std::string FloatToStr(double value);
