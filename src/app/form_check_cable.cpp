#include "form_check_cable.h"

#include "button_row.h"
#include "cable_check.h"
#include "port_catalog.h"
#include "shared_state.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace t40 {

FormCheckCable::FormCheckCable(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Check Cable"));
    LabelVerdict = new QLabel(this);
    LabelVerdict->setWordWrap(true);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setTextVisible(false);
    TextReport = new QPlainTextEdit(this);
    TextReport->setReadOnly(true);
    TextReport->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    CommandCheck = new QPushButton(tr("Check &Again"), this);
    CommandClose = new QPushButton(tr("&Close"), this);
    CommandClose->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelVerdict);
    layout->addWidget(ProgressBar1);
    layout->addWidget(TextReport, 1);
    layout->addLayout(ButtonRow({ CommandCheck, CommandClose }));
    resize(640, 460);

    connect(CommandCheck, &QPushButton::clicked, this, &FormCheckCable::CommandCheck_Click);
    connect(CommandClose, &QPushButton::clicked, this, &FormCheckCable::reject);
    QTimer::singleShot(0, this, &FormCheckCable::CommandCheck_Click);
}

FormCheckCable::~FormCheckCable() = default;

bool FormCheckCable::checking() const
{
    return check_ && check_->running();
}

void FormCheckCable::CommandCheck_Click()
{
    if (checking())
        return;
    if (check_)
        check_->deleteLater();
    check_ = new CableCheck(this);
    connect(check_, &CableCheck::finished, this, &FormCheckCable::onFinished);
    // The chosen port first, then the others worth asking.
    std::vector<ProbeCandidate> ports;
    const int chosen = State().ComPortNumber;
    ports.push_back({ chosen, CurrentPortCatalog().deviceFor(chosen) });
    for (const ProbeCandidate& candidate : DetectCandidates())
        if (candidate.number != chosen)
            ports.push_back(candidate);
    LabelVerdict->setText(tr("Checking %1 port(s)...").arg(ports.size()));
    ProgressBar1->setRange(0, 0); // busy until the handshakes are over
    TextReport->clear();
    CommandCheck->setEnabled(false);
    check_->start(ports);
}

void FormCheckCable::onFinished()
{
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(1);
    TextReport->setPlainText(check_->reportText());
    // The chosen port's verdict leads, or the one where a radio answers.
    const QList<CablePortReport>& ports = check_->ports();
    const CablePortReport* lead = ports.isEmpty() ? nullptr : &ports.front();
    for (const CablePortReport& port : ports)
        if (port.verdict == CableVerdict::RadioAnswers) {
            lead = &port;
            break;
        }
    LabelVerdict->setText(lead ? CableCheck::verdictText(*lead, check_->system())
                               : tr("No serial port to check: plug the cable in."));
    CommandCheck->setEnabled(true);
    emit checkFinished();
}

} // namespace t40
