// Code 128B and Code 39 encoding speed: 100,000 values through TBarcodeSymbol::MakeData, and
// the same values through libzint's encoder in the same run when libzint is there.
// Code 39 adds its modulo-43 check character on both sides.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "barcode/Barcode.h"

#ifdef TOLVANE_HAVE_ZINT
#include <zint.h>
#endif

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

void encodeOurs(benchmark::State& state, TBarcodeType typ, bool checksum,
                const std::vector<std::string>& texts)
{
    TBarcodeSymbol symbol;
    symbol.SetTyp(typ);
    symbol.SetCheckSum(checksum);
    for (auto _ : state) {
        for (const std::string& t : texts) {
            symbol.SetText(t);
            benchmark::DoNotOptimize(symbol.MakeData());
        }
    }
    state.SetItemsProcessed(state.iterations() * valueCount);
}

void BM_Tolvane_Code128B(benchmark::State& state) { encodeOurs(state, bcCode128B, false, code128Values()); }
void BM_Tolvane_Code39(benchmark::State& state) { encodeOurs(state, bcCode39, true, code39Values()); }
BENCHMARK(BM_Tolvane_Code128B)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tolvane_Code39)->Unit(benchmark::kMillisecond);

#ifdef TOLVANE_HAVE_ZINT
void encodeZint(benchmark::State& state, int symbology, int option2, const std::vector<std::string>& texts)
{
    zint_symbol* symbol = ZBarcode_Create();
    for (auto _ : state) {
        for (const std::string& t : texts) {
            symbol->symbology = symbology;
            symbol->option_2 = option2;
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

void BM_Zint_Code128B(benchmark::State& state) { encodeZint(state, BARCODE_CODE128, 0, code128Values()); }
void BM_Zint_Code39(benchmark::State& state) { encodeZint(state, BARCODE_CODE39, 1, code39Values()); }
BENCHMARK(BM_Zint_Code128B)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Zint_Code39)->Unit(benchmark::kMillisecond);
#endif

} // namespace

BENCHMARK_MAIN();
