#pragma once

#include <QMap>
#include <QString>

namespace t40 {

// Maps the port numbers the user picks (COM1, COM2, ...) to devices and says
// whether a port can be opened.
class PortCatalog {
public:
    virtual ~PortCatalog() = default;
    // The device for COMn (the name itself on Windows); empty when there is none.
    virtual QString deviceFor(int number) const = 0;
    // Tries to open the port and closes it again; reason gets the system's
    // words when it cannot be opened.
    virtual bool probe(int number, QString* reason = nullptr) const = 0;

    enum class Access { Usable, Denied, Unusable };
    // Like probe(), but tells a port the user may not open from one that is
    // absent or busy.
    virtual Access access(int number) const { return probe(number) ? Access::Usable : Access::Unusable; }
    // The device and what the system knows of it, such as
    // "/dev/ttyUSB0  USB-Serial CH340 (1a86:7523)"; empty when nothing is known.
    virtual QString describe(int number) const { Q_UNUSED(number); return QString(); }
};

// The system's ports. Elsewhere than on Windows the numbers are given as Wine
// does: first the overrides stored as settings values "Ports/COMn" = device,
// then /dev/ttyS0, /dev/ttyS1, ..., /dev/ttyUSB0, ..., /dev/ttyACM0, ... (each
// series until its first missing node) on the next free numbers from COM1.
class SystemPortCatalog : public PortCatalog {
public:
    QString deviceFor(int number) const override;
    bool probe(int number, QString* reason = nullptr) const override;
    Access access(int number) const override;
    QString describe(int number) const override;
};

// How to get the right to use a serial device the system refused.
QString PortAccessHint(const QString& device);

// The adapter's description, maker and USB ids ("USB-Serial CH340 (1a86:7523)"); empty when unknown.
QString PortChipText(const QString& device);

// The catalog the program uses; tests put a double in its place (nullptr
// restores the system's).
PortCatalog& CurrentPortCatalog();
void SetPortCatalog(PortCatalog* catalog);

// Every port that has a number, number -> device, as the system catalog
// assigns them.
QMap<int, QString> NumberedPorts();

// "COM7" -> 7, a device path -> 0.
int PortNumberFromName(const QString& name);

} // namespace t40
