#include "form_tune.h"

#include "key_filter.h"
#include "partial_session.h"
#include "prompts.h"
#include "page_settings.h"
#include "window_menu.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace t40 {

namespace {
constexpr int DataColumns = Tune::PointCount + 1;
constexpr int DataGridRows = Tune::DataRows + 1;
constexpr int SqlColumns = Tune::DetectionCount + 1;
constexpr int SqlRows = 3;

QTableWidget* MakeGrid(int rows, int columns, QWidget* parent)
{
    auto* grid = new QTableWidget(rows, columns, parent);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->verticalHeader()->setDefaultSectionSize(24);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            if (r == 0 || c == 0)
                item->setBackground(grid->palette().button());
            grid->setItem(r, c, item);
        }
    return grid;
}

// Columns as wide as their texts need, at least the given widths; the grid
// shows every cell without scrolling.
void FitGrid(QTableWidget* grid, int labelWidth, int cellWidth)
{
    grid->resizeColumnsToContents();
    for (int c = 0; c < grid->columnCount(); ++c)
        grid->setColumnWidth(c, qMax(grid->columnWidth(c), c == 0 ? labelWidth : cellWidth));
    int width = 2 * grid->frameWidth();
    for (int c = 0; c < grid->columnCount(); ++c)
        width += grid->columnWidth(c);
    int height = 2 * grid->frameWidth();
    for (int r = 0; r < grid->rowCount(); ++r)
        height += grid->rowHeight(r);
    grid->setFixedSize(width, height);
}

QLineEdit* MakeCellEditor(QTableWidget* grid)
{
    auto* editor = new QLineEdit(grid->viewport());
    editor->setAlignment(Qt::AlignCenter);
    editor->setFrame(false);
    editor->hide();
    InstallKeyFilter(editor, ThreeDigitKeys);
    return editor;
}
} // namespace

FormTune::FormTune(RadioDocument& document, QWidget* parent)
    : PageWindow(TunePageId, &SharedState::TunePageOpen, parent)
    , document_(document)
{
    Form_Load();
}

void FormTune::buildControls()
{
    MSHFlexGridTuneData = MakeGrid(DataGridRows, DataColumns, this);
    MSHFlexGridTuneData->setObjectName(QStringLiteral("MSHFlexGridTuneData"));

    MSHFlexGridSqlTune = MakeGrid(SqlRows, SqlColumns, this);
    MSHFlexGridSqlTune->setObjectName(QStringLiteral("MSHFlexGridSqlTune"));

    Text1 = MakeCellEditor(MSHFlexGridTuneData);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text2 = MakeCellEditor(MSHFlexGridSqlTune);
    Text2->setObjectName(QStringLiteral("Text2"));

    LabelPkValue = new QLabel(this);
    TextPkValue = new QLineEdit(this);
    TextPkValue->setObjectName(QStringLiteral("TextPkValue"));
    TextPkValue->setFixedWidth(60);
    InstallKeyFilter(TextPkValue, ThreeDigitKeys);

    CommandRead = new QPushButton(this);
    CommandRead->setObjectName(QStringLiteral("CommandRead"));
    CommandWrite = new QPushButton(this);
    CommandWrite->setObjectName(QStringLiteral("CommandWrite"));

    for (QLineEdit* edit : { Text1, Text2, TextPkValue })
        edit->installEventFilter(this);

    connect(MSHFlexGridTuneData, &QTableWidget::cellClicked, this, &FormTune::MSHFlexGridTuneData_Click);
    connect(MSHFlexGridSqlTune, &QTableWidget::cellClicked, this, &FormTune::MSHFlexGridSqlTune_Click);
    connect(Text1, &QLineEdit::returnPressed, this, &FormTune::Text1_Enter);
    connect(Text2, &QLineEdit::returnPressed, this, &FormTune::Text2_Enter);
    connect(TextPkValue, &QLineEdit::returnPressed, this, &FormTune::TextPkValue_Enter);
    connect(CommandRead, &QPushButton::clicked, this, &FormTune::CommandRead_Click);
    connect(CommandWrite, &QPushButton::clicked, this, &FormTune::CommandWrite_Click);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(LabelPkValue);
    bottom->addWidget(TextPkValue);
    bottom->addStretch(1);
    bottom->addWidget(CommandRead);
    bottom->addWidget(CommandWrite);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MSHFlexGridTuneData);
    layout->addSpacing(8);
    layout->addWidget(MSHFlexGridSqlTune);
    layout->addSpacing(8);
    layout->addLayout(bottom);
    layout->addStretch(1);
}

void FormTune::fillCaptions()
{
    setWindowTitle(tr("Tune Data"));
    MSHFlexGridTuneData->item(0, 0)->setText(tr("Freq"));
    MSHFlexGridTuneData->item(1, 0)->setText(tr("SQ"));
    MSHFlexGridTuneData->item(2, 0)->setText(tr("TX High"));
    MSHFlexGridTuneData->item(3, 0)->setText(tr("TX Low"));

    MSHFlexGridSqlTune->item(0, 0)->setText(tr("Sq Detect"));
    const QString detections[] = { tr("Detection1(W)"), tr("Detection2(W)"), tr("Detection3(W)"), tr("Detection4(W)"),
                                   tr("Detection1(N)"), tr("Detection2(N)"), tr("Detection3(N)"), tr("Detection4(N)") };
    for (int c = 1; c < SqlColumns; ++c)
        MSHFlexGridSqlTune->item(0, c)->setText(detections[c - 1]);
    MSHFlexGridSqlTune->item(1, 0)->setText(tr("High Threshlod"));
    MSHFlexGridSqlTune->item(2, 0)->setText(tr("Low Threshlod"));

    LabelPkValue->setText(tr("BandWide(0.1KHz):"));
    CommandRead->setText(tr("Read TuneData"));
    CommandWrite->setText(tr("Write TuneData"));
}

void FormTune::Form_Load()
{
    buildControls();
    fillCaptions();
    AnalyseTuneData();
    FitGrid(MSHFlexGridTuneData, 80, 42);
    FitGrid(MSHFlexGridSqlTune, 110, 92);
    registerPage();
}

void FormTune::paintBands()
{
    const BandState& band = document_.band();
    const int squelchEnd = Tune::FirstColumnAbove(band.lowMHz, band.highMHz);
    const int powerEnd = Tune::FirstColumnAbove(band.lowMHz, band.effectiveHighMHz);
    const QBrush inBand = palette().base();
    const QBrush outOfBand = palette().dark();
    for (int row = 1; row <= Tune::DataRows; ++row) {
        const int end = row == 1 ? squelchEnd : powerEnd;
        for (int c = 1; c < DataColumns; ++c)
            MSHFlexGridTuneData->item(row, c)->setBackground(c < end ? inBand : outOfBand);
    }
}

void FormTune::AnalyseTuneData()
{
    const TuneTable tune = ReadTuneTable(document_);
    const int low = document_.band().lowMHz;
    for (int c = 1; c < DataColumns; ++c) {
        MSHFlexGridTuneData->item(0, c)->setText(Tune::PointHeading(low, c));
        for (int row = 1; row <= Tune::DataRows; ++row)
            MSHFlexGridTuneData->item(row, c)->setText(QString::number(tune.cells[row - 1][c - 1]));
    }
    paintBands();
    for (int c = 1; c < SqlColumns; ++c) {
        MSHFlexGridSqlTune->item(1, c)->setText(QString::number(tune.highThreshold[c - 1]));
        MSHFlexGridSqlTune->item(2, c)->setText(QString::number(tune.lowThreshold[c - 1]));
    }
    shownPkValue_ = QString::number(tune.deviation);
    TextPkValue->setText(shownPkValue_);
}

void FormTune::RefreshAfterRead()
{
    closeText1();
    closeText2();
    AnalyseTuneData();
}

void FormTune::FreshData()
{
    if (editRow1_)
        applyText1(false);
    if (editRow2_)
        applyText2(false);
    applyPkValue();
}

// ---- cell editors ----

void FormTune::openEditor(QTableWidget* grid, QLineEdit* editor, int row, int column)
{
    editor->setGeometry(grid->visualItemRect(grid->item(row, column)));
    editor->setText(grid->item(row, column)->text());
    editor->show();
    editor->raise();
    editor->setFocus();
    editor->selectAll();
}

void FormTune::MSHFlexGridTuneData_Click(int row, int column)
{
    if (editRow1_)
        applyText1(false);
    editRow1_ = qBound(1, row, Tune::DataRows);
    editColumn1_ = qBound(1, column, Tune::PointCount);
    openEditor(MSHFlexGridTuneData, Text1, editRow1_, editColumn1_);
}

void FormTune::MSHFlexGridSqlTune_Click(int row, int column)
{
    if (editRow2_)
        applyText2(false);
    editRow2_ = qBound(1, row, SqlRows - 1);
    editColumn2_ = qBound(1, column, Tune::DetectionCount);
    openEditor(MSHFlexGridSqlTune, Text2, editRow2_, editColumn2_);
}

void FormTune::closeText1()
{
    editRow1_ = editColumn1_ = 0;
    Text1->hide();
}

void FormTune::closeText2()
{
    editRow2_ = editColumn2_ = 0;
    Text2->hide();
}

void FormTune::applyText1(bool moveOn)
{
    if (!editRow1_ || applying_)
        return;
    const int row = editRow1_;
    const int column = editColumn1_;
    int value = 0;
    // An editor left as it was opened stores nothing: the cell may show a
    // value that its byte holds in another form (bit 7 of a squelch byte).
    const bool changed = Text1->text() != MSHFlexGridTuneData->item(row, column)->text();
    if (changed && Tune::ParseEntry(Text1->text(), value)) {
        const int stored = WriteTuneCell(document_, row, column, value);
        MSHFlexGridTuneData->item(row, column)->setText(QString::number(stored));
        Text1->setText(QString::number(stored));
    }
    if (!moveOn)
        return;
    const BandState& band = document_.band();
    const int end = Tune::FirstColumnAbove(band.lowMHz, row == 1 ? band.highMHz : band.effectiveHighMHz);
    applying_ = true;
    if (column + 1 <= Tune::PointCount && column + 1 < end) {
        editColumn1_ = column + 1;
        openEditor(MSHFlexGridTuneData, Text1, row, editColumn1_);
    } else if (row < Tune::DataRows) {
        editRow1_ = row + 1;
        editColumn1_ = 1;
        openEditor(MSHFlexGridTuneData, Text1, editRow1_, editColumn1_);
    } else {
        closeText1();
        MSHFlexGridSqlTune_Click(1, 1);
    }
    applying_ = false;
}

void FormTune::applyText2(bool moveOn)
{
    if (!editRow2_ || applying_)
        return;
    const int row = editRow2_;
    const int column = editColumn2_;
    int value = 0;
    // Unchanged, a threshold above 127 (stored by the factory) is kept as it is.
    const bool changed = Text2->text() != MSHFlexGridSqlTune->item(row, column)->text();
    if (changed && Tune::ParseEntry(Text2->text(), value)) {
        const int stored = row == 1 ? WriteHighThreshold(document_, column, value)
                                    : WriteLowThreshold(document_, column, value);
        MSHFlexGridSqlTune->item(row, column)->setText(QString::number(stored));
        Text2->setText(QString::number(stored));
    }
    if (!moveOn)
        return;
    applying_ = true;
    if (column < Tune::DetectionCount) {
        editColumn2_ = column + 1;
        openEditor(MSHFlexGridSqlTune, Text2, row, editColumn2_);
    } else if (row < SqlRows - 1) {
        editRow2_ = row + 1;
        editColumn2_ = 1;
        openEditor(MSHFlexGridSqlTune, Text2, editRow2_, editColumn2_);
    } else {
        closeText2();
    }
    applying_ = false;
}

void FormTune::applyPkValue()
{
    // Compared with what the box showed, not with the image: once other data
    // has replaced the image, the box's text is not an entry for it.
    int value = 0;
    if (TextPkValue->text() == shownPkValue_)
        return; // a deviation above 127 is only changed by an entry
    if (!Tune::ParseEntry(TextPkValue->text(), value)) {
        TextPkValue->setText(shownPkValue_);
        return;
    }
    shownPkValue_ = QString::number(WriteDeviation(document_, value));
    TextPkValue->setText(shownPkValue_);
}

void FormTune::Text1_Enter() { applyText1(true); }
void FormTune::Text2_Enter() { applyText2(true); }
void FormTune::TextPkValue_Enter() { applyPkValue(); }

void FormTune::Text1_LostFocus()
{
    applyText1(false);
    if (!applying_)
        closeText1();
}

void FormTune::Text2_LostFocus()
{
    applyText2(false);
    if (!applying_)
        closeText2();
}

void FormTune::TextPkValue_LostFocus() { applyPkValue(); }

bool FormTune::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        if (watched == Text1 && Text1->isVisible())
            Text1_LostFocus();
        else if (watched == Text2 && Text2->isVisible())
            Text2_LostFocus();
        else if (watched == TextPkValue)
            TextPkValue_LostFocus();
    }
    return PageWindow::eventFilter(watched, event);
}

void FormTune::closeEvent(QCloseEvent* event)
{
    // A value typed into an open editor is kept when the page closes.
    FreshData();
    PageWindow::closeEvent(event);
}

// ---- tune sessions ----

void FormTune::CommandRead_Click()
{
    FreshData();
    if (ShowMessageBox(tr("Read tune data from radio.Do you wish continue?"),
                       BoxIcon::Warning, BoxButtons::OkCancel) != BoxAnswer::Ok)
        return;
    if (!RunSession(this, PartialRequest(document_, SessionKind::Tune, Direction::Read), [this] { emit radioRead(); }))
        return;
    RefreshAfterRead();
    ShowMessageBox(tr("Read data successful"), BoxIcon::Information);
}

void FormTune::CommandWrite_Click()
{
    FreshData();
    if (ShowMessageBox(tr("Write tune data into radio.Do you wish continue?"),
                       BoxIcon::Warning, BoxButtons::OkCancel) != BoxAnswer::Ok)
        return;
    if (!RunSession(this, PartialRequest(document_, SessionKind::Tune, Direction::Write)))
        return;
    ShowMessageBox(tr("Write data successful"), BoxIcon::Information);
}

} // namespace t40
