#pragma once

#include "field_table.h"
#include "radio_image.h"

#include <QString>

// The names of the undo steps. A step keeps its untranslated source, so that
// its menu text follows the interface language when that changes later.
namespace t40 {

struct StepName {
    const char* source = nullptr; // context "Step"; "%1" stands for the channel or the field
    int channel = 0;
    FieldId field = FieldId::Count;
    // A step that completes the change of this channel's decode code made
    // just before it (Encode as Decode): the history joins the two into one.
    int completesDecodeOf = 0;

    bool isEmpty() const { return source == nullptr; }
    bool operator==(const StepName& other) const;
    // In the interface language of now.
    QString text() const;
};

// The commands that change many bytes at once name their step themselves.
namespace StepNames {
StepName InsertChannel();
StepName DeleteChannel();
StepName CopyChannel();
StepName CopyFrequency();
StepName CopyQtDqt();
StepName BatchEdit();
StepName ReadFromRadio();
StepName ChangeModel();
StepName ImportChannels();
StepName MoveChannels();
StepName SortChannels();
StepName ChangeChannels();
StepName EncodeAsDecode();
StepName InsertPreset();
} // namespace StepNames

// A name for a change made outside a named step, from what it changed: one
// channel (its record or its scan bit), several channels, one field of the
// memory map (of fields sharing a byte, the one a page shows), or, for
// anything wider, a plain "Edit".
StepName NameForChange(const RadioImage& before, const RadioImage& after);

} // namespace t40
