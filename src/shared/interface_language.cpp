#include "interface_language.h"

#include "shared_state.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <vector>

namespace t40 {

namespace {
std::vector<std::unique_ptr<QTranslator>>& Installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

void Install(const QString& file, const QString& folder = QString())
{
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(file, folder) && QCoreApplication::installTranslator(translator.get()))
        Installed().push_back(std::move(translator));
}
} // namespace

void SetInterfaceLanguage(bool english)
{
    State().IsEnglish = english;
    for (auto& translator : Installed())
        QCoreApplication::removeTranslator(translator.get());
    Installed().clear();
    if (english)
        return;
    Install(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    Install(QString::fromLatin1(ChineseTranslation));
}

QLocale InterfaceLocale()
{
    const QLocale system;
    const QLocale::Language wanted = State().IsEnglish ? QLocale::English : QLocale::Chinese;
    if (system.language() == wanted || (wanted == QLocale::English && system.language() == QLocale::C))
        return system;
    return wanted == QLocale::English ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                      : QLocale(QLocale::Chinese, QLocale::China);
}

} // namespace t40
