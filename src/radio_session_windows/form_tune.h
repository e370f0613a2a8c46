#pragma once

#include "page_window.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace t40 {

class RadioDocument;

// The tune-data page: the factory alignment values of the model's band
// section, edited in place in two grids, with its own tune read and write.
class FormTune : public PageWindow {
    Q_OBJECT
public:
    explicit FormTune(RadioDocument& document, QWidget* parent = nullptr);

    void Form_Load();
    // Fills both grids and the deviation box from the document.
    void AnalyseTuneData();
    void RefreshAfterRead() override;
    // Applies an open cell editor and the deviation box.
    void FreshData() override;

    void MSHFlexGridTuneData_Click(int row, int column);
    void MSHFlexGridSqlTune_Click(int row, int column);
    // Enter in an editor: apply, and for the grids move on to the next cell.
    void Text1_Enter();
    void Text2_Enter();
    void TextPkValue_Enter();
    void Text1_LostFocus();
    void Text2_LostFocus();
    void TextPkValue_LostFocus();
    void CommandRead_Click();
    void CommandWrite_Click();

    // The grid cell the open editor stands over (row 0 when none is open).
    int Text1Row() const { return editRow1_; }
    int Text1Column() const { return editColumn1_; }
    int Text2Row() const { return editRow2_; }
    int Text2Column() const { return editColumn2_; }

    QTableWidget* MSHFlexGridTuneData = nullptr;
    QTableWidget* MSHFlexGridSqlTune = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLabel* LabelPkValue = nullptr;
    QLineEdit* TextPkValue = nullptr;
    QPushButton* CommandRead = nullptr;
    QPushButton* CommandWrite = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void fillCaptions() override;
    void paintBands();
    void openEditor(QTableWidget* grid, QLineEdit* editor, int row, int column);
    void closeText1();
    void closeText2();
    void applyText1(bool moveOn);
    void applyText2(bool moveOn);
    void applyPkValue();

    RadioDocument& document_;
    int editRow1_ = 0;
    int editColumn1_ = 0;
    int editRow2_ = 0;
    int editColumn2_ = 0;
    bool applying_ = false;
    QString shownPkValue_; // what TextPkValue showed when last decoded or applied
};

} // namespace t40
