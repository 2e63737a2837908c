#pragma once
// The setting wizard's rules, apart from its window: the page size it remembers,
// the cell size derived from paper, margins and counts, and the miniature grid's counts.
#include <stdexcept>
#include <string>

struct WizardPageSize {
    double height = 0; // mm
    double width = 0;  // mm
};

// The wizard remembers the last paper it looked up; "自定" (custom) shows that size
// instead of keeping what the fields hold. It starts as B5.
class WizardPageMemory {
public:
    WizardPageMemory();
    // The size to show when the user picks paper list entry `entry`; a real paper
    // becomes the remembered size.
    WizardPageSize choose(int entry);
    const WizardPageSize& remembered() const { return remembered_; }

private:
    WizardPageSize remembered_;
};

// Raised when the sheet texts convert but cannot give a cell size.
class EWizardError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The step-1 texts the cell size is derived from, as typed.
struct WizardSheetTexts {
    std::string pageHeight, pageWidth, top, left, right, bottom, row, col;
};

struct WizardCellTexts {
    std::string cellHeight, cellWidth;
};

// Cells tile the area inside the margins exactly: (page - margins) / count, 2 decimals.
// The texts are read in the order page height, page width, top, left, right, row, col,
// bottom; the first that is not a number raises EConvertError naming it. A row or column
// count below 1 raises EWizardError.
WizardCellTexts computeCellSize(const WizardSheetTexts& sheet);

// Column or row count of the miniature grid for a `col` / `row` text: at least 1 and at
// most one per pixel of the grid's extent. Raises EConvertError for a non-integer text.
int miniatureCount(const std::string& text, int extentPixels);
