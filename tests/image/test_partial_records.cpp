#include "dealer_record.h"
#include "stun_kill_codec.h"

#include <QTest>

#include <cstring>

using namespace t40;

namespace {
void PutText(RadioImage& memory, int address, const char* text)
{
    for (std::size_t i = 0; i < std::strlen(text); ++i)
        memory.setMemoryByte(address + int(i), std::uint8_t(text[i]));
}
} // namespace

class TestPartialRecords : public QObject {
    Q_OBJECT
private slots:
    void dealerTexts_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("first byte 0") << QByteArray("\0ABC", 4) << QString();
        QTest::newRow("ended by 0") << QByteArray("AB\0CD", 5) << QString("AB");
        QTest::newRow("full width") << QByteArray("0123456789ABCDEF") << QString("0123456789ABCDEF");
        QTest::newRow("Latin-1 byte") << QByteArray("\xE9t\xE9") << QString::fromLatin1("\xE9t\xE9");
    }
    void dealerTexts()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        RadioImage memory;
        for (int i = 0; i < 16; ++i)
            memory.setMemoryByte(Dealer::SerialNumber + i, 0);
        memory.writeBlock(Dealer::SerialNumber,
                          std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.constData()), bytes.size()));
        // Bytes after the field are not part of it.
        memory.setMemoryByte(Dealer::SerialNumber + 16, 'X');
        QCOMPARE(DecodeDealerRecord(memory).serialNumber, text);
    }

    void dealerRecordFields()
    {
        RadioImage memory;
        for (int a = 0x0A80; a < 0x0B80; ++a)
            memory.setMemoryByte(a, 0);
        PutText(memory, 0x0A80, "T40U03");
        memory.setMemoryByte(0x0A86, 2);
        PutText(memory, 0x0A88, "0755");
        PutText(memory, 0x0A90, "SN2026-0001");
        PutText(memory, 0x0AA0, "2026-01-02");
        PutText(memory, 0x0AB0, "MC-77");
        PutText(memory, 0x0AB8, "USER0001");
        PutText(memory, 0x0AC0, "2026-03-04");
        PutText(memory, 0x0AD0, "DEALER-9");
        PutText(memory, 0x0AE0, "2026-05-06");
        PutText(memory, 0x0AF0, "2026-07-08");
        PutText(memory, 0x0B00, "Li Wei");
        PutText(memory, 0x0B10, "Replaced the antenna");
        // The area code is four bytes wide: its neighbour is not part of it.
        memory.setMemoryByte(0x0A8C, 'Z');
        const DealerRecord r = DecodeDealerRecord(memory);
        QCOMPARE(r.modelName, QString("T40U03"));
        QCOMPARE(DealerModelIndex(r.modelName), 3);
        QCOMPARE(r.frequencyArea, 2);
        QCOMPARE(r.areaCode, QString("0755"));
        QCOMPARE(r.serialNumber, QString("SN2026-0001"));
        QCOMPARE(r.productionDate, QString("2026-01-02"));
        QCOMPARE(r.manufactureCode, QString("MC-77"));
        QCOMPARE(r.userCode, QString("USER0001"));
        QCOMPARE(r.maintenanceDate, QString("2026-03-04"));
        QCOMPARE(r.dealerCode, QString("DEALER-9"));
        QCOMPARE(r.stockDate, QString("2026-05-06"));
        QCOMPARE(r.sellDate, QString("2026-07-08"));
        QCOMPARE(r.seller, QString("Li Wei"));
        QCOMPARE(r.maintenanceDescription, QString("Replaced the antenna"));
    }

    void frequencyArea_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("position");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("2") << 2 << 2;
        QTest::newRow("3 shows 136-174") << 3 << 0;
        QTest::newRow("erased") << 0xFF << 0;
    }
    void frequencyArea()
    {
        QFETCH(int, byte);
        QFETCH(int, position);
        RadioImage memory;
        memory.setMemoryByte(Dealer::FrequencyArea, std::uint8_t(byte));
        QCOMPARE(DecodeDealerRecord(memory).frequencyArea, position);
        QCOMPARE(FrequencyAreaNames().at(position), QStringList({ "136-174MHz", "200-260MHz", "400-480MHz" }).at(position));
    }

    void modelNames()
    {
        const QStringList names = DealerModelNames();
        QCOMPARE(names.size(), 8);
        for (int i = 0; i < names.size(); ++i) {
            QCOMPARE(names.at(i).size(), 6);
            QCOMPARE(DealerModelIndex(names.at(i)), i);
        }
        QCOMPARE(DealerModelIndex(QStringLiteral("XYZ")), 7);
        QCOMPARE(DealerModelIndex(QString()), 7);
    }

    void firmwareVersion_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("text");
        QTest::newRow("point") << QByteArray("0123") << "." << "01.23";
        QTest::newRow("comma") << QByteArray("0123") << "," << "01,23";
        QTest::newRow("letters") << QByteArray("V2A1") << "." << "V2.A1";
        QTest::newRow("zero bytes show nothing") << QByteArray("1\0" "2\0", 4) << "." << "1.2";
    }
    void firmwareVersion()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, separator);
        QFETCH(QString, text);
        RadioImage memory;
        for (int i = 0; i < 4; ++i)
            memory.setByte(448 + i, std::uint8_t(bytes.at(i)));
        QCOMPARE(FirmwareVersionText(memory, separator), text);
    }

    void codeDecode_data()
    {
        QTest::addColumn<int>("lengths");
        QTest::addColumn<QByteArray>("digits");
        QTest::addColumn<QString>("stun");
        QTest::addColumn<QString>("kill");
        const QByteArray digits("\x01\x02\x0A\x0E\x00\x09\x10\x0F" "\x03\x04\x05\x06\x07\x08\x09\x0B", 16);
        QTest::newRow("0x9F: both counts ignored") << 0x9F << digits << "" << "";
        QTest::newRow("0x00: both empty") << 0x00 << digits << "" << "";
        QTest::newRow("stun 3, kill 2") << 0x23 << digits << "12A" << "34";
        QTest::newRow("stun 8 with a byte of 16") << 0x08 << digits << "12AE090F" << "";
        QTest::newRow("kill 8") << 0x80 << digits << "" << "3456789B";
        QTest::newRow("kill 9 ignored") << 0x91 << digits << "1" << "";
    }
    void codeDecode()
    {
        QFETCH(int, lengths);
        QFETCH(QByteArray, digits);
        QFETCH(QString, stun);
        QFETCH(QString, kill);
        RadioImage memory;
        for (int i = 0; i < 16; ++i)
            memory.setMemoryByte(StunKill::StunCode + i, std::uint8_t(digits.at(i)));
        memory.setMemoryByte(StunKill::CodeLengths, std::uint8_t(lengths));
        QCOMPARE(StunKill::DecodeCode(memory, StunKill::Code::Stun), stun);
        QCOMPARE(StunKill::DecodeCode(memory, StunKill::Code::Kill), kill);
    }

    void codeEncode_data()
    {
        QTest::addColumn<bool>("stun");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("digits");
        QTest::addColumn<int>("lengths");
        QTest::newRow("stun 1A keeps the kill nibble") << true << "1A" << QByteArray("\x01\x0A\0\0\0\0\0\0", 8) << 0x52;
        QTest::newRow("stun empty") << true << "" << QByteArray(8, '\0') << 0x50;
        QTest::newRow("kill 8 digits") << false << "0123ABCE" << QByteArray("\x00\x01\x02\x03\x0A\x0B\x0C\x0E", 8) << 0x83;
        QTest::newRow("kill lower case and junk cleaned") << false << "a-b 9" << QByteArray("\x0A\x0B\x09\0\0\0\0\0", 8) << 0x33;
        QTest::newRow("F is no code digit") << true << "F12" << QByteArray("\x01\x02\0\0\0\0\0\0", 8) << 0x52;
        QTest::newRow("nine digits keep eight") << true << "123456789" << QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08", 8) << 0x58;
    }
    void codeEncode()
    {
        QFETCH(bool, stun);
        QFETCH(QString, text);
        QFETCH(QByteArray, digits);
        QFETCH(int, lengths);
        RadioImage memory;
        for (int i = 0; i < 16; ++i)
            memory.setMemoryByte(StunKill::StunCode + i, 0x07);
        memory.setMemoryByte(StunKill::CodeLengths, 0x53);
        const StunKill::Code code = stun ? StunKill::Code::Stun : StunKill::Code::Kill;
        StunKill::EncodeCode(memory, code, text);
        const int first = stun ? StunKill::StunCode : StunKill::KillCode;
        const int other = stun ? StunKill::KillCode : StunKill::StunCode;
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(int(memory.memoryByte(first + i)), int(std::uint8_t(digits.at(i))));
            QCOMPARE(int(memory.memoryByte(other + i)), 0x07);
        }
        QCOMPARE(int(memory.memoryByte(StunKill::CodeLengths)), lengths);
        QCOMPARE(StunKill::DecodeCode(memory, code), StunKill::CleanCode(text));
    }

    void codeKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("digit") << int('7') << int('7');
        QTest::newRow("capital") << int('E') << int('E');
        QTest::newRow("small becomes capital") << int('c') << int('C');
        QTest::newRow("F rejected") << int('F') << 0;
        QTest::newRow("f rejected") << int('f') << 0;
        QTest::newRow("star rejected") << int('*') << 0;
        QTest::newRow("Backspace") << 8 << 8;
        QTest::newRow("Enter") << 13 << 13;
    }
    void codeKeys()
    {
        QFETCH(int, key);
        QFETCH(int, result);
        QCOMPARE(StunKill::FilterCodeKey(key), result);
    }

    void statusBytes()
    {
        RadioImage memory;
        const std::uint8_t status[] = { 0xFF, 0x55, 0xAA };
        for (int position = 0; position < 3; ++position) {
            StunKill::SetStatusPosition(memory, position);
            QCOMPARE(memory.memoryByte(StunKill::Status), status[position]);
            QCOMPARE(StunKill::StatusPosition(memory), position);
        }
        memory.setMemoryByte(StunKill::Status, 0x12);
        QCOMPARE(StunKill::StatusPosition(memory), 0);
        StunKill::SetAckTypePosition(memory, 1);
        QCOMPARE(memory.memoryByte(StunKill::AckType), std::uint8_t(0x55));
        StunKill::SetAckTypePosition(memory, 0);
        QCOMPARE(memory.memoryByte(StunKill::AckType), std::uint8_t(0xFF));
        memory.setMemoryByte(StunKill::AckType, 0x00);
        QCOMPARE(StunKill::AckTypePosition(memory), 0);
        StunKill::SetEnabled(memory, true);
        QCOMPARE(memory.memoryByte(StunKill::Enable), std::uint8_t(0x55));
        StunKill::SetEnabled(memory, false);
        QCOMPARE(memory.memoryByte(StunKill::Enable), std::uint8_t(0xFF));
    }

    void rxVoice_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("position");
        QTest::newRow("0 shows 1") << 0 << 0;
        QTest::newRow("15 shows 16") << 15 << 15;
        QTest::newRow("16 shows 15") << 16 << 14;
        QTest::newRow("0x30 shows 15") << 0x30 << 14;
        QTest::newRow("erased shows 15") << 0xFF << 14;
    }
    void rxVoice()
    {
        QFETCH(int, byte);
        QFETCH(int, position);
        RadioImage memory;
        memory.setMemoryByte(Special::RxVoiceLevel, std::uint8_t(byte));
        QCOMPARE(Special::RxVoicePosition(memory), position);
        Special::SetRxVoicePosition(memory, position);
        QCOMPARE(int(memory.memoryByte(Special::RxVoiceLevel)), position);
        QCOMPARE(int(memory.memoryByte(Special::RxVoiceLevel + 1)), 0xFF);
    }
};

QTEST_GUILESS_MAIN(TestPartialRecords)
#include "test_partial_records.moc"
