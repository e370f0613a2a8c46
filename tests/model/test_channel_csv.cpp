#include "test_support.h"
#include "channel_csv.h"
#include "radio_document.h"

#include <QTest>

using namespace t40;
using test::PeakKilobytes;

namespace {
constexpr int ChannelBytesStart = 16;
constexpr int ChannelBytesLength = 256;
constexpr int ScanBytes = 382;

// A typed code, or "#N" for a tone of N tenths stored as it is.
SignallingCode Code(const QString& text)
{
    return text.startsWith(u'#') ? SignallingCode::tone(text.mid(1).toInt()) : SignallingCode::fromTyped(text, QStringLiteral("."));
}

QByteArray ChannelBytes(const RadioDocument& doc)
{
    return doc.bytes(ChannelBytesStart, ChannelBytesLength) + doc.bytes(ScanBytes, 2);
}

// Channel c as one line of text, for comparing a whole import at a glance.
QString Summary(const RadioDocument& doc, int c)
{
    const Channel ch = doc.channel(c);
    if (!ch.present())
        return QStringLiteral("%1:-").arg(c);
    const QString dot = QStringLiteral(".");
    return QStringLiteral("%1:%2/%3 %4/%5 %6 %7 %8 %9")
        .arg(c)
        .arg(FrequencyText(*ch.receive, dot), ch.transmit ? FrequencyText(*ch.transmit, dot) : QStringLiteral("off"),
             ch.encode.text(dot, QStringLiteral("None")), ch.decode.text(dot, QStringLiteral("None")))
        .arg(QStringList { "Low", "Mid", "High" }.at(int(ch.power)),
             ch.spacing == Spacing::Wide ? QStringLiteral("FM") : QStringLiteral("NFM"),
             ch.scanAdd ? QStringLiteral("Add") : QStringLiteral("Skip"),
             QStringList { "None", "Carrier", "QT/DQT" }.at(int(ch.busyLock)));
}

QStringList Summaries(const RadioDocument& doc)
{
    QStringList list;
    for (int c = 1; c <= 16; ++c)
        if (doc.channel(c).present())
            list << Summary(doc, c);
    return list;
}

QStringList Places(const std::vector<CsvMessage>& messages)
{
    QStringList list;
    for (const CsvMessage& m : messages)
        list << QStringLiteral("%1:%2").arg(m.line).arg(m.column);
    return list;
}

QString Texts(const std::vector<CsvMessage>& messages)
{
    QStringList list;
    for (const CsvMessage& m : messages)
        list << m.text;
    return list.join(QLatin1Char('\n'));
}

// A document of the band 400-480 MHz (transmit to 470) with channel 1 as given.
void Prepare(RadioDocument& doc, const Channel& ch = {})
{
    doc.reset();
    doc.setBand({ QStringLiteral("UHF"), 400, 480, 470 });
    if (ch.present())
        doc.setChannel(1, ch);
}
} // namespace

class TestChannelCsv : public QObject {
    Q_OBJECT
private slots:
    // Export then import into an empty document gives the same channel bytes,
    // for every entry of the code list both ways and every other value.
    void roundTripOverEveryCode()
    {
        const QStringList codes = SignallingCodeListTexts(QStringLiteral("."), QStringLiteral("None"));
        QCOMPARE(codes.size(), SignallingListSize);
        const int total = SignallingListSize + 2; // and two codes outside the list
        for (int first = 0; first < total; first += 16) {
            RadioDocument source, target;
            Prepare(source);
            Prepare(target);
            for (int i = first; i < std::min(total, first + 16); ++i) {
                const Frequency rx = 44000000 + i * 625;
                Channel ch = Channel::created(rx, rx);
                switch (i % 4) {
                case 1: ch.transmit = rx + 500000; break;
                case 2: ch.transmit = rx - 1000005; break;
                case 3: ch.transmit.reset(); break;
                }
                ch.decode = i < SignallingListSize ? Code(codes.at(i)) : SignallingCode::dcs(0, i % 2);
                // Every code also transmits, against another one or against itself.
                ch.encode = i % 3 == 0 ? ch.decode : i < SignallingListSize ? Code(codes.at((i * 7 + 3) % SignallingListSize)) : SignallingCode::tone(671);
                ch.power = Power(i % 3);
                ch.busyLock = BusyLock((i / 3) % 3);
                ch.spacing = Spacing(i % 2);
                ch.scanAdd = i % 5 != 0;
                source.setChannel(i - first + 1, ch);
            }
            const ChannelCsvImport parsed = ParseChannelsCsv(ExportChannelsCsv(source), target.band());
            QVERIFY2(parsed.problems.empty() && parsed.notes.empty(), qPrintable(Texts(parsed.problems) + Texts(parsed.notes)));
            ApplyImportedChannels(target, parsed.rows);
            QCOMPARE(Summaries(target), Summaries(source));
            QCOMPARE(ChannelBytes(target), ChannelBytes(source));
        }
    }

    // How each pair of codes is written (Tone, rToneFreq, cToneFreq, DtcsCode,
    // DtcsPolarity, RxDtcsCode, CrossMode) and read back.
    void toneModes_data()
    {
        QTest::addColumn<QString>("encode");
        QTest::addColumn<QString>("decode");
        QTest::addColumn<QString>("columns");
        QTest::newRow("none") << "None" << "None" << "|88.5|88.5|023|NN|023|Tone->Tone";
        QTest::newRow("Tone") << "67.0" << "None" << "Tone|67.0|88.5|023|NN|023|Tone->Tone";
        QTest::newRow("TSQL") << "254.1" << "254.1" << "TSQL|254.1|254.1|023|NN|023|Tone->Tone";
        QTest::newRow("tone outside the list") << "67.1" << "None" << "Tone|67.1|88.5|023|NN|023|Tone->Tone";
        QTest::newRow("DTCS") << "D023N" << "D023N" << "DTCS|88.5|88.5|023|NN|023|Tone->Tone";
        QTest::newRow("DTCS, transmit inverted") << "D754I" << "D754N" << "DTCS|88.5|88.5|754|RN|754|Tone->Tone";
        QTest::newRow("DTCS outside the list") << "D000I" << "D000I" << "DTCS|88.5|88.5|000|RR|000|Tone->Tone";
        QTest::newRow("Tone->Tone") << "67.0" << "71.9" << "Cross|67.0|71.9|023|NN|023|Tone->Tone";
        QTest::newRow("Tone->DTCS") << "67.0" << "D754I" << "Cross|67.0|88.5|023|NR|754|Tone->DTCS";
        QTest::newRow("DTCS->Tone") << "D017N" << "100.0" << "Cross|88.5|100.0|017|NN|023|DTCS->Tone";
        QTest::newRow("->Tone") << "None" << "77.0" << "Cross|88.5|77.0|023|NN|023|->Tone";
        QTest::newRow("->DTCS") << "None" << "D565I" << "Cross|88.5|88.5|023|NR|565|->DTCS";
        QTest::newRow("DTCS->") << "D023I" << "None" << "Cross|88.5|88.5|023|RN|023|DTCS->";
        QTest::newRow("DTCS->DTCS") << "D023N" << "D754I" << "Cross|88.5|88.5|023|NR|754|DTCS->DTCS";
        // Stored tones no list names go out as their number and come back as they were, said in a note.
        QTest::newRow("tones beyond the lists") << "#3000" << "#4095" << "Cross|300.0|409.5|023|NN|023|Tone->Tone";
    }
    void toneModes()
    {
        QFETCH(QString, encode);
        QFETCH(QString, decode);
        QFETCH(QString, columns);
        Channel ch = Channel::created(44600625, 44600625);
        ch.encode = Code(encode);
        ch.decode = Code(decode);
        RadioDocument doc;
        Prepare(doc, ch);
        const QByteArray csv = ExportChannelsCsv(doc);
        const QStringList row = QString::fromUtf8(csv).split(QStringLiteral("\r\n")).at(1).split(u',');
        QCOMPARE(row.mid(5, 7).join(u'|'), columns);
        RadioDocument back;
        Prepare(back);
        const ChannelCsvImport parsed = ParseChannelsCsv(csv, back.band());
        ApplyImportedChannels(back, parsed.rows);
        QCOMPARE(back.channel(1).encode, ch.encode);
        QCOMPARE(back.channel(1).decode, ch.decode);
        QVERIFY(parsed.problems.empty());
        const QStringList notePlaces = encode.startsWith(u'#') ? QStringList { "2:7", "2:8" } : QStringList();
        QCOMPARE(Places(parsed.notes), notePlaces);
    }

    void exportsTheWholeRow()
    {
        Channel ch = Channel::created(44600625, 44100625);
        ch.decode = Code(QStringLiteral("67.0"));
        ch.encode = ch.decode;
        ch.power = Power::Middle;
        ch.spacing = Spacing::Narrow;
        ch.scanAdd = false;
        ch.busyLock = BusyLock::Code;
        RadioDocument doc;
        Prepare(doc, ch);
        Channel receiveOnly = Channel::created(43000000, 43000000);
        receiveOnly.transmit.reset();
        doc.setChannel(16, receiveOnly);
        QCOMPARE(QString::fromUtf8(ExportChannelsCsv(doc)),
                 QStringLiteral("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                                "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE,BusyLock\r\n"
                                "1,,446.006250,-,5.000000,TSQL,67.0,67.0,023,NN,023,Tone->Tone,NFM,5.00,S,Mid,,,,,,QT/DQT\r\n"
                                "16,,430.000000,off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,,None\r\n"));
    }

    // Files as other programs and spreadsheets write them: what becomes of
    // each listed channel, and the notes about values stored differently.
    void readsFileForms_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<int>("inUse"); // a channel already in use at Middle power; 0: none
        QTest::addColumn<QStringList>("channels");
        QTest::addColumn<QString>("notes");
        // The note on the header names each missing column with what the rows got instead.
        const auto missing = [](const QStringList& used) { return "line 1: columns missing: " + used.join("; "); };
        const QString power = "Power (channels in use keep their power, new channels get Low on a licence-free service's "
                              "frequency and High elsewhere)";
        const QString busyLock = "BusyLock (channels in use keep their busy lock, new channels get None)";
        const QByteArray header = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                                  "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\n";
        QTest::newRow("the other program's own rows")
            << header + "0,CALL,446.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,,\n"
                        "1,REP,445.500000,+,0.600000,TSQL,88.5,100.0,023,NN,023,Tone->Tone,NFM,12.50,S,0.5W,note,,,,,\n"
                        "2,,440.000000,split,450.000000,DTCS,88.5,88.5,23,RN,754,Tone->Tone,FM,5.00,P,Middle,,,,,,\n"
                        "3,A,441.000000,-,1.000000,tsql,88.5,71.9,023,,023,Tone->Tone,FM,5.00,,high,,,,,,\n"
                        "4,,442.0000049,,0.000000,Cross,88.5,88.5,023,NR,754,->DTCS,FM,5.00,,Low,,,,,,\n"
                        "17,,446.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,,\n"
                        "5,,,,,,,,,,,,,,,,,,,,,\n"
            << 0 << QStringList { "1:445.50000/446.10000 100.0/100.0 Low NFM Skip None",
                             "2:440.00000/450.00000 D023I/D023N Mid FM Add None",
                             "3:441.00000/440.00000 71.9/71.9 High FM Add None",
                             "4:442.00000/442.00000 None/D754I Low FM Add None" }
            << missing({ busyLock }) + "\nline 3: 0.5W is stored as Low power\nline 6: 442.0000049 MHz is stored as 442.00000 MHz\n"
               "rows that are not channels of this radio (location outside 1..16) are left aside: lines 2, 7\n"
               "rows without frequency are left aside: lines 8\n"
               "names are not kept: the radio stores no channel names (lines 3, 5)";
        QTest::newRow("BOM, CRLF, quotes, our busy lock column")
            << QByteArray("\xEF\xBB\xBF\"Location\",\"Frequency\",\"Comment\",BusyLock,Extra\r\n"
                          "\"1\",\"446.006250\",\"a, \"\"quoted\"\"\r\ncomment\",Carrier,x\r\n"
                          "2,446.012500,,qt/dqt,\r\n")
            << 0
            << QStringList { "1:446.00625/446.00625 None/None Low FM Add Carrier",
                             "2:446.01250/446.01250 None/None High FM Add QT/DQT" }
            << "line 1: columns ignored: Extra\n"
                   + missing({ "Duplex (simplex: Tx = Rx)", "Tone (no tones)", "Mode (25 kHz, wide)", "Skip (every channel scanned)", power });
        QTest::newRow("without Power: channels in use keep theirs, licence-free ones are Low")
            << QByteArray("Location,Frequency,Duplex,Offset\n3,440.0,,\n4,446.1,,\n5,440.0,split,462.5625\n6,476.95,off,\n")
            << 3
            << QStringList { "3:440.00000/440.00000 None/None Mid FM Add None",
                             "4:446.10000/446.10000 None/None High FM Add None",
                             "5:440.00000/462.56250 None/None Low FM Add None",
                             "6:476.95000/off None/None Low FM Add None" }
            << missing({ "Tone (no tones)", "Mode (25 kHz, wide)", "Skip (every channel scanned)", power, busyLock });
        QTest::newRow("semicolons and decimal commas, any column order")
            << QByteArray("Frequency;Location;Duplex;Offset;Tone;rToneFreq;Power\n"
                          "446,00625;3;+;0,5;Tone;88,5;2W\n")
            << 0 << QStringList { "3:446.00625/446.50625 88.5/None High FM Add None" }
            << missing({ "DtcsPolarity (DCS codes of normal polarity)", "Mode (25 kHz, wide)", "Skip (every channel scanned)", busyLock })
                   + "\nline 2: 2W is stored as High power";
    }
    void readsFileForms()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QStringList, channels);
        QFETCH(QString, notes);
        QFETCH(int, inUse);
        RadioDocument doc;
        Prepare(doc);
        if (inUse) {
            Channel used = Channel::created(43000000, 43000000);
            used.power = Power::Middle;
            doc.setChannel(inUse, used);
        }
        const ChannelCsvImport parsed = ParseChannelsCsv(csv, doc.band());
        QVERIFY2(parsed.problems.empty(), qPrintable(Texts(parsed.problems)));
        ApplyImportedChannels(doc, parsed.rows);
        QCOMPARE(Summaries(doc), channels);
        QStringList noteTexts;
        for (const CsvMessage& m : parsed.notes) {
            noteTexts << (m.line ? QStringLiteral("line %1: ").arg(m.line) : QString()) + m.text;
        }
        QCOMPARE(noteTexts.join(u'\n'), notes);
    }

    // Every problem with its line and column; the rows without one stay importable.
    void badRows_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QStringList>("places");
        QTest::addColumn<QString>("texts");
        QTest::addColumn<QString>("validLocations");
        QTest::newRow("one of each")
            << QByteArray("Location,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,CrossMode,Mode,Skip,Power,BusyLock\n"
                          "1,446.0,,,Tone,88.55,,,,,,,,\n"
                          "2,446.0,,,TSQL,,500.0,,,,,,,\n"
                          "3,446.0,,,DTCS,,,089,,,,,,\n"
                          "4,490.0,,,,,,,,,,,,\n"
                          "5,446.0,+,30.0,,,,,,,,,,\n"
                          "6,44x6,,,,,,,,,,,,\n"
                          "x,446.0,,,,,,,,,,,,\n"
                          "1,446.0,,,,,,,,,,,,\n"
                          "9,446.0,,,DTCS,,,023,NX,,,,,\n"
                          "10,446.0,,,Cross,,,,,Tone->,,,,\n"
                          "11,446.0,,,DTCS-R,,,,,,AM,Y,9X,On\n"
                          "12,446.0,dup,,,,,,,,,,,\n"
                          "13,446.0,,,,,,,,,,,,\n")
            << QStringList { "2:6", "3:7", "4:8", "5:2", "6:4", "7:2", "8:1", "9:1", "10:9", "11:10",
                             "12:5", "12:11", "12:12", "12:13", "12:14", "13:3" }
            << QStringList { "\"88.55\" is not a CTCSS tone the radio can use", "\"500.0\" is not a CTCSS tone",
                             "\"089\" is not a DCS code the radio can store", "490.0 MHz is outside the band 400-480 MHz",
                             "476.0 MHz is outside the band 400-470 MHz", "\"44x6\" is not a number",
                             "\"x\" is not a number", "channel 1 is already given on line 2",
                             "unknown DCS polarity \"NX\"", "unknown cross mode \"Tone->\"", "unknown tone mode \"DTCS-R\"",
                             "the radio has no mode \"AM\"", "unknown skip \"Y\"", "unknown power \"9X\"",
                             "unknown busy lock \"On\"", "unknown duplex \"dup\"" }.join(u'\n')
            << "13";
        QTest::newRow("a column the row needs is missing")
            << QByteArray("Location,Frequency,Duplex,Tone\n1,446.0,+,\n2,446.0,,Tone\n3,446.0,-,\n4,446.0,,\n")
            << QStringList { "2:0", "3:0", "4:0" }
            << "the column Offset is missing\nthe column rToneFreq is missing\nthe column Offset is missing" << "4";
        QTest::newRow("a quote left open") << QByteArray("Location,Frequency\n1,446.0\n2,\"446.0\n3,446.0\n")
                                           << QStringList { "3:0" } << "a quoted field is not closed" << "1";
        QTest::newRow("no frequency column") << QByteArray("\n\nLocation,Freq\n1,446.0\n") << QStringList { "3:0" }
                                             << "the column Frequency is missing" << "";
        QTest::newRow("empty file") << QByteArray("\xEF\xBB\xBF\r\n") << QStringList { "1:0" }
                                    << "the file holds no header line" << "";
    }
    void badRows()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QStringList, places);
        QFETCH(QString, texts);
        QFETCH(QString, validLocations);
        RadioDocument doc;
        Prepare(doc);
        const QByteArray before = ChannelBytes(doc);
        const ChannelCsvImport parsed = ParseChannelsCsv(csv, doc.band());
        QCOMPARE(Places(parsed.problems).join(u' '), places.join(u' '));
        const QStringList expected = texts.split(u'\n');
        for (int i = 0; i < expected.size(); ++i) {
            QVERIFY2(parsed.problems.at(i).text.contains(expected.at(i)), qPrintable(parsed.problems.at(i).text));
        }
        QCOMPARE(ImportedLocationList(parsed.rows), validLocations);
        QCOMPARE(ChannelBytes(doc), before); // parsing changes nothing
    }

    // A file just under the size limit made of empty lines costs memory in
    // proportion to the file, not a record per line.
    void memoryFollowsTheFile()
    {
#ifdef __SANITIZE_ADDRESS__
        QSKIP("the address sanitizer's allocator changes the measure");
#endif
        RadioDocument doc;
        const QByteArray header = ExportChannelsCsv(doc).split('\n').first() + '\n';
        const QByteArray csv = header + QByteArray((4 << 20) - header.size() - 1, '\n');
        const long before = PeakKilobytes();
        const ChannelCsvImport parsed = ParseChannelsCsv(csv, doc.band());
        QVERIFY2(PeakKilobytes() - before < 64 * 1024, "parsing empty lines took memory per line");
        QVERIFY(parsed.rows.empty());
    }

    // Channels the file does not list, and what a row does not carry, stay as they are.
    void applyLeavesWhatTheFileDoesNotCarry()
    {
        RadioDocument doc;
        Prepare(doc);
        Channel kept = Channel::created(44000000, 44000000);
        kept.busyLock = BusyLock::Carrier;
        doc.setChannel(2, kept);
        doc.setChannel(3, kept);
        Channel unnamed = kept; // codes stored above the highest tone read as none in the lists
        unnamed.encode = SignallingCode::tone(3000);
        unnamed.decode = SignallingCode::tone(2600);
        doc.setChannel(4, unnamed);
        const int flags = ChannelBytesStart + 16 * 2 + 12;
        doc.setByte(flags, std::uint8_t(doc.byte(flags) | 0x05)); // spare flag bits
        doc.setByte(flags + 3, 0x03);                           // scramble type
        const QByteArray channel4 = doc.bytes(ChannelBytesStart + 16 * 3, 16);
        RadioDocument exported;
        Prepare(exported);
        exported.setChannel(4, unnamed);
        const ChannelCsvImport parsed
            = ParseChannelsCsv("Location,Frequency,Power\n2,441.0,Low\n5,442.0,Low\n", doc.band());
        ApplyImportedChannels(doc, parsed.rows);
        ApplyImportedChannels(doc, ParseChannelsCsv(ExportChannelsCsv(exported), doc.band()).rows);
        QCOMPARE(Summaries(doc), (QStringList { "2:441.00000/441.00000 None/None Low FM Add Carrier",
                                                "3:440.00000/440.00000 None/None High FM Add Carrier",
                                                "4:440.00000/440.00000 None/None High FM Add Carrier",
                                                "5:442.00000/442.00000 None/None Low FM Add None" }));
        QCOMPARE(doc.byte(flags) & 0x07, 0x05);
        QCOMPARE(doc.byte(flags + 3), 0x03);
        QCOMPARE(doc.bytes(ChannelBytesStart + 16 * 3, 16), channel4); // its codes too, after export and import
    }
};

QTEST_GUILESS_MAIN(TestChannelCsv)
#include "test_channel_csv.moc"
