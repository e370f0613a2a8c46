#include "form_channel_information.h"

#include "button_row.h"
#include "channel_cell_delegate.h"
#include "channel_grid_view.h"
#include "channel_pages.h"
#include "channel_table_model.h"
#include "form_channel_copy.h"
#include "form_channel_edit.h"
#include "form_frequency_copy.h"
#include "form_qt_dqt_copy.h"
#include "help_topic.h"
#include "list_fillers.h"
#include "shared_state.h"
#include "value_texts.h"
#include "window_menu.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace t40 {

namespace {
constexpr int ReceiveColumn = ChannelTableModel::ReceiveColumn;
constexpr int TransmitColumn = ChannelTableModel::TransmitColumn;
constexpr int DecodeColumn = ChannelTableModel::DecodeColumn;

enum CopyTool { ChannelCopyTool, FrequencyCopyTool, QtDqtCopyTool };

int Twips(const QWidget* w, int twips)
{
    return twips * w->logicalDpiX() / 1440;
}

} // namespace

FormChannelInformation::FormChannelInformation(RadioDocument& document, QWidget* parent)
    : PageWindow(ChannelPageId, &SharedState::ChannelPageOpen, parent)
    , document_(document)
    , channels_(ChannelTableModel::of(document))
{
    channels_.setDecimalSeparator(State().DecimalSeparator);
    MSHFlexGridChannel = new ChannelGridView(channels_, this);
    MSHFlexGridChannel->setObjectName(QStringLiteral("MSHFlexGridChannel"));
    MSHFlexGridChannel->horizontalHeader()->setDefaultAlignment(Qt::Alignment::fromInt(Qt::AlignCenter | Qt::TextWordWrap));
    MSHFlexGridChannel->horizontalHeader()->setSectionsClickable(false);
    MSHFlexGridChannel->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    MSHFlexGridChannel->installEventFilter(this);
    connect(MSHFlexGridChannel, &ChannelGridView::editorOpened, this, &FormChannelInformation::watchKeys);
    connect(MSHFlexGridChannel->cellDelegate(), &ChannelCellDelegate::corrected, this,
            [this](const QString& note) { ShowCorrection(this, note); });
    // Text typed into a cell belongs to the document it was typed for: it goes
    // in before the document is saved or sent, and is dropped when the
    // document is replaced.
    connect(&document_, &RadioDocument::pendingEditsRequested, this, &FormChannelInformation::FreshData);
    connect(&document_, &RadioDocument::aboutToReplace, this, &FormChannelInformation::dropOpenEdit);
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

    connect(CommandChannelEdit, &QPushButton::clicked, this, &FormChannelInformation::CommandChannelEdit_Click);
    connect(CommandClose, &QPushButton::clicked, this, &FormChannelInformation::CommandClose_Click);
    connect(CommandHelp, &QPushButton::clicked, this, &FormChannelInformation::CommandHelp_Click);

    Form_Load();
}

FormChannelInformation::~FormChannelInformation()
{
    // The channel table outlives the page: it must not call into a page
    // being taken apart, and a box still open goes without writing.
    disconnect(&channels_, nullptr, this, nullptr);
    disconnect(channels_.selectionModel(), nullptr, this, nullptr);
    disconnect(&document_, nullptr, this, nullptr);
    MSHFlexGridChannel->dropOpenEditor();
}

void FormChannelInformation::Form_Load()
{
    fillCaptions();
    State().CurrentGroup = 0;
    channels_.setCurrentChannel(1, ChannelTableModel::ReceiveColumn);
    setColumnWidths();
    AnalyseChannelInformation();
    registerPage();
}

void FormChannelInformation::fillCaptions()
{
    setWindowTitle(tr("Channel Information"));
    CommandChannelEdit->setText(tr("Channel Edit"));
    CommandClose->setText(tr("&Close"));
    CommandHelp->setText(tr("&Help"));
    LabelGroup->setText(tr("Group"));
    ComboGroup->clear();
    FillNumberList(ComboGroup);
    LabelRadioFreq->setText(tr("Radio Frequency"));
    captionCommandActions();
}

void FormChannelInformation::changeEvent(QEvent* event)
{
    // Text typed into a cell goes in before the texts change; the page's
    // captions follow through fillCaptions().
    if (event->type() == QEvent::LanguageChange) {
        FreshData();
        channels_.retranslate();
    }
    PageWindow::changeEvent(event);
}

void FormChannelInformation::setColumnWidths()
{
    static constexpr std::array<int, ColumnCount> widths { 500, 1000, 1000, 1000, 1000, 1200, 1000, 1200, 1200, 1000 };
    // The widths are kept as the page defines them unless the font needs
    // more room for a column's longest text or caption word.
    const QFontMetrics cells(MSHFlexGridChannel->font());
    const QFontMetrics captions(MSHFlexGridChannel->horizontalHeader()->font());
    const QString separator = State().DecimalSeparator;
    const QString frequency = QStringLiteral("000") + separator + QStringLiteral("00000");
    auto widest = [&](const QStringList& texts) {
        int w = 0;
        for (const QString& t : texts)
            w = qMax(w, cells.horizontalAdvance(t));
        return w;
    };
    auto list = [&](ChannelFieldId id) { return ChannelListTexts(id, separator); };
    const std::array<QStringList, ColumnCount> contents { QStringList { QStringLiteral("16") }, { frequency }, { frequency },
        { QStringLiteral("D000N"), NoCodeText() }, { QStringLiteral("D000N"), NoCodeText() }, list(ChannelFieldId::Power),
        list(ChannelFieldId::ScanAdd), list(ChannelFieldId::Spacing), list(ChannelFieldId::BusyLock), {} };
    int total = 0;
    int captionLines = 1;
    for (int c = 0; c < ColumnCount; ++c) {
        // Room for the drop-down button of the list editors too.
        int width = qMax(Twips(this, widths[c]), widest(contents[c]) + (c >= 3 ? 30 : 14));
        const QString caption = channels_.headerData(c, Qt::Horizontal).toString();
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
    return channels_.index(ChannelTableModel::rowOf(row), column).data().toString();
}

QWidget* FormChannelInformation::openEditor() const
{
    return MSHFlexGridChannel->openEditor();
}

bool FormChannelInformation::reopenPending() const
{
    return MSHFlexGridChannel->reopenPending();
}

void FormChannelInformation::AnalyseChannelInformation()
{
    channels_.clearAbsentScanBits();
}

void FormChannelInformation::MSHFlexGridChannel_Click(int row, int column)
{
    if (row < 1 || row > ChannelCount || column < 1)
        return;
    FreshData();
    MSHFlexGridChannel->edit(channels_.index(ChannelTableModel::rowOf(row), column));
}

void FormChannelInformation::watchKeys(QWidget* editor)
{
    // The page's commands come first in the open box too.
    editor->installEventFilter(this);
    if (auto* combo = qobject_cast<QComboBox*>(editor); combo && combo->lineEdit())
        combo->lineEdit()->installEventFilter(this);
}

void FormChannelInformation::FreshData()
{
    MSHFlexGridChannel->commitOpenEditor();
}

void FormChannelInformation::dropOpenEdit()
{
    MSHFlexGridChannel->dropOpenEditor();
}

void FormChannelInformation::RefreshAfterRead()
{
    AnalyseChannelInformation();
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
    const QModelIndex current = MSHFlexGridChannel->currentIndex();
    if (!current.isValid())
        return true;
    const int channel = ChannelTableModel::channelOf(current.row());
    const bool receive = !cellText(channel, ReceiveColumn).isEmpty();
    const bool transmit = !cellText(channel, TransmitColumn).isEmpty();
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
    const int channel = channels_.currentChannel();
    if (kind == ChannelCopyTool) {
        // Several selected channels are copied together.
        const QList<int> selected = channels_.selectedChannels();
        FormChannelCopy dialog(document_, selected.contains(channel) ? selected : QList<int> { channel }, this);
        dialog.exec();
    } else if (kind == FrequencyCopyTool) {
        FormFrequencyCopy dialog(document_, channel, cellText(channel, ReceiveColumn), this);
        dialog.exec();
    } else {
        FormQtDqtCopy dialog(document_, channel, cellText(channel, DecodeColumn), this);
        dialog.exec();
    }
}

void FormChannelInformation::insertChannel()
{
    document_.insertChannel(channels_.currentChannel());
}

void FormChannelInformation::deleteChannel()
{
    const QList<int> selected = channels_.selectedChannels();
    document_.deleteChannels(selected.size() > 1 ? selected : QList<int> { channels_.currentChannel() });
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
    return Form_KeyDown(key->key(), key->modifiers());
}

bool FormChannelInformation::event(QEvent* event)
{
    if (event->type() == QEvent::Close)
        FreshData();
    return PageWindow::event(event);
}

} // namespace t40
