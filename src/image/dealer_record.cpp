#include "dealer_record.h"

#include "memory_map.h"

namespace t40 {

QString MemoryText(const RadioImage& memory, int address, int width)
{
    QString text;
    for (int i = 0; i < width; ++i) {
        const std::uint8_t c = memory.memoryByte(address + i);
        if (c == 0)
            break;
        text.append(QChar::fromLatin1(char(c)));
    }
    return text;
}

DealerRecord DecodeDealerRecord(const RadioImage& memory)
{
    using namespace Dealer;
    DealerRecord record;
    record.modelName = MemoryText(memory, ModelName, ModelNameSize);
    const int area = memory.memoryByte(FrequencyArea);
    record.frequencyArea = area <= 2 ? area : 0;
    record.areaCode = MemoryText(memory, AreaCode, AreaCodeSize);
    record.serialNumber = MemoryText(memory, SerialNumber, TextSize);
    record.productionDate = MemoryText(memory, ProductionDate, TextSize);
    record.manufactureCode = MemoryText(memory, ManufactureCode, CodeSize);
    record.userCode = MemoryText(memory, UserCode, CodeSize);
    record.maintenanceDate = MemoryText(memory, MaintenanceDate, TextSize);
    record.dealerCode = MemoryText(memory, DealerCode, TextSize);
    record.stockDate = MemoryText(memory, StockDate, TextSize);
    record.sellDate = MemoryText(memory, SellDate, TextSize);
    record.seller = MemoryText(memory, Seller, TextSize);
    record.maintenanceDescription = MemoryText(memory, MaintenanceDescription, DescriptionSize);
    return record;
}

QStringList DealerModelNames()
{
    return { QStringLiteral("T40V01"), QStringLiteral("T40U01"), QStringLiteral("T40U02"), QStringLiteral("T40U03"),
             QStringLiteral("T40U04"), QStringLiteral("T40U05"), QStringLiteral("T40U06"), QStringLiteral("T40U07") };
}

int DealerModelIndex(const QString& name)
{
    const QStringList names = DealerModelNames();
    const int index = names.indexOf(name);
    return index >= 0 ? index : int(names.size()) - 1;
}

QStringList FrequencyAreaNames()
{
    return { QStringLiteral("136-174MHz"), QStringLiteral("200-260MHz"), QStringLiteral("400-480MHz") };
}

QString FirmwareVersionText(const RadioImage& memory, const QString& decimalSeparator)
{
    // A control byte (an erased or zeroed field) shows nothing rather than an invisible character.
    const auto character = [&](int offset) {
        const std::uint8_t c = memory.byte(MemoryMap::FirmwareVersion + offset);
        return c < 0x20 ? QString() : QString(QChar::fromLatin1(char(c)));
    };
    return character(0) + character(1) + decimalSeparator + character(2) + character(3);
}

} // namespace t40
