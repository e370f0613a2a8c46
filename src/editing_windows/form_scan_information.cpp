#include "form_scan_information.h"

#include "value_texts.h"
#include "button_row.h"
#include "help_topic.h"
#include "page_settings.h"
#include "window_menu.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace t40 {

namespace {
}

FormScanInformation::FormScanInformation(RadioDocument& document, QWidget* parent)
    : PageWindow(ScanPageId, &SharedState::ScanPageOpen, parent)
    , document_(document)
{
    auto combo = [this] {
        auto* c = new QComboBox(this);
        c->setMinimumWidth(110);
        return c;
    };
    LabelPriority = new QLabel(this);
    ComboPriority = combo();
    LabelRevertChannel = new QLabel(this);
    ComboRevertChannel = combo();
    ComboRevertChannel->setMinimumWidth(150);
    auto* settings = new QGridLayout;
    settings->addWidget(LabelPriority, 0, 0);
    settings->addWidget(ComboPriority, 0, 1);
    for (int i = 0; i < 2; ++i) {
        LabelScanBackTime[i] = new QLabel(this);
        ComboScanBackTime[i] = combo();
        settings->addWidget(LabelScanBackTime[i], 1 + i, 0);
        settings->addWidget(ComboScanBackTime[i], 1 + i, 1);
        connect(ComboScanBackTime[i], &QComboBox::activated, this, [this, i] { ComboScanBackTime_Click(i); });
    }
    settings->addWidget(LabelRevertChannel, 3, 0);
    settings->addWidget(ComboRevertChannel, 3, 1);
    for (int i = 0; i < 2; ++i) {
        LabelRevertScanDelay[i] = new QLabel(this);
        ComboScanDelay[i] = combo();
        settings->addWidget(LabelRevertScanDelay[i], 4 + i, 0);
        settings->addWidget(ComboScanDelay[i], 4 + i, 1);
        connect(ComboScanDelay[i], &QComboBox::activated, this, [this, i] { ComboScanDelay_Click(i); });
    }
    settings->setRowStretch(6, 1);

    auto* channels = new QGridLayout;
    for (int k = 0; k < PriorityChannelSlots; ++k) {
        LabelPriorityChannel[k] = new QLabel(this);
        ComboPriorityChannel[k] = new QComboBox(this);
        ComboPriorityChannel[k]->setMinimumWidth(70);
        channels->addWidget(LabelPriorityChannel[k], k, 0);
        channels->addWidget(ComboPriorityChannel[k], k, 1);
        connect(ComboPriorityChannel[k], &QComboBox::activated, this, [this, k] { ComboPriorityChannel_Click(k); });
    }

    connect(ComboPriority, &QComboBox::activated, this, &FormScanInformation::ComboPriority_Click);
    connect(ComboRevertChannel, &QComboBox::activated, this, &FormScanInformation::ComboRevertChannel_Click);

    CommandClose = new QPushButton(this);
    CommandHelp = new QPushButton(this);
    connect(CommandClose, &QPushButton::clicked, this, &FormScanInformation::CommandClose_Click);
    connect(CommandHelp, &QPushButton::clicked, this, &FormScanInformation::CommandHelp_Click);
    auto* buttons = ButtonRow({ CommandClose, CommandHelp });

    auto* columns = new QHBoxLayout;
    columns->addLayout(settings);
    columns->addSpacing(24);
    columns->addLayout(channels);
    columns->addStretch();
    auto* page = new QVBoxLayout(this);
    page->addLayout(columns);
    page->addStretch();
    page->addLayout(buttons);

    resize(sizeHint().expandedTo(QSize(560, 0)));

    fillCaptions();
    AnalyseScanInformation();
    registerPage();
    followChanges(document_, { FieldOffset(FieldId::PriorityScanType), FieldEnd(FieldId::PriorityChannel8) }, Decoding,
                  [this] { AnalyseScanInformation(); });
}

void FormScanInformation::fillCaptions()
{
    const QString& separator = State().DecimalSeparator;
    for (QComboBox* list : { ComboScanBackTime[0], ComboScanBackTime[1], ComboScanDelay[0], ComboScanDelay[1] }) {
        list->clear();
        for (int i = 0; i < ScanTimeCount; ++i)
            list->addItem(QString::number((i + 2) / 2) + separator + (i % 2 ? QStringLiteral("5") : QStringLiteral("0")));
    }

    setWindowTitle(tr("Scan Information"));
    LabelPriority->setText(tr("Priority"));
    LabelScanBackTime[0]->setText(tr("Look Back Time A[s]"));
    LabelScanBackTime[1]->setText(tr("Look Back Time B[s]"));
    LabelRevertScanDelay[0]->setText(tr("Dropout Delay Time[s]"));
    LabelRevertScanDelay[1]->setText(tr("TX Dwell Time[s]"));
    LabelRevertChannel->setText(tr("Revert Channel"));
    for (int k = 0; k < PriorityChannelSlots; ++k)
        LabelPriorityChannel[k]->setText(tr("Priority Channel ") + QString::number(k + 1));
    CommandClose->setText(tr("&Close"));
    CommandHelp->setText(tr("&Help"));

    ComboPriority->clear();
    ComboPriority->addItems(ValueListTexts(FieldId::PriorityScanType));
    ComboRevertChannel->clear();
    ComboRevertChannel->addItems(ValueNameList(Values::RevertChannel));
}

void FormScanInformation::AnalyseScanInformation()
{
    Decoding = true;
    ScanSettings s = ReadScan(document_);
    const int type = qMax(int(PriorityNone), s.priorityType);
    ComboPriority->setCurrentIndex(type);
    applyPriorityType(type);

    for (int i = 0; i < 2; ++i) {
        ComboScanBackTime[i]->setCurrentIndex(qMax(0, s.lookBackTime[i]));
        ComboScanDelay[i]->setCurrentIndex(qMax(0, s.revertDelay[i]));
    }

    ComboRevertChannel->setCurrentIndex(RevertChannelIndex(std::uint8_t(s.revertChannel), ComboRevertChannel->count()));

    const ScanSettings stored = s;
    for (int k = 0; k < PriorityChannelSlots; ++k)
        showPriorityChannel(k, s);
    if (s != stored)
        WriteScan(document_, s);
    Decoding = false;
}

void FormScanInformation::showPriorityChannel(int k, ScanSettings& settings)
{
    QComboBox* list = ComboPriorityChannel[k];
    list->clear();
    for (int c = 1; c <= ChannelCount; ++c)
        if (ChannelPresent(document_, c))
            list->addItem(QString::number(c), c);
    const int match = list->findData(settings.priorityChannel[k]);
    if (match >= 0) {
        list->setCurrentIndex(match);
    } else if (IsVoxShared(k)) {
        list->setCurrentIndex(-1); // shows nothing rather than a number the radio does not hold
    } else if (list->count() > 0) {
        list->setCurrentIndex(0);
        settings.priorityChannel[k] = list->itemData(0).toInt();
    }
}

void FormScanInformation::store(const std::function<void(ScanSettings&)>& change)
{
    ScanSettings s = ReadScan(document_);
    change(s);
    Decoding = true; // our own change needs no decode
    WriteScan(document_, s);
    Decoding = false;
}

void FormScanInformation::applyPriorityType(int type)
{
    ComboScanBackTime[0]->setEnabled(type != PriorityNone);
    ComboScanBackTime[1]->setEnabled(type != PriorityNone);
    for (int k = 0; k < PriorityChannelSlots; ++k) {
        const bool on = type == PriorityFixed && !IsVoxShared(k);
        ComboPriorityChannel[k]->setEnabled(on);
        LabelPriorityChannel[k]->setEnabled(on);
    }
    if (type == PriorityNone) {
        if (ComboRevertChannel->count() == 4) {
            ComboRevertChannel->removeItem(3);
            ComboRevertChannel->removeItem(2);
        }
    } else if (ComboRevertChannel->count() == 2) {
        ComboRevertChannel->addItems(ValueNameList(Values::RevertChannel).mid(2));
    }
}

void FormScanInformation::ComboPriority_Click()
{
    const int type = ComboPriority->currentIndex();
    if (Decoding || type < 0)
        return;
    store([type](ScanSettings& s) { s.priorityType = type; });
    applyPriorityType(type);
}

void FormScanInformation::ComboScanBackTime_Click(int index)
{
    if (Decoding || index < 0 || index > 1 || ComboScanBackTime[index]->currentIndex() < 0)
        return;
    store([&](ScanSettings& s) { s.lookBackTime[index] = ComboScanBackTime[index]->currentIndex(); });
}

void FormScanInformation::ComboScanDelay_Click(int index)
{
    if (Decoding || index < 0 || index > 1 || ComboScanDelay[index]->currentIndex() < 0)
        return;
    store([&](ScanSettings& s) { s.revertDelay[index] = ComboScanDelay[index]->currentIndex(); });
}

void FormScanInformation::ComboRevertChannel_Click()
{
    if (Decoding || ComboRevertChannel->currentIndex() < 0)
        return;
    store([this](ScanSettings& s) { s.revertChannel = ComboRevertChannel->currentIndex(); });
}

void FormScanInformation::ComboPriorityChannel_Click(int index)
{
    if (Decoding || index < 0 || index >= PriorityChannelSlots || IsVoxShared(index))
        return;
    QComboBox* list = ComboPriorityChannel[index];
    if (list->currentIndex() < 0)
        return;
    // The channel number shown, which is what the decode matches.
    store([&](ScanSettings& s) { s.priorityChannel[index] = list->currentData().toInt(); });
}

void FormScanInformation::CommandClose_Click()
{
    closePage();
}

void FormScanInformation::CommandHelp_Click()
{
    ShowHelpTopic(QStringLiteral("Scan/Scan.htm"));
}

} // namespace t40
