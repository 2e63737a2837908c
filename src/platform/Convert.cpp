#include "platform/Convert.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

std::string IntToStr(long long value)
{
    return std::to_string(value);
}

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

[[noreturn]] void failInt(const std::string& text)
{
    throw EConvertError("'" + text + "' is not a valid integer value");
}

[[noreturn]] void failFloat(const std::string& text)
{
    throw EConvertError("'" + text + "' is not a valid floating point value");
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

int StrToInt(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size())
        failInt(text);
    long long value = 0;
    for (; i < text.size(); ++i) {
        int d = base == 16 ? hexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
        if (d < 0)
            failInt(text);
        value = value * base + d;
        if (value > 0x100000000LL)
            failInt(text);
    }
    if (negative)
        value = -value;
    if (base == 16 && value > std::numeric_limits<int>::max() && value <= 0xFFFFFFFFLL)
        value -= 0x100000000LL; // hex spells the 32-bit pattern
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        failInt(text);
    return static_cast<int>(value);
}

double StrToFloat(const std::string& text)
{
    size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b]))
        ++b;
    while (e > b && isBlank(text[e - 1]))
        --e;
    std::string core = text.substr(b, e - b);
    if (core.empty())
        failFloat(text);
    // Plain decimal notation only: no hex floats, no "inf"/"nan" words.
    size_t i = 0;
    if (core[i] == '+' || core[i] == '-')
        ++i;
    bool digits = false;
    while (i < core.size() && core[i] >= '0' && core[i] <= '9') { ++i; digits = true; }
    if (i < core.size() && core[i] == '.') {
        ++i;
        while (i < core.size() && core[i] >= '0' && core[i] <= '9') { ++i; digits = true; }
    }
    if (!digits)
        failFloat(text);
    if (i < core.size() && (core[i] == 'e' || core[i] == 'E')) {
        ++i;
        if (i < core.size() && (core[i] == '+' || core[i] == '-'))
            ++i;
        bool expDigits = false;
        while (i < core.size() && core[i] >= '0' && core[i] <= '9') { ++i; expDigits = true; }
        if (!expDigits)
            failFloat(text);
    }
    if (i != core.size())
        failFloat(text);
    errno = 0;
    double value = std::strtod(core.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(value))
        failFloat(text);
    return value;
}

std::string FloatToStr(double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    if (value == 0)
        return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", value);
    std::string s = buf;
    size_t epos = s.find('E');
    if (epos == std::string::npos)
        return s;
    // "1.5E+20" -> "1.5E20", "1E-05" -> "1E-5"
    std::string mantissa = s.substr(0, epos);
    std::string exponent = s.substr(epos + 1);
    bool negative = !exponent.empty() && exponent[0] == '-';
    size_t k = (!exponent.empty() && (exponent[0] == '-' || exponent[0] == '+')) ? 1 : 0;
    while (k + 1 < exponent.size() && exponent[k] == '0')
        ++k;
    return mantissa + "E" + (negative ? "-" : "") + exponent.substr(k);
}
