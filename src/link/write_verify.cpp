#include "write_verify.h"

#include "memory_map.h"

#include <QCoreApplication>

namespace t40 {

bool CanVerifyWrite(const SessionRequest& write)
{
    return !write.isRead() && (write.kind == SessionKind::Whole || write.kind == SessionKind::PasswordChange);
}

SessionRequest VerifyReadFor(const SessionRequest& write)
{
    return { SessionKind::Whole, Direction::Read, write.bandLowMHz };
}

namespace {
bool Sends(const SessionRequest& write, int address)
{
    // An ordinary write never sends the password block.
    const bool passwordBlock
        = address >= MemoryMap::PasswordBlock && address < MemoryMap::PasswordBlock + MemoryMap::PasswordBlockSize;
    return !passwordBlock || write.kind == SessionKind::PasswordChange;
}
} // namespace

int FirstWriteMismatch(const SessionRequest& write, const RadioImage& sent, const RadioImage& readBack)
{
    const SessionRange range = RangeFor(write);
    for (int address = range.start; address < range.end; ++address)
        if (Sends(write, address) && sent.memoryByte(address) != readBack.memoryByte(address))
            return address;
    return -1;
}

RadioImage ImageAfterWrite(const SessionRequest& write, const RadioImage& radio, const RadioImage& sent)
{
    RadioImage after = radio;
    const SessionRange range = RangeFor(write);
    for (int address = range.start; address < range.end; ++address)
        if (Sends(write, address))
            after.setMemoryByte(address, sent.memoryByte(address));
    return after;
}

QString WriteMismatchText(int address, const RadioImage& sent, const RadioImage& readBack)
{
    const auto hex = [](int value, int digits) {
        return QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(digits, QLatin1Char('0'));
    };
    const QString text = QCoreApplication::translate("t40::WriteVerify",
                                                     "Verify failed: the radio holds %1 at address %2 where %3 was written.");
    return text.arg(hex(readBack.memoryByte(address), 2), hex(address, 3), hex(sent.memoryByte(address), 2));
}

} // namespace t40
