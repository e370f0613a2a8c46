#include "form_channel_information.h"

#include "button_row.h"
#include "channel_codec.h"
#include "channel_pages.h"
#include "code_entry.h"
#include "form_channel_copy.h"
#include "form_channel_edit.h"
#include "form_frequency_copy.h"
#include "form_qt_dqt_copy.h"
#include "help_topic.h"
#include "key_filter.h"
#include "list_fillers.h"
#include "shared_state.h"
#include "window_menu.h"

#include <QAbstractItemView>
#include <algorithm>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace t40 {

namespace {
constexpr int ReceiveColumn = 1;
constexpr int TransmitColumn = 2;
constexpr int DecodeColumn = 3;
constexpr int EncodeColumn = 4;
constexpr int PowerColumn = 5;
constexpr int ScanAddColumn = 6;
constexpr int SpacingColumn = 7;
constexpr int BusyLockColumn = 8;
constexpr int BlankColumn = 9;
constexpr int LastChannel = 16;

enum CopyTool { ChannelCopyTool, FrequencyCopyTool, QtDqtCopyTool };

int Twips(const QWidget* w, int twips)
{
    return twips * w->logicalDpiX() / 1440;
}

bool Within(const QWidget* editor, const QWidget* w)
{
    if (!w)
        return false;
    if (w == editor || editor->isAncestorOf(w))
        return true;
    // The list of a combo box is a window of its own.
    if (auto* combo = qobject_cast<const QComboBox*>(editor))
        return w->window() == combo->view()->window();
    return false;
}
} // namespace

FormChannelInformation::FormChannelInformation(RadioDocument& document, QWidget* parent)
    : PageWindow(ChannelPageId, &SharedState::ChannelPageOpen, parent)
    , document_(document)
{
    MSHFlexGridChannel = new QTableWidget(RowCount - 1, ColumnCount, this);
    MSHFlexGridChannel->setObjectName(QStringLiteral("MSHFlexGridChannel"));
    MSHFlexGridChannel->verticalHeader()->hide();
    MSHFlexGridChannel->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSHFlexGridChannel->setSelectionMode(QAbstractItemView::SingleSelection);
    MSHFlexGridChannel->setSelectionBehavior(QAbstractItemView::SelectItems);
    MSHFlexGridChannel->setTabKeyNavigation(false);
    MSHFlexGridChannel->horizontalHeader()->setDefaultAlignment(Qt::Alignment::fromInt(Qt::AlignCenter | Qt::TextWordWrap));
    MSHFlexGridChannel->horizontalHeader()->setSectionsClickable(false);
    MSHFlexGridChannel->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int r = 0; r < RowCount - 1; ++r) {
        for (int c = 0; c < ColumnCount; ++c) {
            auto* item = new QTableWidgetItem;
            if (c == 0) {
                item->setFlags(Qt::ItemIsEnabled);
                item->setText(QString::number(r + 1));
                item->setTextAlignment(Qt::AlignCenter);
                item->setBackground(palette().button());
            } else {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            }
            MSHFlexGridChannel->setItem(r, c, item);
        }
    }

    Text1 = new QLineEdit(MSHFlexGridChannel->viewport());
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFrame(false);
    Text1->hide();
    InstallKeyFilter(Text1, FrequencyKeys);
    Text1->installEventFilter(this);
    for (int k = 0; k < 6; ++k) {
        auto* combo = new QComboBox(MSHFlexGridChannel->viewport());
        combo->setObjectName(QStringLiteral("Combo1_%1").arg(k));
        if (k <= 1) {
            SetUpCodeChooser(combo);
            combo->lineEdit()->installEventFilter(this);
        }
        combo->installEventFilter(this);
        combo->hide();
        Combo1[k] = combo;
    }
    // Text typed into a cell belongs to the document it was typed for: it goes
    // in before the document is saved or sent, and is dropped when the
    // document is replaced.
    connect(&document_, &RadioDocument::pendingEditsRequested, this, &FormChannelInformation::FreshData);
    connect(&document_, &RadioDocument::aboutToReplace, this, &FormChannelInformation::dropOpenEdit);
    MSHFlexGridChannel->installEventFilter(this);
    buildCommandActions();

    CommandChannelEdit = new QPushButton(this);
    CommandClose = new QPushButton(this);
    CommandHelp = new QPushButton(this);
    for (QPushButton* button : { CommandChannelEdit, CommandClose, CommandHelp }) {
        button->setAutoDefault(false);
        button->installEventFilter(this);
    }

    LabelGroup = new QLabel(this);
    ComboGroup = new QComboBox(this);
    LabelRadioFreq = new QLabel(this);
    TextRadioFreq = new QLineEdit(this);
    for (QWidget* hidden : std::initializer_list<QWidget*> { LabelGroup, ComboGroup, LabelRadioFreq, TextRadioFreq })
        hidden->hide();

    auto* buttons = ButtonRow({ CommandChannelEdit, CommandClose, CommandHelp });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MSHFlexGridChannel);
    layout->addLayout(buttons);

    Timer1 = new QTimer(this);
    Timer1->setInterval(500);

    connect(MSHFlexGridChannel, &QTableWidget::cellClicked, this,
            [this](int r, int c) { MSHFlexGridChannel_Click(r + 1, c); });
    connect(MSHFlexGridChannel, &QTableWidget::currentCellChanged, this, [this](int r, int c) {
        if (r >= 0 && c >= 1) {
            State().CurrentChannel = r + 1;
            State().CurrentColumn = c;
        }
    });
    connect(CommandChannelEdit, &QPushButton::clicked, this, &FormChannelInformation::CommandChannelEdit_Click);
    connect(CommandClose, &QPushButton::clicked, this, &FormChannelInformation::CommandClose_Click);
    connect(CommandHelp, &QPushButton::clicked, this, &FormChannelInformation::CommandHelp_Click);
    connect(Timer1, &QTimer::timeout, this, &FormChannelInformation::Timer1_Timer);
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        // Leaving an in-place editor commits it.
        if (Text1->isVisible() && Within(Text1, old) && !Within(Text1, now))
            Text1_Commit();
        for (int k = 0; k < 6; ++k)
            if (Combo1[k]->isVisible() && Within(Combo1[k], old) && !Within(Combo1[k], now))
                Combo1_Commit(k);
    });

    Form_Load();
}

FormChannelInformation::~FormChannelInformation()
{
    disconnect(focusWatch_);
}

void FormChannelInformation::Form_Load()
{
    fillCaptions();
    State().CurrentChannel = 1;
    State().CurrentGroup = 0;
    setColumnWidths();
    AnalyseChannelInformation();
    MSHFlexGridChannel->setCurrentCell(0, ReceiveColumn);
    Timer1->start();
    registerPage();
}

void FormChannelInformation::fillCaptions()
{
    setWindowTitle(tr("Channel Information"));
    const QStringList captions {
        tr("CH"),
        tr("Rx Frequency"),
        tr("Tx Frequency"),
        tr("CTCSS/DCS Decode"),
        tr("CTCSS/DCS Encode"),
        tr("Tx Power"),
        tr("Scan Add"),
        tr("Channel Spacing"),
        tr("Busy Lock"),
        QString(),
    };
    MSHFlexGridChannel->setHorizontalHeaderLabels(captions);
    CommandChannelEdit->setText(tr("Channel Edit"));
    CommandClose->setText(tr("&Close"));
    CommandHelp->setText(tr("&Help"));
    LabelGroup->setText(tr("Group"));
    FillNumberList(ComboGroup);
    LabelRadioFreq->setText(tr("Radio Frequency"));
    captionCommandActions();

    FillBusyLockList(Combo1[5]);
    FillSpacingList(Combo1[4]);
    FillScanAddList(Combo1[3]);
    FillPowerList(Combo1[2]);
    FillSignallingCodeList(Combo1[1]);
    FillSignallingCodeList(Combo1[0]);
}

void FormChannelInformation::setColumnWidths()
{
    static constexpr std::array<int, ColumnCount> widths { 500, 1000, 1000, 1000, 1000, 1200, 1000, 1200, 1200, 1000 };
    // The widths are kept as the page defines them unless the font needs
    // more room for a column's longest text or caption word.
    const QFontMetrics cells(MSHFlexGridChannel->font());
    const QFontMetrics captions(MSHFlexGridChannel->horizontalHeader()->font());
    const QString frequency = QStringLiteral("000") + State().DecimalSeparator + QStringLiteral("00000");
    auto widest = [&](const QStringList& texts) {
        int w = 0;
        for (const QString& t : texts)
            w = qMax(w, cells.horizontalAdvance(t));
        return w;
    };
    auto items = [](const QComboBox* combo) {
        QStringList texts;
        for (int i = 0; i < combo->count(); ++i)
            texts.append(combo->itemText(i));
        return texts;
    };
    const std::array<QStringList, ColumnCount> contents { QStringList { QStringLiteral("16") }, { frequency }, { frequency },
        { QStringLiteral("D000N"), NoneText() }, { QStringLiteral("D000N"), NoneText() }, items(Combo1[2]),
        items(Combo1[3]), items(Combo1[4]), items(Combo1[5]), {} };
    int total = 0;
    int captionLines = 1;
    for (int c = 0; c < ColumnCount; ++c) {
        int width = qMax(Twips(this, widths[c]), widest(contents[c]) + 14);
        const QString caption = MSHFlexGridChannel->horizontalHeaderItem(c)->text();
        for (const QString& word : caption.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            width = qMax(width, captions.horizontalAdvance(word) + 12);
        if (captions.horizontalAdvance(caption) + 12 > width)
            captionLines = 2;
        MSHFlexGridChannel->setColumnWidth(c, width);
        total += width;
    }
    MSHFlexGridChannel->horizontalHeader()->setFixedHeight(qMax(Twips(this, 500), captionLines * captions.lineSpacing() + 10));
    const int height = MSHFlexGridChannel->horizontalHeader()->height()
        + (RowCount - 1) * MSHFlexGridChannel->verticalHeader()->defaultSectionSize();
    MSHFlexGridChannel->setMinimumSize(qMin(total, 400), 200);
    preferredSize_ = QSize(total + 2 * MSHFlexGridChannel->frameWidth() + 24,
                           height + 2 * MSHFlexGridChannel->frameWidth() + CommandClose->sizeHint().height() + 40);
    resize(preferredSize_);
}

QSize FormChannelInformation::sizeHint() const
{
    return preferredSize_;
}

QString FormChannelInformation::cellText(int row, int column) const
{
    const QTableWidgetItem* item = MSHFlexGridChannel->item(row - 1, column);
    return item ? item->text() : QString();
}

void FormChannelInformation::setCell(int row, int column, const QString& text)
{
    if (QTableWidgetItem* item = MSHFlexGridChannel->item(row - 1, column))
        item->setText(text);
}

void FormChannelInformation::AnalyseChannelInformation()
{
    Decoding = true;
    for (int row = 1; row <= LastChannel; ++row)
        decodeRow(row);
    Decoding = false;
}

void FormChannelInformation::decodeRow(int row)
{
    SharedState& s = State();
    for (int c = ReceiveColumn; c <= BusyLockColumn; ++c)
        setCell(row, c, QString());
    const ChannelView view = DecodeChannel(document_.memory(), row, s.DecimalSeparator, NoneText());
    if (!view.present) {
        document_.setChannel(row, Channel {}); // an absent channel takes no part in scanning
        return;
    }
    setCell(row, ReceiveColumn, view.receiveText);
    if (view.transmitPresent)
        setCell(row, TransmitColumn, view.transmitText);
    setCell(row, DecodeColumn, view.decode.text);
    setCell(row, EncodeColumn, view.encode.text);
    setCell(row, PowerColumn, Combo1[2]->itemText(PowerPosition(view.powerBits)));
    setCell(row, ScanAddColumn, Combo1[3]->itemText(view.scanAdd ? 0 : 1));
    setCell(row, SpacingColumn, Combo1[4]->itemText(view.spacingBit));
    setCell(row, BusyLockColumn, Combo1[5]->itemText(BusyLockPosition(view.busyLockBits)));
}

void FormChannelInformation::MSHFlexGridChannel_Click(int row, int column)
{
    if (Decoding || row < 1 || row > LastChannel || column < 1)
        return;
    openCellEditor(row, column);
}

void FormChannelInformation::openCellEditor(int row, int column)
{
    if (column == BlankColumn) {
        State().CurrentChannel = row;
        State().CurrentColumn = column;
        return; // nothing to edit there
    }
    if (cellText(row, ReceiveColumn).isEmpty())
        column = ReceiveColumn;
    else if (column == EncodeColumn && cellText(row, TransmitColumn).isEmpty())
        column = TransmitColumn; // an encode code needs a transmit frequency
    MSHFlexGridChannel->setCurrentCell(row - 1, column);
    State().CurrentChannel = row;
    State().CurrentColumn = column;
    editRow_ = row;
    editColumn_ = column;
    editOriginal_ = cellText(row, column);
    enterCommit_ = false;

    if (column <= TransmitColumn) {
        placeOver(Text1, row, column);
        Text1->setText(editOriginal_);
        Text1->setModified(false);
        Text1->show();
        Text1->setFocus();
        Text1->selectAll();
        return;
    }
    QComboBox* combo = Combo1[column - 3];
    placeOver(combo, row, column);
    if (column <= EncodeColumn) {
        combo->setCurrentIndex(combo->findText(editOriginal_, Qt::MatchExactly));
        combo->setEditText(editOriginal_);
    } else {
        combo->setCurrentIndex(qMax(0, combo->findText(editOriginal_, Qt::MatchExactly)));
    }
    combo->show();
    combo->setFocus();
    if (combo->lineEdit())
        combo->lineEdit()->selectAll(); // typing replaces the code shown
}

void FormChannelInformation::placeOver(QWidget* editor, int row, int column)
{
    const QRect cell = MSHFlexGridChannel->visualItemRect(MSHFlexGridChannel->item(row - 1, column));
    if (qobject_cast<QComboBox*>(editor))
        editor->setGeometry(cell.x(), cell.y(), cell.width(), qMax(cell.height(), editor->sizeHint().height()));
    else
        editor->setGeometry(cell);
    editor->raise();
}

void FormChannelInformation::Text1_Commit()
{
    if (committing_ || !Text1->isVisible())
        return;
    committing_ = true;
    const int row = editRow_;
    const int column = editColumn_;
    const QString text = Text1->text();
    Text1->hide();
    SharedState& s = State();
    EntryResult result;
    // Passing through a cell writes nothing; Enter always commits.
    if (row >= 1 && column >= 1 && (text != editOriginal_ || enterCommit_)) {
        const auto enter = column == ReceiveColumn ? EnterReceiveFrequency : EnterTransmitFrequency;
        document_.edit([&](RadioImage& m) { result = enter(m, row, text, s.DecimalSeparator, CurrentBand(document_)); });
        Text1->setText(result.text);
        if (result.written)
            s.EditorRefreshPending = true;
    }
    afterCommit(row, column);
    committing_ = false;
    if (result.warning)
        ShowFrequencyWarning();
}

void FormChannelInformation::Combo1_Commit(int k)
{
    QComboBox* combo = Combo1[k];
    if (committing_ || !combo->isVisible())
        return;
    committing_ = true;
    const int row = editRow_;
    const int column = editColumn_;
    SharedState& s = State();
    combo->hide();
    const QString text = combo->currentText();
    const int position = combo->currentIndex();
    Channel channel = document_.channel(row);
    if (channel.present() && (text != editOriginal_ || enterCommit_) && !(position < 0 && column >= PowerColumn)) {
        switch (column) {
        case DecodeColumn:
        case EncodeColumn: {
            QString shown;
            (column == DecodeColumn ? channel.decode : channel.encode)
                = SignallingCode::fromTyped(text, s.DecimalSeparator, &shown);
            combo->setEditText(shown);
            break;
        }
        // The lists show the values in their order.
        case PowerColumn: channel.power = Power(position); break;
        case ScanAddColumn: channel.scanAdd = position == 0; break;
        case SpacingColumn: channel.spacing = Spacing(position); break;
        case BusyLockColumn: channel.busyLock = BusyLock(position); break;
        default: break;
        }
        document_.setChannel(row, channel);
        s.EditorRefreshPending = true;
    }
    afterCommit(row, column);
    committing_ = false;
}

void FormChannelInformation::afterCommit(int row, int column)
{
    // The row shows what is stored now.
    Decoding = true;
    decodeRow(row);
    Decoding = false;
    if (enterCommit_) {
        enterCommit_ = false;
        moveAfterEnter(row, column);
    }
}

void FormChannelInformation::moveAfterEnter(int row, int column)
{
    if (column == BusyLockColumn && row < LastChannel)
        MSHFlexGridChannel->setCurrentCell(row, ReceiveColumn);
    else
        MSHFlexGridChannel->setCurrentCell(row - 1, qMin(column + 1, BlankColumn));
    MSHFlexGridChannel->setFocus();
    reopen_ = true;
}

void FormChannelInformation::FreshData()
{
    for (int k = 0; k < 6; ++k) {
        if (Combo1[k]->isVisible()) {
            Combo1_Commit(k);
            return;
        }
    }
    if (Text1->isVisible())
        Text1_Commit();
}

void FormChannelInformation::dropOpenEdit()
{
    committing_ = true;
    Text1->hide();
    for (QComboBox* combo : Combo1)
        combo->hide();
    committing_ = false;
}

void FormChannelInformation::RefreshAfterRead()
{
    AnalyseChannelInformation();
    State().EditorRefreshPending = true; // an open channel editor shows the read channel too
}

void FormChannelInformation::Timer1_Timer()
{
    SharedState& s = State();
    if (s.GridRefreshPending) {
        s.GridRefreshPending = false;
        AnalyseChannelInformation();
    }
    // The channel editor's selector moved to another channel: so does the
    // selection, on which the keyboard commands act.
    const bool editing = Text1->isVisible()
        || std::any_of(Combo1.begin(), Combo1.end(), [](const QComboBox* c) { return c->isVisible(); });
    if (!editing && s.CurrentChannel >= 1 && s.CurrentChannel <= LastChannel
        && MSHFlexGridChannel->currentRow() + 1 != s.CurrentChannel)
        MSHFlexGridChannel->setCurrentCell(s.CurrentChannel - 1, qMax(1, MSHFlexGridChannel->currentColumn()));
}

bool FormChannelInformation::isCommandKey(int key, Qt::KeyboardModifiers modifiers)
{
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool ctrl = modifiers & Qt::ControlModifier;
    switch (key) {
    case Qt::Key_F3:
    case Qt::Key_F4:
    case Qt::Key_F5:
    case Qt::Key_F9:
    case Qt::Key_F10: return shift;
    case Qt::Key_E:
    case Qt::Key_F:
    case Qt::Key_Q:
    case Qt::Key_I:
    case Qt::Key_D: return ctrl;
    case Qt::Key_F11: return !shift && !ctrl;
    default: return false;
    }
}

bool FormChannelInformation::Form_KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (!isCommandKey(key, modifiers))
        return false;
    FreshData();
    const SharedState& s = State();
    if (s.CurrentChannel < 1 || s.CurrentChannel > LastChannel || s.CurrentColumn < 1)
        return true;
    const bool receive = !cellText(s.CurrentChannel, ReceiveColumn).isEmpty();
    const bool transmit = !cellText(s.CurrentChannel, TransmitColumn).isEmpty();
    switch (key) {
    case Qt::Key_F3:
    case Qt::Key_E:
        if (receive)
            runCopyTool(ChannelCopyTool);
        break;
    case Qt::Key_F4:
    case Qt::Key_F:
        if (receive)
            runCopyTool(FrequencyCopyTool);
        break;
    case Qt::Key_F5:
    case Qt::Key_Q:
        if (transmit)
            runCopyTool(QtDqtCopyTool);
        break;
    case Qt::Key_F9:
    case Qt::Key_I: insertChannel(); break;
    case Qt::Key_F10:
    case Qt::Key_D: deleteChannel(); break;
    case Qt::Key_F11: CommandChannelEdit_Click(); break;
    default: break;
    }
    return true;
}

void FormChannelInformation::runCopyTool(int kind)
{
    const int channel = State().CurrentChannel;
    if (kind == ChannelCopyTool) {
        FormChannelCopy dialog(document_, channel, this);
        dialog.exec();
    } else if (kind == FrequencyCopyTool) {
        FormFrequencyCopy dialog(document_, channel, cellText(channel, ReceiveColumn), this);
        dialog.exec();
    } else {
        FormQtDqtCopy dialog(document_, channel, cellText(channel, DecodeColumn), this);
        dialog.exec();
    }
    if (State().GridRefreshPending) {
        // Show the copy at once, and in an open channel editor too.
        State().GridRefreshPending = false;
        State().EditorRefreshPending = true;
        AnalyseChannelInformation();
    }
}

void FormChannelInformation::insertChannel()
{
    SharedState& s = State();
    const RadioDocument::Step step(document_, StepNames::InsertChannel());
    bool inserted = false;
    document_.edit([&](RadioImage& m) { inserted = InsertChannel(m, s.CurrentChannel, s.DecimalSeparator); });
    if (inserted) {
        AnalyseChannelInformation();
        s.EditorRefreshPending = true;
    }
}

void FormChannelInformation::deleteChannel()
{
    SharedState& s = State();
    const RadioDocument::Step step(document_, StepNames::DeleteChannel());
    document_.edit([&](RadioImage& m) { RemoveChannel(m, s.CurrentChannel); });
    AnalyseChannelInformation();
    s.EditorRefreshPending = true;
}

void FormChannelInformation::CommandChannelEdit_Click()
{
    FreshData();
    FormChannelEdit::ShowEditor(document_, this);
}

void FormChannelInformation::CommandClose_Click()
{
    FreshData();
    closePage();
}

void FormChannelInformation::CommandHelp_Click()
{
    ShowHelpTopic(QStringLiteral("chinfo.htm"));
}

bool FormChannelInformation::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (isCommandKey(key->key(), key->modifiers())) {
            event->accept(); // the page's commands come before any shortcut
            return true;
        }
    }
    if (event->type() != QEvent::KeyPress)
        return PageWindow::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (Form_KeyDown(key->key(), key->modifiers()))
        return true;
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!enter)
        return false;
    if (watched == Text1) {
        enterCommit_ = true;
        Text1_Commit();
        return true;
    }
    for (int k = 0; k < 6; ++k) {
        if (watched == Combo1[k] || (Combo1[k]->lineEdit() && watched == Combo1[k]->lineEdit())) {
            enterCommit_ = true;
            Combo1_Commit(k);
            return true;
        }
    }
    if (watched == MSHFlexGridChannel) {
        if (reopen_) {
            reopen_ = false;
            const int row = MSHFlexGridChannel->currentRow() + 1;
            const int column = MSHFlexGridChannel->currentColumn();
            if (row >= 1 && column >= 1)
                openCellEditor(row, column);
        }
        return true;
    }
    return false;
}

bool FormChannelInformation::event(QEvent* event)
{
    if (event->type() == QEvent::Close)
        FreshData();
    return PageWindow::event(event);
}

} // namespace t40
