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

// What the printer setup dialog chose for the printout; an empty device is
// the system's default printer.
struct PrinterChoice {
    QString device;
    bool landscape = false;
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
