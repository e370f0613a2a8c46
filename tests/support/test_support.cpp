#include "test_support.h"

#include "interface_language.h"
#include "port_catalog.h"
#include "channel.h"
#include "radio_document.h"
#include "programming_log.h"
#include "shared_state.h"

#include <QFile>
#include <QSettings>

#include <sys/resource.h>

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

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

long PeakKilobytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

QStringList PresentChannels()
{
    QStringList list;
    for (int c = 1; c <= 16; ++c)
        if (const Channel ch = AppDocument().channel(c); ch.present())
            list << QStringLiteral("%1:%2").arg(c).arg(FrequencyText(*ch.receive, QStringLiteral(".")));
    return list;
}

} // namespace t40::test
