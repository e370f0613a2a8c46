#include "qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace t40 {

void ApplyQtTranslation(bool english)
{
    static QTranslator* translator = nullptr;
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
        translator = nullptr;
    }
    if (english)
        return;
    auto* chinese = new QTranslator;
    if (chinese->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(chinese);
        translator = chinese;
    } else {
        delete chinese;
    }
}

} // namespace t40
