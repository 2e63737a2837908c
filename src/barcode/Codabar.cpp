// Codabar, framed by the start character A and the stop character B.
#include "barcode/LinearEncoders.h"

#include <array>

namespace linear {
namespace {

// The published Codabar table: seven elements, bar first; '1' marks a wide one.
struct CodabarRow {
    char character;
    const char* elements;
};
constexpr CodabarRow kRows[20] = {
    {'1', "0000110"}, {'2', "0001001"}, {'3', "1100000"}, {'4', "0010010"},
    {'5', "1000010"}, {'6', "0100001"}, {'7', "0100100"}, {'8', "0110000"},
    {'9', "1001000"}, {'0', "0000011"}, {'-', "0001100"}, {'$', "0011000"},
    {':', "1000101"}, {'/', "1010001"}, {'.', "1010100"}, {'+', "0010101"},
    {'A', "0011010"}, {'B', "0101001"}, {'C', "0001011"}, {'D', "0001110"},
};

struct CodabarTables {
    std::array<std::array<char, 7>, 20> patterns{}; // pattern language
    std::array<int, 256> rowOf{};                   // -1: not in the table
};

constexpr CodabarTables makeTables()
{
    CodabarTables t;
    for (int& r : t.rowOf) r = -1;
    for (int row = 0; row < 20; ++row) {
        for (int j = 0; j < 7; ++j) {
            const bool wide = kRows[row].elements[j] == '1';
            t.patterns[row][j] = (j % 2 == 0) ? (wide ? '6' : '5') : (wide ? '1' : '0');
        }
        t.rowOf[static_cast<unsigned char>(kRows[row].character)] = row;
    }
    return t;
}
constexpr CodabarTables kTables = makeTables();
constexpr int kRowA = 16;
constexpr int kRowB = 17;

} // namespace

// A character outside the table is refused: it has no bars, and dropping or replacing it
// would print a symbol that reads as a different value.
std::string code_codabar(std::string& text, bool /*checksum*/)
{
    std::string result;
    result.reserve(8 * (text.size() + 2));
    result.append(kTables.patterns[kRowA].data(), 7);
    result += '0';
    for (char ch : text) {
        const int row = kTables.rowOf[static_cast<unsigned char>(ch)];
        if (row < 0)
            throw EBarcodeError("TBarcodeSymbol:Codabar bad Data <" + text + ">");
        result.append(kTables.patterns[row].data(), 7);
        result += '0';
    }
    result.append(kTables.patterns[kRowB].data(), 7);
    return result;
}

} // namespace linear
