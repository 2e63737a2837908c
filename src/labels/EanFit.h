#pragma once
// EAN-13, EAN-8 and UPC-A values on a label sheet are cut or zero-padded to their data
// digits and completed with a fresh modulo-10 check digit before they are drawn.
#include <optional>
#include <string>

#include "barcode/BarcodeTypes.h"

struct EanFitRule {
    int dataDigits;       // digits kept before the check digit
    const char* message;  // UTF-8: shown when the text holds a non-digit
};

// The rule of a fitted type, or null for the types whose texts are drawn as typed.
const EanFitRule* eanFitRule(TBarcodeType type);

// The text to draw: every byte must be '0'..'9' (checked on the whole text before it is
// cut); nothing when one is not. Longer texts keep their first digits, shorter ones get
// leading zeros, then the check digit by `method` is appended.
std::optional<std::string> fitEanText(TBarcodeType type, const std::string& text, TCheckSumMethod method);
