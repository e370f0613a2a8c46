#include "form_channel_edit.h"

#include "button_row.h"
#include "channel_codec.h"
#include "channel_pages.h"
#include "code_entry.h"
#include "help_topic.h"
#include "key_filter.h"
#include "list_fillers.h"
#include "screen_fit.h"
#include "shared_state.h"
#include "window_menu.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace t40 {

namespace {
QPointer<FormChannelEdit> OpenEditor;

bool Within(const QWidget* control, const QWidget* w)
{
    if (!w)
        return false;
    if (w == control || control->isAncestorOf(w))
        return true;
    if (auto* combo = qobject_cast<const QComboBox*>(control))
        return w->window() == combo->view()->window();
    return false;
}

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
{
    setObjectName(QStringLiteral("FormChannelEdit"));
    LabelChannel = new QLabel(this);
    ComboChannel = new QComboBox(this);
    for (int c = 1; c <= ChannelsPerGroup; ++c)
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

    InstallKeyFilter(TextRxFreq, FrequencyKeys);
    InstallKeyFilter(TextTxFreq, FrequencyKeys);
    SetUpCodeChooser(ComboDecode);
    SetUpCodeChooser(ComboEncode);
    for (QObject* o : std::initializer_list<QObject*> { TextRxFreq, TextTxFreq, ComboDecode, ComboDecode->lineEdit(),
                                                        ComboEncode, ComboEncode->lineEdit() })
        o->installEventFilter(this);
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
    grid->addWidget(CheckScanAdd, r, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(1, 150);
    auto* buttons = ButtonRow({ CommandClose, CommandHelp });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);

    Timer1 = new QTimer(this);
    Timer1->setInterval(500);

    connect(ComboChannel, &QComboBox::activated, this, &FormChannelEdit::ComboChannel_Click);
    connect(ComboDecode, &QComboBox::activated, this, &FormChannelEdit::ComboDecode_Click);
    connect(ComboEncode, &QComboBox::activated, this, &FormChannelEdit::ComboEncode_Click);
    connect(ComboTxPower, &QComboBox::activated, this, &FormChannelEdit::ComboTxPower_Click);
    connect(ComboSpace, &QComboBox::activated, this, &FormChannelEdit::ComboSpace_Click);
    connect(ComboBusyLock, &QComboBox::activated, this, &FormChannelEdit::ComboBusyLock_Click);
    connect(CheckScanAdd, &QCheckBox::clicked, this, &FormChannelEdit::CheckScanAdd_Click);
    connect(CommandClose, &QPushButton::clicked, this, &FormChannelEdit::CommandClose_Click);
    connect(CommandHelp, &QPushButton::clicked, this, &FormChannelEdit::CommandHelp_Click);
    connect(Timer1, &QTimer::timeout, this, &FormChannelEdit::Timer1_Timer);
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (Within(TextRxFreq, old) && !Within(TextRxFreq, now))
            TextRxFreq_LostFocus();
        if (Within(TextTxFreq, old) && !Within(TextTxFreq, now))
            TextTxFreq_LostFocus();
        if (Within(ComboDecode, old) && !Within(ComboDecode, now))
            ComboDecode_LostFocus();
        if (Within(ComboEncode, old) && !Within(ComboEncode, now))
            ComboEncode_LostFocus();
    });

    // Text typed into a box belongs to the document it was typed for: it goes
    // in before the document is saved or sent, and is dropped when the
    // document is replaced.
    connect(&document_, &RadioDocument::pendingEditsRequested, this, &FormChannelEdit::commitOpenEdit);
    connect(&document_, &RadioDocument::aboutToReplace, this, &FormChannelEdit::dropOpenEdit);

    Form_Load();
}

// Only the box that has the focus can hold uncommitted text: leaving a box commits it.
void FormChannelEdit::commitOpenEdit()
{
    TextRxFreq_LostFocus();
    TextTxFreq_LostFocus();
    ComboDecode_LostFocus();
    ComboEncode_LostFocus();
}

void FormChannelEdit::dropOpenEdit()
{
    const bool decoding = Decoding;
    Decoding = true;
    TextRxFreq->setText(shownRx_);
    TextTxFreq->setText(shownTx_);
    ComboDecode->setEditText(shownDecode_);
    ComboEncode->setEditText(shownEncode_);
    Decoding = decoding;
}

FormChannelEdit::~FormChannelEdit()
{
    disconnect(focusWatch_);
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
    Timer1->start();
}

void FormChannelEdit::fillCaptions()
{
    setWindowTitle(tr("Channel Edit"));
    LabelChannel->setText(tr("Channel"));
    LabelRxFreq->setText(tr("Rx Frequency"));
    LabelTxFreq->setText(tr("Tx Frequency"));
    LabelDecode->setText(tr("CTCSS/DCS Decode"));
    LabelEncode->setText(tr("CTCSS/DCS Encode"));
    LabelTxPower->setText(tr("Tx Power"));
    LabelSpace->setText(tr("Channel Spacing"));
    LabelBusyLock->setText(tr("Busy Channel Lock-out"));
    CheckScanAdd->setText(tr("Scan Add"));
    CommandClose->setText(tr("&Close"));
    CommandHelp->setText(tr("&Help"));
    CheckReverse->setText(tr("Reverse"));
    CheckTalkAround->setText(tr("Talk Around"));
    LabelScramble->setText(tr("Scramble Type"));
    FillNumberList(ComboScramble);
}

void FormChannelEdit::AnalyseOneChannel()
{
    SharedState& s = State();
    Decoding = true;
    shown_ = qBound(1, s.CurrentChannel, ChannelsPerGroup);
    ComboChannel->setCurrentIndex(shown_ - 1);

    TextRxFreq->clear();
    TextTxFreq->clear();
    TextTxFreq->setEnabled(false);
    for (QComboBox* combo : { ComboDecode, ComboEncode, ComboTxPower, ComboSpace, ComboBusyLock }) {
        combo->clear();
        combo->setEnabled(false);
    }
    CheckScanAdd->setChecked(false);
    CheckScanAdd->setEnabled(false);
    shownRx_ = shownTx_ = shownDecode_ = shownEncode_ = QString();

    const ChannelView view = DecodeChannel(document_.memory(), shown_, s.DecimalSeparator, NoneText());
    if (!view.present) {
        document_.setChannel(shown_, Channel {}); // an absent channel takes no part in scanning
        Decoding = false;
        return;
    }
    TextRxFreq->setText(view.receiveText);
    shownRx_ = view.receiveText;
    for (QWidget* w : std::initializer_list<QWidget*> { TextTxFreq, ComboDecode, ComboEncode, ComboTxPower, ComboSpace,
                                                        ComboBusyLock, CheckScanAdd })
        w->setEnabled(true);
    FillSpacingList(ComboSpace);
    FillBusyLockList(ComboBusyLock);
    FillPowerList(ComboTxPower);
    FillSignallingCodeList(ComboDecode);

    auto showCode = [](QComboBox* combo, const DecodedSignalling& code, bool none) {
        combo->setCurrentIndex(none ? 0 : code.position);
        combo->setEditText(code.text);
    };
    if (view.transmitPresent) {
        shownTx_ = CompleteFrequencyText(view.transmitText, s.DecimalSeparator);
        TextTxFreq->setText(shownTx_);
        FillSignallingCodeList(ComboEncode);
        showCode(ComboEncode, view.encode, view.encodeIsNone);
        shownEncode_ = ComboEncode->currentText();
    } else {
        ComboEncode->setEnabled(false);
    }
    showCode(ComboDecode, view.decode, view.decodeIsNone);
    shownDecode_ = ComboDecode->currentText();

    ComboTxPower->setCurrentIndex(PowerPosition(view.powerBits));
    if (view.powerBits == 3) // stored back as High; no page needs to hear of it
        document_.edit([&](RadioImage& m) { RepairStoredPower(m, shown_); });
    ComboSpace->setCurrentIndex(view.spacingBit);
    CheckScanAdd->setChecked(view.scanAdd);
    ComboBusyLock->setCurrentIndex(BusyLockPosition(view.busyLockBits));
    Decoding = false;
}

void FormChannelEdit::ComboChannel_Click(int index)
{
    if (Decoding || index < 0)
        return;
    State().CurrentChannel = index + 1;
    AnalyseOneChannel();
}

void FormChannelEdit::afterWrite()
{
    State().GridRefreshPending = true;
}

void FormChannelEdit::TextRxFreq_LostFocus(bool byEnter)
{
    commitFrequency(TextRxFreq->text(), shownRx_, byEnter, EnterReceiveFrequency);
}

void FormChannelEdit::TextTxFreq_LostFocus(bool byEnter)
{
    commitFrequency(TextTxFreq->text(), shownTx_, byEnter, EnterTransmitFrequency);
}

void FormChannelEdit::commitFrequency(const QString& text, const QString& shownText, bool byEnter, FrequencyEntry enter)
{
    // Passing through a box without changing it writes nothing; Enter always commits.
    if (Decoding || committing_ || (!byEnter && text == shownText))
        return;
    committing_ = true;
    SharedState& s = State();
    EntryResult result;
    document_.edit([&](RadioImage& m) { result = enter(m, shown_, text, s.DecimalSeparator, CurrentBand(document_)); });
    if (result.written)
        afterWrite();
    AnalyseOneChannel();
    committing_ = false;
    if (result.warning)
        ShowFrequencyWarning();
}

void FormChannelEdit::pickCode(QComboBox* combo, int field, int index)
{
    if (Decoding || !combo->isEnabled())
        return;
    SharedState& s = State();
    Channel channel = document_.channel(shown_);
    if (index < 0 || index >= combo->count() || !channel.present())
        return;
    (field == ChannelField::Decode ? channel.decode : channel.encode)
        = SignallingCode::fromListEntry(index, combo->itemText(index), s.DecimalSeparator);
    document_.setChannel(shown_, channel);
    (field == ChannelField::Decode ? shownDecode_ : shownEncode_) = combo->itemText(index);
    afterWrite();
}

void FormChannelEdit::commitCode(QComboBox* combo, int field, QString& shownText)
{
    const bool byEnter = enterCommit_;
    enterCommit_ = false;
    if (Decoding || committing_ || !combo->isEnabled() || (!byEnter && combo->currentText() == shownText))
        return;
    SharedState& s = State();
    Channel channel = document_.channel(shown_);
    if (!channel.present())
        return;
    const QString text = combo->currentText();
    if (!IsNoneText(text)) {
        QString normalised;
        (field == ChannelField::Decode ? channel.decode : channel.encode)
            = SignallingCode::fromTyped(text, s.DecimalSeparator, &normalised);
        document_.setChannel(shown_, channel);
        combo->setEditText(normalised);
        afterWrite();
    }
    shownText = combo->currentText();
    if (byEnter)
        combo->lineEdit()->selectAll();
}

void FormChannelEdit::ComboDecode_Click(int index) { pickCode(ComboDecode, ChannelField::Decode, index); }
void FormChannelEdit::ComboDecode_LostFocus() { commitCode(ComboDecode, ChannelField::Decode, shownDecode_); }
void FormChannelEdit::ComboEncode_Click(int index) { pickCode(ComboEncode, ChannelField::Encode, index); }
void FormChannelEdit::ComboEncode_LostFocus() { commitCode(ComboEncode, ChannelField::Encode, shownEncode_); }

void FormChannelEdit::changeChannel(int listIndex, const std::function<void(Channel&)>& change)
{
    if (Decoding || listIndex < 0)
        return;
    Channel channel = document_.channel(shown_);
    if (!channel.present())
        return;
    change(channel);
    document_.setChannel(shown_, channel);
    afterWrite();
}

// The lists show the values in their order.
void FormChannelEdit::ComboTxPower_Click(int index)
{
    changeChannel(index, [index](Channel& c) { c.power = Power(index); });
}

void FormChannelEdit::ComboSpace_Click(int index)
{
    changeChannel(index, [index](Channel& c) { c.spacing = Spacing(index); });
}

void FormChannelEdit::ComboBusyLock_Click(int index)
{
    changeChannel(index, [index](Channel& c) { c.busyLock = BusyLock(index); });
}

void FormChannelEdit::CheckScanAdd_Click(bool checked)
{
    changeChannel(0, [checked](Channel& c) { c.scanAdd = checked; });
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

void FormChannelEdit::Timer1_Timer()
{
    SharedState& s = State();
    // The grid wrote channel data, or its selection moved to another channel.
    if (s.EditorRefreshPending || s.CurrentChannel != shown_) {
        s.EditorRefreshPending = false;
        AnalyseOneChannel();
    }
}

bool FormChannelEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    if (watched == TextRxFreq)
        TextRxFreq_LostFocus(true);
    else if (watched == TextTxFreq)
        TextTxFreq_LostFocus(true);
    else if (watched == ComboDecode || watched == ComboDecode->lineEdit()) {
        enterCommit_ = true;
        ComboDecode_LostFocus();
    } else if (watched == ComboEncode || watched == ComboEncode->lineEdit()) {
        enterCommit_ = true;
        ComboEncode_LostFocus();
    } else
        return false;
    return true;
}

void FormChannelEdit::closeEvent(QCloseEvent* event)
{
    State().ChannelEditorOpen = false;
    QWidget::closeEvent(event);
}

} // namespace t40
