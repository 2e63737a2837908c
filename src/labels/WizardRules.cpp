#include "labels/WizardRules.h"

#include "labels/LabelLists.h"
#include "labels/NumberToText.h"
#include "platform/CodePage.h"
#include "platform/Convert.h"

#include <algorithm>

namespace {

constexpr int kB5 = 4;

WizardPageSize paperSize(int entry)
{
    return {kPapers[entry].height, kPapers[entry].width};
}

} // namespace

WizardPageMemory::WizardPageMemory() : remembered_(paperSize(kB5)) {}

WizardPageSize WizardPageMemory::choose(int entry)
{
    // "自定" (or no entry) shows the paper last looked up.
    if (entry >= 0 && entry < kPaperCount && entry != kCustomPaper)
        remembered_ = paperSize(entry);
    return remembered_;
}

WizardCellTexts computeCellSize(const WizardSheetTexts& sheet)
{
    double pageHeight = StrToFloat(sheet.pageHeight);
    double pageWidth = StrToFloat(sheet.pageWidth);
    double top = StrToFloat(sheet.top);
    double left = StrToFloat(sheet.left);
    double right = StrToFloat(sheet.right);
    int row = StrToInt(sheet.row);
    int col = StrToInt(sheet.col);
    double bottom = StrToFloat(sheet.bottom);
    // A count of 0 would divide by zero and hand "Nan" or an endless size to the layout.
    if (row < 1 || col < 1)
        throw EWizardError(codepage::msg("列數和行數必須是大於 0 的整數."));
    return {numberToText((pageHeight - top - bottom) / row, 2),
            numberToText((pageWidth - left - right) / col, 2)};
}

int miniatureCount(const std::string& text, int extentPixels)
{
    // More than one column or row per pixel draws nothing more, and a huge count would
    // make the grid allocate without end.
    return std::clamp(StrToInt(text), 1, std::max(1, extentPixels));
}
