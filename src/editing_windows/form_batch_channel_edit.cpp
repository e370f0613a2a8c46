#include "form_batch_channel_edit.h"

#include "code_entry.h"
#include "frequency_text.h"
#include "key_filter.h"
#include "list_fillers.h"
#include "shared_state.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace t40 {

namespace {
constexpr int HighestChannel = BatchChannelCount; // 128
constexpr int HighestReceiveStepKHz = 10000;
constexpr int HighestTransmitStepKHz = 1000;

QRadioButton* Radio(const QString& text, QWidget* parent) { return new QRadioButton(text, parent); }

QLineEdit* NumberBox(QWidget* parent, int mode, int width)
{
    auto* box = new QLineEdit(parent);
    box->setFixedWidth(width);
    InstallKeyFilter(box, mode);
    return box;
}

// Radio buttons that exclude each other, apart from the other pairs in the
// same frame.
void Exclusive(QObject* owner, std::initializer_list<QRadioButton*> buttons)
{
    auto* group = new QButtonGroup(owner);
    for (QRadioButton* button : buttons)
        group->addButton(button);
}

int NumberIn(const QLineEdit* box)
{
    return box->text().toInt();
}
} // namespace

FormBatchChannelEdit::FormBatchChannelEdit(RadioDocument& document, QWidget* parent)
    : QDialog(parent)
    , Random(ClockSeededRandom())
    , document_(document)
{
    setWindowTitle(tr("Batch ChannelEdit"));

    buildRange();
    buildSelectionPanel();
    buildValuesPanel();

    panels_ = new QStackedWidget(this);
    panels_->addWidget(FrameEdit);
    panels_->addWidget(FrameEditSetting);

    CommandEdit = new QPushButton(this);
    CommandApply = new QPushButton(tr("&Apply"), this);
    CommandClose = new QPushButton(tr("&Close"), this);
    // Enter belongs to the text boxes (it commits them), never to a button.
    for (QPushButton* button : { CommandEdit, CommandApply, CommandClose, CommandSelectAll, CommandSelectNone })
        button->setAutoDefault(false);

    auto* range = new QGridLayout;
    range->addWidget(LabelArea, 0, 0);
    range->addWidget(OptionArea[0], 0, 1, 1, 4);
    range->addWidget(OptionArea[1], 1, 1);
    range->addWidget(TextStartChannel, 1, 2);
    range->addWidget(LabelToChannel, 1, 3);
    range->addWidget(TextEndChannel, 1, 4);
    range->addWidget(CheckOption, 2, 1, 1, 5);
    range->setColumnStretch(5, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(LabelNote);
    buttons->addStretch();
    buttons->addWidget(CommandEdit);
    buttons->addWidget(CommandApply);
    buttons->addWidget(CommandClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(range);
    layout->addWidget(panels_, 1);
    layout->addLayout(buttons);

    connect(CommandEdit, &QPushButton::clicked, this, [this] { CommandEdit_Click(); });
    connect(CommandApply, &QPushButton::clicked, this, [this] { CommandApply_Click(); });
    connect(CommandClose, &QPushButton::clicked, this, [this] { CommandClose_Click(); });

    nameControls();

    // Start values.
    OptionArea[0]->setChecked(true);
    OptionArea_Click(0);
    TextRxStartFreq->setText(BandLowText(document_, State().DecimalSeparator));
    TextTxStartFreq->setText(BandLowText(document_, State().DecimalSeparator));
    for (QComboBox* list : { ComboDecodeStart, ComboEncodeStart, ComboTxPower, ComboSpace, ComboBusyLock })
        list->setCurrentIndex(0);
    valuesShown_ = false;
    CommandEdit_Click(); // opens on the values panel
    // The panel keeps the size it needs with every attribute shown, so that
    // the dialog does not jump as boxes are ticked.
    CommandSelectAll_Click();
    panels_->setMinimumSize(panels_->sizeHint());
    CommandSelectNone_Click();
}

// Hiding the dialog as it is destroyed takes the focus from its boxes; their
// leave handlers must not run on what is left of it.
FormBatchChannelEdit::~FormBatchChannelEdit()
{
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->disconnect(this);
}

void FormBatchChannelEdit::nameControls()
{
#define T40_NAME(control) control->setObjectName(QStringLiteral(#control))
    T40_NAME(LabelArea);
    T40_NAME(TextStartChannel);
    T40_NAME(LabelToChannel);
    T40_NAME(TextEndChannel);
    T40_NAME(CheckOption);
    T40_NAME(LabelNote);
    T40_NAME(FrameEditSetting);
    T40_NAME(CheckSetRxFreq);
    T40_NAME(CheckSetTxFreq);
    T40_NAME(CheckSetDecode);
    T40_NAME(CheckSetEncode);
    T40_NAME(CheckSetTxPower);
    T40_NAME(CheckSetSpace);
    T40_NAME(CheckSetBusyLock);
    T40_NAME(CheckSetScanAdd);
    T40_NAME(CheckSetReverse);
    T40_NAME(CheckSetTalkAround);
    T40_NAME(CommandSelectAll);
    T40_NAME(CommandSelectNone);
    T40_NAME(FrameEdit);
    T40_NAME(FrameRxFreq);
    T40_NAME(LabelRxStartFreq);
    T40_NAME(TextRxStartFreq);
    T40_NAME(LabelRxStep);
    T40_NAME(TextRxStep);
    T40_NAME(OptionRxStepUp);
    T40_NAME(OptionRxStepDown);
    T40_NAME(FrameTxFreq);
    T40_NAME(OptionTxDefault);
    T40_NAME(OptionTxOffset);
    T40_NAME(TextTxOffset);
    T40_NAME(OptionPlus);
    T40_NAME(OptionMinus);
    T40_NAME(OptionTxStartFreq);
    T40_NAME(TextTxStartFreq);
    T40_NAME(LabelTxStep);
    T40_NAME(TextTxStep);
    T40_NAME(OptionTxStepUp);
    T40_NAME(OptionTxStepDown);
    T40_NAME(FrameDecode);
    T40_NAME(LabelDecodeStart);
    T40_NAME(ComboDecodeStart);
    T40_NAME(LabelDecodeStep);
    T40_NAME(TextDecodeStep);
    T40_NAME(OptionDecodeStepUp);
    T40_NAME(OptionDecodeStepDown);
    T40_NAME(CheckDecodeRandom);
    T40_NAME(FrameEncode);
    T40_NAME(LabelEncodeStart);
    T40_NAME(ComboEncodeStart);
    T40_NAME(LabelEncodeStep);
    T40_NAME(TextEncodeStep);
    T40_NAME(OptionEncodeStepUp);
    T40_NAME(OptionEncodeStepDown);
    T40_NAME(CheckEncodeRandom);
    T40_NAME(CheckEncodeDefault);
    T40_NAME(LabelTxPower);
    T40_NAME(ComboTxPower);
    T40_NAME(LabelSpace);
    T40_NAME(ComboSpace);
    T40_NAME(LabelBusyLock);
    T40_NAME(ComboBusyLock);
    T40_NAME(CheckScanAdd);
    T40_NAME(CheckReverse);
    T40_NAME(CheckTalkAround);
    T40_NAME(CommandEdit);
    T40_NAME(CommandApply);
    T40_NAME(CommandClose);
#undef T40_NAME
    OptionArea[0]->setObjectName(QStringLiteral("OptionArea0"));
    OptionArea[1]->setObjectName(QStringLiteral("OptionArea1"));
}

void FormBatchChannelEdit::buildRange()
{
    LabelArea = new QLabel(tr("Area:"), this);
    OptionArea[0] = Radio(tr("All Channel"), this);
    // The caption has a gap for each channel box: the box goes into it.
    const QString fromTo = tr("From Channel             To Channel");
    const qsizetype gap = fromTo.indexOf(QStringLiteral("  "));
    OptionArea[1] = Radio(fromTo.left(gap), this);
    LabelToChannel = new QLabel(fromTo.mid(gap).trimmed(), this);
    TextStartChannel = NumberBox(this, ThreeDigitKeys, 44);
    TextEndChannel = NumberBox(this, ThreeDigitKeys, 44);
    TextStartChannel->setText(QStringLiteral("1"));
    TextEndChannel->setText(QString::number(HighestChannel));
    CheckOption = new QCheckBox(tr("Clear the data of other channel"), this);
    LabelNote = new QLabel(tr("Channel=(GroupID-1)*16+ChannelID"), this);

    auto* group = new QButtonGroup(this);
    group->addButton(OptionArea[0], 0);
    group->addButton(OptionArea[1], 1);
    connect(group, &QButtonGroup::idClicked, this, [this](int id) { OptionArea_Click(id); });
    connect(TextStartChannel, &QLineEdit::editingFinished, this, [this] { TextStartChannel_LostFocus(); });
    connect(TextEndChannel, &QLineEdit::editingFinished, this, [this] { TextEndChannel_LostFocus(); });
}

void FormBatchChannelEdit::buildSelectionPanel()
{
    FrameEditSetting = new QGroupBox(this);
    CheckSetRxFreq = new QCheckBox(tr("RX Frequency"), FrameEditSetting);
    CheckSetTxFreq = new QCheckBox(tr("TX Frequency"), FrameEditSetting);
    CheckSetDecode = new QCheckBox(tr("CTCSS/DCS Decode"), FrameEditSetting);
    CheckSetEncode = new QCheckBox(tr("CTCSS/DCS Encode"), FrameEditSetting);
    CheckSetTxPower = new QCheckBox(tr("TX Power"), FrameEditSetting);
    CheckSetSpace = new QCheckBox(tr("Channel Spacing"), FrameEditSetting);
    CheckSetBusyLock = new QCheckBox(tr("Busy Channel Lock-out"), FrameEditSetting);
    CheckSetScanAdd = new QCheckBox(tr("Scan Add"), FrameEditSetting);
    CheckSetReverse = new QCheckBox(tr("Reverse"), FrameEditSetting);
    CheckSetTalkAround = new QCheckBox(tr("Talk Around"), FrameEditSetting);
    CommandSelectAll = new QPushButton(tr("Select Al&l"), FrameEditSetting);
    CommandSelectNone = new QPushButton(tr("Select &None"), FrameEditSetting);

    auto* grid = new QGridLayout(FrameEditSetting);
    const auto boxes = selectionBoxes();
    for (int i = 0; i < int(boxes.size()); ++i) {
        grid->addWidget(boxes[i], i % 5, i / 5);
        connect(boxes[i], &QCheckBox::toggled, this, [this] { showValueControls(); });
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CommandSelectAll);
    buttons->addWidget(CommandSelectNone);
    buttons->addStretch();
    grid->addLayout(buttons, 5, 0, 1, 2);
    grid->setRowStretch(6, 1);

    connect(CommandSelectAll, &QPushButton::clicked, this, [this] { CommandSelectAll_Click(); });
    connect(CommandSelectNone, &QPushButton::clicked, this, [this] { CommandSelectNone_Click(); });
}

void FormBatchChannelEdit::buildValuesPanel()
{
    FrameEdit = new QGroupBox(this);
    const QString asc = tr("ASC");
    const QString desc = tr("DESC");

    FrameRxFreq = new QGroupBox(tr("RX Frequency"), FrameEdit);
    LabelRxStartFreq = new QLabel(tr("Incept Frequency(MHz)"), FrameRxFreq);
    TextRxStartFreq = NumberBox(FrameRxFreq, FrequencyKeys, 90);
    LabelRxStep = new QLabel(tr("RX Step(KHz)"), FrameRxFreq);
    TextRxStep = NumberBox(FrameRxFreq, FrequencyKeys, 90);
    TextRxStep->setText(QStringLiteral("0"));
    OptionRxStepUp = Radio(asc, FrameRxFreq);
    OptionRxStepDown = Radio(desc, FrameRxFreq);
    OptionRxStepUp->setChecked(true);
    auto* rx = new QGridLayout(FrameRxFreq);
    rx->addWidget(LabelRxStartFreq, 0, 0);
    rx->addWidget(TextRxStartFreq, 0, 1);
    rx->addWidget(LabelRxStep, 1, 0);
    rx->addWidget(TextRxStep, 1, 1);
    rx->addWidget(OptionRxStepUp, 1, 2);
    rx->addWidget(OptionRxStepDown, 1, 3);
    rx->setColumnStretch(4, 1);

    FrameTxFreq = new QGroupBox(tr("TX Frequency"), FrameEdit);
    OptionTxDefault = Radio(tr("Default"), FrameTxFreq);
    OptionTxOffset = Radio(tr("Offset(MHz)"), FrameTxFreq);
    TextTxOffset = NumberBox(FrameTxFreq, FrequencyKeys, 90);
    TextTxOffset->setText(QStringLiteral("0") + State().DecimalSeparator + QStringLiteral("00000"));
    OptionPlus = Radio(tr("Plus"), FrameTxFreq);
    OptionMinus = Radio(tr("Minus"), FrameTxFreq);
    OptionTxStartFreq = Radio(tr("Incept(MHz)"), FrameTxFreq);
    TextTxStartFreq = NumberBox(FrameTxFreq, FrequencyKeys, 90);
    LabelTxStep = new QLabel(tr("TX Step(KHz)"), FrameTxFreq);
    TextTxStep = NumberBox(FrameTxFreq, FrequencyKeys, 90);
    TextTxStep->setText(QStringLiteral("0"));
    OptionTxStepUp = Radio(asc, FrameTxFreq);
    OptionTxStepDown = Radio(desc, FrameTxFreq);
    Exclusive(this, { OptionTxDefault, OptionTxOffset, OptionTxStartFreq });
    Exclusive(this, { OptionPlus, OptionMinus });
    Exclusive(this, { OptionTxStepUp, OptionTxStepDown });
    OptionTxDefault->setChecked(true);
    OptionPlus->setChecked(true);
    OptionTxStepUp->setChecked(true);
    auto* tx = new QGridLayout(FrameTxFreq);
    tx->addWidget(OptionTxDefault, 0, 0);
    tx->addWidget(OptionTxOffset, 1, 0);
    tx->addWidget(TextTxOffset, 1, 1);
    tx->addWidget(OptionPlus, 1, 2);
    tx->addWidget(OptionMinus, 1, 3);
    tx->addWidget(OptionTxStartFreq, 2, 0);
    tx->addWidget(TextTxStartFreq, 2, 1);
    tx->addWidget(LabelTxStep, 3, 0);
    tx->addWidget(TextTxStep, 3, 1);
    tx->addWidget(OptionTxStepUp, 3, 2);
    tx->addWidget(OptionTxStepDown, 3, 3);
    tx->setColumnStretch(4, 1);
    for (QRadioButton* option : { OptionTxDefault, OptionTxOffset, OptionTxStartFreq })
        connect(option, &QRadioButton::toggled, this, [this] { OptionTx_Click(); });

    auto codeFrame = [&](const QString& title, QLabel*& startLabel, QComboBox*& start, QLabel*& stepLabel,
                         QLineEdit*& step, QRadioButton*& up, QRadioButton*& down, QCheckBox*& random) {
        auto* frame = new QGroupBox(title, FrameEdit);
        startLabel = new QLabel(tr("Incept"), frame);
        start = new QComboBox(frame);
        FillSignallingCodeList(start);
        start->setMaxVisibleItems(16);
        stepLabel = new QLabel(tr("Interval"), frame);
        step = NumberBox(frame, TwoDigitKeys, 44);
        step->setText(QStringLiteral("0"));
        up = Radio(asc, frame);
        down = Radio(desc, frame);
        up->setChecked(true);
        random = new QCheckBox(tr("Random"), frame);
        auto* grid = new QGridLayout(frame);
        grid->addWidget(startLabel, 0, 0);
        grid->addWidget(start, 0, 1, 1, 3);
        grid->addWidget(stepLabel, 1, 0);
        grid->addWidget(step, 1, 1);
        grid->addWidget(up, 1, 2);
        grid->addWidget(down, 1, 3);
        grid->addWidget(random, 2, 0);
        grid->setColumnStretch(4, 1);
        return frame;
    };
    FrameDecode = codeFrame(tr("CTCSS/DCS Decode"), LabelDecodeStart, ComboDecodeStart,
                            LabelDecodeStep, TextDecodeStep, OptionDecodeStepUp, OptionDecodeStepDown,
                            CheckDecodeRandom);
    FrameEncode = codeFrame(tr("CTCSS/DCS Encode"), LabelEncodeStart, ComboEncodeStart,
                            LabelEncodeStep, TextEncodeStep, OptionEncodeStepUp, OptionEncodeStepDown,
                            CheckEncodeRandom);
    CheckEncodeDefault = new QCheckBox(tr("Default"), FrameEncode);
    static_cast<QGridLayout*>(FrameEncode->layout())->addWidget(CheckEncodeDefault, 2, 1, 1, 3);
    connect(CheckDecodeRandom, &QCheckBox::toggled, this, [this] { CheckDecodeRandom_Click(); });
    connect(CheckEncodeRandom, &QCheckBox::toggled, this, [this] { CheckEncodeDefault_Click(); });
    connect(CheckEncodeDefault, &QCheckBox::toggled, this, [this] { CheckEncodeDefault_Click(); });

    LabelTxPower = new QLabel(tr("TX Power"), FrameEdit);
    ComboTxPower = new QComboBox(FrameEdit);
    FillPowerList(ComboTxPower);
    LabelSpace = new QLabel(tr("Channel Spacing"), FrameEdit);
    ComboSpace = new QComboBox(FrameEdit);
    FillSpacingList(ComboSpace);
    LabelBusyLock = new QLabel(tr("Busy Channel Lock-out"), FrameEdit);
    ComboBusyLock = new QComboBox(FrameEdit);
    FillBusyLockList(ComboBusyLock);
    CheckScanAdd = new QCheckBox(tr("Scan Add"), FrameEdit);
    CheckReverse = new QCheckBox(tr("Reverse"), FrameEdit);
    CheckTalkAround = new QCheckBox(tr("Talk Around"), FrameEdit);

    auto* flags = new QGridLayout;
    flags->addWidget(LabelTxPower, 0, 0);
    flags->addWidget(ComboTxPower, 0, 1);
    flags->addWidget(LabelSpace, 1, 0);
    flags->addWidget(ComboSpace, 1, 1);
    flags->addWidget(LabelBusyLock, 2, 0);
    flags->addWidget(ComboBusyLock, 2, 1);
    flags->addWidget(CheckScanAdd, 0, 3);
    flags->addWidget(CheckReverse, 1, 3);
    flags->addWidget(CheckTalkAround, 2, 3);
    flags->setColumnMinimumWidth(2, 24);
    flags->setColumnStretch(4, 1);

    auto* grid = new QGridLayout(FrameEdit);
    grid->addWidget(FrameRxFreq, 0, 0);
    grid->addWidget(FrameDecode, 0, 1);
    grid->addWidget(FrameTxFreq, 1, 0);
    grid->addWidget(FrameEncode, 1, 1);
    grid->addLayout(flags, 2, 0, 1, 2);
    grid->setRowStretch(3, 1);

    const std::pair<QLineEdit*, void (FormBatchChannelEdit::*)()> leaving[] = {
        { TextRxStartFreq, &FormBatchChannelEdit::TextRxStartFreq_LostFocus },
        { TextTxStartFreq, &FormBatchChannelEdit::TextTxStartFreq_LostFocus },
        { TextRxStep, &FormBatchChannelEdit::TextRxStep_LostFocus },
        { TextTxStep, &FormBatchChannelEdit::TextTxStep_LostFocus },
        { TextTxOffset, &FormBatchChannelEdit::TextTxOffset_LostFocus },
        { TextDecodeStep, &FormBatchChannelEdit::TextDecodeStep_LostFocus },
        { TextEncodeStep, &FormBatchChannelEdit::TextEncodeStep_LostFocus },
    };
    for (const auto& [box, handler] : leaving)
        connect(box, &QLineEdit::editingFinished, this, handler);

    OptionTx_Click();
    CheckDecodeRandom_Click();
    CheckEncodeDefault_Click();
}

std::array<QCheckBox*, 10> FormBatchChannelEdit::selectionBoxes() const
{
    return { CheckSetRxFreq, CheckSetTxFreq, CheckSetDecode, CheckSetEncode, CheckSetTxPower,
             CheckSetSpace, CheckSetBusyLock, CheckSetScanAdd, CheckSetReverse, CheckSetTalkAround };
}

void FormBatchChannelEdit::showValueControls()
{
    FrameRxFreq->setVisible(CheckSetRxFreq->isChecked());
    FrameTxFreq->setVisible(CheckSetTxFreq->isChecked());
    FrameDecode->setVisible(CheckSetDecode->isChecked());
    FrameEncode->setVisible(CheckSetEncode->isChecked());
    LabelTxPower->setVisible(CheckSetTxPower->isChecked());
    ComboTxPower->setVisible(CheckSetTxPower->isChecked());
    LabelSpace->setVisible(CheckSetSpace->isChecked());
    ComboSpace->setVisible(CheckSetSpace->isChecked());
    LabelBusyLock->setVisible(CheckSetBusyLock->isChecked());
    ComboBusyLock->setVisible(CheckSetBusyLock->isChecked());
    CheckScanAdd->setVisible(CheckSetScanAdd->isChecked());
    CheckReverse->setVisible(CheckSetReverse->isChecked());
    CheckTalkAround->setVisible(CheckSetTalkAround->isChecked());
}

void FormBatchChannelEdit::OptionArea_Click(int index)
{
    const bool fromTo = index == 1;
    CheckOption->setEnabled(fromTo);
    TextStartChannel->setEnabled(fromTo);
    TextEndChannel->setEnabled(fromTo);
    if (fromTo) {
        setRangeFromBoxes();
    } else {
        rangeStart_ = 0;
        rangeEnd_ = BatchChannelCount - 1;
    }
}

void FormBatchChannelEdit::setRangeFromBoxes()
{
    rangeStart_ = NumberIn(TextStartChannel) - 1;
    rangeEnd_ = NumberIn(TextEndChannel) - 1;
}

// Channel 0 does not exist: it is read as channel 1, so that a range typed
// as 0 can never leave every channel outside the range.
void FormBatchChannelEdit::TextStartChannel_LostFocus()
{
    const QString text = TextStartChannel->text();
    if (text.isEmpty() || NumberIn(TextStartChannel) < 1) {
        TextStartChannel->setText(QStringLiteral("1"));
    } else if (NumberIn(TextStartChannel) > HighestChannel) {
        TextStartChannel->setText(QString::number(HighestChannel));
        TextEndChannel->setText(QString::number(HighestChannel));
    }
    if (NumberIn(TextEndChannel) < NumberIn(TextStartChannel))
        TextEndChannel->setText(TextStartChannel->text());
    setRangeFromBoxes();
}

void FormBatchChannelEdit::TextEndChannel_LostFocus()
{
    const QString text = TextEndChannel->text();
    if (text.isEmpty() || NumberIn(TextEndChannel) > HighestChannel)
        TextEndChannel->setText(QString::number(HighestChannel));
    else if (NumberIn(TextEndChannel) < 1)
        TextEndChannel->setText(QStringLiteral("1"));
    if (NumberIn(TextEndChannel) < NumberIn(TextStartChannel))
        TextStartChannel->setText(TextEndChannel->text());
    setRangeFromBoxes();
}

void FormBatchChannelEdit::repairStartFrequency(QLineEdit* box, FrequencyField field)
{
    const QString& sep = State().DecimalSeparator;
    const FrequencyCheck check = CheckFrequencyBox(document_, field, box->text(), sep);
    box->setText(check.empty ? BandLowText(document_, sep) : check.text);
}

void FormBatchChannelEdit::repairStep(QLineEdit* box, int highest)
{
    if (box->text().isEmpty())
        box->setText(QStringLiteral("0"));
    else if (highest > 0 && NumberAbove(box->text(), State().DecimalSeparator, highest))
        box->setText(QString::number(highest));
}

void FormBatchChannelEdit::TextRxStartFreq_LostFocus() { repairStartFrequency(TextRxStartFreq, FrequencyField::Receive); }
void FormBatchChannelEdit::TextTxStartFreq_LostFocus() { repairStartFrequency(TextTxStartFreq, FrequencyField::Transmit); }
void FormBatchChannelEdit::TextRxStep_LostFocus() { repairStep(TextRxStep, HighestReceiveStepKHz); }
void FormBatchChannelEdit::TextTxStep_LostFocus() { repairStep(TextTxStep, HighestTransmitStepKHz); }
void FormBatchChannelEdit::TextTxOffset_LostFocus() { repairStep(TextTxOffset, 0); }
void FormBatchChannelEdit::TextDecodeStep_LostFocus() { repairStep(TextDecodeStep, 0); }
void FormBatchChannelEdit::TextEncodeStep_LostFocus() { repairStep(TextEncodeStep, 0); }

void FormBatchChannelEdit::OptionTx_Click()
{
    const bool offset = OptionTxOffset->isChecked();
    const bool incept = OptionTxStartFreq->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*> { TextTxOffset, OptionPlus, OptionMinus })
        w->setEnabled(offset);
    for (QWidget* w : std::initializer_list<QWidget*> { TextTxStartFreq, LabelTxStep, TextTxStep, OptionTxStepUp,
                                                        OptionTxStepDown })
        w->setEnabled(incept);
}

void FormBatchChannelEdit::CheckDecodeRandom_Click()
{
    const bool stepping = !CheckDecodeRandom->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*> { ComboDecodeStart, TextDecodeStep, OptionDecodeStepUp,
                                                        OptionDecodeStepDown })
        w->setEnabled(stepping);
}

void FormBatchChannelEdit::CheckEncodeDefault_Click()
{
    const bool own = !CheckEncodeDefault->isChecked();
    CheckEncodeRandom->setEnabled(own);
    const bool stepping = own && !CheckEncodeRandom->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*> { ComboEncodeStart, TextEncodeStep, OptionEncodeStepUp,
                                                        OptionEncodeStepDown })
        w->setEnabled(stepping);
}

void FormBatchChannelEdit::CommandSelectAll_Click()
{
    for (QCheckBox* box : selectionBoxes())
        box->setChecked(true);
}

void FormBatchChannelEdit::CommandSelectNone_Click()
{
    for (QCheckBox* box : selectionBoxes())
        box->setChecked(false);
}

void FormBatchChannelEdit::CommandEdit_Click()
{
    valuesShown_ = !valuesShown_;
    panels_->setCurrentWidget(valuesShown_ ? FrameEdit : FrameEditSetting);
    CommandEdit->setText(valuesShown_ ? tr("Edit &Setting") : tr("&Edit"));
    HelpContextID = valuesShown_ ? ValuesHelpContext : SelectionHelpContext;
}

BatchFill FormBatchChannelEdit::fillFromControls() const
{
    BatchFill fill;
    fill.setReceive = CheckSetRxFreq->isChecked();
    fill.setTransmit = CheckSetTxFreq->isChecked();
    fill.setDecode = CheckSetDecode->isChecked();
    fill.setEncode = CheckSetEncode->isChecked();
    fill.setPower = CheckSetTxPower->isChecked();
    fill.setSpacing = CheckSetSpace->isChecked();
    fill.setBusyLock = CheckSetBusyLock->isChecked();
    fill.setScanAdd = CheckSetScanAdd->isChecked();

    fill.receiveStart = TextRxStartFreq->text();
    fill.receiveStepKHz = TextRxStep->text();
    fill.receiveDown = OptionRxStepDown->isChecked();

    fill.transmit = OptionTxOffset->isChecked()      ? BatchTransmit::Offset
        : OptionTxStartFreq->isChecked()             ? BatchTransmit::Incept
                                                     : BatchTransmit::Default;
    fill.transmitOffset = TextTxOffset->text();
    fill.offsetMinus = OptionMinus->isChecked();
    fill.transmitStart = TextTxStartFreq->text();
    fill.transmitStepKHz = TextTxStep->text();
    fill.transmitDown = OptionTxStepDown->isChecked();

    fill.decodeRandom = CheckDecodeRandom->isChecked();
    fill.decodeStart = ComboDecodeStart->currentIndex();
    fill.decodeStep = NumberIn(TextDecodeStep);
    fill.decodeDown = OptionDecodeStepDown->isChecked();

    fill.encodeDefault = CheckEncodeDefault->isChecked();
    fill.encodeRandom = CheckEncodeRandom->isChecked();
    fill.encodeStart = ComboEncodeStart->currentIndex();
    fill.encodeStep = NumberIn(TextEncodeStep);
    fill.encodeDown = OptionEncodeStepDown->isChecked();

    fill.power = ComboTxPower->currentIndex();
    fill.spacing = ComboSpace->currentIndex();
    fill.busyLock = ComboBusyLock->currentIndex();
    fill.scanAdd = CheckScanAdd->isChecked();
    return fill;
}

void FormBatchChannelEdit::CommandApply_Click()
{
    // A box still being typed into (Apply reached by its access key) is
    // committed first, so that Apply uses what the boxes show.
    if (auto* box = qobject_cast<QLineEdit*>(focusWidget()))
        emit box->editingFinished();

    BatchRange range;
    range.first = rangeStart_;
    range.last = rangeEnd_;
    range.clearOutside = OptionArea[1]->isChecked() && CheckOption->isChecked();
    document_.applyBatchFill(range, fillFromControls(), State().DecimalSeparator, Random);
}

void FormBatchChannelEdit::CommandClose_Click()
{
    close();
}

} // namespace t40
