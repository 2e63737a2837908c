#pragma once
// The choices of the label window's two drop-down lists. Their indexes are what the
// stored layout keeps, so the order here is fixed.
#include "barcode/BarcodeTypes.h"

#include <string>

struct PaperEntry {
    const char* caption; // UTF-8
    double height;       // mm, portrait
    double width;        // mm
};

constexpr int kPaperCount = 9;
constexpr int kCustomPaper = 8; // "自定": the size typed into the page fields

// "Letter" gives the 14-inch sheet and "Legal" the 11-inch one: stored layouts rely on
// these indexes meaning these sizes, captions notwithstanding.
inline constexpr PaperEntry kPapers[kPaperCount] = {
    {"A3", 420, 297},
    {"A4", 297, 210},
    {"A5", 210, 148.5},
    {"A6", 148, 105},
    {"B5", 9.84 * 25.4, 6.92 * 25.4},
    {"C5", 9.02 * 25.4, 6.38 * 25.4},
    {"Letter", 14 * 25.4, 8.5 * 25.4},
    {"Legal", 11 * 25.4, 8.5 * 25.4},
    {"自定", 0, 0},
};

struct BarcodeTypeEntry {
    const char* caption;
    TBarcodeType type;
};

constexpr int kBarcodeTypeCount = 8;
inline constexpr BarcodeTypeEntry kBarcodeTypes[kBarcodeTypeCount] = {
    {"Code 128B", bcCode128B}, {"EAN128B", bcCodeEAN128B}, {"Code 39", bcCode39},
    {"Code 93", bcCode93},     {"Code 25", bcCode_2_5_interleaved},
    {"EAN13", bcCodeEAN13},    {"EAN8", bcCodeEAN8},       {"UPC_A", bcCodeUPC_A},
};

// Entries 4 to 7 encode digits only.
inline bool isDigitsOnlyEntry(int codeIndex) { return codeIndex >= 4 && codeIndex <= 7; }

// True when every byte is '0'..'9' (an empty text passes; any byte of a double-byte
// character fails).
bool allDigits(const std::string& text);
