#pragma once

#include "channel_csv.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace t40 {

// The problems found in a channel list, each with its line and column; the
// user imports the rows without problems or leaves the channels as they are.
class FormImportChannels : public QDialog {
    Q_OBJECT
public:
    FormImportChannels(const ChannelCsvImport& parsed, const QString& fileName, QWidget* parent = nullptr);

    void CommandImport_Click();
    void CommandCancel_Click();

    QLabel* LabelSummary = nullptr;
    QTreeWidget* ListProblems = nullptr;
    QPushButton* CommandImport = nullptr;
    QPushButton* CommandCancel = nullptr;
};

// "Line 5, column 4 (Duplex)": where a message of the channel list points.
QString CsvPlaceText(const CsvMessage& message);

} // namespace t40
