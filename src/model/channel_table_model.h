#pragma once

#include "channel.h"
#include "field_table.h"
#include "radio_document.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QMetaType>

class QItemSelectionModel;

namespace t40 {

// The document's 16 channels as a table: one row per channel, the channel
// number, one column per channel field and a blank last column. The channel
// grid and the channel editor are both views of the one table of their
// document and share its selection, so that the channel selected in one is
// the channel of the other and of the channel commands. The table follows
// every change of the document, whoever made it.
class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        NumberColumn,
        ReceiveColumn,
        TransmitColumn,
        DecodeColumn,
        EncodeColumn,
        PowerColumn,
        ScanAddColumn,
        SpacingColumn,
        BusyLockColumn,
        BlankColumn,
        ColumnCount
    };
    enum Role {
        // A list column's value as its list position; -1 for an absent channel.
        ListPositionRole = Qt::UserRole + 1,
        PresentRole,         // the channel has a receive frequency
        TransmitPresentRole, // ... and a transmit frequency
        NonStandardRole,     // a code cell holds a tone that is not one of the 50 standard tones
    };

    // The one table of a document (made on first use, owned by the document).
    static ChannelTableModel& of(RadioDocument& document);

    RadioDocument& document() const { return document_; }
    QItemSelectionModel* selectionModel() const { return selection_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Code columns take a SignallingCode, list columns a list position,
    // frequency columns the typed text (see enterFrequency).
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // A frequency typed into a frequency column, by the entry rule of the
    // column; the result says what to show and whether a warning is due.
    FrequencyEntryResult enterFrequency(const QModelIndex& index, const QString& text);

    // A list column's entry (its list position) into a channel; false for
    // another column or a position the list has not.
    static bool applyListPosition(Channel& ch, int column, int position);

    static int channelOf(int row) { return row + 1; }
    static int rowOf(int channel) { return channel - 1; }
    // The channel field of a column 1..8.
    static ChannelFieldId fieldOf(int column) { return ChannelFieldId(column - ReceiveColumn); }
    static bool isFieldColumn(int column) { return column >= ReceiveColumn && column <= BusyLockColumn; }

    // The channel the selection's current cell is on (1 when none is).
    int currentChannel() const;
    // Makes channel c current (and the only one selected), in the given
    // column or the current one.
    void setCurrentChannel(int c, int column = -1);
    // The channels with a selected cell, in order; the current one when none is.
    QList<int> selectedChannels() const;

    // What was stored in a cell instead of what was typed, and why: the
    // cell's tooltip for as long as it shows that value (an empty note
    // takes the cell's away).
    void setNote(const QModelIndex& index, const QString& note);

    QString decimalSeparator() const { return separator_; }
    void setDecimalSeparator(const QString& separator);
    // The texts follow the interface language: after a switch, every view
    // shows them anew.
    void retranslate();
    // An absent channel takes no part in scanning: clears the scan bit of
    // every channel without a receive frequency.
    void clearAbsentScanBits();

private:
    explicit ChannelTableModel(RadioDocument& document);
    // A cell whose value breaks a licence-free service's rule: its tint and
    // the rule's text (nothing for any other cell or role).
    QVariant ruleMark(const Channel& channel, const QModelIndex& index, int role) const;
    void documentChanged();

    struct Note {
        QString shown; // the cell text the note is about
        QString text;
    };
    QString toolTip(const QModelIndex& index, const Channel& ch) const;

    RadioDocument& document_;
    QItemSelectionModel* selection_;
    QHash<int, Note> notes_; // by row * ColumnCount + column
    QString separator_ = QStringLiteral(".");
};

} // namespace t40

Q_DECLARE_METATYPE(t40::SignallingCode)
