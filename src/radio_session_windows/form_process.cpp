#include "form_process.h"

#include "band_extension.h"
#include "button_row.h"
#include "channel_rules.h"
#include "document_diff.h"
#include "form_change_preview.h"
#include "field_table.h"
#include "password_fields.h"
#include "port_catalog.h"
#include "programming_log.h"
#include "prompts.h"
#include "radio_band.h"
#include "radio_probe.h"
#include "qt_serial_link.h"
#include "read_backups.h"
#include "shared_state.h"
#include "write_verify.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace t40 {

namespace {
constexpr int ProgressSteps = 1000;
} // namespace

FormProcess::FormProcess(const SessionRequest& request, const QString& programPassword, QWidget* parent)
    : QDialog(parent)
    , request_(request)
    , programPassword_(programPassword)
{
    SharedState& s = State();
    s.SessionWindowOpen = true;

    CommandRead = new QPushButton(tr("Read"), this);
    CommandWrite = new QPushButton(tr("Write"), this);
    CommandCancel = new QPushButton(tr("&Cancel"), this);
    LabelProcess = new QLabel(tr("Complete:0%"), this);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setRange(0, ProgressSteps);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    TextShow = new QLineEdit(this);
    TextShow->setReadOnly(true);
    TextShow->setAlignment(Qt::AlignCenter);
    QSizePolicy keepPlace = TextShow->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true); // the window keeps its size when the result appears
    TextShow->setSizePolicy(keepPlace);
    TextShow->hide();
    LabelVerified = new QLabel(tr("Verified: the radio holds the data"), this);
    LabelVerified->setAlignment(Qt::AlignCenter);
    LabelVerified->hide();

    // Password controls: carried for the password dialog, never shown here.
    LabelPassword = new QLabel(tr("Password"), this);
    TextPassword = new QLineEdit(programPassword, this);
    SetUpPasswordField(TextPassword);
    LabelNewPassword = new QLabel(tr("NewPassword"), this);
    TextNewPassword = new QLineEdit(this);
    SetUpPasswordField(TextNewPassword);
    CheckNewPassword = new QCheckBox(this);
    for (QWidget* w : { static_cast<QWidget*>(LabelPassword), static_cast<QWidget*>(TextPassword),
                        static_cast<QWidget*>(LabelNewPassword), static_cast<QWidget*>(TextNewPassword),
                        static_cast<QWidget*>(CheckNewPassword) })
        w->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelProcess);
    layout->addWidget(ProgressBar1);
    layout->addWidget(TextShow);
    layout->addWidget(LabelVerified);
    auto* passwords = new QGridLayout;
    passwords->addWidget(LabelPassword, 0, 0);
    passwords->addWidget(TextPassword, 0, 1);
    passwords->addWidget(CheckNewPassword, 1, 0);
    passwords->addWidget(LabelNewPassword, 1, 1);
    passwords->addWidget(TextNewPassword, 1, 2);
    layout->addLayout(passwords);
    auto* buttons = ButtonRow({ CommandRead, CommandWrite, CommandCancel });
    layout->addLayout(buttons);
    setMinimumWidth(360);

    CommandWrite->setVisible(!request_.isRead());
    CommandRead->setVisible(request_.isRead());
    setWindowTitle(request_.isRead() ? tr("Read data from radio")
                                   : tr("Write data from radio"));

    MSComm1 = new QtSerialLink(CurrentPortCatalog().deviceFor(s.ComPortNumber), this);
    MSComm1->setPauseBeforeClose(SessionTiming::PauseBeforeCloseMs);
    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    // The session works on a copy of the document's memory: a read goes into
    // the document only once it has completed, as one step.
    session_ = std::make_unique<ProgrammingSession>(*MSComm1, *this, *this, memory_);

    connect(CommandRead, &QPushButton::clicked, this, [this] { CommandRead_Click(); });
    connect(CommandWrite, &QPushButton::clicked, this, [this] { CommandWrite_Click(); });
    connect(CommandCancel, &QPushButton::clicked, this, [this] { CommandCancel_Click(); });
    connect(MSComm1, &QtSerialLink::receiveReady, this, [this] { MSComm1_OnComm(); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

FormProcess::~FormProcess()
{
    Form_Unload();
}

void FormProcess::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    (CommandRead->isVisible() ? CommandRead : CommandWrite)->setFocus();
}

void FormProcess::CommandRead_Click()
{
    TextShow->hide();
    LabelVerified->hide();
    TextPassword->setEnabled(false);
    CommandRead->setEnabled(false);
    startRun(tr("Read data from radio"));
}

void FormProcess::CommandWrite_Click()
{
    TextShow->hide();
    LabelVerified->hide();
    TextPassword->setEnabled(false);
    TextNewPassword->setEnabled(false);
    CheckNewPassword->setEnabled(false);
    CommandWrite->setEnabled(false);
    if (previewBeforeWrite_ && request_.kind == SessionKind::Whole && !request_.isRead()) {
        startPreview();
        return;
    }
    startRun(tr("Write data into radio"));
}

void FormProcess::startRun(const QString& caption)
{
    followChosenPort();
    succeeded_ = false;
    phase_ = Phase::Main;
    memory_ = AppDocument().memory();
    session_->setRequest(request_);
    failure_.clear();
    running_ = true;
    session_->Begin(caption);
}

ProgrammingSession& FormProcess::activeSession()
{
    switch (phase_) {
    case Phase::Preview: return *preview_;
    case Phase::Verify:
    case Phase::RestoreVerify: return *verify_;
    case Phase::Restore: return *restore_;
    case Phase::Main: break;
    }
    return *session_;
}

void FormProcess::CommandCancel_Click()
{
    reject();
}

void FormProcess::MSComm1_OnComm()
{
    activeSession().OnComm();
}

void FormProcess::Timer1_Timer()
{
    activeSession().Timer1_Timer();
    if (detectAfterRun_ && !running_ && !unloaded_) {
        detectAfterRun_ = false;
        MSComm1->close();
        emit detectRadioRequested();
        followChosenPort();
    }
}

void FormProcess::done(int result)
{
    Form_Unload();
    QDialog::done(result);
}

// Leaving the window abandons a run that is still going and releases the port.
void FormProcess::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    // A run that has just completed still owes its report (and the page refresh after a read).
    if (activeSession().SessionFinished())
        activeSession().Timer1_Timer();
    if (running_) {
        const bool read = phase_ == Phase::Preview || session_->request().isRead();
        logSession(activeSession(),
                   phase_ == Phase::Preview ? ProgrammingLog::OperationBeforeWrite
                   : phase_ == Phase::Restore || phase_ == Phase::RestoreVerify ? ProgrammingLog::OperationRestore
                                                                               : ProgrammingLog::OperationName(request_),
                   ProgrammingLog::ResultAbandoned, read ? QString() : ProgrammingLog::VerifyNotRun);
    }
    Timer1->stop();
    MSComm1->setReceiveThreshold(0);
    MSComm1->close();
    programPassword_ = TextPassword->text();
    State().SessionWindowOpen = false;
}

// The question names the port and what usually keeps a radio silent, and
// offers the search for it on every port.
bool FormProcess::retryConnection()
{
    const QString detail
        = tr("No answer from the radio on %1. Likely causes: the radio is off or not in programming state, this is "
             "not the cable's port, or the cable is not seated firmly. Detect Radio looks for the radio on every port; "
             "Program > Check Cable finds out more.")
              .arg(portName());
    const bool canDetect = isSignalConnected(QMetaMethod::fromSignal(&FormProcess::detectRadioRequested));
    const BoxAnswer answer = ShowMessageBox(tr("Check connection!Retry or cancel?"),
                                            BoxIcon::Error, canDetect ? BoxButtons::RetryCancelDetect : BoxButtons::RetryCancel,
                                            QString(), detail);
    const bool retry = answer == BoxAnswer::Retry;
    failure_ = retry ? QString() : ProgrammingLog::ResultNoAnswer;
    // The search runs once the run has ended and the port is free.
    detectAfterRun_ = answer == BoxAnswer::Detect;
    return retry;
}

QString FormProcess::portName() const
{
    return QStringLiteral("COM%1 (%2)").arg(State().ComPortNumber).arg(MSComm1->device());
}

void FormProcess::followChosenPort()
{
    if (!MSComm1->isOpen())
        MSComm1->setDevice(CurrentPortCatalog().deviceFor(State().ComPortNumber));
}

void FormProcess::waitingForRadio(int attempt, int attempts)
{
    LabelProcess->setText(tr("Waiting for the radio on %1, try %2 of %3")
                              .arg(portName())
                              .arg(attempt)
                              .arg(attempts));
}

// The question names both bands, and Enter keeps the radio as it is.
bool FormProcess::overwriteBand()
{
    const int radioFlag = activeSession().IdentityBandFlag();
    const QString radioBand = radioFlag >= 0 ? BandFromIdentity(std::uint8_t(radioFlag)) : QStringLiteral("?");
    const BandState data = BandOfMemory(memory_);
    const QString dataBand = QStringLiteral("%1 %2-%3 MHz").arg(data.name).arg(data.lowMHz).arg(data.highMHz);
    const QString text = tr("Frequency band is different,Overwrite?") + QLatin1Char('\n')
        + tr("The radio is %1; the data is %2. Overwrite?").arg(radioBand, dataBand);
    const bool overwrite = ShowMessageBox(text, BoxIcon::Warning, BoxButtons::OkCancelSafe) == BoxAnswer::Ok;
    if (!overwrite)
        failure_ = ProgrammingLog::ResultBandDiffers;
    return overwrite;
}

void FormProcess::portOpenFailed(const QString& reason)
{
    failure_ = ProgrammingLog::ResultPortFailed;
    const QString detail
        = MSComm1->accessDenied() ? PortAccessHint(MSComm1->device()) + QLatin1Char('\n') + reason : reason;
    ShowMessageBox(tr("Please reselect COM port!"), BoxIcon::Error, BoxButtons::Ok, QString(), detail);
}

void FormProcess::startWatchdog(int intervalMs)
{
    Timer1->start(intervalMs);
}

void FormProcess::stopWatchdog()
{
    Timer1->stop();
}

void FormProcess::setCaption(const QString& caption)
{
    setWindowTitle(caption);
}

void FormProcess::showProgress(double fraction)
{
    ProgressBar1->setValue(qRound(fraction * ProgressSteps));
    LabelProcess->setText(ProgressText(fraction));
}

void FormProcess::logRun(const QString& result, const QString& verify)
{
    logSession(*session_, ProgrammingLog::OperationName(session_->request()), result, verify);
}

void FormProcess::logSession(const ProgrammingSession& session, const QString& operation, const QString& result,
                             const QString& verify)
{
    running_ = false;
    const SharedState& s = State();
    ProgrammingLogEntry entry;
    entry.time = QDateTime::currentDateTime();
    entry.operation = operation;
    entry.port = QStringLiteral("COM%1").arg(s.ComPortNumber);
    if (session.IdentityBandFlag() >= 0)
        entry.band = BandFromIdentity(std::uint8_t(session.IdentityBandFlag()));
    entry.fileName = AppDocument().title();
    entry.result = result;
    entry.verify = verify;
    ProgrammingLog::Append(entry);
}

QString FormProcess::runFailure() const
{
    return failure_.isEmpty() ? ProgrammingLog::ResultNoAnswer : failure_;
}

void FormProcess::enableButtons()
{
    TextPassword->setEnabled(true);
    CheckNewPassword->setEnabled(true);
    TextNewPassword->setEnabled(CheckNewPassword->isChecked());
    CommandWrite->setEnabled(true);
    CommandRead->setEnabled(true);
    (request_.isRead() ? CommandRead : CommandWrite)->setFocus();
}

void FormProcess::completionReport(bool succeeded)
{
    switch (phase_) {
    case Phase::Preview: finishPreview(succeeded); return;
    case Phase::Verify: finishVerify(succeeded); return;
    case Phase::Restore: finishRestore(succeeded); return;
    case Phase::RestoreVerify: finishRestoreVerify(succeeded); return;
    case Phase::Main: break;
    }
    SharedState& s = State();
    // A verified write is logged once, with the outcome of its read-back.
    if (succeeded && !unloaded_ && s.VerifyAfterWrite && CanVerifyWrite(session_->request())) {
        startVerify();
        return;
    }
    logRun(succeeded ? ProgrammingLog::ResultOk : runFailure(),
           session_->request().isRead() ? QString() : ProgrammingLog::VerifyNotRun);
    succeeded_ = succeeded;
    enableButtons();
    if (!session_->request().isRead()) {
        if (succeeded) {
            TextShow->setText(tr("Write Data OK"));
            TextShow->show();
        } else if (session_->IdentityBandFlag() >= 0 && failure_ != ProgrammingLog::ResultBandDiffers
                   && offerRestore(tr("The write did not complete: the radio may hold part of the new data."))) {
            return;
        }
        emit sessionCompleted(succeeded);
        return;
    }
    if (!succeeded) {
        emit sessionCompleted(false);
        return;
    }
    TextShow->setText(tr("Read Data OK"));
    TextShow->show();
    {
        // The read, the band it brings and whatever the pages write while
        // they show it are one step.
        RadioDocument& document = AppDocument();
        const RadioDocument::Step step(document, StepNames::ReadFromRadio());
        const SessionRange range = RangeFor(session_->request());
        document.commitRange({ range.start, range.end }, memory_);
        if (session_->request().kind == SessionKind::Whole)
            keepReadBackup(document.memory());
        if (session_->BandExtended()) {
            BandState band = document.band();
            band.effectiveHighMHz = ExtendedHighMHz;
            document.setBand(band);
        }
        emit radioRead();
        // The band decode of whoever handled the read sets the limits from the new
        // model block; the band-extension option of the radio just read still
        // applies on top.
        document.applyBandExtensionAfterRead();
    }
    emit sessionCompleted(true);
}

// Every whole read is also kept in the backup folder; failing that is said but
// does not undo the read.
void FormProcess::keepReadBackup(const RadioImage& memory)
{
    QString path, reason;
    if (SaveReadBackup(memory, ReadBackupFolder(), QStringLiteral("COM%1").arg(State().ComPortNumber), &path, &reason)
        != DataFileStatus::Ok)
        ShowMessageBox(tr("The backup copy %1 could not be written: %2").arg(path, reason),
                       BoxIcon::Warning);
}

void FormProcess::endWithoutWrite(const QString& text)
{
    succeeded_ = false;
    enableButtons();
    TextShow->setText(text);
    TextShow->show();
    emit sessionCompleted(false);
}

// The read before a write is a read like any other: gathered in a staging
// copy, logged, kept as a backup; the document does not take it.
void FormProcess::startPreview()
{
    followChosenPort();
    succeeded_ = false;
    failure_.clear();
    memory_ = AppDocument().memory();
    radioBefore_ = RadioImage();
    radioBeforeKnown_ = false;
    preview_ = std::make_unique<ProgrammingSession>(*MSComm1, *this, *this, radioBefore_);
    preview_->setRequest({ SessionKind::Whole, Direction::Read, request_.bandLowMHz });
    phase_ = Phase::Preview;
    running_ = true;
    preview_->Begin(tr("Read the radio before writing"));
}

void FormProcess::finishPreview(bool readCompleted)
{
    phase_ = Phase::Main;
    logSession(*preview_, ProgrammingLog::OperationBeforeWrite, readCompleted ? ProgrammingLog::ResultOk : runFailure(),
               QString());
    if (unloaded_)
        return;
    if (!readCompleted) {
        ShowMessageBox(tr("The radio could not be read, so nothing was written: the radio and the data are as they were."),
                       BoxIcon::Error);
        endWithoutWrite(tr("Nothing written"));
        return;
    }
    radioBeforeKnown_ = true;
    keepReadBackup(radioBefore_);
    const RadioImage after = ImageAfterWrite(request_, radioBefore_, memory_);
    FormChangePreview preview(CompareImages(radioBefore_, after), RuleFindingLines(after), this);
    if (preview.exec() != QDialog::Accepted || unloaded_) {
        if (!unloaded_)
            endWithoutWrite(tr("Nothing written"));
        return;
    }
    startRun(tr("Write data into radio"));
}

// The write counts as done only once a new session has read the radio back
// and found every byte sent. The radio restarts after the end frame; the
// handshake's silent repeats wait for it.
void FormProcess::startVerify()
{
    succeeded_ = false;
    readBack_ = RadioImage();
    verify_ = std::make_unique<ProgrammingSession>(*MSComm1, *this, *this, readBack_);
    verify_->setRequest(VerifyReadFor(session_->request()));
    phase_ = phase_ == Phase::Restore ? Phase::RestoreVerify : Phase::Verify;
    running_ = true;
    verify_->Begin(tr("Verify data in radio"));
}

void FormProcess::finishVerify(bool readBackCompleted)
{
    phase_ = Phase::Main;
    const int mismatch = readBackCompleted ? FirstWriteMismatch(session_->request(), memory_, readBack_) : -1;
    const bool verified = readBackCompleted && mismatch < 0;
    // The write itself completed; the verify column says what the read-back found.
    logRun(mismatch >= 0 ? ProgrammingLog::ResultVerifyFailed : ProgrammingLog::ResultOk,
           verified ? ProgrammingLog::VerifyOk
           : mismatch >= 0 ? ProgrammingLog::VerifyDiffersAt(mismatch) : ProgrammingLog::VerifyNoReadBack);
    succeeded_ = verified;
    enableButtons();
    TextShow->setText(verified ? tr("Write Data OK") : tr("Verify failed"));
    TextShow->show();
    LabelVerified->setVisible(verified);
    if (mismatch >= 0) {
        const QString text = WriteMismatchText(mismatch, memory_, readBack_);
        if (radioBeforeKnown_ ? offerRestore(text) : (ShowMessageBox(text, BoxIcon::Error), false))
            return;
    }
    emit sessionCompleted(verified);
}

bool FormProcess::offerRestore(const QString& what)
{
    if (!radioBeforeKnown_ || unloaded_)
        return false;
    if (ShowMessageBox(what + QLatin1Char('\n')
                           + tr("The radio's previous data, read before the write, can be written back."),
                       BoxIcon::Error, BoxButtons::RestoreCancel)
        != BoxAnswer::Restore)
        return false;
    restore_ = std::make_unique<ProgrammingSession>(*MSComm1, *this, *this, radioBefore_);
    restore_->setRequest(session_->request());
    phase_ = Phase::Restore;
    failure_.clear();
    running_ = true;
    CommandWrite->setEnabled(false);
    TextShow->hide();
    LabelVerified->hide();
    restore_->Begin(tr("Restore the radio's previous data"));
    return true;
}

void FormProcess::finishRestore(bool written)
{
    if (written && !unloaded_ && State().VerifyAfterWrite) {
        startVerify();
        return;
    }
    phase_ = Phase::Main;
    logSession(*restore_, ProgrammingLog::OperationRestore, written ? ProgrammingLog::ResultOk : runFailure(),
               ProgrammingLog::VerifyNotRun);
    if (unloaded_)
        return;
    enableButtons();
    TextShow->setText(written ? tr("Previous data restored") : tr("Restore failed"));
    TextShow->show();
    if (!written)
        ShowMessageBox(tr("The radio's previous data could not be written back; the radio may hold part of either."),
                       BoxIcon::Error);
    emit sessionCompleted(false);
}

void FormProcess::finishRestoreVerify(bool readBackCompleted)
{
    phase_ = Phase::Main;
    const int mismatch = readBackCompleted ? FirstWriteMismatch(restore_->request(), radioBefore_, readBack_) : -1;
    const bool verified = readBackCompleted && mismatch < 0;
    logSession(*restore_, ProgrammingLog::OperationRestore,
               mismatch >= 0 ? ProgrammingLog::ResultVerifyFailed : ProgrammingLog::ResultOk,
               verified ? ProgrammingLog::VerifyOk
               : mismatch >= 0 ? ProgrammingLog::VerifyDiffersAt(mismatch) : ProgrammingLog::VerifyNoReadBack);
    if (unloaded_)
        return;
    enableButtons();
    TextShow->setText(verified ? tr("Previous data restored") : tr("Restore failed"));
    TextShow->show();
    LabelVerified->setVisible(verified);
    if (!verified)
        ShowMessageBox(mismatch >= 0 ? WriteMismatchText(mismatch, radioBefore_, readBack_)
                                     : tr("The restored data could not be read back for the check."),
                       BoxIcon::Error);
    emit sessionCompleted(false);
}

} // namespace t40
