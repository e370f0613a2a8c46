#include "channel_rules.h"

#include "channel_presets.h"
#include "value_texts.h"

#include <QCoreApplication>

namespace t40 {

QString RuleFinding::text() const
{
    const QString mhz = FrequencyText(frequency, QStringLiteral("."));
    switch (breach) {
    case Breach::Power:
        return QCoreApplication::translate("t40::ChannelRules", "%1 allows at most %2 power on %3 MHz")
            .arg(service, ChannelListTexts(ChannelFieldId::Power).value(int(maxPower)), mhz);
    case Breach::Spacing:
        return QCoreApplication::translate("t40::ChannelRules", "%1 requires 12.5 kHz (narrow) spacing on %2 MHz")
            .arg(service, mhz);
    case Breach::Transmit:
        return QCoreApplication::translate("t40::ChannelRules", "%1 does not allow transmitting on %2 MHz")
            .arg(service, mhz);
    }
    return {};
}

QString RuleFinding::line() const
{
    return QStringLiteral("%1: %2").arg(ChannelName(channel), text());
}

std::vector<RuleFinding> CheckChannelRules(int c, const Channel& channel)
{
    std::vector<RuleFinding> findings;
    // Only what the radio sends can break a service's rule.
    if (!channel.present() || !channel.transmit)
        return findings;
    const Frequency f = *channel.transmit;
    for (const ChannelPreset& preset : ShippedPresets()) {
        const ServiceRule* rule = preset.ruleFor(f);
        if (!rule)
            continue;
        const auto add = [&](RuleFinding::Breach breach) {
            findings.push_back({ c, breach, preset.name, f, rule->maxPower });
        };
        if (!rule->transmitAllowed)
            add(RuleFinding::Breach::Transmit);
        if (int(channel.power) > int(rule->maxPower))
            add(RuleFinding::Breach::Power);
        if (rule->narrowRequired && channel.spacing == Spacing::Wide)
            add(RuleFinding::Breach::Spacing);
    }
    return findings;
}

std::vector<RuleFinding> CheckChannelRules(const RadioImage& memory)
{
    std::vector<RuleFinding> findings;
    for (int c = 1; c <= ChannelCount; ++c) {
        const auto more = CheckChannelRules(c, ReadChannel(memory, c));
        findings.insert(findings.end(), more.begin(), more.end());
    }
    return findings;
}

QStringList RuleFindingLines(const RadioImage& memory)
{
    QStringList lines;
    for (const RuleFinding& f : CheckChannelRules(memory))
        lines << f.line();
    return lines;
}

} // namespace t40
