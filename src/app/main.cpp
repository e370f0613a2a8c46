#include "form_welcome.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("ZEV"));
    QApplication::setApplicationName(QStringLiteral("T40"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.2"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/t40.png")));
    auto* splash = new t40::FormWelcome;
    splash->show();
    return app.exec();
}
