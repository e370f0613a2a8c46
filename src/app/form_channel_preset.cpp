#include "form_channel_preset.h"

#include "button_row.h"
#include "interface_language.h"
#include "value_texts.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace t40 {

namespace {
QString FrequencyRange(const ChannelPreset& p)
{
    const auto [low, high] = std::minmax_element(p.channels.begin(), p.channels.end(),
                                                 [](const Channel& a, const Channel& b) { return *a.receive < *b.receive; });
    return QStringLiteral("%1 - %2").arg(FrequencyText(*low->receive, QStringLiteral(".")),
                                         FrequencyText(*high->receive, QStringLiteral(".")));
}

// What the plan fills and what its service allows, in a few lines.
QString Details(const ChannelPreset& p)
{
    QString text = FormChannelPreset::tr("%1 channels, %2 MHz (%3)")
                       .arg(p.channels.size())
                       .arg(FrequencyRange(p), BandFamilyName(p.band));
    Power highest = Power::Low;
    bool narrow = false;
    bool receiveOnly = false;
    for (const ServiceRule& r : p.rules) {
        highest = std::max(highest, r.maxPower);
        narrow = narrow || r.narrowRequired;
        receiveOnly = receiveOnly || !r.transmitAllowed;
    }
    if (!p.rules.empty()) {
        text += QLatin1Char('\n') + FormChannelPreset::tr("The service allows at most %1 power.")
                                        .arg(ChannelListTexts(ChannelFieldId::Power).value(int(highest)));
        if (narrow)
            text += QLatin1Char(' ') + FormChannelPreset::tr("It requires 12.5 kHz (narrow) spacing.");
        if (receiveOnly)
            text += QLatin1Char(' ') + FormChannelPreset::tr("Some of its frequencies are not for transmitting.");
        text += QLatin1Char('\n') + FormChannelPreset::tr("Channels that break these rules are marked in the channel grid.");
    }
    return text;
}
} // namespace

FormChannelPreset::FormChannelPreset(Purpose purpose, const QString& destination, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(purpose == Purpose::NewFile ? tr("New From Preset") : tr("Insert Preset Channels"));
    ListPresets = new QListWidget(this);
    for (const ChannelPreset& p : ShippedPresets())
        ListPresets->addItem(p.title(QLocale(InterfaceLanguage()).name()));
    LabelDetails = new QLabel(this);
    LabelDetails->setWordWrap(true);
    LabelDestination = new QLabel(destination, this);
    LabelDestination->setWordWrap(true);
    CommandOK = new QPushButton(tr("OK"), this);
    CommandOK->setDefault(true);
    CommandCancel = new QPushButton(tr("Cancel"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListPresets);
    layout->addWidget(LabelDetails);
    layout->addWidget(LabelDestination);
    layout->addLayout(ButtonRow({ CommandOK, CommandCancel }));
    resize(520, 360);

    connect(ListPresets, &QListWidget::currentRowChanged, this, [this] { ListPresets_Change(); });
    connect(ListPresets, &QListWidget::itemDoubleClicked, this, [this] { CommandOK_Click(); });
    connect(CommandOK, &QPushButton::clicked, this, [this] { CommandOK_Click(); });
    connect(CommandCancel, &QPushButton::clicked, this, [this] { CommandCancel_Click(); });
    ListPresets->setCurrentRow(0);
    ListPresets_Change();
}

const ChannelPreset* FormChannelPreset::current() const
{
    const int row = ListPresets->currentRow();
    const auto& presets = ShippedPresets();
    return row >= 0 && row < int(presets.size()) ? &presets.at(size_t(row)) : nullptr;
}

void FormChannelPreset::ListPresets_Change()
{
    const ChannelPreset* p = current();
    LabelDetails->setText(p ? Details(*p) : tr("No channel plan is available."));
    CommandOK->setEnabled(p != nullptr);
}

void FormChannelPreset::CommandOK_Click()
{
    chosen_ = current();
    if (chosen_)
        accept();
}

void FormChannelPreset::CommandCancel_Click() { reject(); }

} // namespace t40
