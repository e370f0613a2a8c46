#include "form_detect_radio.h"

#include "button_row.h"
#include "radio_probe.h"
#include "reg_keys.h"
#include "shared_state.h"

#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace t40 {

FormDetectRadio::FormDetectRadio(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Detect Radio"));
    LabelStatus = new QLabel(this);
    LabelStatus->setWordWrap(true);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setTextVisible(false);
    ListPorts = new QTreeWidget(this);
    ListPorts->setRootIsDecorated(false);
    ListPorts->setHeaderLabels({ tr("Port"), tr("Device"), tr("Band") });
    ListPorts->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    CommandSearch = new QPushButton(tr("Search &Again"), this);
    CommandUse = new QPushButton(tr("&Use This Port"), this);
    CommandClose = new QPushButton(tr("&Close"), this);
    CommandUse->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelStatus);
    layout->addWidget(ProgressBar1);
    layout->addWidget(ListPorts, 1);
    layout->addLayout(ButtonRow({ CommandSearch, CommandUse, CommandClose }));
    resize(520, 300);

    connect(CommandSearch, &QPushButton::clicked, this, &FormDetectRadio::CommandSearch_Click);
    connect(CommandUse, &QPushButton::clicked, this, &FormDetectRadio::CommandUse_Click);
    connect(CommandClose, &QPushButton::clicked, this, &FormDetectRadio::reject);
    connect(ListPorts, &QTreeWidget::itemDoubleClicked, this, &FormDetectRadio::CommandUse_Click);
    QTimer::singleShot(0, this, &FormDetectRadio::CommandSearch_Click);
}

FormDetectRadio::~FormDetectRadio() = default;

bool FormDetectRadio::searching() const
{
    return probe_ && probe_->running();
}

void FormDetectRadio::CommandSearch_Click()
{
    if (searching())
        return;
    if (probe_)
        probe_->deleteLater();
    probe_ = new RadioProbe(this);
    connect(probe_, &RadioProbe::portDone, this, [this](int done, int) { ProgressBar1->setValue(done); });
    connect(probe_, &RadioProbe::finished, this, &FormDetectRadio::onFinished);
    const std::vector<ProbeCandidate> candidates = DetectCandidates();
    ListPorts->clear();
    ProgressBar1->setRange(0, qMax(1, int(candidates.size())));
    ProgressBar1->setValue(0);
    LabelStatus->setText(tr("Asking %1 port(s) for a radio...").arg(candidates.size()));
    CommandSearch->setEnabled(false);
    CommandUse->setEnabled(false);
    probe_->start(candidates);
}

void FormDetectRadio::onFinished()
{
    ProgressBar1->setValue(ProgressBar1->maximum());
    for (const ProbeResult& r : probe_->results()) {
        if (!r.answered)
            continue;
        auto* item = new QTreeWidgetItem(ListPorts, { QStringLiteral("COM%1").arg(r.number), r.device, r.band() });
        item->setData(0, Qt::UserRole, r.number);
    }
    const int found = ListPorts->topLevelItemCount();
    if (found == 0)
        LabelStatus->setText(tr("No radio answered. Check that the radio is on and the cable is plugged in."));
    else
        LabelStatus->setText(tr("A radio answered on %1 port(s).").arg(found));
    if (found > 0)
        ListPorts->setCurrentItem(ListPorts->topLevelItem(0));
    CommandSearch->setEnabled(true);
    CommandUse->setEnabled(found > 0);
    emit searchFinished();
}

void FormDetectRadio::CommandUse_Click()
{
    const QTreeWidgetItem* item = ListPorts->currentItem();
    if (!item || searching())
        return;
    const int number = item->data(0, Qt::UserRole).toInt();
    State().ComPortNumber = number;
    RegWriteString(RegHive::LocalMachine, AppRegistryKey, ComPortValue, QString::number(number));
    accept();
}

} // namespace t40
