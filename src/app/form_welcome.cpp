#include "form_welcome.h"

#include "file_commands.h"
#include "mdi_form_main.h"

#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

static void InitResources()
{
    Q_INIT_RESOURCE(t40);
}

namespace t40 {

FormWelcome::FormWelcome(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("ZUL"));
    setAttribute(Qt::WA_DeleteOnClose);
    InitResources();
    Picture1 = new QLabel(this);
    Picture1->setPixmap(QPixmap(QStringLiteral(":/splash.png")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Picture1);
    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setInterval(2000);
    connect(Timer1, &QTimer::timeout, this, &FormWelcome::Timer1_Timer);
    Timer1->start();
}

void FormWelcome::Timer1_Timer()
{
    Timer1->stop();
    main_ = new MDIFormMain;
    main_->setAttribute(Qt::WA_DeleteOnClose);
    main_->MDIForm_Load();
    main_->show();
    close();
    if (!fileToOpen_.isEmpty())
        main_->files().OpenDataFile(fileToOpen_);
}

} // namespace t40
