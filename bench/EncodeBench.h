#pragma once
// Shared by the encoder benchmarks: one pass encodes every value through our symbol or,
// when libzint is there, through libzint's encoder.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "barcode/Barcode.h"

#ifdef TOLVANE_HAVE_ZINT
#include <zint.h>
#endif

inline void encodeWithSymbol(benchmark::State& state, TBarcodeType typ, bool checksum,
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
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(texts.size()));
}

#ifdef TOLVANE_HAVE_ZINT
inline void encodeWithZint(benchmark::State& state, int symbology, int option2,
                           const std::vector<std::string>& texts)
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
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(texts.size()));
}
#endif
