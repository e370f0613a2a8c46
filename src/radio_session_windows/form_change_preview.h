#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace t40 {

// What a write will change in the radio, shown before anything is written:
// the values by name (as File > Compare lists them) and the channels that
// will break a licence-free service's rule, with Write and Cancel; Cancel is
// the default, so Enter writes nothing.
class FormChangePreview : public QDialog {
    Q_OBJECT
public:
    FormChangePreview(const QStringList& changes, const QStringList& ruleBreaches, QWidget* parent = nullptr);

    QLabel* LabelSummary = nullptr;
    // Hidden when no channel breaks a rule.
    QLabel* LabelRules = nullptr;
    QPlainTextEdit* TextRules = nullptr;
    QPlainTextEdit* TextChanges = nullptr;
    QPushButton* CommandWrite = nullptr;
    QPushButton* CommandCancel = nullptr;
};

} // namespace t40
