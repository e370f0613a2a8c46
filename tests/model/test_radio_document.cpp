#include "channel_codec.h"
#include "interface_language.h"
#include "page_settings.h"
#include "radio_document.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

#include <functional>

using namespace t40;

Q_DECLARE_METATYPE(std::function<void(RadioDocument&)>)

namespace {
using Edit = std::function<void(RadioDocument&)>;

bool SharesOnPurpose(const FieldSpec& a, const FieldSpec& b)
{
    return a.share != Share::None && a.share == b.share;
}

bool Overlap(const FieldSpec& a, const FieldSpec& b)
{
    if (a.offset >= b.offset + b.length || b.offset >= a.offset + a.length)
        return false;
    // Two one-byte values in the same byte overlap only where their bits do.
    return a.length != 1 || b.length != 1 || (a.mask & b.mask) != 0;
}

Channel Sample()
{
    Channel ch = Channel::created(44600625, 44600625);
    ch.decode = SignallingCode::tone(670);
    ch.encode = SignallingCode::dcs(0754, true);
    ch.power = Power::Middle;
    return ch;
}
} // namespace

class TestRadioDocument : public QObject {
    Q_OBJECT
private slots:
    void fieldTableIsConsistent();
    void edits_data();
    void edits();
    void settingsRoundTrip_data();
    void settingsRoundTrip();
    void channelKeepsWhatNoPageShows();
    void replacementsWarnTheWindowsFirst();
    void steps_data();
    void steps();
};

void TestRadioDocument::fieldTableIsConsistent()
{
    for (const FieldSpec& f : FieldTable) {
        const int begin = f.storage == Storage::Image ? 0 : RadioImage::ImageSize;
        const int end = f.storage == Storage::Image ? RadioImage::ImageSize : RadioImage::MemorySize;
        QVERIFY2(f.offset >= begin && f.offset + f.length <= end, f.name);
        QVERIFY2(f.length >= 1 && f.mask != 0, f.name);
        if (f.length == 1) {
            const int largest = f.mask >> f.shift;
            QVERIFY2(f.min <= f.def && f.def <= f.max && f.max <= largest, f.name);
        }
        for (const FieldSpec& g : FieldTable)
            if (&f != &g && Overlap(f, g))
                QVERIFY2(SharesOnPurpose(f, g), qPrintable(QStringLiteral("%1 / %2").arg(f.name, g.name)));
    }
}

void TestRadioDocument::edits_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<int>("offset"); // -1: no change at all
    QTest::addColumn<int>("length");

    QTest::newRow("value in range") << Edit([](RadioDocument& d) { d.setValue(FieldId::SquelchLevel, 5); })
                                    << FieldOffset(FieldId::SquelchLevel) << 1;
    QTest::newRow("value out of range") << Edit([](RadioDocument& d) { d.setValue(FieldId::SquelchLevel, 10); })
                                        << -1 << 0;
    QTest::newRow("high nibble leaves the low one")
        << Edit([](RadioDocument& d) {
               d.setValue(FieldId::KeyPf1Long, 3);
               QCOMPARE(d.value(FieldId::KeyPf1), 0x0F);
           })
        << FieldOffset(FieldId::KeyPf1Long) << 1;
    QTest::newRow("same bytes") << Edit([](RadioDocument& d) { d.setByte(5, 0xFF); }) << -1 << 0;
    QTest::newRow("block beyond the memory")
        << Edit([](RadioDocument& d) {
               const std::uint8_t two[2] = { 0, 0 };
               QVERIFY(!d.setBytes(RadioImage::MemorySize - 1, two));
           })
        << -1 << 0;
    QTest::newRow("channel 16 created")
        << Edit([](RadioDocument& d) { d.setChannel(16, Sample()); })
        << 256 << 13; // receive .. flags; the erased bytes after them and the scan bit already match
    QTest::newRow("channel 17") << Edit([](RadioDocument& d) { d.setChannel(17, Sample()); }) << -1 << 0;
    QTest::newRow("option setting") << Edit([](RadioDocument& d) {
        OptionSettings s = ReadOptions(d);
        s.squelchIndex = 5;
        WriteOptions(d, s);
    }) << FieldOffset(FieldId::SquelchLevel) << 1;
    QTest::newRow("key function over an unknown code") << Edit([](RadioDocument& d) {
        KeySettings s = ReadKeys(d);
        s.function[2] = 0; // the first entry, as the unknown code shows
        WriteKeys(d, s);
        QCOMPARE(d.value(FieldId::KeyPf1Long), 0);
    }) << FieldOffset(FieldId::KeyPf1Long) << 1;
    QTest::newRow("priority channel") << Edit([](RadioDocument& d) {
        ScanSettings s = ReadScan(d);
        s.priorityChannel[0] = 5;
        WriteScan(d, s);
    }) << FieldOffset(FieldId::PriorityChannel1) << 1;
    QTest::newRow("priority channel on the VOX bytes") << Edit([](RadioDocument& d) {
        ScanSettings s = ReadScan(d);
        s.priorityChannel[1] = 5;
        s.priorityChannel[2] = 6;
        WriteScan(d, s);
    }) << -1 << 0;
    QTest::newRow("message line") << Edit([](RadioDocument& d) { QVERIFY(WriteMessageLines(d, { QStringLiteral("HELLO"), QString() })); })
                                   << FieldOffset(FieldId::MessageLine1) << 5;
    QTest::newRow("message line not storable") << Edit([](RadioDocument& d) { QVERIFY(!WriteMessageLines(d, { QStringLiteral("\u00e9"), QString() })); })
                                               << -1 << 0;
    QTest::newRow("stun status") << Edit([](RadioDocument& d) {
        StunKillSettings s = ReadStunKill(d);
        s.status = 1;
        WriteStunKill(d, s);
    }) << StunKill::Status << 1;
    QTest::newRow("special option") << Edit([](RadioDocument& d) { WriteSpecialOption(d, { 3 }); })
                                    << Special::RxVoiceLevel << 1;
    QTest::newRow("field bytes of the wrong length")
        << Edit([](RadioDocument& d) { QVERIFY(!d.setFieldBytes(FieldId::Password, "12345")); }) << -1 << 0;
}

void TestRadioDocument::edits()
{
    QFETCH(Edit, edit);
    QFETCH(int, offset);
    QFETCH(int, length);
    RadioDocument doc;
    const RadioImage before = doc.memory();
    QSignalSpy changed(&doc, &RadioDocument::changed);
    QSignalSpy modified(&doc, &RadioDocument::modifiedChanged);
    edit(doc);
    if (offset < 0) {
        QCOMPARE(changed.count(), 0);
        QCOMPARE(modified.count(), 0);
        QVERIFY(doc.memory() == before);
        return;
    }
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed[0][0].toInt(), offset);
    QCOMPARE(changed[0][1].toInt(), length);
    QCOMPARE(modified.count(), 1);
    QVERIFY(doc.isModified());
    for (int a = 0; a < RadioImage::MemorySize; ++a)
        if (a < offset || a >= offset + length)
            QCOMPARE(doc.byte(a), before.memoryByte(a));
}

// Reading a page's settings and handing them back unchanged touches no byte,
// whatever the image holds (values out of range included).
void TestRadioDocument::settingsRoundTrip_data()
{
    QTest::addColumn<int>("seed"); // -1 erased, 0 all zero, other: a pattern
    QTest::newRow("erased") << -1;
    QTest::newRow("zeros") << 0;
    QTest::newRow("pattern 7") << 7;
    QTest::newRow("pattern 101") << 101;
}

void TestRadioDocument::settingsRoundTrip()
{
    QFETCH(int, seed);
    RadioImage image;
    for (int a = 0; a < RadioImage::MemorySize && seed >= 0; ++a)
        image.setMemoryByte(a, std::uint8_t(seed == 0 ? 0 : (a * seed + a / 7) & 0xFF));
    RadioDocument doc;
    doc.replaceImage(image, false);
    QSignalSpy changed(&doc, &RadioDocument::changed);
    WriteOptions(doc, ReadOptions(doc));
    WriteKeys(doc, ReadKeys(doc));
    WriteScan(doc, ReadScan(doc));
    WriteStunKill(doc, ReadStunKill(doc));
    QCOMPARE(changed.count(), 0);
    QVERIFY(doc.memory() == image);
    QVERIFY(!doc.isModified());
}

void TestRadioDocument::channelKeepsWhatNoPageShows()
{
    RadioDocument doc;
    doc.setChannel(3, Sample());
    QCOMPARE(doc.channel(3), Sample());
    const int record = 16 * 3;
    QCOMPARE(doc.byte(record + 12), std::uint8_t(0x48)); // Middle, no lock-out, wide
    QVERIFY(doc.byte(382) & 0x04);
    // Bits and bytes no page shows survive an edit of the channel.
    doc.setByte(record + 12, 0x4D);
    doc.setByte(record + 15, 0x05);
    Channel edited = doc.channel(3);
    edited.power = Power::Low;
    edited.transmit.reset();
    doc.setChannel(3, edited);
    QCOMPARE(doc.byte(record + 12), std::uint8_t(0x0D));
    QCOMPARE(doc.byte(record + 15), std::uint8_t(0x05));
    QCOMPARE(doc.channel(3), edited);
    doc.setChannel(3, Channel {});
    QVERIFY(!doc.channel(3).present());
    QCOMPARE(doc.byte(record + 12), std::uint8_t(0xFF));
    QVERIFY(!(doc.byte(382) & 0x04));
}

void TestRadioDocument::replacementsWarnTheWindowsFirst()
{
    RadioDocument doc;
    QStringList order;
    connect(&doc, &RadioDocument::aboutToReplace, this, [&] { order << QStringLiteral("about"); });
    connect(&doc, &RadioDocument::changed, this, [&](int o, int l) { order << QStringLiteral("changed %1 %2").arg(o).arg(l); });
    connect(&doc, &RadioDocument::replaced, this, [&] { order << QStringLiteral("replaced"); });
    RadioImage source;
    source.setMemoryByte(0xA80, 1);
    source.setMemoryByte(0xB80, 2);
    doc.commitRange(TransferRange::Dealer, source);
    QCOMPARE(doc.byte(0xA80), std::uint8_t(1));
    QCOMPARE(doc.byte(0xB80), std::uint8_t(0xFF));
    doc.replaceImage(source, false);
    QCOMPARE(doc.byte(0xB80), std::uint8_t(2));
    QVERIFY(!doc.isModified());
    QCOMPARE(order, QStringList({ "about", "changed 2688 256", "replaced", "about", "changed 0 4096", "replaced" }));
}

void TestRadioDocument::steps_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QStringList>("english"); // the steps recorded, in order
    QTest::addColumn<QStringList>("chinese");

    QTest::newRow("a channel") << Edit([](RadioDocument& d) { d.setChannel(3, Sample()); })
                               << QStringList { "Edit channel 3" } << QStringList { "编辑信道3" };
    QTest::newRow("a scan bit") << Edit([](RadioDocument& d) { d.edit([](RadioImage& m) { WriteScanBit(m, 12, false); }); })
                                << QStringList { "Edit channel 12" } << QStringList { "编辑信道12" };
    QTest::newRow("channels in one turn")
        << Edit([](RadioDocument& d) {
               d.setChannel(1, Sample());
               d.setChannel(2, Sample());
           })
        << QStringList { "Edit channels" } << QStringList { "编辑信道" };
    QTest::newRow("a field") << Edit([](RadioDocument& d) { d.setValue(FieldId::SquelchLevel, 5); })
                             << QStringList { "Change Squelch level" } << QStringList { "修改静噪等级" };
    QTest::newRow("bits of a shared byte") << Edit([](RadioDocument& d) { d.setValue(FieldId::KeyPf2Long, 2); })
                                           << QStringList { "Change PF2 long key" } << QStringList { "修改PF2长按键" };
    QTest::newRow("vox in the priority bytes") << Edit([](RadioDocument& d) { d.setValue(FieldId::VoxLevel, 4); })
                                               << QStringList { "Change VOX level" } << QStringList { "修改声控等级" };
    QTest::newRow("two fields") << Edit([](RadioDocument& d) {
        d.setValue(FieldId::SquelchLevel, 5);
        d.setValue(FieldId::TimeOutTimer, 3);
    }) << QStringList { "Edit" } << QStringList { "编辑" };
    QTest::newRow("a band") << Edit([](RadioDocument& d) { d.setBand({ QStringLiteral("VHF"), 136, 174, 174 }); })
                            << QStringList { "Edit" } << QStringList { "编辑" };
    QTest::newRow("two turns")
        << Edit([](RadioDocument& d) {
               d.setValue(FieldId::SquelchLevel, 5);
               QCoreApplication::processEvents();
               d.setChannel(4, Sample());
           })
        << QStringList { "Change Squelch level", "Edit channel 4" } << QStringList { "修改静噪等级", "编辑信道4" };
    QTest::newRow("named, nested, then outside")
        << Edit([](RadioDocument& d) {
               d.setValue(FieldId::SquelchLevel, 5);
               {
                   const RadioDocument::Step outer(d, StepNames::BatchEdit());
                   d.setChannel(1, Sample());
                   d.edit(StepNames::CopyChannel(), [](RadioImage& m) { CopyChannel(m, 1, 2); });
               }
               d.setBandExtension(true);
           })
        << QStringList { "Change Squelch level", "Batch edit", "Change Band extension" }
        << QStringList { "修改静噪等级", "批信道编辑", "修改频段扩展" };
    QTest::newRow("channel commands, one step each")
        << Edit([](RadioDocument& d) {
               d.setChannels({ 1, 2 }, [](Channel& ch) { ch = Sample(); }, StepNames::BatchEdit());
               QVERIFY(d.insertChannel(1));
               QCOMPARE(d.channel(2), Sample());
               d.copyChannels({ 3 }, 5);
               d.deleteChannels({ 1 });
               QCOMPARE(d.channel(4), Sample());
           })
        << QStringList { "Batch edit", "Insert channel", "Copy channel", "Delete channel" }
        << QStringList { "批信道编辑", "插入信道", "信道复制", "删除信道" };
    QTest::newRow("moving channels, record and scan bit together, one step each")
        << Edit([](RadioDocument& d) {
               const auto put = [&d](int c, Frequency rx, bool scan) {
                   Channel ch = Channel::created(rx, rx + 500000);
                   ch.scanAdd = scan;
                   d.setChannel(c, ch);
               };
               put(1, 44000000, true);
               put(2, 43000000, false);
               put(3, 45000000, true);
               put(5, 42000000, false);
               QCoreApplication::processEvents();
               const auto receive = [&d] {
                   QList<int> mhz;
                   for (int c = 1; c <= 6; ++c)
                       mhz << (d.channel(c).present() ? *d.channel(c).receive / FrequencyUnitsPerMHz : 0);
                   return mhz;
               };
               const auto scans = [&d] {
                   QList<bool> bits;
                   for (int c = 1; c <= 6; ++c)
                       bits << (d.channel(c).present() && d.channel(c).scanAdd);
                   return bits;
               };
               QVERIFY(d.moveChannels({ 2, 3 }, -1));
               QCOMPARE(receive(), QList<int>({ 430, 450, 440, 0, 420, 0 }));
               QVERIFY(!d.moveChannels({ 1 }, -1)); // at the top already: nothing
               QVERIFY(d.moveChannels({ 3 }, +1));
               QCOMPARE(receive(), QList<int>({ 430, 450, 0, 440, 420, 0 }));
               QVERIFY(d.moveChannelsTo({ 4, 5 }, 1));
               QCOMPARE(receive(), QList<int>({ 440, 420, 430, 450, 0, 0 }));
               QCOMPARE(scans(), QList<bool>({ true, false, false, true, false, false }));
               QVERIFY(d.sortChannels());
               QCOMPARE(receive(), QList<int>({ 420, 430, 440, 450, 0, 0 }));
               QCOMPARE(scans(), QList<bool>({ false, false, true, true, false, false }));
               QVERIFY(!d.sortChannels()); // sorted already
               d.deleteChannels({ 1, 3 });
               QCOMPARE(receive(), QList<int>({ 430, 450, 0, 0, 0, 0 }));
           })
        << QStringList { "Edit channels", "Move channels", "Move channels", "Move channels", "Sort channels", "Delete channel" }
        << QStringList { "编辑信道", "移动信道", "移动信道", "移动信道", "信道排序", "删除信道" };
    QTest::newRow("a simplex channel's Tx follows its Rx, a split one's stays")
        << Edit([](RadioDocument& d) {
               d.setChannel(2, Channel::created(44600625, 44600625));
               d.setChannel(3, Channel::created(44600625, 44700625));
               QCoreApplication::processEvents();
               d.enterFrequency(2, FrequencyField::Receive, QStringLiteral("447.5"), QStringLiteral("."));
               d.enterFrequency(3, FrequencyField::Receive, QStringLiteral("447.5"), QStringLiteral("."));
               QCOMPARE(d.channel(2).transmit, std::optional<Frequency>(44750000));
               QCOMPARE(d.channel(3).transmit, std::optional<Frequency>(44700625));
               // Above the transmit limit the follower stops at it, as a new channel's does.
               d.setBand({ QStringLiteral("UHF"), 400, 520, 480 });
               d.enterFrequency(2, FrequencyField::Receive, QStringLiteral("500"), QStringLiteral("."));
               QCOMPARE(d.channel(2).transmit, std::optional<Frequency>(48000000));
               d.encodeAsDecode({ 2 });
           })
        << QStringList { "Edit channels", "Edit channels" } << QStringList { "编辑信道", "编辑信道" };
    QTest::newRow("unrecorded") << Edit([](RadioDocument& d) {
        const RadioDocument::Unrecorded quiet(d);
        d.setChannel(3, Sample());
    }) << QStringList() << QStringList();
    QTest::newRow("no change") << Edit([](RadioDocument& d) { d.setValue(FieldId::SquelchLevel, 3); })
                               << QStringList() << QStringList();
}

// Changes become undo steps with the states around them; a restore puts a
// state back exactly and records nothing.
void TestRadioDocument::steps()
{
    QFETCH(Edit, edit);
    QFETCH(QStringList, english);
    QFETCH(QStringList, chinese);
    RadioDocument doc;
    doc.setValue(FieldId::SquelchLevel, 3);
    doc.closeOpenStep();
    doc.setModified(false);
    const DocumentState start = doc.state();
    QStringList englishNames;
    QList<StepName> names;
    std::vector<std::pair<DocumentState, DocumentState>> states;
    connect(&doc, &RadioDocument::stepRecorded, this,
            [&](const StepName& name, const DocumentState& before, const DocumentState& after) {
                englishNames << name.text();
                names << name;

                states.emplace_back(before, after);
            });
    edit(doc);
    doc.closeOpenStep();
    QCOMPARE(englishNames, english);
    // A step keeps its source: its name follows a later language switch.
    SetInterfaceLanguage(QLocale::Chinese);
    QStringList chineseNames;
    for (const StepName& name : names)
        chineseNames << name.text();
    SetInterfaceLanguage(QLocale::English);
    QCOMPARE(chineseNames, chinese);
    QCOMPARE(doc.isModified(), !english.isEmpty() && QTest::currentDataTag() != QByteArray("a band"));
    if (QTest::currentTestFailed())
        return;
    if (states.empty())
        return;
    QVERIFY(states.front().first.memory == start.memory);
    for (std::size_t i = 1; i < states.size(); ++i)
        QVERIFY(states[i].first.memory == states[i - 1].second.memory);
    const DocumentState end = doc.state();
    QVERIFY(states.back().second.memory == end.memory);
    QCOMPARE(states.back().second.band.lowMHz, end.band.lowMHz);

    doc.restore(start);
    QVERIFY(doc.memory() == start.memory);
    QCOMPARE(doc.band().name, start.band.name);
    QCOMPARE(doc.band().effectiveHighMHz, start.band.effectiveHighMHz);
    QCoreApplication::processEvents();
    doc.closeOpenStep();
    QCOMPARE(englishNames.size(), english.size());
}

QTEST_GUILESS_MAIN(TestRadioDocument)
#include "test_radio_document.moc"
