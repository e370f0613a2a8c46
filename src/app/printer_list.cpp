#include "printer_list.h"

#include <QPrinterInfo>

namespace t40 {

namespace {
const PrinterList* g_testList = nullptr;
}

PrinterList InstalledPrinters()
{
    if (g_testList)
        return *g_testList;
    // Qt names no driver or port: the make and model stands for the driver
    // and the location for the port, as the print system describes them.
    PrinterList list;
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
        list.printers.append({ info.printerName(), info.makeAndModel(), info.location() });
    list.defaultDevice = QPrinterInfo::defaultPrinterName();
    return list;
}

void SetPrinterListForTest(const PrinterList* list)
{
    g_testList = list;
}

QStringList PrinterEntries(const PrinterList& list)
{
    QStringList entries;
    for (const InstalledPrinter& printer : list.printers)
        entries << printer.device + u',' + printer.driver + u',' + printer.port;
    return entries;
}

int DefaultPrinterEntry(const PrinterList& list)
{
    if (list.printers.isEmpty())
        return -1;
    for (int i = 0; i < list.printers.size(); ++i)
        if (!list.defaultDevice.isEmpty() && list.printers.at(i).device == list.defaultDevice)
            return i;
    return 0;
}

} // namespace t40
