// POSTNET: five bars per digit, two of them tall; no correction digit of its own.
#include "barcode/LinearEncoders.h"

namespace linear {
namespace {

// '1' marks a tall bar.
constexpr const char* kDigitBars[10] = {
    "11000", "00011", "00101", "00110", "01001",
    "01010", "01100", "10001", "10010", "10100",
};

} // namespace

// Every bar is followed by a wide space; short bars use the half-height bar character.
std::string code_postnet(std::string& text, bool /*checksum*/)
{
    std::string result;
    result.reserve(3 + 10 * text.size());
    result += "51";
    for (char ch : text) {
        if (ch < '0' || ch > '9')
            throw EBarcodeError("Barcode must be numeric");
        for (const char* bar = kDigitBars[ch - '0']; *bar; ++bar)
            result += *bar == '1' ? "51" : "A1";
    }
    result += '5';
    return result;
}

} // namespace linear
