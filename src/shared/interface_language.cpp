#include "interface_language.h"

#include "shared_state.h"

#include <QCoreApplication>
#include <QEvent>
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

QString TranslationFile(QLocale::Language language)
{
    return QStringLiteral(":/i18n/t40_%1.qm").arg(QLocale(language).name());
}

void SetInterfaceLanguage(QLocale::Language language)
{
    State().IsEnglish = language == QLocale::English;
    for (auto& translator : Installed())
        QCoreApplication::removeTranslator(translator.get());
    Installed().clear();
    if (language != QLocale::English) {
        Install(QStringLiteral("qtbase_") + QLocale(language).name(), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        Install(TranslationFile(language));
    }
    // The windows retranslate now, not at the next turn of the event loop:
    // what follows the switch sees them in the new language.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

QLocale::Language InterfaceLanguage()
{
    return State().IsEnglish ? QLocale::English : QLocale::Chinese;
}

QLocale InterfaceLocale()
{
    const QLocale system;
    const QLocale::Language wanted = InterfaceLanguage();
    if (system.language() == wanted || (wanted == QLocale::English && system.language() == QLocale::C))
        return system;
    return wanted == QLocale::English ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                      : QLocale(QLocale::Chinese, QLocale::China);
}

} // namespace t40
