#pragma once

#include "radio_image.h"

#include <QString>

// The names of the undo steps. A step keeps both texts, so that its menu
// text follows the interface language when that changes later.
namespace t40 {

struct StepName {
    QString english;
    QString chinese;

    bool isEmpty() const { return english.isEmpty(); }
    bool operator==(const StepName&) const = default;
    const QString& text(bool english_) const { return english_ ? english : chinese; }
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
} // namespace StepNames

// A name for a change made outside a named step, from what it changed: one
// channel (its record or its scan bit), several channels, one field of the
// memory map, or, for anything wider, a plain "Edit".
StepName NameForChange(const RadioImage& before, const RadioImage& after);

} // namespace t40
