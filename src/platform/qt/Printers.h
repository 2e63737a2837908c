#pragma once
// The printers installed in the system, as the label window lists them.
#include <functional>
#include <string>
#include <vector>

struct PrinterList {
    std::vector<std::string> names; // active code page, in the printer service's order
    int defaultIndex = -1;          // the system's default printer, -1 when it names none
};

// The printer service's list (CUPS through QPrinterInfo), or the replacement set below.
PrinterList installedPrinters();

// Replaces the printer service for the process (tests stage printer sets with it);
// an empty function goes back to the real service.
void setPrinterListSource(std::function<PrinterList()> source);
