#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace t40 {

struct InstalledPrinter {
    QString device;
    QString driver;
    QString port;
};

// The installed printers in the system's order and the name of the default
// one (empty when there is none).
struct PrinterList {
    QList<InstalledPrinter> printers;
    QString defaultDevice;
};

// The printers the system reports (an empty list when none is installed).
PrinterList InstalledPrinters();

// Replaces the system's list (tests); nullptr restores it.
void SetPrinterListForTest(const PrinterList* list);

// "device,driver,port" for each printer, and the entry to select: the
// default printer, else the first; -1 when the list is empty.
QStringList PrinterEntries(const PrinterList& list);
int DefaultPrinterEntry(const PrinterList& list);

} // namespace t40
