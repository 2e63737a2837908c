// The print run, the label window's print command and the settings command, through the
// real label window, with a recorder in place of the printer service.
#include <gtest/gtest.h>

#include "PrintTestSupport.h"
#include "labels/PrintJob.h"
#include "labels/SheetRenderer.h"
#include "platform/CodePage.h"
#include "platform/Convert.h"
#include "platform/StringGrid.h"
#include "platform/qt/PreviewWidget.h"
#include "platform/qt/QtText.h"

using namespace printtest;

namespace {

Items itemsWithCounts(std::initializer_list<int> counts)
{
    Items items;
    int n = 0;
    for (int count : counts)
        items.add("TOLV-" + std::to_string(++n), count);
    return items;
}

std::vector<std::string> repeated(const std::string& value, int n) { return std::vector<std::string>(n, value); }

class PrintJobTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        editStoredSetup([](Barcode5Setup& row) {
            row.pageNo = 1;
            row.row = 10;
            row.col = 3;
            row.code = 0;
        });
    }
    StringGrid handOver{9, 1};
};

TEST_F(PrintJobTest, OneSheetOrLessIsPreviewedAndNothingIsPrinted)
{
    JobRecorder printer;
    std::vector<std::string> previewed;
    ModalWatcher watcher([&](TBarcode5Form& window) {
        for (const auto& object : window.ui.GmPreview1->Model().Page(0).objects)
            if (const auto* text = std::get_if<TGmTextObject>(&object); text && text->text.rfind("TOLV-", 0) == 0)
                previewed.push_back(text->text);
    });
    EXPECT_EQ(runPrintJob(itemsWithCounts({30}), handOver, nullptr), PrintRunOutcome::Previewed);
    EXPECT_EQ(watcher.shown, 1);
    EXPECT_EQ(previewed, repeated("TOLV-1", 30));
    EXPECT_TRUE(printer.jobs.empty());
}

TEST_F(PrintJobTest, MoreThanOneSheetPrintsEverySheetWithoutShowingTheWindow)
{
    JobRecorder printer;
    ModalWatcher watcher;
    EXPECT_EQ(runPrintJob(itemsWithCounts({31}), handOver, nullptr), PrintRunOutcome::Printed);
    EXPECT_EQ(watcher.shown, 0);
    ASSERT_EQ(printer.jobs.size(), 2u);
    EXPECT_EQ(printer.jobs[0].values, repeated("TOLV-1", 30));
    EXPECT_EQ(printer.jobs[1].values, repeated("TOLV-1", 1));
    for (const Job& job : printer.jobs) {
        ASSERT_EQ(job.pages.size(), 1u);
        EXPECT_EQ(job.pages[0], (TGmPageSize{210, 297}));
    }
}

TEST_F(PrintJobTest, EachSheetIsPrintedPageNoTimesBeforeTheNext)
{
    editStoredSetup([](Barcode5Setup& row) { row.pageNo = 2; });
    JobRecorder printer;
    ModalWatcher watcher;
    const Items items = itemsWithCounts({29, 0, 2, 30});
    EXPECT_EQ(runPrintJob(items, handOver, nullptr), PrintRunOutcome::Printed);
    ASSERT_EQ(printer.jobs.size(), 6u);
    const std::vector<std::string> all = items.labels();
    const std::vector<std::vector<std::string>> sheets = {
        {all.begin(), all.begin() + 30}, {all.begin() + 30, all.begin() + 60}, {all.begin() + 60, all.end()}};
    for (int j = 0; j < 6; ++j)
        EXPECT_EQ(printer.jobs[j].values, sheets[j / 2]) << "job " << j;
    EXPECT_EQ(sheets[0].back(), "TOLV-3"); // the count of 0 leaves no gap
    // The last label rendered is stored as the sample barcode.
    EXPECT_STREQ(storedSetup().barcode, "TOLV-4");
}

TEST_F(PrintJobTest, NoLabelMeansNoWindowAndNoJob)
{
    JobRecorder printer;
    ModalWatcher watcher;
    handOver.setCell(0, 0, "TOLV-LEFTOVER");
    EXPECT_EQ(runPrintJob(itemsWithCounts({0, -2}), handOver, nullptr), PrintRunOutcome::NothingToDo);
    Items unselected;
    unselected.add("TOLV-9", 5, false);
    EXPECT_EQ(runPrintJob(unselected, handOver, nullptr), PrintRunOutcome::NothingToDo);
    EXPECT_EQ(watcher.shown, 0);
    EXPECT_TRUE(printer.jobs.empty());
}

TEST_F(PrintJobTest, ALayoutWithoutLabelsIsRefusedByTheRunAndThePreview)
{
    const std::string message = codepage::msg("列數和行數必須是大於 0 的整數.");
    // Two negative counts would multiply to six labels a sheet.
    for (auto [rows, cols] : {std::pair{0, 3}, {10, 0}, {-1, 3}, {-2, -3}}) {
        SCOPED_TRACE(std::to_string(rows) + " x " + std::to_string(cols));
        editStoredSetup([&](Barcode5Setup& row) {
            row.row = rows;
            row.col = cols;
            row.pageNo = 1;
        });
        JobRecorder printer;
        ModalWatcher watcher;
        try {
            runPrintJob(itemsWithCounts({31}), handOver, nullptr);
            ADD_FAILURE() << "the run went on";
        } catch (const ESheetLayoutError& e) {
            EXPECT_EQ(e.what(), message);
        }
        EXPECT_EQ(watcher.shown, 0);
        EXPECT_TRUE(printer.jobs.empty());

        TBarcode5Form window;
        obtainSetup(window);
        try {
            window.refreshClick();
            ADD_FAILURE() << "the preview went on";
        } catch (const ESheetLayoutError& e) {
            EXPECT_EQ(e.what(), message);
        }
        EXPECT_TRUE(window.ui.GmPreview1->Model().Page(0).objects.empty());
    }
}

TEST_F(PrintJobTest, ThePreviewPrintsWhatItShowsAndItsEditsAreStored)
{
    JobRecorder printer;
    ModalWatcher watcher([](TBarcode5Form& window) {
        // Two columns instead of three: the same labels laid out again.
        window.ui.col->setText("2");
        window.ui.pageNo->setText("3");
        window.refreshClick();
        window.printActionExecute();
    });
    EXPECT_EQ(runPrintJob(itemsWithCounts({4, 1}), handOver, nullptr), PrintRunOutcome::Previewed);
    ASSERT_EQ(printer.jobs.size(), 3u);
    EXPECT_EQ(printer.jobs[2].values, (std::vector<std::string>{"TOLV-1", "TOLV-1", "TOLV-1", "TOLV-1", "TOLV-2"}));
    const Barcode5Setup stored = storedSetup();
    EXPECT_EQ(stored.col, 2);
    EXPECT_EQ(stored.pageNo, 3);
    EXPECT_STREQ(stored.barcode, "TOLV-2");
}

TEST_F(PrintJobTest, PageNoIsReadBeforeEveryPass)
{
    JobRecorder printer;
    TBarcode5Form window;
    obtainSetup(window);
    window.refreshClick();
    for (const char* copies : {"0", "-1"}) {
        window.ui.pageNo->setText(copies);
        EXPECT_NO_THROW(window.printActionExecute());
    }
    EXPECT_TRUE(printer.jobs.empty());
    window.ui.pageNo->setText("two");
    try {
        window.printActionExecute();
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'two' is not a valid integer value");
    }
    EXPECT_TRUE(printer.jobs.empty());
}

TEST_F(PrintJobTest, SettingsCommandShowsTheItemAndKeepsEditsHoweverItCloses)
{
    JobRecorder printer;
    std::vector<std::string> previewed;
    std::string memo;
    ModalWatcher watcher([&](TBarcode5Form& window) {
        for (const auto& object : window.ui.GmPreview1->Model().Page(0).objects)
            if (const auto* text = std::get_if<TGmTextObject>(&object); text && text->text.rfind("TOLV-", 0) == 0)
                previewed.push_back(text->text);
        memo = fromQString(window.ui.string3->toPlainText());
        window.printActionExecute(); // F11 prints the sample sheet
        window.ui.cellWidth->setText("60.5");
        window.ui.barcode->setText("TOLV-EDITED");
    });
    SampleValues sample{"TOLV-77", "樣本", "S2", "第一行\n第二行", "S4", "S5", "S6"};
    runSettingsCommand(sample, nullptr);
    EXPECT_EQ(watcher.shown, 1);
    EXPECT_EQ(previewed, repeated("TOLV-77", 30));
    EXPECT_EQ(memo, "第一行\n第二行");
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0].values, repeated("TOLV-77", 30));
    const Barcode5Setup stored = storedSetup();
    EXPECT_DOUBLE_EQ(stored.cellWidth, 60.5);
    EXPECT_STREQ(stored.barcode, "TOLV-EDITED");

    // Without a current item the stored sample value is shown.
    previewed.clear();
    runSettingsCommand(std::nullopt, nullptr);
    EXPECT_EQ(previewed, repeated("TOLV-EDITED", 30));
}

TEST_F(PrintJobTest, ZoomStepsByTenBetweenItsLimits)
{
    TBarcode5Form window;
    TGmPreview& preview = *window.ui.GmPreview1;
    EXPECT_EQ(preview.Zoom(), 40);
    std::vector<int> seen;
    for (int i = 0; i < 18; ++i) {
        window.zoomInClick();
        seen.push_back(preview.Zoom());
    }
    EXPECT_EQ(seen, (std::vector<int>{50, 60, 70, 80, 90, 100, 110, 120, 130, 140, 150, 160, 170, 180, 190, 200, 200, 200}));
    preview.SetZoom(40);
    seen.clear();
    for (int i = 0; i < 5; ++i) {
        window.zoomOutClick();
        seen.push_back(preview.Zoom());
    }
    EXPECT_EQ(seen, (std::vector<int>{30, 20, 10, 10, 10}));
    // The preview's own limits: 5 below, and setting clamps.
    preview.SetZoom(1);
    EXPECT_EQ(preview.Zoom(), 5);
    window.zoomOutClick();
    EXPECT_EQ(preview.Zoom(), 5);
    window.zoomInClick();
    EXPECT_EQ(preview.Zoom(), 15);
    // Rendering keeps the zoom.
    obtainSetup(window);
    window.refreshClick();
    EXPECT_EQ(preview.Zoom(), 15);
}

TEST_F(PrintJobTest, AnUnknownPrinterIsAnErrorNotASilentPdf)
{
    TBarcode5Form window;
    obtainSetup(window);
    window.refreshClick();
    try {
        printPages(window.ui.GmPreview1->Model(), "Tolvane-No-Such-Printer");
        FAIL() << "printing to an unknown printer reported success";
    } catch (const EPrinterError& e) {
        EXPECT_NE(std::string(e.what()).find("Tolvane-No-Such-Printer"), std::string::npos) << e.what();
    }
}

} // namespace
