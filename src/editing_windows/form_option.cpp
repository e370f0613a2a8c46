#include "form_option.h"

#include "value_texts.h"
#include "button_row.h"
#include "help_topic.h"
#include "page_settings.h"
#include "window_menu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace t40 {

FormOption::FormOption(RadioDocument& document, QWidget* parent)
    : PageWindow(OptionPageId, &SharedState::OptionPageOpen, parent)
    , document_(document)
{
    buildControls();
    fillCaptions();
    AnalyseOption();
    registerPage();
    // From the call response to the VOX level.
    followChanges(document_, { FieldOffset(FieldId::CallResponse), FieldEnd(FieldId::VoxLevel) }, Decoding,
                  [this] { AnalyseOption(); });
}

void FormOption::buildControls()
{
    auto combo = [this] {
        auto* c = new QComboBox(this);
        c->setMinimumWidth(120);
        return c;
    };
    ComboTOT = combo();
    ComboTOTWarning = combo();
    ComboSQ = combo();
    ComboVoice = combo();
    ComboVoxLevel = combo();
    ComboCall = combo();
    ComboMicReduction = combo();
    ComboVoxDelay = combo();
    LabelTOT = new QLabel(this);
    LabelTOTWarning = new QLabel(this);
    LabelSQ = new QLabel(this);
    LabelVoice = new QLabel(this);
    LabelVoxLevel = new QLabel(this);
    LabelCall = new QLabel(this);
    LabelMicReduction = new QLabel(this);
    LabelVoxDelay = new QLabel(this);
    FrameVox = new QGroupBox(this);
    CheckVox = new QCheckBox(this);
    CheckSave = new QCheckBox(this);
    CheckRoger = new QCheckBox(this);
    CheckVoxCancel = new QCheckBox(this);
    CheckVoxTone = new QCheckBox(this);
    CheckTail = new QCheckBox(this);
    CheckAlertLock = new QCheckBox(this);
    CheckResetAllow = new QCheckBox(this);
    CheckExtension = new QCheckBox(this);
    CheckScramble = new QCheckBox(this);
    CommandClose = new QPushButton(this);
    CommandHelp = new QPushButton(this);

    // Controls carry their names, as the program's texts refer to them.
    ComboTOT->setObjectName(QStringLiteral("ComboTOT"));
    ComboTOTWarning->setObjectName(QStringLiteral("ComboTOTWarning"));
    ComboSQ->setObjectName(QStringLiteral("ComboSQ"));
    ComboVoice->setObjectName(QStringLiteral("ComboVoice"));
    ComboVoxLevel->setObjectName(QStringLiteral("ComboVoxLevel"));
    ComboCall->setObjectName(QStringLiteral("ComboCall"));
    ComboMicReduction->setObjectName(QStringLiteral("ComboMicReduction"));
    ComboVoxDelay->setObjectName(QStringLiteral("ComboVoxDelay"));
    LabelTOT->setObjectName(QStringLiteral("LabelTOT"));
    LabelTOTWarning->setObjectName(QStringLiteral("LabelTOTWarning"));
    LabelSQ->setObjectName(QStringLiteral("LabelSQ"));
    LabelVoice->setObjectName(QStringLiteral("LabelVoice"));
    LabelVoxLevel->setObjectName(QStringLiteral("LabelVoxLevel"));
    LabelCall->setObjectName(QStringLiteral("LabelCall"));
    LabelMicReduction->setObjectName(QStringLiteral("LabelMicReduction"));
    LabelVoxDelay->setObjectName(QStringLiteral("LabelVoxDelay"));
    FrameVox->setObjectName(QStringLiteral("FrameVox"));
    CheckVox->setObjectName(QStringLiteral("CheckVox"));
    CheckSave->setObjectName(QStringLiteral("CheckSave"));
    CheckRoger->setObjectName(QStringLiteral("CheckRoger"));
    CheckVoxCancel->setObjectName(QStringLiteral("CheckVoxCancel"));
    CheckVoxTone->setObjectName(QStringLiteral("CheckVoxTone"));
    CheckTail->setObjectName(QStringLiteral("CheckTail"));
    CheckAlertLock->setObjectName(QStringLiteral("CheckAlertLock"));
    CheckResetAllow->setObjectName(QStringLiteral("CheckResetAllow"));
    CheckExtension->setObjectName(QStringLiteral("CheckExtension"));
    CheckScramble->setObjectName(QStringLiteral("CheckScramble"));
    CommandClose->setObjectName(QStringLiteral("CommandClose"));
    CommandHelp->setObjectName(QStringLiteral("CommandHelp"));

    auto* settings = new QGridLayout;
    settings->addWidget(LabelTOT, 0, 0);
    settings->addWidget(ComboTOT, 0, 1);
    settings->addWidget(LabelTOTWarning, 1, 0);
    settings->addWidget(ComboTOTWarning, 1, 1);
    settings->addWidget(LabelSQ, 2, 0);
    settings->addWidget(ComboSQ, 2, 1);
    settings->addWidget(LabelVoice, 3, 0);
    settings->addWidget(ComboVoice, 3, 1);
    settings->setColumnStretch(2, 1);

    auto* vox = new QGridLayout(FrameVox);
    vox->addWidget(CheckVox, 0, 0, 1, 2);
    vox->addWidget(LabelVoxLevel, 1, 0);
    vox->addWidget(ComboVoxLevel, 1, 1);
    vox->setColumnStretch(2, 1);

    auto* checks = new QHBoxLayout;
    checks->addWidget(CheckSave);
    checks->addSpacing(24);
    checks->addWidget(CheckRoger);
    checks->addStretch();

    auto* buttons = ButtonRow({ CommandClose, CommandHelp });

    auto* page = new QVBoxLayout(this);
    page->addLayout(settings);
    page->addWidget(FrameVox);
    page->addLayout(checks);
    page->addStretch();
    page->addLayout(buttons);

    // The features this model lacks stay out of the layout and hidden.
    for (QWidget* hidden : std::initializer_list<QWidget*> { ComboCall, ComboMicReduction, ComboVoxDelay, LabelCall,
             LabelMicReduction, LabelVoxDelay, CheckVoxCancel, CheckVoxTone, CheckTail, CheckAlertLock,
             CheckResetAllow, CheckExtension, CheckScramble })
        hidden->hide();

    // activated and clicked come from the user only; Decoding guards the rest.
    connect(ComboTOT, &QComboBox::activated, this, &FormOption::ComboTOT_Click);
    connect(ComboTOTWarning, &QComboBox::activated, this, &FormOption::ComboTOTWarning_Click);
    connect(ComboSQ, &QComboBox::activated, this, &FormOption::ComboSQ_Click);
    connect(ComboVoice, &QComboBox::activated, this, &FormOption::ComboVoice_Click);
    connect(ComboVoxLevel, &QComboBox::activated, this, &FormOption::ComboVoxLevel_Click);
    connect(ComboCall, &QComboBox::activated, this, &FormOption::ComboCall_Click);
    connect(ComboMicReduction, &QComboBox::activated, this, &FormOption::ComboMicReduction_Click);
    connect(ComboVoxDelay, &QComboBox::activated, this, &FormOption::ComboVoxDelay_Click);
    connect(CheckVox, &QCheckBox::clicked, this, &FormOption::CheckVox_Click);
    connect(CheckSave, &QCheckBox::clicked, this, &FormOption::CheckSave_Click);
    connect(CheckRoger, &QCheckBox::clicked, this, &FormOption::CheckRoger_Click);
    connect(CheckVoxCancel, &QCheckBox::clicked, this, &FormOption::CheckVoxCancel_Click);
    connect(CheckVoxTone, &QCheckBox::clicked, this, &FormOption::CheckVoxTone_Click);
    connect(CheckTail, &QCheckBox::clicked, this, &FormOption::CheckTail_Click);
    connect(CheckAlertLock, &QCheckBox::clicked, this, &FormOption::CheckAlertLock_Click);
    connect(CheckResetAllow, &QCheckBox::clicked, this, &FormOption::CheckResetAllow_Click);
    connect(CheckExtension, &QCheckBox::clicked, this, &FormOption::CheckExtension_Click);
    connect(CheckScramble, &QCheckBox::clicked, this, &FormOption::CheckScramble_Click);
    connect(CommandClose, &QPushButton::clicked, this, &FormOption::CommandClose_Click);
    connect(CommandHelp, &QPushButton::clicked, this, &FormOption::CommandHelp_Click);

    resize(sizeHint().expandedTo(QSize(400, 0)));
}

void FormOption::fillCaptions()
{
    for (QComboBox* list : { ComboTOT, ComboTOTWarning, ComboSQ, ComboVoice, ComboVoxLevel, ComboCall,
             ComboMicReduction, ComboVoxDelay })
        list->clear();

    ComboSQ->addItems(ValueListTexts(FieldId::SquelchLevel));
    ComboVoxDelay->addItems(ValueListTexts(FieldId::VoxDelay, State().DecimalSeparator));

    setWindowTitle(tr("Function Setup"));
    LabelTOT->setText(tr("Time Out Timer(TOT)[s]"));
    LabelTOTWarning->setText(tr("TOT Warning Time[s]"));
    LabelSQ->setText(tr("Squelch Level"));
    LabelVoice->setText(tr("Voice Prompt"));
    FrameVox->setTitle(tr("VOX Setting"));
    CheckVox->setText(tr("VOX Function"));
    LabelVoxLevel->setText(tr("VOX Level"));
    CheckSave->setText(tr("Battery Save"));
    CheckRoger->setText(tr("Roger"));
    CommandClose->setText(tr("&Close"));
    CommandHelp->setText(tr("&Help"));
    LabelCall->setText(tr("Call Response"));
    LabelMicReduction->setText(tr("Mic Noise Reduction"));
    LabelVoxDelay->setText(tr("VOX Delay Time[s]"));
    CheckVoxCancel->setText(tr("Cancel Operation"));
    CheckVoxTone->setText(tr("VOX Proceed Tone"));
    CheckAlertLock->setText(tr("Alert Locked"));
    CheckExtension->setText(tr("Frequency Band Extension"));
    CheckResetAllow->setText(tr("Reset Allowed"));
    CheckTail->setText(tr("Eliminate Squelch Tail When No CTCSS/DCS Signaling"));
    CheckScramble->setText(tr("Scramble Enable"));

    // List position = stored value - the field's lowest value.
    ComboTOT->addItems(ValueListTexts(FieldId::TimeOutTimer));
    ComboTOTWarning->addItems(ValueListTexts(FieldId::TotPreAlert));
    ComboVoice->addItems(ValueListTexts(FieldId::VoicePrompt));
    ComboVoxLevel->addItems(ValueListTexts(FieldId::VoxLevel));
    ComboCall->addItems(ValueListTexts(FieldId::CallResponse));
    ComboMicReduction->addItems(ValueListTexts(FieldId::MicNoiseReduction));
}

void FormOption::AnalyseOption()
{
    Decoding = true;
    RepairOptions(document_);
    const OptionSettings s = ReadOptions(document_);
    ComboTOT->setCurrentIndex(s.totIndex);
    ComboTOTWarning->setCurrentIndex(s.totWarningIndex);
    ComboSQ->setCurrentIndex(s.squelchIndex);
    ComboVoice->setCurrentIndex(s.voiceIndex);
    CheckVox->setChecked(s.vox);
    enableVoxControls(s.vox);
    ComboVoxLevel->setCurrentIndex(s.voxLevelIndex);
    CheckSave->setChecked(s.batterySave);
    CheckRoger->setChecked(s.roger);
    CheckScramble->setChecked(s.scramble());
    Decoding = false;
}

void FormOption::enableVoxControls(bool on)
{
    ComboVoxLevel->setEnabled(on);
    LabelVoxLevel->setEnabled(on);
    ComboVoxDelay->setEnabled(on);
    CheckVoxCancel->setEnabled(on);
    CheckVoxTone->setEnabled(on);
}

void FormOption::store(const std::function<void(OptionSettings&)>& change)
{
    if (Decoding)
        return;
    OptionSettings s = ReadOptions(document_);
    change(s);
    Decoding = true; // our own change needs no decode
    WriteOptions(document_, s);
    Decoding = false;
}

void FormOption::storeIndex(int OptionSettings::*field, const QComboBox* list)
{
    if (list->currentIndex() >= 0)
        store([&](OptionSettings& s) { s.*field = list->currentIndex(); });
}

void FormOption::storeFlag(std::optional<bool> OptionSettings::*field, const QCheckBox* check)
{
    store([&](OptionSettings& s) { s.*field = check->isChecked(); });
}

void FormOption::ComboTOT_Click() { storeIndex(&OptionSettings::totIndex, ComboTOT); }
void FormOption::ComboTOTWarning_Click() { storeIndex(&OptionSettings::totWarningIndex, ComboTOTWarning); }
void FormOption::ComboSQ_Click() { storeIndex(&OptionSettings::squelchIndex, ComboSQ); }
void FormOption::ComboVoice_Click() { storeIndex(&OptionSettings::voiceIndex, ComboVoice); }
void FormOption::ComboVoxLevel_Click() { storeIndex(&OptionSettings::voxLevelIndex, ComboVoxLevel); }
void FormOption::ComboCall_Click() { storeIndex(&OptionSettings::callResponse, ComboCall); }
void FormOption::ComboMicReduction_Click() { storeIndex(&OptionSettings::micNoiseReduction, ComboMicReduction); }
void FormOption::ComboVoxDelay_Click() { storeIndex(&OptionSettings::voxDelayIndex, ComboVoxDelay); }

void FormOption::CheckVox_Click()
{
    if (Decoding)
        return;
    store([this](OptionSettings& s) { s.vox = CheckVox->isChecked(); });
    enableVoxControls(CheckVox->isChecked());
}

void FormOption::CheckSave_Click()
{
    store([this](OptionSettings& s) { s.batterySave = CheckSave->isChecked(); });
}

void FormOption::CheckRoger_Click()
{
    store([this](OptionSettings& s) { s.roger = CheckRoger->isChecked(); });
}

void FormOption::CheckVoxCancel_Click() { storeFlag(&OptionSettings::voxCancel, CheckVoxCancel); }
void FormOption::CheckVoxTone_Click() { storeFlag(&OptionSettings::voxProceedTone, CheckVoxTone); }
void FormOption::CheckTail_Click() { storeFlag(&OptionSettings::squelchTail, CheckTail); }
void FormOption::CheckResetAllow_Click() { storeFlag(&OptionSettings::resetAllowed, CheckResetAllow); }
void FormOption::CheckScramble_Click() { storeFlag(&OptionSettings::bandExtension, CheckScramble); }
void FormOption::CheckAlertLock_Click() { storeFlag(&OptionSettings::alertLock, CheckAlertLock); }

void FormOption::CheckExtension_Click()
{
    if (Decoding)
        return;
    Decoding = true;
    document_.setBandExtension(CheckExtension->isChecked());
    Decoding = false;
}

void FormOption::CommandClose_Click()
{
    closePage();
}

void FormOption::CommandHelp_Click()
{
    ShowHelpTopic(QStringLiteral("optfeatures.htm"));
}

} // namespace t40
