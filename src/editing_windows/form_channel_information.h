#pragma once

#include "page_window.h"

#include <array>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;

namespace t40 {

class RadioDocument;

// The channel page: all 16 channels in a grid, edited in place through one
// text box (frequencies) and six combo boxes (codes and options) laid over
// the selected cell.
class FormChannelInformation : public PageWindow {
    Q_OBJECT
public:
    explicit FormChannelInformation(RadioDocument& document, QWidget* parent = nullptr);
    ~FormChannelInformation() override;

    // Decodes the whole grid from the image.
    void AnalyseChannelInformation();
    // Commits whichever in-place editor is open.
    void FreshData() override;
    void RefreshAfterRead() override;
    // Room for all 16 channels and every column.
    QSize sizeHint() const override;
    // The keyboard commands as menu items, with their keys shown.
    QList<QAction*> commandActions() const override;

    static constexpr int ColumnCount = 10;
    static constexpr int RowCount = 17; // caption row and 16 channels

    QTableWidget* MSHFlexGridChannel;
    QLineEdit* Text1;
    std::array<QComboBox*, 6> Combo1 {};
    QPushButton* CommandChannelEdit;
    QPushButton* CommandClose;
    QPushButton* CommandHelp;
    QTimer* Timer1;
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

    // The text of a grid cell (row = channel 1..16, column 0..9).
    QString cellText(int row, int column) const;
    // Whether the next Enter on the grid reopens an in-place editor.
    bool reopenPending() const { return reopen_; }

    void MSHFlexGridChannel_Click(int row, int column);
    void CommandChannelEdit_Click();
    void CommandClose_Click();
    void CommandHelp_Click();
    void Timer1_Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    RadioDocument& document_;
    void Form_Load();
    void fillCaptions();
    void setColumnWidths();
    void decodeRow(int row);
    void setCell(int row, int column, const QString& text);

    void openCellEditor(int row, int column);
    void placeOver(QWidget* editor, int row, int column);
    void Text1_Commit();
    void dropOpenEdit();
    void Combo1_Commit(int k);
    void afterCommit(int row, int column);
    void moveAfterEnter(int row, int column);

    // Page keys, seen before the controls'; true when the key was a command.
    bool Form_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    static bool isCommandKey(int key, Qt::KeyboardModifiers modifiers);
    void runCopyTool(int kind);
    void insertChannel();
    void deleteChannel();
    void buildCommandActions();
    void captionCommandActions();
    // Right-click: the cell becomes the selected one and the commands pop up.
    void showGridMenu(const QPoint& position);

    bool Decoding = false;
    bool enterCommit_ = false;
    bool reopen_ = false;
    bool committing_ = false;
    int editRow_ = 0;       // the cell the open editor belongs to
    int editColumn_ = 0;
    QString editOriginal_;  // its text when it opened
    QSize preferredSize_;
    // Leaving a box commits it; the watch ends before the controls go.
    QMetaObject::Connection focusWatch_;
};

} // namespace t40
