#pragma once
// Sends the pages of the preview's page model to a printer of the system's printer service
// (CUPS) or to a PDF file: every page at the paper size it was rendered with, portrait,
// millimetre exact, at the device's own resolution.
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/PageModel.h"

class QPainter;
class QPdfWriter;

// A printer that cannot be opened or a job the printer service refused. The message is
// meant for the user (active code page).
class EPrinterError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One job holding every page of the model, on the printer of that name (active code page),
// or on the system's default printer when the name is empty. Fails with EPrinterError when
// the printer is unknown, the printer service is unreachable or the job is refused.
void printPages(const TGmPageModel& model, const std::string& printerName, const std::string& jobName = "Tolvane");

// Every page of the model into one PDF file (replaced when it exists). Fails with
// EPrinterError when the file cannot be written.
void writePagesPdf(const TGmPageModel& model, const std::string& path);

// One PDF file that the pages of several models are appended to, in order: a whole print
// run in one file, each page at its own paper size. The file is complete after close().
// Fails with EPrinterError when the file cannot be written.
class PdfPageFile {
public:
    explicit PdfPageFile(const std::string& path);
    ~PdfPageFile();
    PdfPageFile(const PdfPageFile&) = delete;
    PdfPageFile& operator=(const PdfPageFile&) = delete;

    void append(const TGmPageModel& model);
    void close();

private:
    void begin(const TGmPageSize* firstPage);

    std::string path_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QPainter> painter_;
    bool pageOpen_ = false; // the writer's current page has nothing on it yet when false
};

// Where print jobs go: printPages by default. Tests put a recorder in its place; an empty
// function goes back to the printer service.
using PrintJobSink = std::function<void(const TGmPageModel& model, const std::string& printerName)>;
void setPrintJobSink(PrintJobSink sink);
// Sends one job through the current sink.
void submitPrintJob(const TGmPageModel& model, const std::string& printerName);
