#include "channel_presets.h"
#include "channel_rules.h"
#include "channel_table_model.h"
#include "radio_document.h"

#include <QSignalSpy>
#include <QTest>

using namespace t40;

namespace {
QStringList Texts(const std::vector<Frequency>& list)
{
    QStringList texts;
    for (Frequency f : list)
        texts << FrequencyText(f, QStringLiteral("."));
    return texts;
}

QStringList Receives(const ChannelPreset& preset)
{
    std::vector<Frequency> list;
    for (const Channel& ch : preset.channels)
        list.push_back(*ch.receive);
    return Texts(list);
}

// A document with the factory-like empty channels of the UHF 400-520 model.
void Fresh(RadioDocument& doc)
{
    RadioImage image;
    image.clear();
    NewDocumentFromPreset(doc, image, *FindPreset(QStringLiteral("PMR446")));
    doc.clearHistory();
}
} // namespace

class TestChannelPresets : public QObject {
    Q_OBJECT
private slots:
    void shippedPlans_data();
    void shippedPlans();
    void badFiles_data();
    void badFiles();
    void addedPlanDescribesItselfPerLanguage();
    void insertFillsAndSaysWhatDidNotFit_data();
    void insertFillsAndSaysWhatDidNotFit();
    void newDocumentTakesThePlansBand();
    void rulesMarkTheCellsThatBreakThem_data();
    void rulesMarkTheCellsThatBreakThem();
};

void TestChannelPresets::shippedPlans_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("PMR446") << "PMR446" << 16 << "UHF" << "446.00625" << "446.19375";
    QTest::newRow("FRS") << "frs" << 22 << "UHF" << "462.56250" << "462.72500";
    QTest::newRow("UHF CB") << "uhfcb" << 16 << "UHF" << "476.62500" << "477.40000";
    QTest::newRow("LPD433") << "LPD433" << 16 << "UHF" << "433.07500" << "433.45000";
    QTest::newRow("MURS") << "MURS" << 5 << "VHF" << "151.82000" << "154.60000";
}

void TestChannelPresets::shippedPlans()
{
    QFETCH(int, count);
    QFETCH(QString, band);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, name);
    QStringList problems;
    ShippedPresets(&problems);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    const ChannelPreset* p = FindPreset(name);
    QVERIFY(p);
    QCOMPARE(int(p->channels.size()), count);
    QCOMPARE(BandFamilyName(p->band), band);
    const QStringList rx = Receives(*p);
    QCOMPARE(rx.first(), first);
    QCOMPARE(rx.last(), last);
    for (const Channel& ch : p->channels) {
        QCOMPARE(ch.transmit, ch.receive);
        QCOMPARE(ch.power, Power::Low);
        // Every channel of a plan lies on its service's frequencies and keeps its rules.
        QVERIFY(p->ruleFor(*ch.receive));
        QVERIFY(CheckChannelRules(1, ch).empty());
    }
    if (p->name == QLatin1String("PMR446")) {
        QStringList expected;
        for (int k = 0; k < 16; ++k)
            expected << FrequencyText(44600625 + 1250 * k, QStringLiteral("."));
        QCOMPARE(rx, expected);
        for (const Channel& ch : p->channels)
            QCOMPARE(ch.spacing, Spacing::Narrow);
    }
}

void TestChannelPresets::badFiles_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("error");
    const QByteArray channel = R"("channels": [{"rx": "446.00625"}])";
    QTest::newRow("not json") << QByteArray("{") << "";
    QTest::newRow("array") << QByteArray("[]") << "it is not a JSON object";
    QTest::newRow("no name") << R"({"band": "UHF", )" + channel + "}" << "it has no name";
    QTest::newRow("band") << R"({"name": "X", "band": "SHF", )" + channel + "}" << "band must be UHF or VHF";
    QTest::newRow("no channels") << QByteArray(R"({"name": "X", "band": "UHF"})") << "it has no channels";
    QTest::newRow("six decimals") << QByteArray(R"({"name": "X", "band": "UHF", "channels": [{"rx": "446.006251"}]})")
                                  << "'446.006251' is not a frequency in MHz with at most five decimals";
    QTest::newRow("outside 50-520") << QByteArray(R"({"name": "X", "band": "UHF", "channels": [{"rx": "900"}]})")
                                    << "'900' is not a frequency in MHz with at most five decimals";
    QTest::newRow("power") << R"({"name": "X", "band": "UHF", "power": "max", )" + channel + "}"
                           << "power must be low, middle or high";
    QTest::newRow("tone corrected") << QByteArray(R"({"name": "X", "band": "UHF", "channels": [{"rx": "446", "decode": "23"}]})")
                                    << "decode '23' is not a code the radio stores as written";
    QTest::newRow("empty rule") << R"({"name": "X", "band": "UHF", "rules": [{}], )" + channel + "}"
                                << "a rule has no frequencies";
}

void TestChannelPresets::badFiles()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, error);
    QString reason;
    QVERIFY(!ParsePreset(json, &reason));
    QVERIFY(!reason.isEmpty());
    if (!error.isEmpty())
        QCOMPARE(reason, error);
}

void TestChannelPresets::addedPlanDescribesItselfPerLanguage()
{
    const auto plan = ParsePreset(QByteArrayLiteral(R"({"name": "Site", "band": "UHF", "description": "Our site",
        "description_zh_CN": "本站", "channels": [{"rx": "446"}]})"), nullptr);
    QVERIFY(plan);
    QCOMPARE(plan->title(QStringLiteral("zh_CN")), QStringLiteral("Site (本站)"));
    QCOMPARE(plan->title(QStringLiteral("en_US")), QStringLiteral("Site (Our site)"));
}

void TestChannelPresets::insertFillsAndSaysWhatDidNotFit_data()
{
    QTest::addColumn<QString>("presetName");
    QTest::addColumn<QList<int>>("used");     // channels holding something before
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<int>("bandHigh");
    QTest::addColumn<QList<int>>("filled");
    QTest::addColumn<QString>("summary");
    QTest::newRow("empty channels") << "PMR446" << QList<int> { 1, 2, 5 } << QList<int> { 3 } << 520
                                    << QList<int> { 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16 }
                                    << "13 channels of PMR446 are in channels 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16. "
                                       "No channel left for: 446.16875, 446.18125, 446.19375 MHz.";
    QTest::newRow("selected rows") << "MURS" << QList<int> {} << QList<int> { 4, 9 } << 520 << QList<int> {}
                                   << "No channel of MURS was inserted. Outside the radio's band, left out: "
                                      "151.82000, 151.88000, 151.94000, 154.57000, 154.60000 MHz.";
    QTest::newRow("band 400-470") << "UHF CB" << QList<int> {} << QList<int> { 2, 7 } << 470 << QList<int> {}
                                  << "No channel of UHF CB was inserted. Outside the radio's band, left out: "
                                     "476.62500, 476.65000, 476.67500, 476.70000, 476.72500, 476.75000, 476.77500, 476.80000, "
                                     "476.82500, 476.85000, 476.87500, 476.90000, 476.92500, 477.00000, 477.02500, 477.40000 MHz.";
    QTest::newRow("into two selected") << "LPD433" << QList<int> { 9 } << QList<int> { 9, 2 } << 520 << QList<int> { 9, 2 }
                                       << "2 channels of LPD433 are in channels 9, 2. No channel left for: 433.12500, "
                                          "433.15000, 433.17500, 433.20000, 433.22500, 433.25000, 433.27500, 433.30000, "
                                          "433.32500, 433.35000, 433.37500, 433.40000, 433.42500, 433.45000 MHz.";
}

void TestChannelPresets::insertFillsAndSaysWhatDidNotFit()
{
    QFETCH(QList<int>, used);
    QFETCH(QString, presetName);
    QFETCH(QList<int>, selected);
    QFETCH(int, bandHigh);
    QFETCH(QString, summary);
    QFETCH(QList<int>, filled);
    RadioDocument doc;
    Fresh(doc);
    for (int c = 1; c <= 16; ++c)
        doc.setChannel(c, used.contains(c) ? Channel::created(40000000 + c, 40000000 + c) : Channel {});
    BandState band = doc.band();
    band.highMHz = band.effectiveHighMHz = bandHigh;
    doc.setBand(band);
    doc.closeOpenStep();
    const RadioImage before = doc.memory();
    QSignalSpy steps(&doc, &RadioDocument::stepRecorded);
    const ChannelPreset& preset = *FindPreset(presetName);
    const PresetPlacement placed = InsertPresetChannels(doc, preset, selected);
    QCOMPARE(placed.filled, filled);
    QCOMPARE(placed.summary(preset.name), summary);
    for (qsizetype i = 0; i < filled.size(); ++i)
        QCOMPARE(doc.channel(filled.at(i)), preset.channels.at(i));
    QCOMPARE(steps.count(), filled.isEmpty() ? 0 : 1);
    if (!filled.isEmpty()) {
        const auto name = steps.first().at(0).value<StepName>();
        QCOMPARE(name.text(), QStringLiteral("Insert preset channels"));
        QVERIFY(steps.first().at(1).value<DocumentState>().memory == before);
    }
}

void TestChannelPresets::newDocumentTakesThePlansBand()
{
    RadioDocument doc;
    RadioImage image;
    image.clear();
    doc.setChannel(12, Channel::created(44000000, 44000000));
    const PresetPlacement placed = NewDocumentFromPreset(doc, image, *FindPreset(QStringLiteral("MURS")));
    QCOMPARE(doc.band().name, QStringLiteral("VHF"));
    QCOMPARE(placed.filled, (QList<int> { 1, 2, 3, 4, 5 }));
    QCOMPARE(doc.channel(4).spacing, Spacing::Wide);
    QVERIFY(!doc.channel(12).present());
    QVERIFY(doc.isModified());
}

void TestChannelPresets::rulesMarkTheCellsThatBreakThem_data()
{
    QTest::addColumn<QString>("rx");
    QTest::addColumn<QString>("tx"); // empty: receive-only
    QTest::addColumn<int>("power");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<QStringList>("findings"); // column: tooltip
    QTest::newRow("PMR446 high") << "446.00625" << "446.00625" << int(Power::High) << int(Spacing::Narrow)
                                 << QStringList { "5:PMR446 allows at most Low power on 446.00625 MHz" };
    QTest::newRow("PMR446 middle wide") << "446.19375" << "446.19375" << int(Power::Middle) << int(Spacing::Wide)
                                        << QStringList { "5:PMR446 allows at most Low power on 446.19375 MHz",
                                                         "7:PMR446 requires 12.5 kHz (narrow) spacing on 446.19375 MHz" };
    QTest::newRow("FRS main middle") << "462.56250" << "462.56250" << int(Power::Middle) << int(Spacing::Narrow) << QStringList {};
    QTest::newRow("FRS interstitial middle") << "467.56250" << "467.56250" << int(Power::Middle) << int(Spacing::Narrow)
                                             << QStringList { "5:FRS allows at most Low power on 467.56250 MHz" };
    QTest::newRow("UHF CB data channel") << "476.95000" << "476.95000" << int(Power::Low) << int(Spacing::Narrow)
                                         << QStringList { "2:UHF CB does not allow transmitting on 476.95000 MHz" };
    QTest::newRow("receive-only on it") << "476.95000" << "" << int(Power::High) << int(Spacing::Wide) << QStringList {};
    QTest::newRow("split, tx on PMR446") << "440.00000" << "446.10625" << int(Power::High) << int(Spacing::Narrow)
                                         << QStringList { "5:PMR446 allows at most Low power on 446.10625 MHz" };
    QTest::newRow("between channels") << "446.01250" << "446.01250" << int(Power::High) << int(Spacing::Wide) << QStringList {};
    QTest::newRow("MURS 4 wide") << "154.57000" << "154.57000" << int(Power::Middle) << int(Spacing::Wide) << QStringList {};
    QTest::newRow("LPD433 last") << "434.77500" << "434.77500" << int(Power::Middle) << int(Spacing::Wide)
                                 << QStringList { "5:LPD433 allows at most Low power on 434.77500 MHz" };
}

void TestChannelPresets::rulesMarkTheCellsThatBreakThem()
{
    QFETCH(QString, rx);
    QFETCH(int, power);
    QFETCH(int, spacing);
    QFETCH(QStringList, findings);
    QFETCH(QString, tx);
    RadioDocument doc;
    Fresh(doc);
    Channel ch = Channel::created(*ParseFrequency(rx, QStringLiteral(".")), 0);
    ch.transmit = tx.isEmpty() ? std::nullopt : ParseFrequency(tx, QStringLiteral("."));
    ch.power = Power(power);
    ch.spacing = Spacing(spacing);
    doc.setChannel(3, ch);
    const ChannelTableModel& model = ChannelTableModel::of(doc);
    QStringList marked;
    for (int column = 0; column < model.columnCount(); ++column) {
        const QModelIndex cell = model.index(ChannelTableModel::rowOf(3), column);
        const QString tip = model.data(cell, Qt::ToolTipRole).toString();
        QCOMPARE(model.data(cell, Qt::BackgroundRole).isValid(), !tip.isEmpty());
        if (!tip.isEmpty())
            marked << QStringLiteral("%1:%2").arg(column).arg(tip);
        // Other channels stay unmarked.
        QVERIFY(!model.data(model.index(ChannelTableModel::rowOf(4), column), Qt::BackgroundRole).isValid());
    }
    QCOMPARE(marked, findings);
    // The whole-image check lists the same findings, channel by channel.
    QCOMPARE(int(CheckChannelRules(doc.memory()).size()), marked.size());
    for (const RuleFinding& f : CheckChannelRules(doc.memory()))
        QVERIFY(f.line().startsWith(QStringLiteral("Channel 3: ")));
}

QTEST_GUILESS_MAIN(TestChannelPresets)
#include "test_channel_presets.moc"
