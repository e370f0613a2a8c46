#include "radio_document.h"

#include <algorithm>
#include <array>

namespace t40 {

namespace {
bool SameBand(const BandState& a, const BandState& b)
{
    return a.name == b.name && a.lowMHz == b.lowMHz && a.highMHz == b.highMHz
        && a.effectiveHighMHz == b.effectiveHighMHz;
}
} // namespace

RadioDocument::RadioDocument(QObject* parent)
    : QObject(parent)
{
    stepEnd_.setSingleShot(true);
    stepEnd_.setInterval(0);
    connect(&stepEnd_, &QTimer::timeout, this, &RadioDocument::closeOpenStep);
}

RadioDocument::Step::Step(RadioDocument& document, const StepName& name)
    : document_(document)
{
    document_.beginStep(name);
}

RadioDocument::Step::~Step()
{
    document_.endStep();
}

RadioDocument::Unrecorded::Unrecorded(RadioDocument& document)
    : document_(document)
{
    document_.closeOpenStep();
    ++document_.unrecorded_;
}

RadioDocument::Unrecorded::~Unrecorded()
{
    --document_.unrecorded_;
}

void RadioDocument::aboutToChange()
{
    if (!recording() || stepDepth_ > 0 || openStep_)
        return;
    openStep_ = true;
    stepBefore_ = state();
    stepEnd_.start();
}

void RadioDocument::beginStep(const StepName& name)
{
    if (stepDepth_++ > 0)
        return;
    closeOpenStep();
    stepName_ = name;
    stepBefore_ = state();
}

void RadioDocument::endStep()
{
    if (--stepDepth_ > 0)
        return;
    if (recording())
        recordStep(stepName_);
}

void RadioDocument::closeOpenStep()
{
    if (!openStep_)
        return;
    openStep_ = false;
    stepEnd_.stop();
    recordStep(StepName());
}

void RadioDocument::recordStep(const StepName& name)
{
    const DocumentState after = state();
    if (after.memory == stepBefore_.memory && SameBand(after.band, stepBefore_.band))
        return;
    emit stepRecorded(name.isEmpty() ? NameForChange(stepBefore_.memory, after.memory) : name, stepBefore_, after);
}

void RadioDocument::restore(const DocumentState& state)
{
    const Unrecorded quiet(*this);
    emit aboutToReplace();
    memory_ = state.memory;
    emit changed(0, RadioImage::MemorySize);
    setBand(state.band);
    emit replaced();
}

void RadioDocument::clearHistory()
{
    openStep_ = false;
    stepEnd_.stop();
    emit historyCleared();
}

QByteArray RadioDocument::bytes(int address, int length) const
{
    if (!RadioImage::blockInMemory(address, length))
        return {};
    return QByteArray(reinterpret_cast<const char*>(memory_.memory().data() + address), length);
}

bool RadioDocument::applyBytes(int address, std::span<const std::uint8_t> data)
{
    if (!RadioImage::blockInMemory(address, static_cast<int>(data.size())))
        return false;
    const auto current = memory_.memory().subspan(address, data.size());
    if (std::equal(data.begin(), data.end(), current.begin()))
        return true;
    aboutToChange();
    memory_.writeBlock(address, data);
    emit changed(address, static_cast<int>(data.size()));
    if (recording())
        setModified(true);
    return true;
}

bool RadioDocument::setBytes(int address, std::span<const std::uint8_t> data)
{
    return applyBytes(address, data);
}

bool RadioDocument::setByte(int address, std::uint8_t value)
{
    return applyBytes(address, std::span<const std::uint8_t>(&value, 1));
}

int RadioDocument::value(FieldId id) const
{
    const FieldSpec& f = Field(id);
    return (byte(f.offset) & f.mask) >> f.shift;
}

bool RadioDocument::valueInRange(FieldId id) const
{
    const int v = value(id);
    return v >= Field(id).min && v <= Field(id).max;
}

bool RadioDocument::setValue(FieldId id, int value)
{
    const FieldSpec& f = Field(id);
    if (f.length != 1 || value < f.min || value > f.max)
        return false;
    const int stored = (byte(f.offset) & ~f.mask) | ((value << f.shift) & f.mask);
    return setByte(f.offset, static_cast<std::uint8_t>(stored));
}

QByteArray RadioDocument::fieldBytes(FieldId id) const
{
    return bytes(Field(id).offset, Field(id).length);
}

bool RadioDocument::setFieldBytes(FieldId id, const QByteArray& data)
{
    if (data.size() != Field(id).length)
        return false;
    return applyBytes(Field(id).offset,
                      std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(data.constData()),
                                                    static_cast<std::size_t>(data.size())));
}

Channel RadioDocument::channel(int c) const
{
    return ReadChannel(memory_, c);
}

void RadioDocument::edit(const std::function<void(RadioImage&)>& rule)
{
    RadioImage edited = memory_;
    rule(edited);
    const auto before = memory_.memory();
    const auto after = edited.memory();
    int first = 0;
    while (first < RadioImage::MemorySize && before[first] == after[first])
        ++first;
    int last = RadioImage::MemorySize - 1;
    while (last >= first && before[last] == after[last])
        --last;
    if (first <= last)
        applyBytes(first, after.subspan(first, last - first + 1));
}

void RadioDocument::edit(const StepName& name, const std::function<void(RadioImage&)>& rule)
{
    const Step step(*this, name);
    edit(rule);
}

void RadioDocument::setChannel(int c, const Channel& channel)
{
    edit([&](RadioImage& m) { WriteChannel(m, c, ReadChannel(m, c), channel); });
}

void RadioDocument::replaceImage(const RadioImage& source, bool modified)
{
    emit aboutToReplace();
    if (!(memory_ == source))
        aboutToChange();
    memory_ = source;
    emit changed(0, RadioImage::MemorySize);
    setModified(modified);
    emit replaced();
}

bool RadioDocument::commitRange(MemoryRange range, const RadioImage& source)
{
    if (!RadioImage::blockInMemory(range.begin, range.end - range.begin))
        return false;
    emit aboutToReplace();
    applyBytes(range.begin, source.memory().subspan(range.begin, range.end - range.begin));
    emit replaced();
    return true;
}

void RadioDocument::setPath(const QString& path, const QString& title)
{
    if (path == path_ && title == title_)
        return;
    path_ = path;
    title_ = title;
    emit pathChanged();
}

void RadioDocument::setBand(const BandState& band)
{
    if (SameBand(band, band_))
        return;
    aboutToChange();
    band_ = band;
    emit bandChanged();
}

void RadioDocument::analyseBand()
{
    BandState band = band_;
    AnalyseModelBlock(memory_, band);
    setBand(band);
}

void RadioDocument::applyBandExtensionAfterRead()
{
    BandState band = band_;
    band.effectiveHighMHz = EffectiveHighAfterRead(band.lowMHz, band.effectiveHighMHz, value(FieldId::BandExtension));
    setBand(band);
}

void RadioDocument::setBandExtension(bool extended)
{
    setValue(FieldId::BandExtension, extended ? 1 : 0);
    BandState band = band_;
    band.effectiveHighMHz = EffectiveHighForOption(band.lowMHz, band.effectiveHighMHz, extended);
    setBand(band);
}

void RadioDocument::setModified(bool modified)
{
    if (modified == modified_)
        return;
    modified_ = modified;
    emit modifiedChanged(modified);
}

void RadioDocument::reset()
{
    memory_.clear();
    setPath(QString(), QStringLiteral("new.rdat"));
    setBand({ QStringLiteral("UHF"), 400, 520, 520 });
    setModified(false);
    emit changed(0, RadioImage::MemorySize);
    emit replaced();
    clearHistory();
}

} // namespace t40
