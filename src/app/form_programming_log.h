#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace t40 {

// Help > Programming Log: every read and write of a radio in a table that
// sorts by any column and can be exported as CSV.
class FormProgrammingLog : public QDialog {
    Q_OBJECT
public:
    explicit FormProgrammingLog(QWidget* parent = nullptr);

    // Reads the log file again.
    void Reload();
    void CommandExport_Click();

    QLabel* LabelPath = nullptr;
    QTableView* TableLog = nullptr;
    QStandardItemModel* Model = nullptr;
    QSortFilterProxyModel* Sorted = nullptr;
    QPushButton* CommandExport = nullptr;
    QPushButton* CommandClose = nullptr;
};

} // namespace t40
