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
    PdfPageFile file(path);
    file.append(model);
    file.close();
}

PdfPageFile::PdfPageFile(const std::string& path)
    : path_(path), writer_(std::make_unique<QPdfWriter>(toQString(path))), painter_(std::make_unique<QPainter>())
{
    writer_->setResolution(1200);
    writer_->setCreator(QStringLiteral("Tolvane"));
}

PdfPageFile::~PdfPageFile()
{
    if (painter_->isActive())
        painter_->end();
}

// The first page's layout must be in place before painting starts; without a page the
// writer's own default stays.
void PdfPageFile::begin(const TGmPageSize* firstPage)
{
    if (firstPage)
        writer_->setPageLayout(pageLayout(*firstPage));
    if (!painter_->begin(writer_.get()))
        throw EPrinterError(codepage::msg("無法寫入檔案: ") + path_);
}

void PdfPageFile::append(const TGmPageModel& model)
{
    const double pixelsPerMm = writer_->resolution() / 25.4;
    for (int i = 0; i < model.PageCount(); ++i) {
        const TGmPageSize& size = model.Page(i).size;
        if (!painter_->isActive()) {
            begin(&size);
        } else if (pageOpen_) {
            writer_->setPageLayout(pageLayout(size));
            writer_->newPage();
        }
        paintPage(*painter_, model, i, pixelsPerMm);
        pageOpen_ = true;
    }
}

void PdfPageFile::close()
{
    if (!painter_->isActive())
        begin(nullptr); // nothing appended: one blank page
    if (!painter_->end())
        throw EPrinterError(codepage::msg("無法寫入檔案: ") + path_);
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
