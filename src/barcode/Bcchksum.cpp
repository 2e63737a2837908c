#include "barcode/Bcchksum.h"

#include "platform/Convert.h"

namespace {

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    // Anything else fails with the integer conversion's own message.
    return StrToInt(std::string(1, c));
}

} // namespace

std::string CheckSumModulo10(const std::string& digits)
{
    // The rightmost digit weighs 3, then 1, 3, ... toward the left.
    const std::size_t n = digits.size();
    int sum = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const int weight = ((n - i) % 2 == 1) ? 3 : 1;
        sum += digitValue(digits[i]) * weight;
    }
    const int check = (sum % 10 == 0) ? 0 : 10 - sum % 10;
    std::string result;
    result.reserve(n + 1);
    result = digits;
    result += static_cast<char>('0' + check);
    return result;
}

std::string DoCheckSumming(const std::string& digits, TCheckSumMethod method)
{
    switch (method) {
    case csmModulo10:
        return CheckSumModulo10(digits);
    case csmNone:
        break;
    }
    return digits;
}
