// The three 2 of 5 codes. All three share one digit table: five elements, two of them wide.
#include "barcode/LinearEncoders.h"

namespace linear {
namespace {

// '1' marks a wide element; digit 0 is narrow, narrow, wide, wide, narrow.
constexpr const char* kDigitElements[10] = {
    "00110", "10001", "01001", "11000", "00101",
    "10100", "01100", "00011", "10010", "01010",
};

const char* elementsOf(char digit)
{
    if (digit < '0' || digit > '9')
        throw EBarcodeError("Barcode must be numeric");
    return kDigitElements[digit - '0'];
}

} // namespace

// Digits are interleaved in pairs: the first digit of a pair in the bars, the second in the
// spaces. An odd last digit has no partner and is left out.
std::string code_2_5_interleaved(std::string& text, bool /*checksum*/)
{
    std::string result;
    result.reserve(7 + text.size() * 5);
    result += "5050";
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        const char* bars = elementsOf(text[i]);
        const char* spaces = elementsOf(text[i + 1]);
        for (int j = 0; j < 5; ++j) {
            result += bars[j] == '1' ? '6' : '5';
            result += spaces[j] == '1' ? '1' : '0';
        }
    }
    result += "605";
    return result;
}

// Only the bars carry data; every space is narrow.
std::string code_2_5_industrial(std::string& text, bool /*checksum*/)
{
    std::string result;
    result.reserve(12 + text.size() * 10);
    result += "606050";
    for (char digit : text) {
        const char* elements = elementsOf(digit);
        for (int j = 0; j < 5; ++j) {
            result += elements[j] == '1' ? '6' : '5';
            result += '0';
        }
    }
    result += "605060";
    return result;
}

// Bars and spaces both carry data, then a narrow gap closes each digit.
std::string code_2_5_matrix(std::string& text, bool /*checksum*/)
{
    std::string result;
    result.reserve(11 + text.size() * 6);
    result += "705050";
    for (char digit : text) {
        const char* elements = elementsOf(digit);
        for (int j = 0; j < 5; ++j) {
            const bool wide = elements[j] == '1';
            if (j % 2 == 0)
                result += wide ? '6' : '5';
            else
                result += wide ? '1' : '0';
        }
        result += '0';
    }
    result += "70505";
    return result;
}

} // namespace linear
