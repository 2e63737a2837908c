#include "labels/NumberToText.h"

#include <cmath>
#include <cstdio>

namespace {

// Shortest decimal form of a whole number, however large.
std::string wholeText(double whole)
{
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.0f", whole);
    return buf;
}

} // namespace

std::string numberToText(double value, int decimals)
{
    if (value > -0.000001 && value < 0.000001)
        return "0";
    if (std::isnan(value))
        return "Nan";
    if (value < 0)
        return "-" + numberToText(-value, decimals);
    if (std::isinf(value))
        return "Inf";
    if (decimals < 0)
        decimals = 0;
    if (decimals > 15)
        decimals = 15;

    // f holds one decimal more than asked for, so that adding 5 rounds half up.
    double scale = std::pow(10.0, decimals + 1);
    double whole = std::floor(value);
    long long f = static_cast<long long>(std::trunc((value - whole + 0.0001) * scale)) + 5;
    if (f >= static_cast<long long>(scale))
        return decimals == 0 ? wholeText(whole + 1) : wholeText(whole + 1) + "." + std::string(decimals, '0');
    if (decimals == 0)
        return wholeText(whole);
    std::string digits = std::to_string(f / 10);
    return wholeText(whole) + "." + std::string(decimals - digits.size(), '0') + digits;
}
