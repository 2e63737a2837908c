// Code 128 in one code set per symbol (A, B or C), and the EAN-128 forms that put FNC1 first.
#include "barcode/Bcchksum.h"
#include "barcode/LinearEncoders.h"
#include "barcode/ModuleCounts.h"

namespace linear {
namespace {

// Module counts of the symbol values 0..102, the published Code 128 table.
constexpr const char* kValueCounts[103] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212",
    "221213", "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221",
    "223211", "221132", "221231", "213212", "223112", "312131", "311222", "321122", "321221",
    "312212", "322112", "322211", "212123", "212321", "232121", "111323", "131123", "131321",
    "112313", "132113", "132311", "211313", "231113", "231311", "112133", "112331", "132131",
    "113123", "113321", "133121", "313121", "211331", "231131", "213113", "213311", "213131",
    "311123", "311321", "331121", "312113", "312311", "332111", "314111", "221411", "431111",
    "111224", "111422", "121124", "121421", "141122", "141221", "112214", "112412", "122114",
    "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111", "111242",
    "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311",
    "113141", "114131", "311141", "411131",
};
constexpr const char* kStartA = "211412";
constexpr const char* kStartB = "211214";
constexpr const char* kStartC = "211232";
constexpr const char* kStopWithFinalBar = "2331112";
constexpr int kFnc1 = 102;

enum class CodeSet { A, B, C };

// Sets A and B carry codes 32..95 as values 0..63; set B goes on with '`'..'~' as 64..94.
// Anything else has no value in the set and is sent as value 0, the space.
int valueInSet(unsigned char ch, CodeSet set)
{
    const unsigned char last = set == CodeSet::A ? 95 : 126;
    return (ch >= 32 && ch <= last) ? ch - 32 : 0;
}

int digitPairValue(char high, char low)
{
    if (high < '0' || high > '9' || low < '0' || low > '9')
        return 0;
    return (high - '0') * 10 + (low - '0');
}

class SymbolBuilder {
public:
    SymbolBuilder(const char* start, int startValue, std::size_t valueCount) : sum_(startValue)
    {
        counts_.reserve(6 * (valueCount + 3) + 7);
        counts_ += start;
    }
    void add(int value)
    {
        counts_.append(kValueCounts[value], 6);
        sum_ += value * weight_++;
    }
    std::string finish()
    {
        counts_.append(kValueCounts[sum_ % 103], 6);
        counts_ += kStopWithFinalBar;
        moduleCountsToPattern(counts_);
        return std::move(counts_);
    }
private:
    std::string counts_;
    long long sum_;
    long long weight_ = 1;
};

} // namespace

std::string code_128(std::string& text, TBarcodeType typ, bool checksum, TCheckSumMethod method)
{
    CodeSet set;
    bool ean = false;
    switch (typ) {
    case bcCode128A: set = CodeSet::A; break;
    case bcCode128B: set = CodeSet::B; break;
    case bcCode128C: set = CodeSet::C; break;
    case bcCodeEAN128A: set = CodeSet::A; ean = true; break;
    case bcCodeEAN128B: set = CodeSet::B; ean = true; break;
    case bcCodeEAN128C: set = CodeSet::C; ean = true; break;
    default: throw EBarcodeError("TBarcodeSymbol: wrong BarcodeType in Code_128");
    }

    // The check digit goes into the symbol only: writing it into the text would add one
    // more digit on every encoding of the same component.
    const bool withCheckDigit = ean && checksum;
    std::string checked;
    if (withCheckDigit)
        checked = DoCheckSumming(text, method);

    if (set == CodeSet::C) {
        const std::size_t length = withCheckDigit ? checked.size() : text.size();
        if (length % 2 != 0) {
            // The padding stays in the text, so the value line shows the digits as drawn.
            text.insert(text.begin(), '0');
            if (withCheckDigit)
                checked.insert(checked.begin(), '0');
        }
    }
    const std::string& data = withCheckDigit ? checked : text;

    static constexpr int kStartValues[] = {103, 104, 105};
    static constexpr const char* kStarts[] = {kStartA, kStartB, kStartC};
    const int setIndex = static_cast<int>(set);
    SymbolBuilder symbol(kStarts[setIndex], kStartValues[setIndex], data.size() + 1);
    if (ean)
        symbol.add(kFnc1);
    if (set == CodeSet::C) {
        for (std::size_t i = 0; i + 1 < data.size(); i += 2)
            symbol.add(digitPairValue(data[i], data[i + 1]));
    } else {
        for (char ch : data)
            symbol.add(valueInSet(static_cast<unsigned char>(ch), set));
    }
    return symbol.finish();
}

} // namespace linear
