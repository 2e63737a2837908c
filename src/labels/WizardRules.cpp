#include "labels/WizardRules.h"

#include "labels/NumberToText.h"
#include "platform/CodePage.h"
#include "platform/Convert.h"

#include <algorithm>
#include <iterator>

namespace {

// The label window's paper list, by entry, portrait (height x width, mm). Entries 6 and 7
// are crossed with their captions ("Letter" is the 14-inch sheet); stored layouts hold the
// entry number, so the sizes stay with the numbers.
constexpr WizardPageSize kPapers[] = {
    {420, 297},         // A3
    {297, 210},         // A4
    {210, 148.5},       // A5
    {148, 105},         // A6
    {249.936, 175.768}, // B5, 9.84 x 6.92 in
    {229.108, 162.052}, // C5, 9.02 x 6.38 in
    {355.6, 215.9},     // "Letter", 14 x 8.5 in
    {279.4, 215.9},     // "Legal", 11 x 8.5 in
};
constexpr int kB5 = 4;

} // namespace

WizardPageMemory::WizardPageMemory() : remembered_(kPapers[kB5]) {}

WizardPageSize WizardPageMemory::choose(int entry)
{
    // Anything past the papers ("自定") shows the paper last looked up.
    if (entry >= 0 && entry < static_cast<int>(std::size(kPapers)))
        remembered_ = kPapers[entry];
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
