#include "frm_about.h"

#include "button_row.h"
#include "prompts.h"
#include "shared_state.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QLocale>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSerialPortInfo>
#include <QSysInfo>
#include <QVBoxLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSettings>

namespace t40 {

QString ApplicationVersionText()
{
    return QStringLiteral("1.0.2");
}

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("About ") + ApplicationTitle());
    picIcon = new QLabel(this);
    picIcon->setPixmap(QPixmap(QStringLiteral(":/icons/t40.png")).scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    lblTitle = new QLabel(ApplicationTitle(), this);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion = new QLabel(tr("Version ") + ApplicationVersionText(), this);
    lblDescription = new QLabel(ApplicationTitle() + QLatin1Char(' ')
                                    + tr("program software is used for T40"),
                                this);
    lblDescription->setWordWrap(true);
    Line1 = new QFrame(this);
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    lblDisclaimer = new QLabel(
        tr("Warning: writing data that does not suit the radio can make it unusable. Keep a data file of the "
           "radio's own data before writing."),
        this);
    lblDisclaimer->setWordWrap(true);
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(tr("&System Info..."), this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(lblVersion, 1, 1);
    grid->addWidget(lblDescription, 2, 1);
    grid->addWidget(Line1, 3, 0, 1, 2);
    grid->addWidget(lblDisclaimer, 4, 0, 1, 2);
    auto* buttons = ButtonRow({ cmdOK, cmdSysInfo });
    grid->addLayout(buttons, 5, 0, 1, 2);
    setMinimumWidth(420);

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] { cmdSysInfo_Click(); });
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    QString program;
#ifdef Q_OS_WIN
    const QSettings info(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                         QSettings::NativeFormat);
    program = info.value(QStringLiteral("PATH")).toString();
    if (program.isEmpty()) {
        const QSettings location(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location"),
                                 QSettings::NativeFormat);
        const QString folder = location.value(QStringLiteral("MSINFO")).toString();
        if (!folder.isEmpty() && QFileInfo::exists(folder + QStringLiteral("\\MSINFO32.EXE")))
            program = folder + QStringLiteral("\\MSINFO32.EXE");
    }
#endif
    if (!program.isEmpty() && QProcess::startDetached(program, {}))
        return;
    // No system-information program here: what Qt knows, in a text to copy
    // into a mail to the dealer or the maker.
    QDialog info(this);
    info.setWindowTitle(tr("System Information"));
    auto* text = new QPlainTextEdit(SystemInformationText(), &info);
    text->setReadOnly(true);
    text->setObjectName(QStringLiteral("SystemInformation"));
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* copy = new QPushButton(tr("&Copy"), &info);
    auto* close = new QPushButton(tr("&Close"), &info);
    close->setDefault(true);
    connect(copy, &QPushButton::clicked, text, [text] { QGuiApplication::clipboard()->setText(text->toPlainText()); });
    connect(close, &QPushButton::clicked, &info, &QDialog::accept);
    auto* layout = new QVBoxLayout(&info);
    layout->addWidget(text);
    layout->addLayout(ButtonRow({ copy, close }));
    info.resize(560, 360);
    info.exec();
}

QString SystemInformationText()
{
    QStringList lines;
    lines << QStringLiteral("%1 %2").arg(ApplicationTitle(), ApplicationVersionText())
          << QStringLiteral("System: %1 (%2 %3, %4)")
                 .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion(),
                      QSysInfo::currentCpuArchitecture())
          << QStringLiteral("Qt: %1 (built with %2), platform %3")
                 .arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR), QGuiApplication::platformName())
          << QStringLiteral("Locale: %1").arg(QLocale().name());
    for (const QScreen* screen : QGuiApplication::screens())
        lines << QStringLiteral("Screen: %1x%2, available %3x%4, %5 dpi")
                     .arg(screen->size().width())
                     .arg(screen->size().height())
                     .arg(screen->availableSize().width())
                     .arg(screen->availableSize().height())
                     .arg(qRound(screen->logicalDotsPerInch()));
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    lines << QStringLiteral("Serial ports: %1").arg(ports.size());
    for (const QSerialPortInfo& port : ports) {
        QString line = QStringLiteral("  %1  %2").arg(port.systemLocation(), port.description());
        if (port.hasVendorIdentifier() && port.hasProductIdentifier())
            line += QStringLiteral(" (%1:%2)")
                        .arg(port.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                        .arg(port.productIdentifier(), 4, 16, QLatin1Char('0'));
        if (!port.manufacturer().isEmpty())
            line += QStringLiteral("  ") + port.manufacturer();
        lines << line;
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace t40
