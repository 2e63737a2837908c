// End to end through a real CUPS scheduler started privately: a print run's sheets land as
// PDF files from a cups-pdf queue, and every barcode on them scans, in label order.
//
// libcups reads CUPS_SERVER once per process, so the printing side runs in a child copy of
// this test program (the DISABLED_ tests below, run only on purpose) with the variable set.
#include <gtest/gtest.h>

#include <QPrinterInfo>

#include <cstdlib>
#include <filesystem>
#include <thread>

#include "PrintTestSupport.h"
#include "labels/PrintJob.h"
#include "platform/StringGrid.h"
#include "platform/qt/PreviewWidget.h"
#include "platform/qt/QtText.h"
#include "support/CupsServer.h"

using namespace printtest;

namespace {

// 31 labels from 30 items: one item asks for none, two ask for two.
Items cupsRunItems()
{
    Items items;
    for (int k = 0; k < 30; ++k)
        items.add("TOLV-" + std::to_string(5000 + k), k == 7 ? 0 : (k == 3 || k == 12) ? 2 : 1);
    return items;
}

testsupport::CommandResult runChild(const testsupport::PrivateCups& cups, const std::string& test)
{
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    return testsupport::runCommand(cups.env() + "TOLVANE_CUPS_QUEUE=" + cups.queue() + " QT_QPA_PLATFORM=offscreen '" +
                                   self + "' --gtest_also_run_disabled_tests --gtest_filter=PrintCupsChild." + test +
                                   " 2>&1");
}

TEST(PrintCups, ARunOf31LabelsLandsAsTwoScannableSheets)
{
    for (const char* tool : {"zbarimg", "pdftoppm", "pdfinfo", "lpadmin", "lpstat"})
        if (!testsupport::haveTool(tool))
            GTEST_SKIP() << tool << " is missing";
    testsupport::PrivateCups cups;
    if (!cups.ok())
        GTEST_SKIP() << "no private CUPS scheduler: " << cups.whyNot();

    const auto child = runChild(cups, "DISABLED_PrintRun");
    ASSERT_EQ(child.exitCode, 0) << child.output;
    ASSERT_NE(child.output.find("[  PASSED  ] 1 test"), std::string::npos) << child.output;

    auto files = cups.waitForJobs(2, 90000);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    files = cups.jobFiles();
    ASSERT_EQ(files.size(), 2u) << cups.errorLog();

    const std::vector<std::string> labels = cupsRunItems().labels();
    ASSERT_EQ(labels.size(), 31u);
    std::vector<std::string> sheet1(labels.begin(), labels.begin() + 30);
    std::vector<std::string> sheet2(30);
    sheet2[0] = labels[30];
    const std::vector<std::vector<std::string>> expected = {sheet1, sheet2};
    for (std::size_t j = 0; j < files.size(); ++j) {
        EXPECT_EQ(pdfPageCount(files[j]), 1) << files[j];
        const auto [w, h] = pdfPageSizeMm(files[j]);
        EXPECT_NEAR(w, 210, 0.5) << files[j];
        EXPECT_NEAR(h, 297, 0.5) << files[j];
        EXPECT_EQ(decodeCells(files[j], 1, SheetGeometry{}), expected[j]) << "sheet " << j + 1;
    }

    // With the scheduler gone, printing is an error the user sees, not a quiet success.
    cups.stop();
    const auto down = runChild(cups, "DISABLED_SchedulerDown");
    EXPECT_EQ(down.exitCode, 0) << down.output;
    EXPECT_NE(down.output.find("[  PASSED  ] 1 test"), std::string::npos) << down.output;
}

// --- the printing side, run by the test above in a child process ---

TEST(PrintCupsChild, DISABLED_PrintRun)
{
    const char* queue = std::getenv("TOLVANE_CUPS_QUEUE");
    ASSERT_NE(queue, nullptr);
    ASSERT_EQ(QPrinterInfo::defaultPrinterName().toStdString(), queue);
    editStoredSetup([](Barcode5Setup&) {});
    {
        TBarcode5Form window;
        obtainSetup(window);
        ASSERT_EQ(window.ui.printer->currentText().toStdString(), queue); // the default printer is chosen
        window.refreshClick();
        // A queue the scheduler does not know is refused before anything is sent.
        EXPECT_THROW(printPages(window.ui.GmPreview1->Model(), "NoSuchQueue"), EPrinterError);
    }
    StringGrid handOver(9, 1);
    ModalWatcher watcher;
    EXPECT_EQ(runPrintJob(cupsRunItems(), handOver, nullptr), PrintRunOutcome::Printed);
    EXPECT_EQ(watcher.shown, 0);
}

TEST(PrintCupsChild, DISABLED_SchedulerDown)
{
    const char* queue = std::getenv("TOLVANE_CUPS_QUEUE");
    ASSERT_NE(queue, nullptr);
    useTestDatabase();
    TBarcode5Form window;
    obtainSetup(window);
    window.refreshClick();
    EXPECT_THROW(window.printActionExecute(), EPrinterError); // the default printer
    EXPECT_THROW(printPages(window.ui.GmPreview1->Model(), queue), EPrinterError);
}

} // namespace
