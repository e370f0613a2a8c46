#pragma once

#include "radio_image.h"

#include <QString>
#include <QStringList>

namespace t40 {

// The radio's production and sales record at radio addresses 0x0A80..0x0B7F,
// brought in by a dealer-information read. Texts are single-byte characters,
// ended early by a 0 byte.
struct DealerRecord {
    QString modelName;
    int frequencyArea = 0; // list position: 0 136-174, 1 200-260, 2 400-480 MHz
    QString areaCode;
    QString serialNumber;
    QString productionDate;
    QString manufactureCode;
    QString userCode;
    QString maintenanceDate;
    QString dealerCode;
    QString stockDate;
    QString sellDate;
    QString seller;
    QString maintenanceDescription;
};

namespace Dealer {
constexpr int ModelName = 0x0A80;
constexpr int ModelNameSize = 6;
constexpr int FrequencyArea = 0x0A86;
constexpr int AreaCode = 0x0A88;
constexpr int AreaCodeSize = 4;
constexpr int SerialNumber = 0x0A90;
constexpr int ProductionDate = 0x0AA0;
constexpr int ManufactureCode = 0x0AB0;
constexpr int UserCode = 0x0AB8;
constexpr int CodeSize = 8;
constexpr int MaintenanceDate = 0x0AC0;
constexpr int DealerCode = 0x0AD0;
constexpr int StockDate = 0x0AE0;
constexpr int SellDate = 0x0AF0;
constexpr int Seller = 0x0B00;
constexpr int TextSize = 16;
constexpr int MaintenanceDescription = 0x0B10;
constexpr int DescriptionSize = 96;
} // namespace Dealer

// The text at address: one character per byte up to the first 0 byte or width bytes.
QString MemoryText(const RadioImage& memory, int address, int width);

DealerRecord DecodeDealerRecord(const RadioImage& memory);

// The model names of the radio family, in list order (eight of them).
QStringList DealerModelNames();
// The list position of a model name; the last position for a name not in the list.
int DealerModelIndex(const QString& name);

// The frequency-area items, the same in both languages.
QStringList FrequencyAreaNames();

// The firmware version held in image bytes 448..451: two characters, the
// decimal separator, two characters.
QString FirmwareVersionText(const RadioImage& memory, const QString& decimalSeparator);

} // namespace t40
