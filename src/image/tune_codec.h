#pragma once

#include "field_table.h"
#include "radio_image.h"

#include <QString>

#include <array>

namespace t40 {

// The tune data of the current model: in each of the four 48-byte groups at
// 0x300..0x3BF the model owns one 16-byte band section; 0x3C0 holds the
// maximum deviation, common to all bands.
namespace Tune {

constexpr int PointCount = 16;     // frequency points (columns of the data grid)
constexpr int DetectionCount = 8;  // squelch detection points
constexpr int DataRows = 3;        // squelch, transmit power, transmit power
constexpr int GroupSize = 48;
constexpr int DeviationAddress = FieldOffset(FieldId::TuneDeviation);
constexpr int SquelchLimit = 127;
constexpr int PowerLimit = 255;
constexpr int ThresholdLimit = 127;
constexpr int DeviationLimit = 127;

// 0x300 for most models, 0x310 for a model starting at 400 MHz, 0x320 for one at 200 MHz.
int SectionBase(int bandLowMHz);

// Frequency (MHz) of each data column 1..16 (index 0 = column 1).
std::array<int, PointCount> PointFrequencies(int bandLowMHz);
// The heading of data column 1..16: the frequency, "≥" before the last one.
QString PointHeading(int bandLowMHz, int column);
// The first column (1..16) that lies above limitMHz; 17 when every column is in band.
int FirstColumnAbove(int bandLowMHz, int limitMHz);

// Data grid cell (row 1..3, column 1..16): its address and its value
// (row 1 keeps bits 0..6 only).
int CellAddress(int sectionBase, int row, int column);
int CellValue(const RadioImage& memory, int sectionBase, int row, int column);
// Clamps the value to the row's limit, stores it and returns what was stored.
int SetCellValue(RadioImage& memory, int sectionBase, int row, int column, int value);

// Squelch detection point c (1..8): high threshold = first byte * 2 + bit 7 of
// the second byte; low threshold = bits 0..6 of the second byte.
int HighThreshold(const RadioImage& memory, int sectionBase, int point);
int LowThreshold(const RadioImage& memory, int sectionBase, int point);
// Both clamp to 127 and return the stored value; the low threshold keeps bit 7.
int SetHighThreshold(RadioImage& memory, int sectionBase, int point, int value);
int SetLowThreshold(RadioImage& memory, int sectionBase, int point, int value);

int Deviation(const RadioImage& memory);
int SetDeviation(RadioImage& memory, int value);

// The number typed into a tune box: its leading digits. Returns false for a
// text without any (nothing is to be stored then).
bool ParseEntry(const QString& text, int& value);

} // namespace Tune
} // namespace t40
