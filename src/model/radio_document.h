#pragma once

#include "band_extension.h"
#include "batch_fill.h"
#include "band_table.h"
#include "channel.h"
#include "field_table.h"
#include "radio_image.h"
#include "step_name.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <span>

namespace t40 {

enum class FrequencyField { Receive, Transmit };

struct FrequencyEntryResult {
    QString text;         // corrected and completed text to show
    bool warning = false; // "Frequency is out of range!" is due
    bool written = false; // the memory was changed
    QString note;         // what was stored instead of the typed value, and why
};

// What an undo step restores: the whole memory and the band.
struct DocumentState {
    RadioImage memory;
    BandState band;
};

// The one document the user edits: the radio memory (the 1024-byte image
// and the 4 KB storage of the partial sessions), the file it belongs to,
// the band and whether it differs from what was last loaded or saved.
// Every change of memory bytes passes through applyBytes(); changed()
// follows each one.
//
// Changes are gathered into undo steps: the changes between the start and
// the end of a Step form one step under its name; changes made outside one
// form a step of their own, named from what they changed, that ends when
// control returns to the event loop (so that one user action that touches
// several fields is one step). stepRecorded() reports each step with the
// state before and after it; DocumentHistory (beside the windows) keeps them.
class RadioDocument : public QObject {
    Q_OBJECT
public:
    explicit RadioDocument(QObject* parent = nullptr);

    // A named step for as long as it lives; nested steps join the outer one.
    class Step {
    public:
        Step(RadioDocument& document, const StepName& name);
        ~Step();
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

    private:
        RadioDocument& document_;
    };

    // The program's own changes for as long as it lives (a fresh start, the
    // pages decoding what they show, the refresh after an undo): no step,
    // and the modified flag stays as it is.
    class Unrecorded {
    public:
        explicit Unrecorded(RadioDocument& document);
        ~Unrecorded();
        Unrecorded(const Unrecorded&) = delete;
        Unrecorded& operator=(const Unrecorded&) = delete;

    private:
        RadioDocument& document_;
    };

    DocumentState state() const { return { memory_, band_ }; }
    // Puts a recorded state back (undo and redo): no step of its own.
    void restore(const DocumentState& state);
    // Ends the open step of changes made outside a named step now.
    void closeOpenStep();
    // The history starts afresh (New, Open): the open step is dropped and
    // historyCleared() tells the history to forget its steps.
    void clearHistory();

    const RadioImage& memory() const { return memory_; }
    std::uint8_t byte(int address) const { return memory_.memoryByte(address); }
    QByteArray bytes(int address, int length) const;

    // Bytes of the 4 KB memory; a block that does not fit touches nothing
    // and gives false. Equal bytes emit nothing.
    bool setBytes(int address, std::span<const std::uint8_t> data);
    bool setByte(int address, std::uint8_t value);

    // One-byte fields through the field table: the value in its bits.
    int value(FieldId id) const;
    bool valueInRange(FieldId id) const;
    // A value outside the field's range touches nothing and gives false.
    bool setValue(FieldId id, int value);
    QByteArray fieldBytes(FieldId id) const;
    bool setFieldBytes(FieldId id, const QByteArray& data); // exactly the field's length

    // Runs a codec rule over a copy of the memory and takes over what it
    // changed as one change (for the rules that work on bytes).
    void edit(const std::function<void(RadioImage&)>& rule);
    // The same as one named step.
    void edit(const StepName& name, const std::function<void(RadioImage&)>& rule);

    // Channels 1..16.
    Channel channel(int c) const;
    void setChannel(int c, const Channel& channel);

    // Channel commands, each one named undo step.
    // Moves channels c..15 one place down, leaving c empty; false, touching
    // nothing, when channel 16 is in use.
    bool insertChannel(int c);
    // Channels (record and scan bit), in their order, onto to, to+1, ... as
    // far as channel 16; each copy reads the channels as they were before
    // any of them.
    void copyChannels(const QList<int>& from, int to);
    // Channels deleted at once, the ones after each closing the gap (channel
    // 16 becomes empty).
    void deleteChannels(const QList<int>& channels);
    // Moving channels, record and scan bit together; false, touching nothing,
    // when nothing would move. The channels move one place up (step -1) or
    // down (+1), past their neighbour.
    bool moveChannels(const QList<int>& channels, int step);
    // The channels, in their order, move to stand before channel `before`
    // (ChannelCount + 1: at the end).
    bool moveChannelsTo(const QList<int>& channels, int before);
    // Channels in the order of their receive frequency, the empty ones last.
    bool sortChannels();
    // Each of the channels whose encode code is none and that transmits takes
    // its decode code for encode.
    void encodeAsDecode(const QList<int>& channels);
    // One change applied to each of several channels.
    void setChannels(const QList<int>& rows, const std::function<void(Channel&)>& change, const StepName& name = {});
    // A frequency typed into the grid or the editor, by the entry rule of its
    // column for the document's band: empty receive text deletes the channel,
    // one for an absent channel creates it, empty transmit text makes it
    // receive-only. A step of its own, named from what it changed.
    FrequencyEntryResult enterFrequency(int c, FrequencyField field, const QString& text, const QString& decimalSeparator);
    // A stored power value of 3 reads as High; this stores it as High.
    void repairStoredPower(int c);
    // The copy tools: a transmit frequency (text already checked and
    // completed; empty: none) and an encode code for channel c.
    void copyFrequency(int c, const QString& transmitText, const QString& decimalSeparator);
    void copyEncode(int c, const SignallingCode& code);
    // The batch editor's fill over the document's band.
    void applyBatchFill(const BatchRange& range, const BatchFill& fill, const QString& decimalSeparator,
                        const RandomSource& random);

    // Whole replacements (New, Open, a whole-image read, a model change):
    // aboutToReplace() first, so that windows drop text typed for the old
    // contents; then replaced() and changed() over the whole memory.
    void replaceImage(const RadioImage& source, bool modified);
    // A partial session's result: the range of source becomes ours.
    bool commitRange(MemoryRange range, const RadioImage& source);

    // Asks every window to put the text of its open editor into the
    // document; called before anything reads the whole document (save,
    // write, print, export).
    void commitPendingEdits() { emit pendingEditsRequested(); }
    // Before a replacement that does not come from this document (language
    // change): windows drop uncommitted text.
    void discardPendingEdits() { emit aboutToReplace(); }

    QString path() const { return path_; }
    QString title() const { return title_; }
    void setPath(const QString& path, const QString& title);

    // The band decoded from the model block, with the band-extension rule.
    const BandState& band() const { return band_; }
    void setBand(const BandState& band);
    // Decodes the model block into the band (after a replacement).
    void analyseBand();
    // After a completed read from the radio: a 400 MHz radio with its
    // band-extension flag set transmits up to 520 MHz.
    void applyBandExtensionAfterRead();
    // The band-extension option: the flag, and for a 400 MHz band the
    // transmit upper limit (520 set, 480 clear).
    void setBandExtension(bool extended);

    bool isModified() const { return modified_; }
    void setModified(bool modified);

    // Start values: the whole memory erased, no path, unmodified, UHF 400-520.
    void reset();

signals:
    void changed(int offset, int length);
    void aboutToReplace();
    void replaced();
    void pendingEditsRequested();
    void modifiedChanged(bool modified);
    void bandChanged();
    void pathChanged();
    // One undo step has ended: the state before it and after it.
    void stepRecorded(const t40::StepName& name, const t40::DocumentState& before, const t40::DocumentState& after);
    void historyCleared();

private:
    // The channels in a new order (channel i takes what order[i-1] was) as one named step.
    bool reorderChannels(const QList<int>& order, const StepName& name);
    // The single path of every byte change.
    bool applyBytes(int address, std::span<const std::uint8_t> data);
    // Called before every change: opens a step for a change outside a named one.
    void aboutToChange();
    void beginStep(const StepName& name);
    void endStep();
    void recordStep(const StepName& name);
    bool recording() const { return unrecorded_ == 0; }

    RadioImage memory_;
    QString path_;
    QString title_ = QStringLiteral("new.rdat");
    BandState band_ { QStringLiteral("UHF"), 400, 520, 520 };
    bool modified_ = false;

    int stepDepth_ = 0;     // named steps open
    bool openStep_ = false; // the step of changes outside a named one
    int unrecorded_ = 0;
    StepName stepName_;
    DocumentState stepBefore_;
    QTimer stepEnd_;
};

} // namespace t40
