#include "tune_codec.h"

#include <algorithm>

namespace t40::Tune {

namespace {
int DetectionAddress(int sectionBase, int point)
{
    return sectionBase + 3 * GroupSize + 2 * (point - 1);
}
} // namespace

int SectionBase(int bandLowMHz)
{
    if (bandLowMHz == 400)
        return 0x310;
    if (bandLowMHz == 200)
        return 0x320;
    return 0x300;
}

std::array<int, PointCount> PointFrequencies(int bandLowMHz)
{
    const int step = bandLowMHz == 400 ? 10 : 5;
    const int base = bandLowMHz - bandLowMHz % 5;
    std::array<int, PointCount> points {};
    points[0] = bandLowMHz;
    for (int column = 2; column <= PointCount; ++column)
        points[column - 1] = base + step * (column - 1);
    return points;
}

QString PointHeading(int bandLowMHz, int column)
{
    if (column < 1 || column > PointCount)
        return {};
    const QString frequency = QString::number(PointFrequencies(bandLowMHz)[column - 1]);
    return column == PointCount ? QString::fromUtf8("≥") + frequency : frequency;
}

int FirstColumnAbove(int bandLowMHz, int limitMHz)
{
    const auto points = PointFrequencies(bandLowMHz);
    for (int column = 1; column <= PointCount; ++column)
        if (points[column - 1] > limitMHz)
            return column;
    return PointCount + 1;
}

int CellAddress(int sectionBase, int row, int column)
{
    return sectionBase + GroupSize * (row - 1) + column - 1;
}

int CellValue(const RadioImage& memory, int sectionBase, int row, int column)
{
    const int value = memory.byte(CellAddress(sectionBase, row, column));
    return row == 1 ? value & 0x7F : value;
}

int SetCellValue(RadioImage& memory, int sectionBase, int row, int column, int value)
{
    if (row < 1 || row > DataRows || column < 1 || column > PointCount)
        return -1;
    value = std::clamp(value, 0, row == 1 ? SquelchLimit : PowerLimit);
    memory.setByte(CellAddress(sectionBase, row, column), std::uint8_t(value));
    return value;
}

int HighThreshold(const RadioImage& memory, int sectionBase, int point)
{
    const int address = DetectionAddress(sectionBase, point);
    return memory.byte(address) * 2 + (memory.byte(address + 1) >> 7);
}

int LowThreshold(const RadioImage& memory, int sectionBase, int point)
{
    return memory.byte(DetectionAddress(sectionBase, point) + 1) & 0x7F;
}

int SetHighThreshold(RadioImage& memory, int sectionBase, int point, int value)
{
    if (point < 1 || point > DetectionCount)
        return -1;
    value = std::clamp(value, 0, ThresholdLimit);
    const int address = DetectionAddress(sectionBase, point);
    memory.setByte(address, std::uint8_t(value / 2));
    memory.setByte(address + 1, std::uint8_t((memory.byte(address + 1) & 0x7F) | (value % 2) << 7));
    return value;
}

int SetLowThreshold(RadioImage& memory, int sectionBase, int point, int value)
{
    if (point < 1 || point > DetectionCount)
        return -1;
    value = std::clamp(value, 0, ThresholdLimit);
    const int address = DetectionAddress(sectionBase, point) + 1;
    memory.setByte(address, std::uint8_t((memory.byte(address) & 0x80) | value));
    return value;
}

int Deviation(const RadioImage& memory)
{
    return memory.byte(DeviationAddress);
}

int SetDeviation(RadioImage& memory, int value)
{
    value = std::clamp(value, 0, DeviationLimit);
    memory.setByte(DeviationAddress, std::uint8_t(value));
    return value;
}

bool ParseEntry(const QString& text, int& value)
{
    const QString trimmed = text.trimmed();
    int digits = 0;
    while (digits < trimmed.size() && trimmed.at(digits) >= QLatin1Char('0') && trimmed.at(digits) <= QLatin1Char('9'))
        ++digits;
    if (digits == 0)
        return false;
    int first = 0;
    while (first < digits - 1 && trimmed.at(first) == QLatin1Char('0'))
        ++first;
    // A number of more than four digits is above every limit anyway.
    value = digits - first > 4 ? 9999 : trimmed.mid(first, digits - first).toInt();
    return true;
}

} // namespace t40::Tune
