#pragma once

#include "interface_language.h"
#include "channel_codec.h"
#include "channel_table_model.h"
#include "shared_state.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <functional>

namespace t40::test {

// The state the channel-page tests start from: English, a 400-480 MHz band
// whose transmit limit is effectiveHighMHz.
inline void UseEnglishBand400To480(int effectiveHighMHz)
{
    SetInterfaceLanguage(QLocale::English);
    AppDocument().setBand({ QStringLiteral("UHF"), 400, 480, effectiveHighMHz });
}

inline QString StoredRx(int channel)
{
    const auto f = DecodeFrequency(ReadFrequency(AppDocument().memory(), channel, ChannelField::Receive), State().DecimalSeparator);
    return f.present ? f.text : QString();
}

inline QString StoredTx(int channel)
{
    const auto f = DecodeFrequency(ReadFrequency(AppDocument().memory(), channel, ChannelField::Transmit), State().DecimalSeparator);
    return f.present ? f.text : QString();
}

inline int RecordByte(int channel, int k)
{
    return AppDocument().byte(16 * channel + k);
}

// Stores a channel the way a radio or a data file would hold it.
inline void PutChannel(int channel, const QString& rx, const QString& tx, std::uint8_t flags = 0x88, bool scan = true)
{
    AppDocument().edit([&](RadioImage& image) {
        WriteFrequency(image, channel, ChannelField::Receive, EncodeFrequency(rx, QStringLiteral(".")));
        WriteFrequency(image, channel, ChannelField::Transmit,
                       tx.isEmpty() ? NoFrequency : EncodeFrequency(tx, QStringLiteral(".")));
        WriteCode(image, channel, ChannelField::Decode, NoSignallingCode);
        WriteCode(image, channel, ChannelField::Encode, NoSignallingCode);
        WriteFlagBits(image, channel, 0xFF, flags);
        WriteScanBit(image, channel, scan);
    });
}

// The channel selected in the grid and the channel editor.
inline int CurrentChannel()
{
    return ChannelTableModel::of(AppDocument()).currentChannel();
}

inline void SelectChannel(int channel)
{
    ChannelTableModel::of(AppDocument()).setCurrentChannel(channel);
}

// Sends keys to whatever has the focus, as a user's typing would reach it.
// A key may open a box that takes the next ones.
inline void TypeIntoFocus(const QString& text)
{
    for (const QChar c : text)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

inline void KeyIntoFocus(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// Runs action on the next modal dialog once it is shown; returns its class
// name through the given string (empty when none opened).
inline void OnNextDialog(QString* className, std::function<void(QDialog*)> action)
{
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            return;
        }
        *className = QString::fromLatin1(dialog->metaObject()->className());
        action(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

} // namespace t40::test
