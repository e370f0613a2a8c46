#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace t40 {

// A non-negative decimal number kept as the digits the user typed, so that
// rounding decisions are taken on the true decimal value and never on a
// binary floating-point approximation of it.
struct DecimalText {
    QString whole;    // integer digits without leading zeros ("" is 0)
    QString fraction; // fraction digits as typed

    bool isZero() const;
    // value * 10^decimals, rounded to the nearest integer with ties to even;
    // saturates at 10^15 so that absurd input cannot overflow.
    std::int64_t scaled(int decimals) const;
    // -1, 0 or 1 as the value is below, equal to or above n.
    int compare(std::int64_t n) const;
};

// The number at the start of a text: optional blanks, digits, at most one
// separator and more digits; reading stops at anything else. matched is the
// part that was read. No digit at all reads as 0.
struct LeadingNumber {
    DecimalText value;
    QString matched;
    bool hasDigits = false;
};
LeadingNumber ReadLeadingNumber(const QString& text, const QString& separator);

// The whole text as a number (blanks around it allowed); nothing when the
// text is not digits with at most one separator and at least one digit.
std::optional<DecimalText> ParseDecimal(const QString& text, const QString& separator);

} // namespace t40
