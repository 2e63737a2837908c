#include "platform/qt/Printers.h"

#include "platform/qt/QtText.h"

#include <QPrinterInfo>
#include <QStringList>

namespace {

std::function<PrinterList()>& replacement()
{
    static std::function<PrinterList()> source;
    return source;
}

PrinterList servicePrinters()
{
    PrinterList list;
    const QStringList names = QPrinterInfo::availablePrinterNames();
    const QString defaultName = QPrinterInfo::defaultPrinterName();
    for (int i = 0; i < names.size(); ++i) {
        list.names.push_back(fromQString(names[i]));
        if (!defaultName.isEmpty() && names[i] == defaultName)
            list.defaultIndex = i;
    }
    return list;
}

} // namespace

PrinterList installedPrinters()
{
    return replacement() ? replacement()() : servicePrinters();
}

void setPrinterListSource(std::function<PrinterList()> source)
{
    replacement() = std::move(source);
}
