#pragma once

#include "band_table.h"
#include "channel.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace t40 {

// What a licence-free service allows on some of its frequencies.
struct ServiceRule {
    std::vector<Frequency> frequencies;
    Power maxPower = Power::High;
    bool narrowRequired = false;
    bool transmitAllowed = true;
};

// A channel plan of a service as data: the channels it fills and the rules
// of the service. One JSON file per plan among the program's resources
// (":/presets/*.json"); a new file is a new plan.
struct ChannelPreset {
    QString name;        // "PMR446": also its name on the command line
    QString description; // English; shown through the translator
    // A plan added later may carry its own description per language
    // ("description_zh_CN" in its file), keyed by locale name ("zh_CN").
    QMap<QString, QString> descriptions;
    BandFamily band = BandFamily::UHF;
    std::vector<Channel> channels; // may be more than the radio holds
    std::vector<ServiceRule> rules;

    // "PMR446 (Europe, 16 channels, 0.5 W, narrow)" in the interface
    // language, whose locale name ("zh_CN") picks the file's own description.
    QString title(const QString& language = QString()) const;
    // The rule for a frequency of this service, if it is one.
    const ServiceRule* ruleFor(Frequency f) const;
};

// One preset file; nothing and a reason when it is not a valid plan.
std::optional<ChannelPreset> ParsePreset(const QByteArray& json, QString* error);

// The plans shipped with the program, sorted by name (read once). A file
// that cannot be read is left out and named in problems.
const std::vector<ChannelPreset>& ShippedPresets(QStringList* problems = nullptr);
// By name, ignoring case and spaces ("uhfcb" finds "UHF CB").
const ChannelPreset* FindPreset(const QString& name);

QString BandFamilyName(BandFamily band); // "UHF" / "VHF"

class RadioDocument;

// Where a plan's channels went.
struct PresetPlacement {
    QList<int> filled;                // the channels written, in plan order
    std::vector<Frequency> outOfBand; // plan channels the band cannot hold
    std::vector<Frequency> noRoom;    // plan channels without a channel left
    // One sentence for the user: what went where and what did not fit.
    QString summary(const QString& presetName) const;
};

// Fills channels from a plan, one undo step: the given channels in order
// when there are several, otherwise the channels without a receive
// frequency from the first on. What the band cannot hold is left out.
PresetPlacement InsertPresetChannels(RadioDocument& document, const ChannelPreset& preset, const QList<int>& targets);

// A fresh document for a plan: the given template image with its model set
// to the plan's band (UHF 400-520, VHF 136-174) and the plan in channels
// 1..16; no undo step, marked modified.
PresetPlacement NewDocumentFromPreset(RadioDocument& document, const RadioImage& templateImage, const ChannelPreset& preset);

} // namespace t40
