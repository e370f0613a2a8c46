#include "test_support.h"

#include "port_catalog.h"
#include "shared_state.h"

#include <QSettings>

namespace t40::test {

TestEnvironment::TestEnvironment()
{
    State().reset();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
    SetPromptScript(&prompts_);
}

TestEnvironment::~TestEnvironment()
{
    SetPromptScript(nullptr);
    SetPortCatalog(nullptr);
    State().reset();
}

} // namespace t40::test
