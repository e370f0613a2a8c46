#include "form_process.h"

#include "band_extension.h"
#include "button_row.h"
#include "password_fields.h"
#include "port_catalog.h"
#include "programming_log.h"
#include "prompts.h"
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
    TextPassword->setEnabled(false);
    CommandRead->setEnabled(false);
    startRun(tr("Read data from radio"));
}

void FormProcess::CommandWrite_Click()
{
    TextShow->hide();
    TextPassword->setEnabled(false);
    TextNewPassword->setEnabled(false);
    CheckNewPassword->setEnabled(false);
    CommandWrite->setEnabled(false);
    startRun(tr("Write data into radio"));
}

void FormProcess::startRun(const QString& caption)
{
    succeeded_ = false;
    memory_ = AppDocument().memory();
    session_->setRequest(request_);
    failure_.clear();
    running_ = true;
    session_->Begin(caption);
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
    if (running_)
        logRun(ProgrammingLog::ResultAbandoned);
    Timer1->stop();
    MSComm1->setReceiveThreshold(0);
    MSComm1->close();
    programPassword_ = TextPassword->text();
    State().SessionWindowOpen = false;
}

bool FormProcess::retryConnection()
{
    const bool retry = ShowMessageBox(tr("Check connection!Retry or cancel?"),
                                      BoxIcon::Error, BoxButtons::RetryCancel)
        == BoxAnswer::Retry;
    failure_ = retry ? QString() : ProgrammingLog::ResultNoAnswer;
    return retry;
}

bool FormProcess::overwriteBand()
{
    const bool overwrite = ShowMessageBox(tr("Frequency band is different,Overwrite?"),
                                          BoxIcon::Warning, BoxButtons::OkCancel)
        == BoxAnswer::Ok;
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

void FormProcess::logRun(const QString& result)
{
    running_ = false;
    const SharedState& s = State();
    ProgrammingLogEntry entry;
    entry.time = QDateTime::currentDateTime();
    entry.operation = ProgrammingLog::OperationName(session_->request());
    entry.port = QStringLiteral("COM%1").arg(s.ComPortNumber);
    if (session_->IdentityBandFlag() >= 0)
        entry.band = BandFromIdentity(std::uint8_t(session_->IdentityBandFlag()));
    entry.fileName = AppDocument().title();
    entry.result = result;
    ProgrammingLog::Append(entry);
}

void FormProcess::completionReport(bool succeeded)
{
    SharedState& s = State();
    if (verifying_) {
        finishVerify(succeeded);
        return;
    }
    // A verified write is logged once, with the outcome of its read-back.
    if (succeeded && !unloaded_ && s.VerifyAfterWrite && CanVerifyWrite(session_->request())) {
        startVerify();
        return;
    }
    logRun(succeeded ? ProgrammingLog::ResultOk
                     : failure_.isEmpty() ? ProgrammingLog::ResultNoAnswer : failure_);
    succeeded_ = succeeded;
    TextPassword->setEnabled(true);
    CheckNewPassword->setEnabled(true);
    TextNewPassword->setEnabled(CheckNewPassword->isChecked());
    CommandWrite->setEnabled(true);
    CommandRead->setEnabled(true);
    if (!session_->request().isRead()) {
        if (succeeded) {
            TextShow->setText(tr("Write Data OK"));
            TextShow->show();
        }
        CommandWrite->setFocus();
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
            keepReadBackup();
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
void FormProcess::keepReadBackup()
{
    QString path, reason;
    if (SaveReadBackup(AppDocument().memory(), ReadBackupFolder(), QStringLiteral("COM%1").arg(State().ComPortNumber), &path,
                       &reason) != DataFileStatus::Ok)
        ShowMessageBox(tr("The backup copy %1 could not be written: %2").arg(path, reason),
                       BoxIcon::Warning);
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
    verifying_ = true;
    verify_->Begin(tr("Verify data in radio"));
}

void FormProcess::finishVerify(bool readBackCompleted)
{
    verifying_ = false;
    const int mismatch = readBackCompleted ? FirstWriteMismatch(session_->request(), memory_, readBack_) : -1;
    const bool verified = readBackCompleted && mismatch < 0;
    logRun(verified ? ProgrammingLog::ResultOk
           : mismatch >= 0 ? ProgrammingLog::ResultVerifyFailed
           : failure_.isEmpty() ? ProgrammingLog::ResultNoAnswer : failure_);
    succeeded_ = verified;
    TextPassword->setEnabled(true);
    CheckNewPassword->setEnabled(true);
    TextNewPassword->setEnabled(CheckNewPassword->isChecked());
    CommandWrite->setEnabled(true);
    CommandRead->setEnabled(true);
    TextShow->setText(verified ? tr("Write Data OK") : tr("Verify failed"));
    TextShow->show();
    CommandWrite->setFocus();
    if (mismatch >= 0)
        ShowMessageBox(WriteMismatchText(mismatch, memory_, readBack_), BoxIcon::Error);
    emit sessionCompleted(verified);
}

} // namespace t40
