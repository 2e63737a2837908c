#include "labels/WizardRules.h"

#include "labels/LabelLists.h"
#include "platform/Convert.h"

#include <gtest/gtest.h>

namespace {

WizardSheetTexts initialSheet()
{
    // The label window's initial paper and margins with 18 rows of 4 cells.
    return {"297", "210", "15.15", "10", "10", "15.15", "18", "4"};
}

std::string conversionMessage(const WizardSheetTexts& sheet)
{
    try {
        computeCellSize(sheet);
    } catch (const EConvertError& e) {
        return e.what();
    }
    return "no conversion error";
}

} // namespace

TEST(WizardRules, CellsTileTheAreaInsideTheMargins)
{
    WizardCellTexts cell = computeCellSize(initialSheet());
    EXPECT_EQ(cell.cellHeight, "14.82");
    EXPECT_EQ(cell.cellWidth, "47.50");

    WizardSheetTexts letter{"355.6", "215.9", "0", "0", "0", "0", "1", "3"};
    cell = computeCellSize(letter);
    EXPECT_EQ(cell.cellHeight, "355.60");
    EXPECT_EQ(cell.cellWidth, "71.97");
}

TEST(WizardRules, FirstTextThatIsNotANumberIsNamed)
{
    WizardSheetTexts sheet = initialSheet();
    sheet.col = "4.5";
    EXPECT_EQ(conversionMessage(sheet), "'4.5' is not a valid integer value");

    // Read order: row before col, bottom last.
    sheet.row = "x";
    EXPECT_EQ(conversionMessage(sheet), "'x' is not a valid integer value");
    sheet = initialSheet();
    sheet.bottom = "b";
    sheet.col = "c";
    EXPECT_EQ(conversionMessage(sheet), "'c' is not a valid integer value");
    sheet = initialSheet();
    sheet.bottom = "1,5";
    EXPECT_EQ(conversionMessage(sheet), "'1,5' is not a valid floating point value");
}

TEST(WizardRules, CountsBelowOneAreRefusedInsteadOfDividingByZero)
{
    for (const char* count : {"0", "-3"}) {
        WizardSheetTexts rows = initialSheet();
        rows.row = count;
        EXPECT_THROW(computeCellSize(rows), EWizardError) << count;
        WizardSheetTexts cols = initialSheet();
        cols.col = count;
        EXPECT_THROW(computeCellSize(cols), EWizardError) << count;
    }
}

TEST(WizardRules, RememberedPageSizeFollowsTheLastListedPaper)
{
    WizardPageMemory memory;
    WizardPageSize custom = memory.choose(kCustomPaper);
    EXPECT_DOUBLE_EQ(custom.height, 249.936); // B5 until a paper is picked
    EXPECT_DOUBLE_EQ(custom.width, 175.768);

    WizardPageSize a3 = memory.choose(0);
    EXPECT_DOUBLE_EQ(a3.height, 420);
    custom = memory.choose(kCustomPaper);
    EXPECT_DOUBLE_EQ(custom.height, 420);
    EXPECT_DOUBLE_EQ(custom.width, 297);
}

TEST(WizardRules, MiniatureCountStaysWithinTheGrid)
{
    EXPECT_EQ(miniatureCount("4", 233), 4);
    EXPECT_EQ(miniatureCount("0", 233), 1);
    EXPECT_EQ(miniatureCount("-2", 233), 1);
    EXPECT_EQ(miniatureCount("2000000000", 233), 233); // one per pixel at most
    EXPECT_THROW(miniatureCount("4.5", 233), EConvertError);
}
