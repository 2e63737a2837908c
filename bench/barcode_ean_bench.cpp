// EAN-13 and UPC-A encoding speed: 100,000 values through TBarcodeSymbol::MakeData, and the
// same values through libzint's encoder in the same run when libzint is there.
// Both sides compute the check digit: ours with Checksum set, zint from the short value.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "barcode/Barcode.h"

#ifdef TOLVANE_HAVE_ZINT
#include <zint.h>
#endif

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

void encodeOurs(benchmark::State& state, TBarcodeType typ, int digits, const std::string& suffix)
{
    std::vector<std::string> texts;
    for (const std::string& v : values(digits))
        texts.push_back(v + suffix);
    TBarcodeSymbol symbol;
    symbol.SetTyp(typ);
    symbol.SetCheckSum(true);
    for (auto _ : state) {
        for (const std::string& t : texts) {
            symbol.SetText(t);
            benchmark::DoNotOptimize(symbol.MakeData());
        }
    }
    state.SetItemsProcessed(state.iterations() * valueCount);
}

// EAN-13: twelve digits, check digit computed. UPC-A: eleven digits and a placeholder for the
// check digit, which the encoder replaces.
void BM_Tolvane_EAN13(benchmark::State& state) { encodeOurs(state, bcCodeEAN13, 12, ""); }
void BM_Tolvane_UPCA(benchmark::State& state) { encodeOurs(state, bcCodeUPC_A, 11, "0"); }
BENCHMARK(BM_Tolvane_EAN13)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tolvane_UPCA)->Unit(benchmark::kMillisecond);

#ifdef TOLVANE_HAVE_ZINT
void encodeZint(benchmark::State& state, int symbology, int digits)
{
    const auto& texts = values(digits);
    zint_symbol* symbol = ZBarcode_Create();
    for (auto _ : state) {
        for (const std::string& t : texts) {
            symbol->symbology = symbology;
            const int rc = ZBarcode_Encode(symbol, reinterpret_cast<const unsigned char*>(t.data()),
                                           static_cast<int>(t.size()));
            if (rc >= ZINT_ERROR) {
                state.SkipWithError(symbol->errtxt);
                break;
            }
            benchmark::DoNotOptimize(symbol->encoded_data);
            ZBarcode_Clear(symbol);
        }
    }
    ZBarcode_Delete(symbol);
    state.SetItemsProcessed(state.iterations() * valueCount);
}

void BM_Zint_EAN13(benchmark::State& state) { encodeZint(state, BARCODE_EANX, 12); }
void BM_Zint_UPCA(benchmark::State& state) { encodeZint(state, BARCODE_UPCA, 11); }
BENCHMARK(BM_Zint_EAN13)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Zint_UPCA)->Unit(benchmark::kMillisecond);
#endif

} // namespace

BENCHMARK_MAIN();
