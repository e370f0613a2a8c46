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
    setWindowTitle(Lang("About ", "关于 ") + ApplicationTitle());
    picIcon = new QLabel(this);
    picIcon->setPixmap(QPixmap(QStringLiteral(":/icons/t40.png")).scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    lblTitle = new QLabel(ApplicationTitle(), this);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion = new QLabel(Lang("Version ", "版本 ") + ApplicationVersionText(), this);
    lblDescription = new QLabel(ApplicationTitle() + QLatin1Char(' ')
                                    + Lang("program software is used for T40", "编程软件用于 T40机型"),
                                this);
    lblDescription->setWordWrap(true);
    Line1 = new QFrame(this);
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    lblDisclaimer = new QLabel(
        Lang("Warning: writing data that does not suit the radio can make it unusable. Keep a data file of the "
             "radio's own data before writing.",
             "警告：写入不适合本机的数据可能使对讲机无法使用。写频前请先保存对讲机原有数据。"),
        this);
    lblDisclaimer->setWordWrap(true);
    cmdOK = new QPushButton(Lang("OK", "确定"), this);
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(Lang("&System Info...", "系统信息(&S)..."), this);

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
        ShowMessageBox(QString::fromUtf8("此时系统信息不可用"), BoxIcon::Warning);
}

} // namespace t40
