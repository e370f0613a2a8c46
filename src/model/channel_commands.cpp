// The channel commands of the document: typed operations that each form one
// named undo step, so that windows never handle the memory themselves.

#include "radio_document.h"

#include "batch_fill.h"
#include "channel_codec.h"
#include "frequency_entry.h"

#include <QCoreApplication>

#include <algorithm>

namespace t40 {

bool RadioDocument::insertChannel(int c)
{
    const Step step(*this, StepNames::InsertChannel());
    bool inserted = false;
    edit([&](RadioImage& m) { inserted = InsertChannel(m, c, QStringLiteral(".")); });
    return inserted;
}

namespace {
// The selected channels, each once, in order, within 1..16.
QList<int> Channels(const QList<int>& channels)
{
    QList<int> sorted;
    for (int c : channels)
        if (c >= 1 && c <= ChannelCount && !sorted.contains(c))
            sorted.append(c);
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

QList<int> Identity()
{
    QList<int> order;
    for (int c = 1; c <= ChannelCount; ++c)
        order.append(c);
    return order;
}
} // namespace

bool RadioDocument::reorderChannels(const QList<int>& order, const StepName& name)
{
    if (order == Identity())
        return false;
    const Step step(*this, name);
    bool moved = false;
    edit([&](RadioImage& m) { moved = ReorderChannels(m, std::span<const int>(order.data(), order.size())); });
    return moved;
}

void RadioDocument::deleteChannels(const QList<int>& channels)
{
    const QList<int> selected = Channels(channels);
    const Step step(*this, StepNames::DeleteChannel());
    edit([&](RadioImage& m) {
        for (auto c = selected.crbegin(); c != selected.crend(); ++c)
            RemoveChannel(m, *c);
    });
}

bool RadioDocument::moveChannels(const QList<int>& channels, int step)
{
    const QList<int> selected = Channels(channels);
    if (selected.isEmpty() || (step < 0 && selected.first() == 1) || (step > 0 && selected.last() == ChannelCount))
        return false;
    QList<int> order = Identity();
    if (step < 0) {
        for (int c : selected)
            std::swap(order[c - 2], order[c - 1]);
    } else {
        for (auto c = selected.crbegin(); c != selected.crend(); ++c)
            std::swap(order[*c - 1], order[*c]);
    }
    return reorderChannels(order, StepNames::MoveChannels());
}

bool RadioDocument::moveChannelsTo(const QList<int>& channels, int before)
{
    const QList<int> selected = Channels(channels);
    if (selected.isEmpty())
        return false;
    QList<int> order;
    for (int c = 1; c <= ChannelCount; ++c)
        if (!selected.contains(c))
            order.append(c);
    const auto at = std::count_if(order.cbegin(), order.cend(), [before](int c) { return c < before; });
    for (int i = 0; i < selected.size(); ++i)
        order.insert(at + i, selected[i]);
    return reorderChannels(order, StepNames::MoveChannels());
}

bool RadioDocument::sortChannels()
{
    QList<int> order = Identity();
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        const Channel ca = channel(a);
        const Channel cb = channel(b);
        if (ca.present() != cb.present())
            return ca.present();
        return ca.present() && *ca.receive < *cb.receive;
    });
    return reorderChannels(order, StepNames::SortChannels());
}

void RadioDocument::encodeAsDecode(const QList<int>& channels)
{
    const QList<int> selected = Channels(channels);
    StepName name = StepNames::EncodeAsDecode();
    if (selected.size() == 1)
        name.completesDecodeOf = selected.first();
    setChannels(selected, [](Channel& ch) {
        if (ch.encodeCanTakeDecode())
            ch.encode = ch.decode;
    }, name);
}

void RadioDocument::copyChannels(const QList<int>& from, int to)
{
    const RadioImage before = memory_;
    edit(StepNames::CopyChannel(), [&](RadioImage& m) {
        for (int i = 0; i < from.size() && to + i <= ChannelCount; ++i)
            if (from[i] != to + i)
                CopyChannel(m, before, from[i], to + i);
    });
}

void RadioDocument::setChannels(const QList<int>& rows, const std::function<void(Channel&)>& change, const StepName& name)
{
    const Step step(*this, name);
    for (int c : rows) {
        Channel ch = channel(c);
        change(ch);
        setChannel(c, ch);
    }
}

FrequencyEntryResult RadioDocument::enterFrequency(int c, FrequencyField field, const QString& text, const QString& decimalSeparator)
{
    const auto rule = field == FrequencyField::Receive ? EnterReceiveFrequency : EnterTransmitFrequency;
    const Channel before = channel(c);
    EntryResult r;
    edit([&](RadioImage& m) { r = rule(m, c, text, decimalSeparator, band_); });
    // A simplex channel stays simplex: its transmit frequency follows the
    // receive frequency (a split channel keeps its own), in the same step.
    if (field == FrequencyField::Receive && before.present() && before.transmit == before.receive) {
        Channel after = channel(c);
        if (after.present() && after.receive != before.receive && after.transmit == before.transmit) {
            after.transmit = std::min(*after.receive, band_.effectiveHighMHz * FrequencyUnitsPerMHz);
            setChannel(c, after);
        }
    }
    FrequencyEntryResult result { r.text, r.warning, r.written, {} };
    if (r.warning) {
        const int high = field == FrequencyField::Receive ? band_.highMHz : band_.effectiveHighMHz;
        const QString range = QStringLiteral("%1-%2").arg(band_.lowMHz).arg(high);
        bool number = false;
        const double typed = QString(text).replace(decimalSeparator, QStringLiteral(".")).toDouble(&number);
        const char* why = !number ? QT_TRANSLATE_NOOP("t40::Entry", "%1 is not a frequency in the band (%2 MHz); stored %3")
            : typed > high        ? QT_TRANSLATE_NOOP("t40::Entry", "%1 MHz is above the band (%2 MHz); stored %3")
                                  : QT_TRANSLATE_NOOP("t40::Entry", "%1 MHz is below the band (%2 MHz); stored %3");
        result.note = QCoreApplication::translate("t40::Entry", why).arg(text, range, r.text);
    }
    return result;
}

void RadioDocument::repairStoredPower(int c)
{
    edit([&](RadioImage& m) { RepairStoredPower(m, c); });
}

void RadioDocument::applyBatchFill(const BatchRange& range, const BatchFill& fill, const QString& decimalSeparator,
                                   const RandomSource& random)
{
    edit(StepNames::BatchEdit(), [&](RadioImage& m) { ApplyBatchFill(m, range, fill, decimalSeparator, band_, random); });
}

void RadioDocument::copyFrequency(int c, const QString& transmitText, const QString& decimalSeparator)
{
    const FrequencyBytes bytes = transmitText.isEmpty() ? NoFrequency : EncodeFrequency(transmitText, decimalSeparator);
    edit(StepNames::CopyFrequency(), [&](RadioImage& m) { WriteFrequency(m, c, ChannelField::Transmit, bytes); });
}

void RadioDocument::copyEncode(int c, const SignallingCode& code)
{
    edit(StepNames::CopyQtDqt(), [&](RadioImage& m) { WriteCode(m, c, ChannelField::Encode, code.bytes()); });
}

} // namespace t40
