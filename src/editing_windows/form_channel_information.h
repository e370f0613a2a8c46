#pragma once

#include "page_window.h"

#include "channel.h"

#include <QPointer>

#include <functional>

class QAction;
class QMenu;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace t40 {

class ChannelGridView;
class ChannelTableModel;
class RadioDocument;

// The channel page: all 16 channels in a grid, edited in place.
class FormChannelInformation : public PageWindow {
    Q_OBJECT
public:
    explicit FormChannelInformation(RadioDocument& document, QWidget* parent = nullptr);
    ~FormChannelInformation() override;

    // Shows the stored channels; an absent one loses its scan bit.
    void AnalyseChannelInformation();
    // Commits the open in-place editor.
    void FreshData() override;
    void RefreshAfterRead() override;
    // Room for all 16 channels and every column.
    QSize sizeHint() const override;
    // The keyboard commands as menu items, with their keys shown.
    QList<QAction*> commandActions() const override;
    // A command of the main window offered on the grid's context menu too.
    void addGridMenuAction(QAction* action) { gridMenuExtras_.append(action); }

    static constexpr int ColumnCount = 10;
    static constexpr int RowCount = 17; // caption row and 16 channels

    ChannelGridView* MSHFlexGridChannel;
    QPushButton* CommandChannelEdit;
    QPushButton* CommandClose;
    QPushButton* CommandHelp;
    // Part of the page's definition for models with more groups and a
    // broadcast receiver; never shown on this model.
    QLabel* LabelGroup;
    QComboBox* ComboGroup;
    QLabel* LabelRadioFreq;
    QLineEdit* TextRadioFreq;
    // The keyboard commands, for the Edit menu and the grid's context menu.
    QAction* ActionChannelCopy;
    QAction* ActionFrequencyCopy;
    QAction* ActionQtDqtCopy;
    QAction* ActionInsertChannel;
    QAction* ActionDeleteChannel;
    QAction* ActionChannelEdit;
    // Channel plans: moving and sorting, and one value for every selected channel.
    QAction* ActionMoveUp;
    QAction* ActionMoveDown;
    QAction* ActionSortChannels;
    QAction* ActionEncodeAsDecode;
    QMenu* MenuSetSelected;

    // The text of a grid cell (row = channel 1..16, column 0..9).
    QString cellText(int row, int column) const;
    // The in-place editor open over the current cell, if any.
    QWidget* openEditor() const;
    // Whether the next Enter on the grid reopens an in-place editor.
    bool reopenPending() const;

    void MSHFlexGridChannel_Click(int row, int column);
    void CommandChannelEdit_Click();
    void CommandClose_Click();
    void CommandHelp_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

    void fillCaptions() override;

private:
    RadioDocument& document_;
    ChannelTableModel& channels_;
    void Form_Load();
    void setColumnWidths();
    void dropOpenEdit();
    void watchKeys(QWidget* editor);

    // Page keys, seen before the controls'; true when the key was a command.
    bool Form_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    static bool isCommandKey(int key, Qt::KeyboardModifiers modifiers);
    void runCopyTool(int kind);
    void insertChannel();
    void deleteChannel();
    void buildCommandActions();
    void captionCommandActions();
    void buildPlanActions();
    void captionPlanActions();
    // Insert needs a free channel 16; Encode as Decode a channel it helps.
    void updateCommandStates();
    // One value for each selected channel, as one step.
    void setSelected(const std::function<void(Channel&)>& change);
    void setSelectedCode(bool decode);
    // Right-click: the cell becomes the selected one and the commands pop up.
    void showGridMenu(const QPoint& position);

    QSize preferredSize_;
    QList<QPointer<QAction>> gridMenuExtras_;
};

} // namespace t40
