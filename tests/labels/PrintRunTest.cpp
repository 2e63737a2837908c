#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "labels/PrintRun.h"
#include "platform/Convert.h"
#include "platform/StringGrid.h"

namespace {

// An item list: heading row, then items with barcode "B<n>", strings and a print count.
class FakeItems : public PrintItemSource {
public:
    void add(const std::string& barcode, const std::string& count, bool selected = true)
    {
        std::vector<std::string> row{std::to_string(rows_.size() + 1), barcode};
        for (int s = 1; s <= 6; ++s)
            row.push_back(barcode + "-s" + std::to_string(s));
        row.push_back(count);
        rows_.push_back(row);
        selected_.push_back(selected);
    }
    int rowCount() const override { return static_cast<int>(rows_.size()) + 1; }
    int colCount() const override { return 9; }
    int selectedCount() const override
    {
        int n = 0;
        for (bool s : selected_)
            n += s;
        return n;
    }
    bool rowSelected(int row) const override { return row >= 1 && selected_[row - 1]; }
    std::string cell(int col, int row) const override { return row == 0 ? "heading" : rows_[row - 1][col]; }

private:
    std::vector<std::vector<std::string>> rows_;
    std::vector<bool> selected_;
};

// Records what each step saw in the hand-over grid: "render:B1,B1,B2", "print", "preview".
class RecordingActions : public SheetActions {
public:
    explicit RecordingActions(const StringGrid& grid) : grid_(grid) {}
    void renderSheet() override
    {
        std::string s = "render:";
        for (int r = 0; r < grid_.rowCount(); ++r)
            s += (r ? "," : "") + grid_.cell(0, r);
        log.push_back(s);
    }
    void printSheet() override { log.push_back("print"); }
    void showPreview() override { log.push_back("preview"); }
    std::vector<std::string> log;

private:
    const StringGrid& grid_;
};

std::string labels(const std::string& barcode, int n)
{
    std::string s;
    for (int i = 0; i < n; ++i)
        s += (i ? "," : "") + barcode;
    return s;
}

struct PagingRun {
    StringGrid grid{9, 1};
    RecordingActions actions{grid};
    PrintRunOutcome go(const FakeItems& items, int perSheet = 30) { return pageLabels(items, perSheet, grid, actions); }
};

TEST(PrintRun, AFullSheetPrintsOnlyWhenOneMoreLabelNeedsRoom)
{
    struct Case {
        int count;
        PrintRunOutcome outcome;
        std::vector<std::string> log;
    };
    const Case cases[] = {
        {30, PrintRunOutcome::Previewed, {"render:" + labels("B", 30), "preview"}},
        {1, PrintRunOutcome::Previewed, {"render:B", "preview"}},
        {31, PrintRunOutcome::Printed, {"render:" + labels("B", 30), "print", "render:B", "print"}},
        {61, PrintRunOutcome::Printed,
         {"render:" + labels("B", 30), "print", "render:" + labels("B", 30), "print", "render:B", "print"}},
        {60, PrintRunOutcome::Printed, {"render:" + labels("B", 30), "print", "render:" + labels("B", 30), "print"}},
    };
    for (const auto& c : cases) {
        FakeItems items;
        items.add("B", std::to_string(c.count));
        PagingRun run;
        EXPECT_EQ(run.go(items), c.outcome) << c.count;
        EXPECT_EQ(run.actions.log, c.log) << c.count;
    }
}

TEST(PrintRun, LabelsFollowTheListOrderWithoutGaps)
{
    FakeItems items;
    items.add("A", "2");
    items.add("Z", "0");        // no label, no gap
    items.add("U", "5", false); // not selected
    items.add("N", "-3");
    items.add("B", "3");
    PagingRun run;
    EXPECT_EQ(run.go(items), PrintRunOutcome::Previewed);
    EXPECT_EQ(run.actions.log, (std::vector<std::string>{"render:A,A,B,B,B", "preview"}));
    // Columns 1..8 of the item list land in columns 0..7 of the hand-over grid.
    EXPECT_EQ(run.grid.rowCount(), 5);
    EXPECT_EQ(run.grid.cell(1, 2), "B-s1");
    EXPECT_EQ(run.grid.cell(6, 2), "B-s6");
    EXPECT_EQ(run.grid.cell(7, 2), "3");
    EXPECT_EQ(run.grid.cell(1, 0), "A-s1");
}

TEST(PrintRun, NoLabelsMeansNothingHappensEvenWithLeftoversInTheGrid)
{
    PagingRun run;
    run.grid.setCell(0, 0, "LEFT-OVER");
    FakeItems zero;
    zero.add("A", "0");
    zero.add("B", "-1");
    EXPECT_EQ(run.go(zero), PrintRunOutcome::NothingToDo);
    FakeItems unselected;
    unselected.add("A", "5", false);
    EXPECT_EQ(run.go(unselected), PrintRunOutcome::NothingToDo);
    FakeItems empty;
    EXPECT_EQ(run.go(empty), PrintRunOutcome::NothingToDo);
    EXPECT_TRUE(run.actions.log.empty());
}

TEST(PrintRun, ASheetSizeChangeBetweenRunsIsHonoured)
{
    FakeItems items;
    items.add("B", "7");
    PagingRun run;
    EXPECT_EQ(run.go(items, 3), PrintRunOutcome::Printed);
    EXPECT_EQ(run.actions.log, (std::vector<std::string>{"render:B,B,B", "print", "render:B,B,B", "print", "render:B",
                                                         "print"}));
}

TEST(PrintRun, ABadCountFailsWithTheConversionErrorAfterEarlierSheets)
{
    FakeItems items;
    items.add("A", "31");
    items.add("B", "x");
    PagingRun run;
    try {
        run.go(items);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'x' is not a valid integer value");
    }
    EXPECT_EQ(run.actions.log, (std::vector<std::string>{"render:" + labels("A", 30), "print"}));
}

} // namespace
