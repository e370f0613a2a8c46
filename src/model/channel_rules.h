#pragma once

#include "channel.h"
#include "radio_image.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace t40 {

// A channel that transmits on a licence-free service's frequency in a way
// the service does not allow. The channel stays as it is: the program shows
// the finding and the user decides.
struct RuleFinding {
    enum class Breach { Power, Spacing, Transmit };
    int channel = 0;
    Breach breach = Breach::Power;
    QString service; // the plan's name, "PMR446"
    Frequency frequency = 0;
    Power maxPower = Power::High;

    // "PMR446 allows at most Low power on 446.00625 MHz", in the interface language.
    QString text() const;
    // "Channel 3: " and the text.
    QString line() const;
};

// The findings for channel c against the rules of every shipped plan.
std::vector<RuleFinding> CheckChannelRules(int c, const Channel& channel);
// The findings for channels 1..16 of an image, in channel order.
std::vector<RuleFinding> CheckChannelRules(const RadioImage& memory);
// Those findings as lines, "Channel 3: PMR446 allows ...", for lists and warnings.
QStringList RuleFindingLines(const RadioImage& memory);

} // namespace t40
