#include "channel_pages.h"

#include "prompts.h"
#include "shared_state.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QStatusBar>

namespace t40 {

BandState CurrentBand(const RadioDocument& document)
{
    return document.band();
}

void ShowFrequencyWarning(const QString& caption, const QString& detail)
{
    QString text = QCoreApplication::translate("t40::ChannelPages", "Frequency is out of range!");
    if (!detail.isEmpty())
        text += QLatin1Char('\n') + detail;
    ShowMessageBox(text, BoxIcon::Warning, BoxButtons::Ok, caption);
}

void ShowCorrection(QWidget* from, const QString& note)
{
    if (!from || note.isEmpty())
        return;
    for (QWidget* w = from; w; w = w->parentWidget())
        if (auto* window = qobject_cast<QMainWindow*>(w)) {
            window->statusBar()->showMessage(note, 15000);
            return;
        }
}

} // namespace t40
