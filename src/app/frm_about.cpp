#include "frm_about.h"

#include "button_row.h"
#include "prompts.h"
#include "shared_state.h"

#include <QFileInfo>
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
    if (program.isEmpty() || !QProcess::startDetached(program, {}))
        ShowMessageBox(tr("System information is unavailable at this time"), BoxIcon::Warning);
}

} // namespace t40
