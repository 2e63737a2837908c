// EAN-13 and UPC-A encoding speed: 100,000 values through TBarcodeSymbol::MakeData, and the
// same values through libzint's encoder in the same run when libzint is there.
// Both sides compute the check digit: ours with Checksum set, zint from the short value.
#include "EncodeBench.h"

namespace {

constexpr int valueCount = 100'000;

// Deterministic values of `digits` digits spread over the whole range.
const std::vector<std::string>& values(int digits)
{
    static std::vector<std::string> cache[13];
    auto& v = cache[digits];
    if (v.empty()) {
        v.reserve(valueCount);
        unsigned long long x = 88172645463325252ULL;
        for (int i = 0; i < valueCount; ++i) {
            x ^= x << 13;
            x ^= x >> 7;
            x ^= x << 17;
            std::string s = std::to_string(x);
            s.resize(digits, '0');
            v.push_back(s);
        }
    }
    return v;
}

std::vector<std::string> withSuffix(int digits, const std::string& suffix)
{
    std::vector<std::string> texts;
    for (const std::string& v : values(digits))
        texts.push_back(v + suffix);
    return texts;
}

// EAN-13: twelve digits, check digit computed. UPC-A: eleven digits and a placeholder for the
// check digit, which the encoder replaces.
void BM_Tolvane_EAN13(benchmark::State& state) { encodeWithSymbol(state, bcCodeEAN13, true, withSuffix(12, "")); }
void BM_Tolvane_UPCA(benchmark::State& state) { encodeWithSymbol(state, bcCodeUPC_A, true, withSuffix(11, "0")); }
BENCHMARK(BM_Tolvane_EAN13)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tolvane_UPCA)->Unit(benchmark::kMillisecond);

#ifdef TOLVANE_HAVE_ZINT
void BM_Zint_EAN13(benchmark::State& state) { encodeWithZint(state, BARCODE_EANX, 0, values(12)); }
void BM_Zint_UPCA(benchmark::State& state) { encodeWithZint(state, BARCODE_UPCA, 0, values(11)); }
BENCHMARK(BM_Zint_EAN13)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Zint_UPCA)->Unit(benchmark::kMillisecond);
#endif

} // namespace

BENCHMARK_MAIN();
