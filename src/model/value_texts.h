#pragma once

#include "channel.h"
#include "field_table.h"

#include <QString>
#include <QStringList>

#include <span>

// What a value means to a person, read from the field table: its name, its
// value texts and unit, in the interface language (the translator installed
// at the time of the call). Pages, the grid, print, compare, the command-line
// tool and the undo step names all speak through these, so that they agree.
namespace t40 {

QString FieldName(FieldId id);
QString ChannelFieldName(ChannelFieldId id);
// "Channel 3".
QString ChannelName(int c);
// The heading of the channel-number column: "CH".
QString ChannelColumnName();

// The values of the optional-features page, in its order: what print and
// the command-line tool list as the radio's settings.
std::span<const FieldId> OptionFields();

// The name of a list's value; "invalid (v)" for a value the list has not.
QString ValueName(ValueNames names, int value);
// A list's names in stored-value order (an unused value gives an empty text).
QStringList ValueNameList(ValueNames names);

// A one-byte field's stored value as a page shows it, with its unit:
// "180 s", "Off", "Chinese"; "invalid (41)" outside the field's range.
QString ValueText(FieldId id, int value, const QString& decimalSeparator = QStringLiteral("."));
// The texts of a field's valid values (min..max) without the unit: what a
// page's list offers, list position = value - min.
QStringList ValueListTexts(FieldId id, const QString& decimalSeparator = QStringLiteral("."));

// The text a code shows for "no code".
QString NoCodeText();
// One field of a present channel as the grid shows it (an empty text for a
// receive-only channel's transmit frequency).
QString ChannelValueText(ChannelFieldId id, const Channel& channel, const QString& decimalSeparator = QStringLiteral("."));
// The channel field's value names in list order as the grid and editor offer them.
QStringList ChannelListTexts(ChannelFieldId id, const QString& decimalSeparator = QStringLiteral("."));

} // namespace t40
