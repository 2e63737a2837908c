// Code 128B and Code 39 encoding speed: 100,000 values through TBarcodeSymbol::MakeData, and
// the same values through libzint's encoder in the same run when libzint is there.
// Code 39 adds its modulo-43 check character on both sides.
#include "EncodeBench.h"

namespace {

constexpr int valueCount = 100'000;

// Deterministic 12-character values drawn from an alphabet. Code 128 values keep at most
// two digits in a row, so zint stays in code set B like our encoder.
std::vector<std::string> makeValues(const std::string& alphabet, bool breakDigitRuns)
{
    std::vector<std::string> values;
    values.reserve(valueCount);
    unsigned long long x = 88172645463325252ULL;
    for (int i = 0; i < valueCount; ++i) {
        std::string s;
        int digitRun = 0;
        while (s.size() < 12) {
            x ^= x << 13;
            x ^= x >> 7;
            x ^= x << 17;
            const char ch = alphabet[x % alphabet.size()];
            const bool digit = ch >= '0' && ch <= '9';
            if (breakDigitRuns && digit && digitRun == 2)
                continue;
            digitRun = digit ? digitRun + 1 : 0;
            s += ch;
        }
        values.push_back(s);
    }
    return values;
}

const std::vector<std::string>& code128Values()
{
    static const auto values =
        makeValues("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-./ #", true);
    return values;
}

const std::vector<std::string>& code39Values()
{
    static const auto values = makeValues("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-. $/+%", false);
    return values;
}

void BM_Tolvane_Code128B(benchmark::State& state) { encodeWithSymbol(state, bcCode128B, false, code128Values()); }
void BM_Tolvane_Code39(benchmark::State& state) { encodeWithSymbol(state, bcCode39, true, code39Values()); }
BENCHMARK(BM_Tolvane_Code128B)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tolvane_Code39)->Unit(benchmark::kMillisecond);

#ifdef TOLVANE_HAVE_ZINT
void BM_Zint_Code128B(benchmark::State& state) { encodeWithZint(state, BARCODE_CODE128, 0, code128Values()); }
void BM_Zint_Code39(benchmark::State& state) { encodeWithZint(state, BARCODE_CODE39, 1, code39Values()); }
BENCHMARK(BM_Zint_Code128B)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Zint_Code39)->Unit(benchmark::kMillisecond);
#endif

} // namespace

BENCHMARK_MAIN();
