#include "form_write_many.h"

#include "button_row.h"
#include "port_catalog.h"
#include "shared_state.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTime>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace t40 {

namespace {
constexpr int ProgressSteps = 1000;

QLabel* LargeLabel(QWidget* parent, int pointSize)
{
    auto* label = new QLabel(parent);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

QString PortName() { return QStringLiteral("COM%1").arg(State().ComPortNumber); }
} // namespace

QString OutcomeText(const RowRadioResult& result)
{
    switch (result.outcome) {
    case RowRadioResult::Outcome::Written:
        return result.verified ? FormWriteMany::tr("Written and verified") : FormWriteMany::tr("Written");
    case RowRadioResult::Outcome::BandDiffers: return FormWriteMany::tr("FAILED: other frequency band");
    case RowRadioResult::Outcome::NoAnswer: return FormWriteMany::tr("FAILED: the radio stopped answering");
    case RowRadioResult::Outcome::VerifyFailed: return FormWriteMany::tr("FAILED: verify found differences");
    }
    return QString();
}

FormWriteMany::FormWriteMany(RadioDocument& document, QWidget* parent)
    : QDialog(parent)
    , document_(document)
{
    setWindowTitle(tr("Write to Many Radios"));

    const BandState& band = document_.band();
    LabelInfo = new QLabel(tr("File: %1    Band: %2 %3-%4 MHz    Port: %5")
                               .arg(document_.title(), band.name)
                               .arg(band.lowMHz)
                               .arg(band.highMHz)
                               .arg(PortName()),
                           this);
    LabelStatus = LargeLabel(this, 18);
    LabelStatus->setText(tr("Connect the first radio and press Start"));
    LabelResult = LargeLabel(this, 26);
    LabelResult->setMinimumHeight(LabelResult->fontMetrics().height() * 2);
    LabelCount = LargeLabel(this, 16);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setRange(0, ProgressSteps);
    ProgressBar1->setTextVisible(false);
    ListResults = new QTreeWidget(this);
    ListResults->setRootIsDecorated(false);
    ListResults->setHeaderLabels({ QStringLiteral("#"), tr("Time"), tr("Band"), tr("Result") });
    ListResults->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ListResults->header()->setStretchLastSection(true);

    CommandStart = new QPushButton(tr("&Start"), this);
    CommandStop = new QPushButton(tr("S&top"), this);
    CommandClose = new QPushButton(tr("&Close"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelInfo);
    layout->addWidget(LabelStatus);
    layout->addWidget(LabelResult);
    layout->addWidget(LabelCount);
    layout->addWidget(ProgressBar1);
    layout->addWidget(ListResults, 1);
    layout->addLayout(ButtonRow({ CommandStart, CommandStop, CommandClose }));
    resize(560, 520);

    connect(CommandStart, &QPushButton::clicked, this, &FormWriteMany::CommandStart_Click);
    connect(CommandStop, &QPushButton::clicked, this, &FormWriteMany::CommandStop_Click);
    connect(CommandClose, &QPushButton::clicked, this, &FormWriteMany::close);
    showCount();
    updateButtons();
}

FormWriteMany::~FormWriteMany() = default;

void FormWriteMany::CommandStart_Click()
{
    if (row_ && row_->phase() != RadioRow::Phase::Stopped)
        return;
    const SharedState& s = State();
    // The image as it is now; edits made later do not reach this row.
    row_ = std::make_unique<RadioRow>(CurrentPortCatalog().deviceFor(s.ComPortNumber), PortName(), document_.memory());
    row_->setFileName(document_.title());
    row_->setVerify(s.VerifyAfterWrite);
    connect(row_.get(), &RadioRow::phaseChanged, this, &FormWriteMany::onPhase);
    connect(row_.get(), &RadioRow::radioDone, this, &FormWriteMany::onRadioDone);
    // Told in the window, not in a box: the row goes on.
    connect(row_.get(), &RadioRow::logFailed, this, [this](const QString& reason) {
        LabelInfo->setStyleSheet(QStringLiteral("color: #c62828;"));
        LabelInfo->setText(tr("The programming log cannot be written: %1").arg(reason));
    });
    connect(row_.get(), &RadioRow::progress, this,
            [this](double fraction) { ProgressBar1->setValue(qRound(fraction * ProgressSteps)); });
    ListResults->clear();
    LabelResult->clear();
    showCount();
    row_->start();
    updateButtons();
}

void FormWriteMany::CommandStop_Click()
{
    if (!row_)
        return;
    row_->stop();
    if (row_->phase() != RadioRow::Phase::Stopped)
        LabelStatus->setText(tr("Stopping after this radio..."));
    updateButtons();
}

void FormWriteMany::onPhase(RadioRow::Phase phase)
{
    const int next = row_->radios() + 1;
    switch (phase) {
    case RadioRow::Phase::Idle: break;
    case RadioRow::Phase::WaitingForRadio:
        LabelStatus->setText(tr("Connect the next radio"));
        ProgressBar1->setValue(0);
        break;
    case RadioRow::Phase::Writing:
        LabelStatus->setText(tr("Writing radio %1...").arg(next));
        break;
    case RadioRow::Phase::Verifying:
        LabelStatus->setText(tr("Verifying radio %1...").arg(next));
        break;
    case RadioRow::Phase::WaitingForRemoval:
        LabelStatus->setText(tr("Take the radio off the cable"));
        break;
    case RadioRow::Phase::Paused:
        LabelStatus->setText(tr("Paused: the port %1 cannot be used (%2). Reconnect the cable; the row goes on when the port is back.")
                                 .arg(row_->portName(),
                                      row_->pauseReason().isEmpty() ? tr("it has gone") : row_->pauseReason()));
        break;
    case RadioRow::Phase::Stopped:
        LabelStatus->setText(tr("Stopped"));
        break;
    }
    updateButtons();
    if (phase == RadioRow::Phase::Stopped && closeWhenStopped_)
        QTimer::singleShot(0, this, &FormWriteMany::close);
}

void FormWriteMany::onRadioDone(const RowRadioResult& result)
{
    const QString text = OutcomeText(result);
    LabelResult->setText(tr("Radio %1: %2").arg(result.number).arg(text));
    LabelResult->setStyleSheet(result.succeeded() ? QStringLiteral("color: #1a7f37;") : QStringLiteral("color: #c62828;"));
    auto* item = new QTreeWidgetItem(ListResults, { QString::number(result.number),
                                                    QTime::currentTime().toString(QStringLiteral("HH:mm:ss")),
                                                    result.band, text });
    item->setForeground(3, result.succeeded() ? QColor(0x1a, 0x7f, 0x37) : QColor(0xc6, 0x28, 0x28));
    ListResults->scrollToItem(item);
    showCount();
}

void FormWriteMany::showCount()
{
    const int radios = row_ ? row_->radios() : 0;
    const int ok = row_ ? row_->succeeded() : 0;
    LabelCount->setText(tr("Radios: %1    Written: %2    Failed: %3")
                            .arg(radios)
                            .arg(ok)
                            .arg(radios - ok));
}

void FormWriteMany::updateButtons()
{
    const bool running = row_ && row_->phase() != RadioRow::Phase::Stopped;
    CommandStart->setEnabled(!running);
    CommandStop->setEnabled(running && !row_->stopRequested());
}

// Escape and Close never cut a radio off in the middle: a radio being
// written is finished first, then the window goes.
bool FormWriteMany::finishBeforeClosing()
{
    if (!row_ || row_->phase() == RadioRow::Phase::Stopped)
        return false;
    CommandStop_Click();
    if (row_->phase() == RadioRow::Phase::Stopped)
        return false;
    closeWhenStopped_ = true;
    return true;
}

void FormWriteMany::reject()
{
    if (!finishBeforeClosing())
        QDialog::reject();
}

void FormWriteMany::closeEvent(QCloseEvent* event)
{
    if (finishBeforeClosing()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace t40
