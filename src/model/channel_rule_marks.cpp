#include "channel_rules.h"
#include "channel_table_model.h"

#include <QColor>
#include <QStringList>

namespace t40 {

QVariant ChannelTableModel::ruleMark(const Channel& channel, const QModelIndex& index, int role) const
{
    const auto columnOf = [](RuleFinding::Breach breach) {
        switch (breach) {
        case RuleFinding::Breach::Power: return PowerColumn;
        case RuleFinding::Breach::Spacing: return SpacingColumn;
        case RuleFinding::Breach::Transmit: return TransmitColumn;
        }
        return NumberColumn;
    };
    QStringList rules;
    for (const RuleFinding& f : CheckChannelRules(channelOf(index.row()), channel))
        if (columnOf(f.breach) == index.column())
            rules << f.text();
    if (rules.isEmpty())
        return {};
    if (role == Qt::BackgroundRole)
        return QColor(255, 200, 150);
    return rules.join(QLatin1Char('\n'));
}

} // namespace t40
