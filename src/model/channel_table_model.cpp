#include "channel_table_model.h"

#include "value_texts.h"

#include <QItemSelectionModel>

#include <algorithm>
#include <set>

namespace t40 {

ChannelTableModel& ChannelTableModel::of(RadioDocument& document)
{
    if (auto* model = document.findChild<ChannelTableModel*>(QString(), Qt::FindDirectChildrenOnly))
        return *model;
    return *new ChannelTableModel(document);
}

ChannelTableModel::ChannelTableModel(RadioDocument& document)
    : QAbstractTableModel(&document)
    , document_(document)
    , selection_(new QItemSelectionModel(this, this))
{
    connect(&document_, &RadioDocument::changed, this, &ChannelTableModel::documentChanged);
    connect(&document_, &RadioDocument::bandChanged, this, &ChannelTableModel::documentChanged);
    connect(&document_, &RadioDocument::replaced, this, [this] { notes_.clear(); });
}

int ChannelTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ChannelCount;
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int column = index.column();
    if (column == NumberColumn) {
        if (role == Qt::DisplayRole)
            return QString::number(channelOf(index.row()));
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        return {};
    }
    if (!isFieldColumn(column))
        return role == Qt::DisplayRole || role == Qt::EditRole ? QVariant(QString()) : QVariant();
    const Channel ch = document_.channel(channelOf(index.row()));
    if (role == Qt::BackgroundRole || role == Qt::ToolTipRole)
        if (QVariant mark = ruleMark(ch, index, role); mark.isValid()) {
            const QString note = role == Qt::ToolTipRole ? toolTip(index, ch) : QString();
            return note.isEmpty() ? mark : QVariant(note + QLatin1Char('\n') + mark.toString());
        }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return ch.present() ? ChannelValueText(fieldOf(column), ch, separator_) : QString();
    case PresentRole:
        return ch.present();
    case TransmitPresentRole:
        return ch.present() && ch.transmit.has_value();
    case NonStandardRole: {
        const SignallingCode code = column == DecodeColumn ? ch.decode : column == EncodeColumn ? ch.encode : SignallingCode {};
        return ch.present() && code.nonStandardTone();
    }
    case Qt::ToolTipRole:
        return toolTip(index, ch);
    case ListPositionRole:
        if (!ch.present())
            return -1;
        switch (column) {
        case PowerColumn: return int(ch.power);
        case ScanAddColumn: return ch.scanAdd ? 0 : 1; // the list offers Add first
        case SpacingColumn: return int(ch.spacing);
        case BusyLockColumn: return int(ch.busyLock);
        default: return -1;
        }
    default:
        return {};
    }
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == NumberColumn)
        return ChannelColumnName();
    if (section == BlankColumn)
        return QString();
    return ChannelFieldName(fieldOf(section));
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Channels are dragged by their number to another place.
    const Qt::ItemFlags movable = Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    if (index.column() == NumberColumn)
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | movable;
    if (index.column() == BlankColumn)
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDropEnabled;
}

QString ChannelTableModel::toolTip(const QModelIndex& index, const Channel& ch) const
{
    QStringList lines;
    const auto note = notes_.constFind(index.row() * ColumnCount + index.column());
    if (note != notes_.cend() && ch.present() && note->shown == ChannelValueText(fieldOf(index.column()), ch, separator_))
        lines << note->text;
    if (data(index, NonStandardRole).toBool())
        lines << tr("Not one of the 50 standard CTCSS tones");
    return lines.join(QLatin1Char('\n'));
}

void ChannelTableModel::setNote(const QModelIndex& index, const QString& note)
{
    if (!index.isValid() || !isFieldColumn(index.column()))
        return;
    if (note.isEmpty()) {
        if (notes_.remove(index.row() * ColumnCount + index.column()))
            emit dataChanged(index, index, { Qt::ToolTipRole });
        return;
    }
    const Channel ch = document_.channel(channelOf(index.row()));
    notes_.insert(index.row() * ColumnCount + index.column(),
                  { ch.present() ? ChannelValueText(fieldOf(index.column()), ch, separator_) : QString(), note });
    emit dataChanged(index, index, { Qt::ToolTipRole });
}

bool ChannelTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !isFieldColumn(index.column()))
        return false;
    const int column = index.column();
    if (column == ReceiveColumn || column == TransmitColumn) {
        enterFrequency(index, value.toString());
        return true;
    }
    const int c = channelOf(index.row());
    Channel ch = document_.channel(c);
    if (!ch.present())
        return false;
    if (column == DecodeColumn || column == EncodeColumn) {
        if (!value.canConvert<SignallingCode>())
            return false;
        (column == DecodeColumn ? ch.decode : ch.encode) = value.value<SignallingCode>();
    } else {
        bool ok = false;
        const int position = value.toInt(&ok);
        if (!ok || !applyListPosition(ch, column, position))
            return false;
    }
    document_.setChannel(c, ch);
    return true;
}

bool ChannelTableModel::applyListPosition(Channel& ch, int column, int position)
{
    if (column < PowerColumn || column > BusyLockColumn || position < 0
        || position >= int(ChannelListTexts(fieldOf(column)).size()))
        return false;
    // The lists offer the values in their stored order, scan add with Add first.
    switch (column) {
    case PowerColumn: ch.power = Power(position); break;
    case ScanAddColumn: ch.scanAdd = position == 0; break;
    case SpacingColumn: ch.spacing = Spacing(position); break;
    case BusyLockColumn: ch.busyLock = BusyLock(position); break;
    default: return false;
    }
    return true;
}

FrequencyEntryResult ChannelTableModel::enterFrequency(const QModelIndex& index, const QString& text)
{
    if (!index.isValid() || (index.column() != ReceiveColumn && index.column() != TransmitColumn))
        return {};
    const FrequencyField field = index.column() == ReceiveColumn ? FrequencyField::Receive : FrequencyField::Transmit;
    return document_.enterFrequency(channelOf(index.row()), field, text, separator_);
}

int ChannelTableModel::currentChannel() const
{
    const QModelIndex current = selection_->currentIndex();
    return current.isValid() ? channelOf(current.row()) : 1;
}

void ChannelTableModel::setCurrentChannel(int c, int column)
{
    if (c < 1 || c > ChannelCount)
        return;
    if (column < ReceiveColumn || column > BlankColumn) {
        const QModelIndex current = selection_->currentIndex();
        column = current.isValid() && current.column() >= ReceiveColumn ? current.column() : int(ReceiveColumn);
    }
    selection_->setCurrentIndex(index(rowOf(c), column), QItemSelectionModel::ClearAndSelect);
}

QList<int> ChannelTableModel::selectedChannels() const
{
    std::set<int> rows;
    for (const QModelIndex& i : selection_->selectedIndexes())
        rows.insert(channelOf(i.row()));
    if (rows.empty())
        return { currentChannel() };
    return QList<int>(rows.begin(), rows.end());
}

void ChannelTableModel::setDecimalSeparator(const QString& separator)
{
    if (separator == separator_)
        return;
    separator_ = separator;
    documentChanged();
}

void ChannelTableModel::retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    documentChanged();
}

void ChannelTableModel::clearAbsentScanBits()
{
    for (int c = 1; c <= ChannelCount; ++c)
        if (!document_.channel(c).present())
            document_.setChannel(c, Channel {});
}

void ChannelTableModel::documentChanged()
{
    // Sixteen short rows: every change shows them all anew.
    emit dataChanged(index(0, 0), index(ChannelCount - 1, ColumnCount - 1));
}

} // namespace t40
