// Code 93 with its two check characters, and its full-ASCII form.
#include "barcode/FullAscii.h"
#include "barcode/LinearEncoders.h"
#include "barcode/ModuleCounts.h"

#include <array>

namespace linear {
namespace {

// The published table in value order; the shift characters ($) (%) (/) (+) are written
// '[', ']', '{', '}'.
constexpr char kCharacters[48] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%[]{}";
constexpr const char* kValueCounts[47] = {
    "131112", "111213", "111312", "111411", "121113", "121212", "121311", "111114", "131211",
    "141111", "211113", "211212", "211311", "221112", "221211", "231111", "112113", "112212",
    "112311", "122112", "132111", "111123", "111222", "111321", "121122", "131121", "212112",
    "212211", "211122", "211221", "221121", "222111", "112122", "112221", "122121", "123111",
    "121131", "311112", "311211", "321111", "112131", "113121", "211131", "121221", "312111",
    "311121", "122211",
};
constexpr const char* kStart = "111141";
constexpr const char* kStopWithFinalBar = "1111411";

constexpr std::array<int, 256> makeValueIndex()
{
    std::array<int, 256> index{};
    for (int& v : index) v = -1;
    for (int v = 0; v < 47; ++v) index[static_cast<unsigned char>(kCharacters[v])] = v;
    return index;
}
constexpr auto kValueOf = makeValueIndex();

} // namespace

std::string code_93(std::string& text, bool /*checksum*/)
{
    std::string counts;
    counts.reserve(6 * (text.size() + 3) + 7);
    counts += kStart;
    for (char ch : text) {
        const int value = kValueOf[static_cast<unsigned char>(ch)];
        if (value < 0)
            throw EBarcodeError("TBarcodeSymbol:Code93 bad Data <" + text + ">");
        counts.append(kValueCounts[value], 6);
    }

    // Weights count from the right: C runs 1..20, K runs 2..15 and then 1..15 (the C
    // character itself takes K weight 1).
    long long cSum = 0;
    long long kSum = 0;
    int c = 1;
    int k = 2;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        const int value = kValueOf[static_cast<unsigned char>(*it)];
        cSum += static_cast<long long>(value) * c;
        kSum += static_cast<long long>(value) * k;
        c = c == 20 ? 1 : c + 1;
        k = k == 15 ? 1 : k + 1;
    }
    counts.append(kValueCounts[cSum % 47], 6);
    counts.append(kValueCounts[(cSum + kSum) % 47], 6);
    counts += kStopWithFinalBar;
    moduleCountsToPattern(counts);
    return counts;
}

// Encodes the full-ASCII form; the component's text itself is left as it was.
std::string code_93_extended(std::string& text, bool checksum)
{
    std::string converted = fullAsciiCode93(text);
    return code_93(converted, checksum);
}

} // namespace linear
