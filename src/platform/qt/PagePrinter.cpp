#include "platform/qt/PagePrinter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/CodePage.h"
#include "platform/qt/PagePainter.h"
#include "platform/qt/QtText.h"

namespace {

// Portrait page of exactly the page's size, no margins: page coordinates start at the
// paper's corner. A standard paper keeps its name (the printer service picks its media by it).
QPageLayout pageLayout(const TGmPageSize& size)
{
    const QPageSize pageSize(QSizeF(size.width, size.height), QPageSize::Millimeter, QString(),
                             QPageSize::ExactMatch);
    return QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

// Paints every page; the device already holds the first page's layout.
void replay(QPagedPaintDevice& device, QPainter& painter, const TGmPageModel& model, int resolution)
{
    const double pixelsPerMm = resolution / 25.4;
    for (int i = 0; i < model.PageCount(); ++i) {
        if (i > 0) {
            device.setPageLayout(pageLayout(model.Page(i).size));
            device.newPage();
        }
        paintPage(painter, model, i, pixelsPerMm);
    }
}

PrintJobSink& jobSink()
{
    static PrintJobSink sink;
    return sink;
}

std::string describe(const std::string& printerName)
{
    return printerName.empty() ? codepage::msg("預設印表機") : printerName;
}

} // namespace

void printPages(const TGmPageModel& model, const std::string& printerName, const std::string& jobName)
{
    // Qt quietly turns a printer it cannot find into PDF output, so look it up first.
    const QPrinterInfo info =
        printerName.empty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(toQString(printerName));
    if (info.isNull())
        throw EPrinterError(codepage::msg("找不到印表機: ") + describe(printerName));

    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid() || printer.outputFormat() != QPrinter::NativeFormat)
        throw EPrinterError(codepage::msg("無法開啟印表機: ") + describe(printerName));
    printer.setDocName(toQString(jobName));
    printer.setFullPage(true);
    printer.setColorMode(QPrinter::Color);
    if (model.PageCount() > 0)
        printer.setPageLayout(pageLayout(model.Page(0).size));

    QPainter painter;
    if (!painter.begin(&printer))
        throw EPrinterError(codepage::msg("無法開啟印表機: ") + describe(printerName));
    replay(printer, painter, model, printer.resolution());
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        throw EPrinterError(codepage::msg("列印失敗: ") + describe(printerName));
}

void writePagesPdf(const TGmPageModel& model, const std::string& path)
{
    QPdfWriter writer(toQString(path));
    writer.setResolution(1200);
    writer.setCreator(QStringLiteral("Tolvane"));
    if (model.PageCount() > 0)
        writer.setPageLayout(pageLayout(model.Page(0).size));
    QPainter painter;
    if (!painter.begin(&writer))
        throw EPrinterError(codepage::msg("無法寫入檔案: ") + path);
    replay(writer, painter, model, writer.resolution());
    if (!painter.end())
        throw EPrinterError(codepage::msg("無法寫入檔案: ") + path);
}

void setPrintJobSink(PrintJobSink sink)
{
    jobSink() = std::move(sink);
}

void submitPrintJob(const TGmPageModel& model, const std::string& printerName)
{
    if (jobSink())
        jobSink()(model, printerName);
    else
        printPages(model, printerName);
}
