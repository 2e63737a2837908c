// Code 39 and its full-ASCII form.
#include "barcode/FullAscii.h"
#include "barcode/LinearEncoders.h"

#include <array>

namespace linear {
namespace {

struct Code39Row {
    char character;
    const char* elements; // nine elements, bar first; '1' marks a wide one
    int checkValue;
};

// The published Code 39 table; '*' is the start/stop character.
constexpr Code39Row kCode39Rows[44] = {
    {'0', "000110100", 0},  {'1', "100100001", 1},  {'2', "001100001", 2},
    {'3', "101100000", 3},  {'4', "000110001", 4},  {'5', "100110000", 5},
    {'6', "001110000", 6},  {'7', "000100101", 7},  {'8', "100100100", 8},
    {'9', "001100100", 9},  {'A', "100001001", 10}, {'B', "001001001", 11},
    {'C', "101001000", 12}, {'D', "000011001", 13}, {'E', "100011000", 14},
    {'F', "001011000", 15}, {'G', "000001101", 16}, {'H', "100001100", 17},
    {'I', "001001100", 18}, {'J', "000011100", 19}, {'K', "100000011", 20},
    {'L', "001000011", 21}, {'M', "101000010", 22}, {'N', "000010011", 23},
    {'O', "100010010", 24}, {'P', "001010010", 25}, {'Q', "000000111", 26},
    {'R', "100000110", 27}, {'S', "001000110", 28}, {'T', "000010110", 29},
    {'U', "110000001", 30}, {'V', "011000001", 31}, {'W', "111000000", 32},
    {'X', "010010001", 33}, {'Y', "110010000", 34}, {'Z', "011010000", 35},
    {'-', "010000101", 36}, {'.', "110000100", 37}, {' ', "011000100", 38},
    {'*', "010010100", 0},  {'$', "010101000", 39}, {'/', "010100010", 40},
    {'+', "010001010", 41}, {'%', "000101010", 42},
};
constexpr int kStartStopRow = 39;

struct Code39Tables {
    std::array<std::array<char, 9>, 44> patterns{}; // pattern language
    std::array<int, 256> rowOf{};                   // -1: not in the table
    std::array<int, 43> rowOfCheckValue{};          // first row with that check value
};

constexpr Code39Tables makeTables()
{
    Code39Tables t;
    for (int& r : t.rowOf) r = -1;
    for (int& r : t.rowOfCheckValue) r = -1;
    for (int row = 0; row < 44; ++row) {
        const Code39Row& r = kCode39Rows[row];
        for (int j = 0; j < 9; ++j) {
            const bool wide = r.elements[j] == '1';
            t.patterns[row][j] = (j % 2 == 0) ? (wide ? '6' : '5') : (wide ? '1' : '0');
        }
        auto& slot = t.rowOf[static_cast<unsigned char>(r.character)];
        if (slot < 0) slot = row;
        if (t.rowOfCheckValue[r.checkValue] < 0) t.rowOfCheckValue[r.checkValue] = row;
    }
    return t;
}

constexpr Code39Tables kTables = makeTables();

void appendRow(std::string& out, int row)
{
    out.append(kTables.patterns[row].data(), 9);
}

} // namespace

// Characters missing from the table are skipped without complaint.
std::string code_39(std::string& text, bool checksum)
{
    std::string result;
    result.reserve((text.size() + 3) * 10);
    appendRow(result, kStartStopRow);
    result += '0';
    int sum = 0;
    for (char ch : text) {
        const int row = kTables.rowOf[static_cast<unsigned char>(ch)];
        if (row < 0)
            continue;
        appendRow(result, row);
        result += '0';
        sum += kCode39Rows[row].checkValue;
    }
    if (checksum) {
        appendRow(result, kTables.rowOfCheckValue[sum % 43]);
        result += '0';
    }
    appendRow(result, kStartStopRow);
    return result;
}

// Encodes the full-ASCII form; the component's text itself is left as it was.
std::string code_39_extended(std::string& text, bool checksum)
{
    std::string converted = fullAsciiCode39(text);
    return code_39(converted, checksum);
}

} // namespace linear
