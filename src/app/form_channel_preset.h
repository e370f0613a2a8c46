#pragma once

#include "channel_presets.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace t40 {

// Chooses a channel plan of a licence-free service: for a new data file,
// or for channels of the one open (the text says which channels).
class FormChannelPreset : public QDialog {
    Q_OBJECT
public:
    enum class Purpose { NewFile, Insert };
    FormChannelPreset(Purpose purpose, const QString& destination, QWidget* parent = nullptr);

    // The plan chosen; nullptr until OK.
    const ChannelPreset* ChosenPreset() const { return chosen_; }

    void ListPresets_Change();
    void CommandOK_Click();
    void CommandCancel_Click();

    QListWidget* ListPresets = nullptr;
    QLabel* LabelDetails = nullptr;
    QLabel* LabelDestination = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;

private:
    const ChannelPreset* current() const;
    const ChannelPreset* chosen_ = nullptr;
};

} // namespace t40
