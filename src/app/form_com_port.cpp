#include "form_com_port.h"

#include "button_row.h"
#include "port_catalog.h"
#include "qt_serial_link.h"
#include "reg_keys.h"
#include "shared_state.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace t40 {

namespace {
constexpr int HighestProbedPort = 99;
}

FormComPort::FormComPort(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Set COM"));
    LabelComPort = new QLabel(tr("Comm Port"), this);
    ComboComPort = new QComboBox(this);
    ComboComPort->setMinimumWidth(120);
    CommandOK = new QPushButton(tr("&OK"), this);
    CommandCancel = new QPushButton(tr("&Cancel"), this);
    CommandOK->setDefault(true);

    FrameCableLines = new QGroupBox(tr("Cable lines"), this);
    CheckDtr = new QCheckBox(tr("&DTR asserted"), FrameCableLines);
    CheckRts = new QCheckBox(tr("&RTS asserted"), FrameCableLines);
    const QString why = tr("For cables that draw power from these lines or key the radio with them.");
    FrameCableLines->setToolTip(why);
    const CableLines lines = StoredCableLines();
    CheckDtr->setChecked(lines.dtr);
    CheckRts->setChecked(lines.rts);
    auto* lineRow = new QHBoxLayout(FrameCableLines);
    lineRow->addWidget(CheckDtr);
    lineRow->addWidget(CheckRts);

    auto* grid = new QGridLayout(this);
    grid->addWidget(LabelComPort, 0, 0);
    grid->addWidget(ComboComPort, 0, 1);
    grid->addWidget(FrameCableLines, 1, 0, 1, 2);
    auto* buttons = ButtonRow({ CommandOK, CommandCancel });
    grid->addLayout(buttons, 2, 0, 1, 2);

    connect(CommandOK, &QPushButton::clicked, this, [this] { CommandOK_Click(); });
    connect(CommandCancel, &QPushButton::clicked, this, [this] { CommandCancel_Click(); });

    int remembered = -1;
    const PortCatalog& catalog = CurrentPortCatalog();
    for (int n = 1; n <= HighestProbedPort; ++n) {
        // Ports the user may not open are listed too, marked, so that the cable can be found.
        const PortCatalog::Access access = catalog.access(n);
        if (access == PortCatalog::Access::Unusable)
            continue;
        if (n == State().ComPortNumber)
            remembered = ComboComPort->count();
        QString text = QStringLiteral("COM%1").arg(n);
        const QString about = catalog.describe(n);
        if (!about.isEmpty())
            text += QStringLiteral("  ") + about;
        if (access == PortCatalog::Access::Denied)
            text += QStringLiteral("  ") + tr("(no access)");
        ComboComPort->addItem(text, n);
    }
    if (ComboComPort->count() > 0) {
        if (remembered < 0) {
            // The stored port is gone: the first usable one is taken at once.
            remembered = 0;
            State().ComPortNumber = ComboComPort->itemData(0).toInt();
        }
        ComboComPort->setCurrentIndex(remembered);
    } else {
        ComboComPort->setCurrentIndex(-1);
    }
}

void FormComPort::CommandOK_Click()
{
    if (ComboComPort->currentIndex() >= 0) {
        const int number = ComboComPort->currentData().toInt();
        State().ComPortNumber = number;
        RegWriteString(RegHive::LocalMachine, AppRegistryKey, ComPortValue, QString::number(number));
    }
    StoreCableLines({ CheckDtr->isChecked(), CheckRts->isChecked() });
    accept();
}

void FormComPort::CommandCancel_Click()
{
    reject();
}

} // namespace t40
