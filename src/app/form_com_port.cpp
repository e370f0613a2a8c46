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
    setWindowTitle(Lang("Set COM", "串口设置"));
    LabelComPort = new QLabel(Lang("Comm Port", "串口"), this);
    ComboComPort = new QComboBox(this);
    ComboComPort->setMinimumWidth(120);
    CommandOK = new QPushButton(Lang("&OK", "确定(&O)"), this);
    CommandCancel = new QPushButton(Lang("&Cancel", "取消(&C)"), this);
    CommandOK->setDefault(true);

    FrameCableLines = new QGroupBox(Lang("Cable lines", "编程线信号"), this);
    CheckDtr = new QCheckBox(Lang("&DTR asserted", "DTR 有效(&D)"), FrameCableLines);
    CheckRts = new QCheckBox(Lang("&RTS asserted", "RTS 有效(&R)"), FrameCableLines);
    const QString why = Lang("For cables that draw power from these lines or key the radio with them.",
                             "用于从这些信号取电或用它们控制对讲机的编程线。");
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
            text += QStringLiteral("  ") + Lang("(no access)", "（无权访问）");
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
