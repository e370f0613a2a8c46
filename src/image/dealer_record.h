#pragma once

#include "field_table.h"
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
constexpr int ModelName = FieldOffset(FieldId::DealerModelName);
constexpr int ModelNameSize = Field(FieldId::DealerModelName).length;
constexpr int FrequencyArea = FieldOffset(FieldId::DealerFrequencyArea);
constexpr int AreaCode = FieldOffset(FieldId::DealerAreaCode);
constexpr int AreaCodeSize = Field(FieldId::DealerAreaCode).length;
constexpr int SerialNumber = FieldOffset(FieldId::DealerSerialNumber);
constexpr int ProductionDate = FieldOffset(FieldId::DealerProductionDate);
constexpr int ManufactureCode = FieldOffset(FieldId::DealerManufactureCode);
constexpr int UserCode = FieldOffset(FieldId::DealerUserCode);
constexpr int CodeSize = Field(FieldId::DealerUserCode).length;
constexpr int MaintenanceDate = FieldOffset(FieldId::DealerMaintenanceDate);
constexpr int DealerCode = FieldOffset(FieldId::DealerCode);
constexpr int StockDate = FieldOffset(FieldId::DealerStockDate);
constexpr int SellDate = FieldOffset(FieldId::DealerSellDate);
constexpr int Seller = FieldOffset(FieldId::DealerSeller);
constexpr int TextSize = Field(FieldId::DealerSeller).length;
constexpr int MaintenanceDescription = FieldOffset(FieldId::DealerMaintenanceDescription);
constexpr int DescriptionSize = Field(FieldId::DealerMaintenanceDescription).length;
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
