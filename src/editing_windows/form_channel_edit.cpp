#include "form_channel_edit.h"

#include "button_row.h"
#include "channel_cell_delegate.h"
#include "channel_pages.h"
#include "channel_table_model.h"
#include "help_topic.h"
#include "list_fillers.h"
#include "value_texts.h"
#include "screen_fit.h"
#include "shared_state.h"
#include "window_menu.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCloseEvent>
#include <QItemSelectionModel>
#include <QDataWidgetMapper>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

namespace t40 {

namespace {
QPointer<FormChannelEdit> OpenEditor;

QMdiArea* AreaOf(QWidget* w)
{
    for (; w; w = w->parentWidget())
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w))
            return sub->mdiArea();
    return nullptr;
}

// Keeps ChildWindowState with the state of the editor's frame.
class WindowStateWatcher : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowStateChange) {
            const Qt::WindowStates states = static_cast<QWidget*>(watched)->windowState();
            State().ChildWindowState = states & Qt::WindowMinimized ? 1 : states & Qt::WindowMaximized ? 2 : 0;
        }
        return false;
    }
};
} // namespace

FormChannelEdit::FormChannelEdit(RadioDocument& document, QWidget* parent)
    : QWidget(parent)
    , document_(document)
    , channels_(ChannelTableModel::of(document))
    , delegate_(new ChannelCellDelegate(channels_, this))
    , mapper_(new QDataWidgetMapper(this))
{
    setObjectName(QStringLiteral("FormChannelEdit"));
    LabelChannel = new QLabel(this);
    ComboChannel = new QComboBox(this);
    for (int c = 1; c <= ChannelCount; ++c)
        ComboChannel->addItem(QString::number(c));
    LabelRxFreq = new QLabel(this);
    TextRxFreq = new QLineEdit(this);
    LabelTxFreq = new QLabel(this);
    TextTxFreq = new QLineEdit(this);
    LabelDecode = new QLabel(this);
    ComboDecode = new QComboBox(this);
    LabelEncode = new QLabel(this);
    ComboEncode = new QComboBox(this);
    LabelTxPower = new QLabel(this);
    ComboTxPower = new QComboBox(this);
    LabelSpace = new QLabel(this);
    ComboSpace = new QComboBox(this);
    LabelBusyLock = new QLabel(this);
    ComboBusyLock = new QComboBox(this);
    CheckScanAdd = new QCheckBox(this);
    CommandClose = new QPushButton(this);
    CommandHelp = new QPushButton(this);
    CheckReverse = new QCheckBox(this);
    CheckTalkAround = new QCheckBox(this);
    LabelScramble = new QLabel(this);
    ComboScramble = new QComboBox(this);
    for (QWidget* hidden : std::initializer_list<QWidget*> { CheckReverse, CheckTalkAround, LabelScramble, ComboScramble })
        hidden->hide();

    for (QPushButton* b : { CommandClose, CommandHelp })
        b->setAutoDefault(false);

    auto* grid = new QGridLayout;
    const std::initializer_list<std::pair<QLabel*, QWidget*>> rows {
        { LabelChannel, ComboChannel }, { LabelRxFreq, TextRxFreq }, { LabelTxFreq, TextTxFreq },
        { LabelDecode, ComboDecode }, { LabelEncode, ComboEncode }, { LabelTxPower, ComboTxPower },
        { LabelSpace, ComboSpace }, { LabelBusyLock, ComboBusyLock },
    };
    int r = 0;
    for (const auto& [label, field] : rows) {
        grid->addWidget(label, r, 0);
        grid->addWidget(field, r, 1);
        label->setBuddy(field);
        ++r;
    }
    // The common case in one click: the decode code for encode too.
    CommandEncodeAsDecode = new QToolButton(this);
    CommandEncodeAsDecode->setObjectName(QStringLiteral("CommandEncodeAsDecode"));
    grid->addWidget(CommandEncodeAsDecode, 4, 2);
    grid->addWidget(CheckScanAdd, r, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(1, 150);
    auto* buttons = ButtonRow({ CommandClose, CommandHelp });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);

    channels_.setDecimalSeparator(State().DecimalSeparator);
    mapper_->setModel(&channels_);
    mapper_->setItemDelegate(delegate_);
    mapper_->setSubmitPolicy(QDataWidgetMapper::AutoSubmit);
    const std::initializer_list<std::pair<QWidget*, int>> fields {
        { TextRxFreq, ChannelTableModel::ReceiveColumn }, { TextTxFreq, ChannelTableModel::TransmitColumn },
        { ComboDecode, ChannelTableModel::DecodeColumn }, { ComboEncode, ChannelTableModel::EncodeColumn },
        { ComboTxPower, ChannelTableModel::PowerColumn }, { ComboSpace, ChannelTableModel::SpacingColumn },
        { ComboBusyLock, ChannelTableModel::BusyLockColumn }, { CheckScanAdd, ChannelTableModel::ScanAddColumn },
    };
    for (const auto& [control, column] : fields) {
        delegate_->adopt(control, column);
        mapper_->addMapping(control, column);
    }

    connect(ComboChannel, &QComboBox::activated, this, &FormChannelEdit::ComboChannel_Click);
    connect(delegate_, &ChannelCellDelegate::corrected, this, [this](const QString& note) { ShowCorrection(this, note); });
    connect(CommandClose, &QPushButton::clicked, this, &FormChannelEdit::CommandClose_Click);
    connect(CommandEncodeAsDecode, &QToolButton::clicked, this, [this] {
        commitOpenEdit();
        document_.encodeAsDecode({ shown_ });
    });
    connect(CommandHelp, &QPushButton::clicked, this, &FormChannelEdit::CommandHelp_Click);
    // The grid's selection is this window's channel; the controls follow
    // every change of the table after the mapper has shown it.
    connect(channels_.selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
        if (current.isValid())
            showChannel(ChannelTableModel::channelOf(current.row()));
    });
    connect(&channels_, &QAbstractItemModel::dataChanged, this, &FormChannelEdit::updateControls);

    // Text typed into a box belongs to the document it was typed for: it goes
    // in before the document is saved or sent, and is dropped when the
    // document is replaced.
    connect(&document_, &RadioDocument::pendingEditsRequested, this, &FormChannelEdit::commitOpenEdit);
    connect(&document_, &RadioDocument::aboutToReplace, this, &FormChannelEdit::dropOpenEdit);

    Form_Load();
}

void FormChannelEdit::commitOpenEdit()
{
    // Only the box that has the focus can hold uncommitted text: leaving a box commits it.
    QWidget* focus = QApplication::focusWidget();
    if (!focus || !isAncestorOf(focus))
        return;
    if (auto* combo = qobject_cast<QComboBox*>(focus->parentWidget()); combo && combo->lineEdit() == focus)
        focus = combo;
    if (mapper_->mappedSection(focus) >= 0)
        delegate_->commitAndClose(focus);
}

void FormChannelEdit::dropOpenEdit()
{
    mapper_->revert();
    updateControls();
}

FormChannelEdit::~FormChannelEdit()
{
    // The channel table outlives the editor.
    disconnect(&channels_, nullptr, this, nullptr);
    disconnect(channels_.selectionModel(), nullptr, this, nullptr);
    disconnect(&document_, nullptr, this, nullptr);
    State().ChannelEditorOpen = false;
}

FormChannelEdit* FormChannelEdit::Instance()
{
    return OpenEditor;
}

FormChannelEdit* FormChannelEdit::ShowEditor(RadioDocument& document, QWidget* from)
{
    if (OpenEditor) {
        OpenEditor->AnalyseOneChannel();
        BringPageToFront(OpenEditor);
        return OpenEditor;
    }
    auto* editor = new FormChannelEdit(document);
    OpenEditor = editor;
    QWidget* frame = editor;
    if (QMdiArea* area = AreaOf(from)) {
        QMdiSubWindow* sub = area->addSubWindow(editor);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        frame = sub;
    } else {
        editor->setAttribute(Qt::WA_DeleteOnClose);
    }
    frame->installEventFilter(new WindowStateWatcher(editor));
    switch (State().ChildWindowState) {
    case 1: frame->showMinimized(); break;
    case 2: frame->showMaximized(); break;
    default: frame->show(); break;
    }
    if (auto* sub = qobject_cast<QMdiSubWindow*>(frame)) {
        FitToArea(sub);
        sub->mdiArea()->setActiveSubWindow(sub);
    }
    return editor;
}

void FormChannelEdit::Form_Load()
{
    State().ChannelEditorOpen = true;
    fillCaptions();
    AnalyseOneChannel();
}

void FormChannelEdit::fillCaptions()
{
    setWindowTitle(tr("Channel Edit"));
    LabelChannel->setText(tr("Channel"));
    LabelRxFreq->setText(ChannelFieldName(ChannelFieldId::Receive));
    LabelTxFreq->setText(ChannelFieldName(ChannelFieldId::Transmit));
    // Decode, encode and busy lock-out read longer here than in the grid.
    LabelDecode->setText(tr("CTCSS/DCS Decode"));
    LabelEncode->setText(tr("CTCSS/DCS Encode"));
    LabelTxPower->setText(ChannelFieldName(ChannelFieldId::Power));
    LabelSpace->setText(ChannelFieldName(ChannelFieldId::Spacing));
    LabelBusyLock->setText(tr("Busy Channel Lock-out"));
    CheckScanAdd->setText(ChannelFieldName(ChannelFieldId::ScanAdd));
    CommandEncodeAsDecode->setText(tr("= Decode"));
    CommandEncodeAsDecode->setToolTip(tr("Encode with the decode code"));
    CommandClose->setText(tr("&Close"));
    CommandHelp->setText(tr("&Help"));
    CheckReverse->setText(tr("Reverse"));
    CheckTalkAround->setText(tr("Talk Around"));
    LabelScramble->setText(tr("Scramble Type"));
    ComboScramble->clear();
    FillNumberList(ComboScramble);
}

void FormChannelEdit::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        commitOpenEdit(); // typed text goes in before the texts change
        fillCaptions();
        delegate_->retranslate(ComboDecode, ChannelTableModel::DecodeColumn);
        delegate_->retranslate(ComboEncode, ChannelTableModel::EncodeColumn);
        delegate_->retranslate(ComboTxPower, ChannelTableModel::PowerColumn);
        delegate_->retranslate(ComboSpace, ChannelTableModel::SpacingColumn);
        delegate_->retranslate(ComboBusyLock, ChannelTableModel::BusyLockColumn);
        channels_.retranslate();
    }
    QWidget::changeEvent(event);
}

void FormChannelEdit::AnalyseOneChannel()
{
    showChannel(channels_.currentChannel());
}

void FormChannelEdit::showChannel(int c)
{
    shown_ = qBound(1, c, ChannelCount);
    ComboChannel->setCurrentIndex(shown_ - 1);
    if (document_.channel(shown_).present())
        document_.repairStoredPower(shown_); // a stored 3 reads, and is stored back, as High
    else
        document_.setChannel(shown_, Channel {}); // an absent channel takes no part in scanning
    mapper_->setCurrentIndex(ChannelTableModel::rowOf(shown_));
    updateControls();
}

void FormChannelEdit::updateControls()
{
    const QModelIndex receive = channels_.index(ChannelTableModel::rowOf(shown_), ChannelTableModel::ReceiveColumn);
    const bool present = receive.data(ChannelTableModel::PresentRole).toBool();
    const bool transmit = receive.data(ChannelTableModel::TransmitPresentRole).toBool();
    for (QWidget* w : std::initializer_list<QWidget*> { TextTxFreq, ComboDecode, ComboTxPower, ComboSpace, ComboBusyLock,
                                                        CheckScanAdd })
        w->setEnabled(present);
    ComboEncode->setEnabled(transmit);
    CommandEncodeAsDecode->setEnabled(document_.channel(shown_).encodeCanTakeDecode());
    if (!transmit) {
        // No encode code without a transmit frequency: the chooser stays empty.
        const QSignalBlocker quiet(ComboEncode);
        ComboEncode->setCurrentIndex(-1);
        ComboEncode->setEditText(QString());
    }
}

void FormChannelEdit::ComboChannel_Click(int index)
{
    if (index < 0)
        return;
    commitOpenEdit();
    channels_.setCurrentChannel(index + 1);
    if (shown_ != index + 1)
        showChannel(index + 1);
}

void FormChannelEdit::CommandClose_Click()
{
    State().ChannelEditorOpen = false;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void FormChannelEdit::CommandHelp_Click()
{
    ShowHelpTopic(QStringLiteral("chEdit.htm"));
}

void FormChannelEdit::closeEvent(QCloseEvent* event)
{
    State().ChannelEditorOpen = false;
    QWidget::closeEvent(event);
}

} // namespace t40
