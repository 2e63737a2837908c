#pragma once
// Enumerations and the error type of the barcode component (no Qt here).
#include <stdexcept>

enum TBarcodeType {
    bcCode_2_5_interleaved, bcCode_2_5_industrial, bcCode_2_5_matrix, bcCode39, bcCode39Extended,
    bcCode128A, bcCode128B, bcCode128C, bcCode93, bcCode93Extended, bcCodeMSI, bcCodePostNet,
    bcCodeCodabar, bcCodeEAN8, bcCodeEAN13, bcCodeUPC_A, bcCodeUPC_E0, bcCodeUPC_E1,
    bcCodeUPC_Supp2, bcCodeUPC_Supp5, bcCodeEAN128A, bcCodeEAN128B, bcCodeEAN128C
};

enum TBarLineType { white, black, black_half };
enum TBarcodeOption { bcoNone, bcoCode, bcoTyp, bcoBoth };
enum TShowTextPosition { stpTopLeft, stpTopRight, stpTopCenter, stpBottomLeft, stpBottomRight, stpBottomCenter };
enum TCheckSumMethod { csmNone, csmModulo10 };

// Every failure of the component carries one fixed English message.
class EBarcodeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The EAN/UPC length checks fail as assertions.
class EBarcodeAssertion : public EBarcodeError {
public:
    using EBarcodeError::EBarcodeError;
};
