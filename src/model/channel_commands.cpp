// The channel commands of the document: typed operations that each form one
// named undo step, so that windows never handle the memory themselves.

#include "radio_document.h"

#include "batch_fill.h"
#include "channel_codec.h"
#include "frequency_entry.h"

namespace t40 {

bool RadioDocument::insertChannel(int c)
{
    const Step step(*this, StepNames::InsertChannel());
    bool inserted = false;
    edit([&](RadioImage& m) { inserted = InsertChannel(m, c, QStringLiteral(".")); });
    return inserted;
}

void RadioDocument::deleteChannel(int c)
{
    const Step step(*this, StepNames::DeleteChannel());
    edit([&](RadioImage& m) { RemoveChannel(m, c); });
}

void RadioDocument::copyChannel(int from, int to)
{
    edit(StepNames::CopyChannel(), [&](RadioImage& m) { CopyChannel(m, from, to); });
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
    EntryResult r;
    edit([&](RadioImage& m) { r = rule(m, c, text, decimalSeparator, band_); });
    return { r.text, r.warning, r.written };
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
