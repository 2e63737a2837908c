#pragma once
// The stored layout of one sheet of labels: the single row of the table Barcode5Setup.
// Members are in the record's own order; the table declaration lists the stored order.
#include "db/dbEngine.h"

#include <cstdint>

struct Barcode5Setup {
    const char* barcode = "";
    std::int32_t barcodeColor = 0;
    dbByteArray barcodeFont;
    std::int16_t height = 0;
    std::int8_t code = 0;
    bool display = false;
    double horizontal = 0;
    double vertical = 0;

    double string1H = 0;
    double string1V = 0;
    std::int32_t string1Color = 0;
    dbByteArray string1Font;
    double string2H = 0;
    double string2V = 0;
    std::int32_t string2Color = 0;
    dbByteArray string2Font;
    double string3H = 0;
    double string3V = 0;
    std::int32_t string3Color = 0;
    dbByteArray string3Font;
    double string4H = 0;
    double string4V = 0;
    std::int32_t string4Color = 0;
    dbByteArray string4Font;
    double string5H = 0;
    double string5V = 0;
    std::int32_t string5Color = 0;
    dbByteArray string5Font;
    double string6H = 0;
    double string6V = 0;
    std::int32_t string6Color = 0;
    dbByteArray string6Font;

    std::int8_t pageSize = 0;
    double pageHeight = 0;
    double pageWidth = 0;
    std::int16_t pageNo = 0;
    double top = 0;
    double left = 0;
    double right = 0;
    double bottom = 0;
    double cellHeight = 0;
    double cellWidth = 0;
    std::int16_t col = 0;
    std::int16_t row = 0;
    bool printBarcode = false;
    bool printString = false;
    std::int8_t printer = 0;
    double space3 = 0;
    const char* printerName = "";
};
