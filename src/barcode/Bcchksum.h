#pragma once
// Modulo-10 (EAN/UPC, GS1) check digits.
#include <string>

#include "barcode/BarcodeTypes.h"

// The digits followed by their modulo-10 check digit.
std::string CheckSumModulo10(const std::string& digits);

// csmNone: the digits unchanged; csmModulo10: CheckSumModulo10(digits).
std::string DoCheckSumming(const std::string& digits, TCheckSumMethod method);
