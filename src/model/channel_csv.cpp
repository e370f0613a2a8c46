#include "channel_csv.h"

#include "channel_presets.h"

#include "decimal_text.h"
#include "radio_document.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>

namespace t40 {

// The messages about a file speak the interface language (t40-cli has no
// translator: English).
struct ChannelCsvText {
    Q_DECLARE_TR_FUNCTIONS(t40::ChannelCsvText)
};

namespace {

enum Column {
    Location, Name, FrequencyColumn, Duplex, Offset, ToneMode, RToneFreq, CToneFreq, DtcsCode, DtcsPolarity,
    RxDtcsCode, CrossMode, Mode, TStep, Skip, PowerColumn, Comment, UrCall, Rpt1Call, Rpt2Call, DvCode,
    BusyLockColumn, ColumnCount
};

constexpr std::array<const char*, ColumnCount> ColumnNames {
    "Location", "Name", "Frequency", "Duplex", "Offset", "Tone", "rToneFreq", "cToneFreq", "DtcsCode",
    "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode", "TStep", "Skip", "Power", "Comment", "URCALL",
    "RPT1CALL", "RPT2CALL", "DVCODE", "BusyLock"
};

// Tones as the program accepts them when typed. A stored value above the
// highest shown one reads as no code in the lists, yet it is the radio's
// byte: it goes out as its number and comes back as it was, with a note.
constexpr int LowestTone = 670;
constexpr int HighestTone = 2541;
constexpr int HighestShownTone = 2543;
constexpr int HighestStoredTone = 256 * SignallingBits::ToneHighBits + 0xFF;
constexpr std::int64_t NanoPerMHz = 1'000'000'000;
constexpr std::int64_t NanoPerUnit = NanoPerMHz / FrequencyUnitsPerMHz; // 10 Hz
const QString DefaultTone = QStringLiteral("88.5");
const QString DefaultDcs = QStringLiteral("023");
const QString ToneWord = QStringLiteral("Tone");
const QString DcsWord = QStringLiteral("DTCS");

QString Quoted(const QString& text)
{
    return QLatin1Char('"') + QString(text).replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
}

QString CsvField(const QString& text)
{
    static const QRegularExpression special(QStringLiteral("[,;\"\r\n]"));
    return text.contains(special) ? Quoted(text) : text;
}

// Whole MHz and six decimals.
QString MHzText(std::int64_t units)
{
    const QString sign = units < 0 ? QStringLiteral("-") : QString();
    units = units < 0 ? -units : units;
    return sign + QString::number(units / FrequencyUnitsPerMHz) + QLatin1Char('.')
        + QStringLiteral("%1").arg(units % FrequencyUnitsPerMHz * 10, 6, 10, QLatin1Char('0'));
}

// A value in 10^-9 MHz without trailing zeros (at least one decimal).
QString NanoText(std::int64_t nano)
{
    const QString sign = nano < 0 ? QStringLiteral("-") : QString();
    nano = nano < 0 ? -nano : nano;
    QString fraction = QStringLiteral("%1").arg(nano % NanoPerMHz, 9, 10, QLatin1Char('0'));
    while (fraction.size() > 1 && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    return sign + QString::number(nano / NanoPerMHz) + QLatin1Char('.') + fraction;
}

QString DcsDigits(int value) { return QStringLiteral("%1").arg(value, 3, 8, QLatin1Char('0')); }

bool ReadsAsNone(const SignallingCode& code)
{
    return code.kind == SignallingCode::Kind::None || (code.kind == SignallingCode::Kind::Ctcss && code.value > HighestShownTone);
}

QString KindWord(const SignallingCode& code)
{
    switch (code.kind) {
    case SignallingCode::Kind::Ctcss: return ToneWord;
    case SignallingCode::Kind::Dcs: return DcsWord;
    case SignallingCode::Kind::None: break;
    }
    return QString();
}

QChar PolarityLetter(const SignallingCode& code)
{
    return code.kind == SignallingCode::Kind::Dcs && code.inverted ? u'R' : u'N';
}

// The tone columns for a channel's transmit (encode) and receive (decode) codes.
void WriteToneColumns(SignallingCode encode, SignallingCode decode, std::array<QString, ColumnCount>& row)
{
    using Kind = SignallingCode::Kind;
    row[RToneFreq] = encode.kind == Kind::Ctcss ? ToneText(encode.value, QStringLiteral(".")) : DefaultTone;
    row[CToneFreq] = decode.kind == Kind::Ctcss ? ToneText(decode.value, QStringLiteral(".")) : DefaultTone;
    row[DtcsCode] = encode.kind == Kind::Dcs ? DcsDigits(encode.value) : DefaultDcs;
    row[RxDtcsCode] = decode.kind == Kind::Dcs ? DcsDigits(decode.value) : DefaultDcs;
    row[DtcsPolarity] = QString(PolarityLetter(encode)) + PolarityLetter(decode);
    row[CrossMode] = QStringLiteral("Tone->Tone");
    if (encode.kind == Kind::None && decode.kind == Kind::None)
        row[ToneMode] = QString();
    else if (encode.kind == Kind::Ctcss && decode.kind == Kind::None)
        row[ToneMode] = ToneWord;
    else if (encode.kind == Kind::Ctcss && decode.kind == Kind::Ctcss && encode.value == decode.value)
        row[ToneMode] = QStringLiteral("TSQL");
    else if (encode.kind == Kind::Dcs && decode.kind == Kind::Dcs && encode.value == decode.value)
        row[ToneMode] = DcsWord; // the polarities may differ
    else {
        row[ToneMode] = QStringLiteral("Cross");
        row[CrossMode] = KindWord(encode) + QStringLiteral("->") + KindWord(decode);
    }
}

QString PowerWord(Power power)
{
    switch (power) {
    case Power::Low: return QStringLiteral("Low");
    case Power::Middle: return QStringLiteral("Mid");
    case Power::High: break;
    }
    return QStringLiteral("High");
}

QString BusyLockWord(BusyLock lock)
{
    switch (lock) {
    case BusyLock::Carrier: return QStringLiteral("Carrier");
    case BusyLock::Code: return QStringLiteral("QT/DQT");
    case BusyLock::None: break;
    }
    return QStringLiteral("None");
}

// ---- reading ----

struct Record {
    int line = 0;
    QStringList fields;
    bool unclosedQuote = false;
    bool blank() const
    {
        for (const QString& f : fields)
            if (!f.trimmed().isEmpty())
                return false;
        return true;
    }
};

bool IsLineEnd(QChar c) { return c == u'\n' || c == u'\r'; }

// The separator of the first line: a semicolon when it has more of them than commas.
QChar DetectSeparator(const QString& text)
{
    int commas = 0, semicolons = 0;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && IsLineEnd(c) && (commas || semicolons))
            break;
        else if (!quoted && c == u',')
            ++commas;
        else if (!quoted && c == u';')
            ++semicolons;
    }
    return semicolons > commas ? u';' : u',';
}

// Fields of every record that is not blank; a quoted field may hold
// separators, doubled quotes and line ends. A record's line is the one it
// starts on.
std::vector<Record> SplitRecords(const QString& text, QChar separator)
{
    std::vector<Record> records;
    int line = 1;
    Record record { line, {}, false };
    QString field;
    bool quoted = false;
    bool wasQuoted = false;
    const auto endOfLine = [&](qsizetype& i) {
        if (text.at(i) == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        ++line;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else if (IsLineEnd(c)) {
                endOfLine(i);
                field += u'\n';
            } else {
                field += c;
            }
        } else if (c == u'"' && !wasQuoted && field.trimmed().isEmpty()) {
            quoted = wasQuoted = true;
            field.clear();
        } else if (c == separator) {
            record.fields.append(field);
            field.clear();
            wasQuoted = false;
        } else if (IsLineEnd(c)) {
            record.fields.append(field);
            // Blank lines say nothing; keeping them would cost far more memory than the file.
            if (!record.blank())
                records.push_back(std::move(record));
            field.clear();
            wasQuoted = false;
            endOfLine(i);
            record = Record { line, {}, false };
        } else {
            field += c;
        }
    }
    if (quoted || !field.isEmpty() || !record.fields.isEmpty()) {
        record.fields.append(field);
        record.unclosedQuote = quoted;
        records.push_back(record);
    }
    return records;
}

CsvMessage Message(int line, int column, const QString& columnName, const QString& text)
{
    return { line, column, columnName, text };
}

QString LineList(const std::vector<int>& lines)
{
    QStringList texts;
    for (std::size_t i = 0; i < lines.size() && i < 10; ++i)
        texts << QString::number(lines[i]);
    if (lines.size() > 10)
        texts << QStringLiteral("...");
    return texts.join(QStringLiteral(", "));
}

using ColumnIndex = std::array<int, ColumnCount>; // field of each known column, -1 when absent

// Checks one row and builds its channel; problems and notes carry the row's place.
class RowReader {
public:
    RowReader(const Record& record, const ColumnIndex& index, QChar separator, const BandState& band)
        : record_(record), index_(index), separator_(separator), band_(band)
    {
    }

    std::vector<CsvMessage> problems;
    std::vector<CsvMessage> notes;

    QString cell(Column c) const
    {
        const int i = index_[c];
        return i >= 0 && i < record_.fields.size() ? record_.fields.at(i).trimmed() : QString();
    }
    // A value the row needs from a column the file lacks: the column is named, not its empty cell.
    void problem(Column c, const QString& text)
    {
        problems.push_back(Place(c, index_[c] >= 0 ? text
                                                   : ChannelCsvText::tr("the column %1 is missing").arg(QLatin1String(ColumnNames[c]))));
    }
    void note(Column c, const QString& text) { notes.push_back(Place(c, text)); }

    // A number in a cell; a semicolon-separated file may use a decimal comma.
    std::optional<DecimalText> number(Column c)
    {
        QString text = cell(c);
        if (separator_ == u';')
            text.replace(u',', u'.');
        return ParseDecimal(text, QStringLiteral("."));
    }
    std::optional<std::int64_t> nanoMHz(Column c)
    {
        const auto value = number(c);
        if (!value) {
            problem(c, ChannelCsvText::tr("\"%1\" is not a number").arg(cell(c)));
            return std::nullopt;
        }
        return value->scaled(9);
    }
    // A frequency as stored (10 Hz steps, ties to even), checked against the band.
    std::optional<Frequency> stored(Column c, std::int64_t nano, int highMHz)
    {
        std::int64_t units = nano / NanoPerUnit;
        const std::int64_t rest = nano % NanoPerUnit;
        if (rest > NanoPerUnit / 2 || (rest == NanoPerUnit / 2 && units % 2 == 1))
            ++units;
        if (nano < 0 || units < band_.lowMHz * FrequencyUnitsPerMHz || units > highMHz * FrequencyUnitsPerMHz) {
            problem(c,
                    ChannelCsvText::tr("%1 MHz is outside the band %2-%3 MHz").arg(NanoText(nano)).arg(band_.lowMHz).arg(highMHz));
            return std::nullopt;
        }
        const QString text = FrequencyText(Frequency(units), QStringLiteral("."));
        if (rest != 0)
            note(c, ChannelCsvText::tr("%1 MHz is stored as %2 MHz").arg(NanoText(nano), text));
        return Frequency(units);
    }

    std::optional<SignallingCode> tone(Column c)
    {
        const auto value = number(c);
        static const QRegularExpression zeros(QStringLiteral("^0*$"));
        const bool tenthSteps = value && zeros.match(value->fraction.mid(1)).hasMatch();
        const std::int64_t tenths = value ? value->scaled(1) : 0;
        if (tenthSteps && tenths > HighestShownTone && tenths <= HighestStoredTone) {
            note(c, ChannelCsvText::tr("%1 Hz lies beyond the tones the lists name: kept as it is (the lists show no code)").arg(cell(c)));
            return SignallingCode::tone(int(tenths));
        }
        if (!tenthSteps || tenths < LowestTone || tenths > HighestTone) {
            problem(c,
                    ChannelCsvText::tr("\"%1\" is not a CTCSS tone the radio can use (67.0 to 254.1 Hz in steps of 0.1 Hz)").arg(cell(c)));
            return std::nullopt;
        }
        return SignallingCode::tone(int(tenths));
    }

    std::optional<SignallingCode> dcs(Column c, bool inverted)
    {
        static const QRegularExpression octal(QStringLiteral("^[0-7]{1,3}$"));
        const QString text = cell(c);
        if (!octal.match(text).hasMatch()) {
            problem(c,
                    ChannelCsvText::tr("\"%1\" is not a DCS code the radio can store (three octal digits, 000 to 777)").arg(text));
            return std::nullopt;
        }
        return SignallingCode::dcs(text.toInt(nullptr, 8), inverted);
    }

    const BandState& band() const { return band_; }

private:
    CsvMessage Place(Column c, const QString& text) const
    {
        return Message(record_.line, index_[c] + 1, QString::fromLatin1(ColumnNames[c]), text);
    }

    const Record& record_;
    const ColumnIndex& index_;
    QChar separator_;
    const BandState& band_;
};

void ReadTones(RowReader& row, Channel& channel)
{
    const QString mode = row.cell(ToneMode);
    QString encodeKind, decodeKind;
    if (mode.isEmpty()) {
    } else if (mode.compare(ToneWord, Qt::CaseInsensitive) == 0) {
        encodeKind = ToneWord;
    } else if (mode.compare(QLatin1String("TSQL"), Qt::CaseInsensitive) == 0) {
        if (const auto t = row.tone(CToneFreq))
            channel.encode = channel.decode = *t;
        return;
    } else if (mode.compare(DcsWord, Qt::CaseInsensitive) == 0) {
        encodeKind = decodeKind = DcsWord;
    } else if (mode.compare(QLatin1String("Cross"), Qt::CaseInsensitive) == 0) {
        static const QStringList crossModes { QStringLiteral("Tone->Tone"), QStringLiteral("Tone->DTCS"),
                                              QStringLiteral("DTCS->Tone"), QStringLiteral("->Tone"),
                                              QStringLiteral("->DTCS"), QStringLiteral("DTCS->"),
                                              QStringLiteral("DTCS->DTCS") };
        const QString cross = row.cell(CrossMode);
        if (!crossModes.contains(cross, Qt::CaseInsensitive)) {
            const QString known = crossModes.join(QStringLiteral(", "));
            row.problem(CrossMode, ChannelCsvText::tr("unknown cross mode \"%1\" (%2)").arg(cross, known));
            return;
        }
        const qsizetype arrow = cross.indexOf(QLatin1String("->"));
        encodeKind = cross.left(arrow).toUpper() == DcsWord ? DcsWord : cross.left(arrow).isEmpty() ? QString() : ToneWord;
        decodeKind = cross.mid(arrow + 2).toUpper() == DcsWord ? DcsWord : cross.mid(arrow + 2).isEmpty() ? QString() : ToneWord;
    } else {
        row.problem(ToneMode, ChannelCsvText::tr("unknown tone mode \"%1\" (empty, Tone, TSQL, DTCS or Cross)").arg(mode));
        return;
    }
    bool encodeInverted = false, decodeInverted = false;
    if (encodeKind == DcsWord || decodeKind == DcsWord) {
        static const QRegularExpression polarity(QStringLiteral("^[NR]{2}$"), QRegularExpression::CaseInsensitiveOption);
        const QString text = row.cell(DtcsPolarity);
        if (!text.isEmpty() && !polarity.match(text).hasMatch()) {
            row.problem(DtcsPolarity, ChannelCsvText::tr("unknown DCS polarity \"%1\" (NN, NR, RN or RR)").arg(text));
            return;
        }
        encodeInverted = text.size() == 2 && text.at(0).toUpper() == u'R';
        decodeInverted = text.size() == 2 && text.at(1).toUpper() == u'R';
    }
    if (mode.compare(DcsWord, Qt::CaseInsensitive) == 0) {
        // One code both ways, each with its own polarity.
        if (const auto d = row.dcs(DtcsCode, encodeInverted)) {
            channel.encode = *d;
            channel.decode = SignallingCode::dcs(d->value, decodeInverted);
        }
        return;
    }
    if (encodeKind == ToneWord) {
        if (const auto t = row.tone(RToneFreq))
            channel.encode = *t;
    } else if (encodeKind == DcsWord) {
        if (const auto d = row.dcs(DtcsCode, encodeInverted))
            channel.encode = *d;
    }
    if (decodeKind == ToneWord) {
        if (const auto t = row.tone(CToneFreq))
            channel.decode = *t;
    } else if (decodeKind == DcsWord) {
        if (const auto d = row.dcs(RxDtcsCode, decodeInverted))
            channel.decode = *d;
    }
}

void ReadDuplex(RowReader& row, Channel& channel, std::int64_t receiveNano)
{
    const QString duplex = row.cell(Duplex).toLower();
    if (duplex == QLatin1String("off")) {
        channel.transmit.reset();
        return;
    }
    if (duplex.isEmpty()) {
        channel.transmit = channel.receive;
        return;
    }
    if (duplex != QLatin1String("+") && duplex != QLatin1String("-") && duplex != QLatin1String("split")) {
        row.problem(Duplex, ChannelCsvText::tr("unknown duplex \"%1\" (empty, +, -, split or off)").arg(row.cell(Duplex)));
        return;
    }
    const auto offset = row.nanoMHz(Offset);
    if (!offset)
        return;
    const std::int64_t transmit = duplex == QLatin1String("split") ? *offset
        : duplex == QLatin1String("+")                             ? receiveNano + *offset
                                                                   : receiveNano - *offset;
    if (const auto f = row.stored(Offset, transmit, row.band().effectiveHighMHz))
        channel.transmit = *f;
}

void ReadPower(RowReader& row, Channel& channel)
{
    const QString text = row.cell(PowerColumn);
    const QString word = text.toLower();
    if (word.isEmpty() || word == QLatin1String("high"))
        channel.power = Power::High;
    else if (word == QLatin1String("mid") || word == QLatin1String("middle"))
        channel.power = Power::Middle;
    else if (word == QLatin1String("low"))
        channel.power = Power::Low;
    else {
        // Watts, as other radios list their levels: two watts and more is the high level.
        static const QRegularExpression watts(QStringLiteral("^([0-9]+([.,][0-9]+)?)\\s*w$"));
        const auto match = watts.match(word);
        const auto value = match.hasMatch() ? ParseDecimal(match.captured(1).replace(u',', u'.'), QStringLiteral("."))
                                            : std::nullopt;
        if (!value) {
            row.problem(PowerColumn, ChannelCsvText::tr("unknown power \"%1\" (High, Mid, Low or watts such as 5.0W)").arg(text));
            return;
        }
        channel.power = value->compare(2) >= 0 ? Power::High : Power::Low;
        const bool high = channel.power == Power::High;
        row.note(PowerColumn, ChannelCsvText::tr("%1 is stored as %2 power").arg(text, high ? ChannelCsvText::tr("High") : ChannelCsvText::tr("Low")));
    }
}

void ReadOtherValues(RowReader& row, Channel& channel)
{
    const QString mode = row.cell(Mode).toUpper();
    if (mode.isEmpty() || mode == QLatin1String("FM"))
        channel.spacing = Spacing::Wide;
    else if (mode == QLatin1String("NFM"))
        channel.spacing = Spacing::Narrow;
    else
        row.problem(Mode, ChannelCsvText::tr("the radio has no mode \"%1\" (FM or NFM)").arg(row.cell(Mode)));

    const QString skip = row.cell(Skip).toUpper();
    if (skip.isEmpty() || skip == QLatin1String("P"))
        channel.scanAdd = true;
    else if (skip == QLatin1String("S"))
        channel.scanAdd = false;
    else
        row.problem(Skip, ChannelCsvText::tr("unknown skip \"%1\" (empty or S)").arg(row.cell(Skip)));

    const QString lock = row.cell(BusyLockColumn).toLower();
    if (lock.isEmpty() || lock == QLatin1String("none") || lock == QLatin1String("off"))
        channel.busyLock = BusyLock::None;
    else if (lock == QLatin1String("carrier"))
        channel.busyLock = BusyLock::Carrier;
    else if (lock == QLatin1String("qt/dqt") || lock == QLatin1String("code"))
        channel.busyLock = BusyLock::Code;
    else
        row.problem(BusyLockColumn, ChannelCsvText::tr("unknown busy lock \"%1\" (None, Carrier or QT/DQT)").arg(row.cell(BusyLockColumn)));
}

// The known columns of the header row; the others are named in one note.
ColumnIndex ReadHeader(const Record& header, ChannelCsvImport& result)
{
    ColumnIndex index;
    index.fill(-1);
    QStringList ignored;
    for (int i = 0; i < header.fields.size(); ++i) {
        const QString name = header.fields.at(i).trimmed();
        int known = -1;
        for (int c = 0; c < ColumnCount; ++c)
            if (name.compare(QLatin1String(ColumnNames[c]), Qt::CaseInsensitive) == 0)
                known = c;
        if (known >= 0 && index[known] < 0)
            index[known] = i;
        else if (!name.isEmpty())
            ignored << name;
    }
    if (!ignored.isEmpty())
        result.notes.push_back(Message(header.line, 0, QString(),
                                       ChannelCsvText::tr("columns ignored: %1").arg(ignored.join(ChannelCsvText::tr(", ", "list separator")))));
    // What the rows get without each column that means something to the radio
    // (ReadDuplex, ReadTones, ReadOtherValues, ApplyImportedChannels). The code
    // columns behind Tone matter only with it; a row that needs a missing one is a problem.
    QStringList missing;
    const auto ifMissing = [&](Column c, const QString& used) {
        if (index[c] < 0)
            missing << used;
    };
    ifMissing(Duplex, ChannelCsvText::tr("Duplex (simplex: Tx = Rx)"));
    ifMissing(ToneMode, ChannelCsvText::tr("Tone (no tones)"));
    if (index[ToneMode] >= 0)
        ifMissing(DtcsPolarity, ChannelCsvText::tr("DtcsPolarity (DCS codes of normal polarity)"));
    ifMissing(Mode, ChannelCsvText::tr("Mode (25 kHz, wide)"));
    ifMissing(Skip, ChannelCsvText::tr("Skip (every channel scanned)"));
    ifMissing(PowerColumn, ChannelCsvText::tr("Power (channels in use keep their power, new channels get Low on a "
                                              "licence-free service's frequency and High elsewhere)"));
    ifMissing(BusyLockColumn, ChannelCsvText::tr("BusyLock (channels in use keep their busy lock, new channels get None)"));
    if (!missing.isEmpty())
        result.notes.push_back(Message(header.line, 0, QString(),
                                       ChannelCsvText::tr("columns missing: %1")
                                           .arg(missing.join(ChannelCsvText::tr("; ", "separator of the missing columns")))));
    for (Column required : { Location, FrequencyColumn })
        if (index[required] < 0)
            result.problems.push_back(Message(header.line, 0, QString::fromLatin1(ColumnNames[required]),
                                              ChannelCsvText::tr("the column %1 is missing").arg(QLatin1String(ColumnNames[required]))));
    return index;
}

} // namespace

QStringList ChannelCsvHeader()
{
    QStringList header;
    for (const char* name : ColumnNames)
        header << QString::fromLatin1(name);
    return header;
}

QByteArray ExportChannelsCsv(const RadioDocument& document)
{
    QString text = ChannelCsvHeader().join(u',') + QStringLiteral("\r\n");
    for (int c = 1; c <= ChannelCount; ++c) {
        const Channel channel = document.channel(c);
        if (!channel.present())
            continue;
        std::array<QString, ColumnCount> row;
        row[Location] = QString::number(c);
        row[FrequencyColumn] = MHzText(*channel.receive);
        row[Offset] = MHzText(0);
        if (!channel.transmit)
            row[Duplex] = QStringLiteral("off");
        else if (*channel.transmit != *channel.receive) {
            row[Duplex] = *channel.transmit > *channel.receive ? QStringLiteral("+") : QStringLiteral("-");
            row[Offset] = MHzText(std::abs(*channel.transmit - *channel.receive));
        }
        WriteToneColumns(channel.encode, channel.decode, row);
        row[Mode] = channel.spacing == Spacing::Narrow ? QStringLiteral("NFM") : QStringLiteral("FM");
        row[TStep] = QStringLiteral("5.00");
        row[Skip] = channel.scanAdd ? QString() : QStringLiteral("S");
        row[PowerColumn] = PowerWord(channel.power);
        row[BusyLockColumn] = BusyLockWord(channel.busyLock);
        QStringList fields;
        for (const QString& field : row)
            fields << CsvField(field);
        text += fields.join(u',') + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

ChannelCsvImport ParseChannelsCsv(const QByteArray& data, const BandState& band)
{
    ChannelCsvImport result;
    QString text = QString::fromUtf8(data);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QChar separator = DetectSeparator(text);
    const std::vector<Record> records = SplitRecords(text, separator);
    auto record = records.begin();
    while (record != records.end() && record->blank())
        ++record;
    if (record == records.end()) {
        result.problems.push_back(Message(1, 0, QString(), ChannelCsvText::tr("the file holds no header line")));
        return result;
    }
    const ColumnIndex index = ReadHeader(*record, result);
    if (!result.problems.empty())
        return result;

    std::map<int, int> lineOfLocation;
    std::vector<int> outside, withoutFrequency, named;
    for (++record; record != records.end(); ++record) {
        if (record->blank())
            continue;
        RowReader row(*record, index, separator, band);
        if (record->unclosedQuote) {
            result.problems.push_back(Message(record->line, 0, QString(), ChannelCsvText::tr("a quoted field is not closed")));
            continue;
        }
        const QString locationText = row.cell(Location);
        bool isNumber = false;
        const int location = locationText.toInt(&isNumber);
        if (locationText.isEmpty() || (isNumber && (location < 1 || location > ChannelCount))) {
            outside.push_back(record->line);
            continue;
        }
        if (row.cell(FrequencyColumn).isEmpty()) {
            withoutFrequency.push_back(record->line);
            continue;
        }
        if (!isNumber)
            row.problem(Location, ChannelCsvText::tr("\"%1\" is not a number").arg(locationText));
        else if (lineOfLocation.count(location))
            row.problem(Location, ChannelCsvText::tr("channel %1 is already given on line %2").arg(location).arg(lineOfLocation[location]));
        else
            lineOfLocation[location] = record->line;
        Channel channel;
        if (const auto receiveNano = row.nanoMHz(FrequencyColumn)) {
            channel.receive = row.stored(FrequencyColumn, *receiveNano, band.highMHz);
            if (channel.receive)
                ReadDuplex(row, channel, *receiveNano);
        }
        ReadTones(row, channel);
        ReadPower(row, channel);
        ReadOtherValues(row, channel);
        if (!row.problems.empty()) {
            std::stable_sort(row.problems.begin(), row.problems.end(),
                             [](const CsvMessage& a, const CsvMessage& b) { return a.column < b.column; });
            result.problems.insert(result.problems.end(), row.problems.begin(), row.problems.end());
            continue;
        }
        if (!row.cell(Name).isEmpty())
            named.push_back(record->line);
        result.notes.insert(result.notes.end(), row.notes.begin(), row.notes.end());
        result.rows.push_back({ record->line, location, channel, index[BusyLockColumn] >= 0, index[PowerColumn] >= 0 });
    }
    if (!outside.empty())
        result.notes.push_back(Message(0, 0, QString(),
                                       ChannelCsvText::tr("rows that are not channels of this radio (location outside 1..16) are left aside: lines %1")
                                           .arg(LineList(outside))));
    if (!withoutFrequency.empty())
        result.notes.push_back(Message(0, 0, QString(),
                                       ChannelCsvText::tr("rows without frequency are left aside: lines %1").arg(LineList(withoutFrequency))));
    if (!named.empty())
        result.notes.push_back(Message(0, 0, QString(),
                                       ChannelCsvText::tr("names are not kept: the radio stores no channel names (lines %1)").arg(LineList(named))));
    return result;
}

namespace {
// A frequency of one of the channel plans (PMR446, FRS ...), where a radio
// must not send at full power by default.
bool OnLicenceFreeFrequency(const Channel& channel)
{
    for (const ChannelPreset& preset : ShippedPresets())
        for (const auto& f : { channel.receive, channel.transmit })
            if (f && preset.ruleFor(*f))
                return true;
    return false;
}
} // namespace

void ApplyImportedChannels(RadioDocument& document, const std::vector<ImportedChannel>& rows)
{
    const RadioDocument::Step step(document, StepNames::ImportChannels());
    for (const ImportedChannel& row : rows) {
        Channel channel = row.channel;
        const Channel before = document.channel(row.location);
        if (!row.busyLockGiven)
            channel.busyLock = before.present() ? before.busyLock : BusyLock::None;
        if (!row.powerGiven)
            channel.power = before.present() ? before.power : OnLicenceFreeFrequency(channel) ? Power::Low : Power::High;
        // A stored code that the lists show as no code stays as stored under a
        // row without a code (files exported before such codes went out by number).
        if (before.present() && channel.encode.kind == SignallingCode::Kind::None && ReadsAsNone(before.encode))
            channel.encode = before.encode;
        if (before.present() && channel.decode.kind == SignallingCode::Kind::None && ReadsAsNone(before.decode))
            channel.decode = before.decode;
        document.setChannel(row.location, channel);
    }
}

QString ImportedLocationList(const std::vector<ImportedChannel>& rows)
{
    std::vector<int> locations;
    for (const ImportedChannel& row : rows)
        locations.push_back(row.location);
    std::sort(locations.begin(), locations.end());
    QStringList texts;
    for (int location : locations)
        texts << QString::number(location);
    return texts.join(QStringLiteral(", "));
}

} // namespace t40
