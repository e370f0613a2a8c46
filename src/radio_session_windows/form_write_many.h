#pragma once

#include "radio_row.h"

#include <QDialog>

#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace t40 {

class RadioDocument;

// Program > Write to Many Radios: writes the open image into one radio after
// another on the current port, with the count and the last result in large
// text, until the user stops.
class FormWriteMany : public QDialog {
    Q_OBJECT
public:
    explicit FormWriteMany(RadioDocument& document, QWidget* parent = nullptr);
    ~FormWriteMany() override;

    void CommandStart_Click();
    void CommandStop_Click();

    const RadioRow* row() const { return row_.get(); }

    QLabel* LabelInfo = nullptr;
    QLabel* LabelStatus = nullptr;
    QLabel* LabelResult = nullptr;
    QLabel* LabelCount = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QTreeWidget* ListResults = nullptr;
    QPushButton* CommandStart = nullptr;
    QPushButton* CommandStop = nullptr;
    QPushButton* CommandClose = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void onPhase(RadioRow::Phase phase);
    void onRadioDone(const RowRadioResult& result);
    void showCount();
    void updateButtons();
    bool finishBeforeClosing();

    RadioDocument& document_;
    std::unique_ptr<RadioRow> row_;
    bool closeWhenStopped_ = false;
};

// The words the row window shows for a radio's outcome.
QString OutcomeText(const RowRadioResult& result);

} // namespace t40
