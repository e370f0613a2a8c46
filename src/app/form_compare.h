#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace t40 {

// File > Compare With...: what differs between the open data and a data
// file, one line per value, read-only (and selectable, to copy into a mail).
class FormCompare : public QDialog {
    Q_OBJECT
public:
    FormCompare(const QString& openTitle, const QString& fileTitle, const QStringList& differences,
                QWidget* parent = nullptr);

    QLabel* LabelSummary = nullptr;
    QPlainTextEdit* TextDifferences = nullptr;
    QPushButton* CommandClose = nullptr;
};

} // namespace t40
