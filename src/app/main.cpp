#include "form_welcome.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("ZEV"));
    QApplication::setApplicationName(QStringLiteral("T40"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.2"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/t40.png")));

    // t40 [FILE.rdat]: the file opens as File > Open would open it.
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("T40 programming software"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A data file (.rdat) to open."),
                                 QStringLiteral("[FILE.rdat]"));
    parser.process(app);

    auto* splash = new t40::FormWelcome;
    if (!parser.positionalArguments().isEmpty())
        splash->setFileToOpen(QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath());
    splash->show();
    return app.exec();
}
