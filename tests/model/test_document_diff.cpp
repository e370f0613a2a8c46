#include "document_diff.h"
#include "radio_document.h"

#include <QTest>

#include <functional>

using namespace t40;

namespace {
using Edit = std::function<void(RadioDocument&)>;

// Channel 3 on 446.00625 MHz both ways, decode 67.0 Hz, high power, 25 kHz, scanned; squelch 3;
// priority channel 2 (vox on the same byte) 1; time-out timer 180 s, English voice prompt; no message, no password.
void Base(RadioDocument& doc)
{
    doc.setChannel(3, Channel::created(44600625, 44600625));
    Channel ch = doc.channel(3);
    ch.decode = SignallingCode::tone(670);
    doc.setChannel(3, ch);
    doc.setValue(FieldId::SquelchLevel, 3);
    doc.setValue(FieldId::PriorityChannel2, 1);
    doc.setValue(FieldId::TimeOutTimer, 12);
    doc.setValue(FieldId::VoicePrompt, 2);
}

void EditChannel(RadioDocument& doc, int c, const std::function<void(Channel&)>& change)
{
    Channel ch = doc.channel(c);
    change(ch);
    doc.setChannel(c, ch);
}

QByteArray Padded(const QByteArray& text, int length) { return text + QByteArray(length - text.size(), char(0xFF)); }
} // namespace

Q_DECLARE_METATYPE(Edit)

class TestDocumentDiff : public QObject {
    Q_OBJECT
private slots:
    void compare_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QStringList>("lines");
        const auto row = [](const char* name, const Edit& edit, const QStringList& lines) { QTest::newRow(name) << edit << lines; };
        row("equal", [](RadioDocument&) { }, {});
        row("receive frequency", [](RadioDocument& d) { EditChannel(d, 3, [](Channel& c) { c.receive = 44610000; }); },
            { "Channel 3 Rx Frequency: 446.00625 -> 446.10000" });
        row("receive only and codes",
            [](RadioDocument& d) {
                EditChannel(d, 3, [](Channel& c) {
                    c.transmit.reset();
                    c.decode = SignallingCode::dcs(023, true);
                    c.encode = SignallingCode::tone(885);
                });
            },
            { "Channel 3 Tx Frequency: 446.00625 -> receive only", "Channel 3 CTCSS/DCS Decode: 67.0 -> D023I",
              "Channel 3 CTCSS/DCS Encode: None -> 88.5" });
        row("flags and scan",
            [](RadioDocument& d) {
                EditChannel(d, 3, [](Channel& c) {
                    c.power = Power::Low;
                    c.busyLock = BusyLock::Carrier;
                    c.spacing = Spacing::Narrow;
                    c.scanAdd = false;
                });
            },
            { "Channel 3 Tx Power: High -> Low", "Channel 3 Scan Add: Add -> Delete",
              "Channel 3 Channel Spacing: 25K(Wide) -> 12.5K(Narrow)", "Channel 3 Busy Lock: None -> Carrier" });
        row("channel appears and goes",
            [](RadioDocument& d) {
                d.setChannel(3, Channel {});
                d.setChannel(16, Channel::created(46256250, 46256250));
            },
            { "Channel 3: 446.00625 -> empty", "Channel 16: empty -> 462.56250" });
        // Bits no page shows still make the images differ.
        row("reserved channel bits", [](RadioDocument& d) { d.setByte(16 + 2 * 16 + 12, d.byte(16 + 2 * 16 + 12) | 0x01); },
            { "other bytes differ at 0x003C" });
        row("one-byte values",
            [](RadioDocument& d) {
                d.setValue(FieldId::SquelchLevel, 5);
                d.setValue(FieldId::KeyPf1Long, 4);
                d.setValue(FieldId::TimeOutTimer, 13);
                d.setValue(FieldId::VoicePrompt, 1);
            },
            { "PF1 long key: invalid (15) -> Alarm", "Voice prompt: English -> Chinese", "Time-out timer: 180 s -> 195 s",
              "Squelch level: 3 -> 5" });
        row("shared byte, once under the shown name", [](RadioDocument& d) { d.setValue(FieldId::VoxSwitch, 0); },
            { "VOX: On -> Off" });
        row("message over the tune data", [](RadioDocument& d) { d.setFieldBytes(FieldId::MessageLine1, Padded("HELLO", 32)); },
            { "Message line 1: \"\" -> \"HELLO\"" });
        row("password kept hidden", [](RadioDocument& d) { d.setFieldBytes(FieldId::Password, Padded("123456", 6)); },
            { "Password: differs" });
        row("tune bytes and unnamed bytes",
            [](RadioDocument& d) {
                d.setByte(0x365, 0x12);
                d.setByte(0x367, 0x34);
                d.setByte(0x1F0, 0);
                d.setByte(0x1F1, 0);
                d.setByte(0x1F3, 0);
            },
            { "Tune group 3 at 0x0365..0x0367: FF FF FF -> 12 FF 34", "other bytes differ at 0x01F0..0x01F1, 0x01F3" });
        row("model block beside its codes", [](RadioDocument& d) { d.setByte(440, 0x50); },
            { "Model block: FF FF FF FF FF FF FF FF -> 50 FF FF FF FF FF FF FF" });
        row("memory above the image is not compared",
            [](RadioDocument& d) { d.setFieldBytes(FieldId::StunKill, QByteArray(32, '\0')); }, {});
    }

    void compare()
    {
        QFETCH(Edit, edit);
        QFETCH(QStringList, lines);
        RadioDocument before, after;
        Base(before);
        Base(after);
        edit(after);
        QCOMPARE(CompareImages(before.memory(), after.memory()), lines);
    }
};

QTEST_GUILESS_MAIN(TestDocumentDiff)
#include "test_document_diff.moc"
