// MSI: four bits per digit and a modulo-10 check digit.
#include "barcode/LinearEncoders.h"

namespace linear {
namespace {

int digitValue(char ch)
{
    if (ch < '0' || ch > '9')
        throw EBarcodeError("Barcode must be numeric");
    return ch - '0';
}

// Most significant bit first; a 0 bit is a narrow bar and a wide space, a 1 bit the reverse.
void appendDigit(std::string& out, int digit)
{
    for (int bit = 3; bit >= 0; --bit)
        out += ((digit >> bit) & 1) ? "60" : "51";
}

} // namespace

// The published modulo-10 check digit: counting from the rightmost digit, every other digit
// (the rightmost first) adds the digit sum of twice the digit, the others add the digit.
// Counting from the left instead gives a digit readers reject whenever the length is odd.
std::string code_msi(std::string& text, bool /*checksum*/)
{
    static constexpr int kDoubledDigitSum[10] = {0, 2, 4, 6, 8, 1, 3, 5, 7, 9};
    std::string result;
    result.reserve(2 + 8 * (text.size() + 1) + 3);
    result += "60";
    int sum = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int digit = digitValue(text[i]);
        appendDigit(result, digit);
        const bool doubled = (text.size() - i) % 2 == 1;
        sum += doubled ? kDoubledDigitSum[digit] : digit;
    }
    appendDigit(result, (10 - sum % 10) % 10);
    result += "515";
    return result;
}

} // namespace linear
