#pragma once

#include <QApplication>
#include <QTimer>

#include <functional>

namespace t40::test {

// Runs action on the next modal window of type W as soon as it shows.
template <typename W>
void OnModal(std::function<void(W*)> action)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        auto* w = qobject_cast<W*>(QApplication::activeModalWidget());
        if (!w)
            return;
        poll->stop();
        poll->deleteLater();
        action(w);
    });
    poll->start(10);
}

// Presses Read in the next session window of type W and closes it when the
// run is over.
template <typename W>
void ReadOnceShown()
{
    OnModal<W>([](W* w) {
        w->CommandRead_Click();
        auto* close = new QTimer(w);
        QObject::connect(close, &QTimer::timeout, w, [w] {
            if (w->CommandRead->isEnabled())
                w->reject();
        });
        close->start(10);
    });
}

} // namespace t40::test
