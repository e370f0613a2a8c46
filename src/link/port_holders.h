#pragma once

#include <QList>
#include <QString>

namespace t40 {

// A process other than this one that has a serial device open, as /proc
// shows it. The far end of a pseudo-terminal (the program that also holds
// its master, such as the virtual radio) is marked: it is no competitor for
// the line, though it may be the only holder to name.
struct PortHolder {
    QString name;
    QString pid;
    bool ptyFarEnd = false;
};

// The name /proc gives the process ("?" when it cannot be read).
QString ProcessName(const QString& pid);

// Empty where the system does not let us see (or has no /proc).
QList<PortHolder> PortHolders(const QString& device);

} // namespace t40
