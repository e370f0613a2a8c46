#include "test_support.h"

#include "interface_language.h"
#include "port_catalog.h"
#include "programming_log.h"
#include "shared_state.h"

#include <QFile>
#include <QSettings>

namespace t40::test {

TestEnvironment::TestEnvironment()
{
    State().reset();
    SetInterfaceLanguage(InterfaceLanguage());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
    // The programming log goes to the temporary folder too.
    previousDataHome_ = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", settings_.path().toLocal8Bit());
    SetPromptScript(&prompts_);
}

TestEnvironment::~TestEnvironment()
{
    SetPromptScript(nullptr);
    SetPortCatalog(nullptr);
    State().reset();
    SetInterfaceLanguage(InterfaceLanguage());
    if (previousDataHome_.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", previousDataHome_);
}

QString TestEnvironment::logPath() const
{
    return ProgrammingLog::DefaultPath();
}

} // namespace t40::test
