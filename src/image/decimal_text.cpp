#include "decimal_text.h"

namespace t40 {

namespace {
constexpr std::int64_t Saturation = 1'000'000'000'000'000; // 10^15

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

QString StripLeadingZeros(const QString& digits)
{
    qsizetype i = 0;
    while (i < digits.size() && digits.at(i) == u'0')
        ++i;
    return digits.mid(i);
}

// Reads digits [sep digits] from position pos of text.
LeadingNumber ReadNumberAt(const QString& text, qsizetype pos, const QString& separator, qsizetype& end)
{
    LeadingNumber result;
    QString whole;
    QString fraction;
    qsizetype i = pos;
    while (i < text.size() && IsDigit(text.at(i)))
        whole.append(text.at(i++));
    if (!separator.isEmpty() && QStringView(text).mid(i).startsWith(separator)) {
        i += separator.size();
        while (i < text.size() && IsDigit(text.at(i)))
            fraction.append(text.at(i++));
    }
    end = i;
    result.matched = text.mid(pos, i - pos);
    result.hasDigits = !whole.isEmpty() || !fraction.isEmpty();
    result.value.whole = StripLeadingZeros(whole);
    result.value.fraction = fraction;
    return result;
}
} // namespace

bool DecimalText::isZero() const
{
    if (!whole.isEmpty())
        return false;
    for (QChar c : fraction)
        if (c != u'0')
            return false;
    return true;
}

std::int64_t DecimalText::scaled(int decimals) const
{
    if (whole.size() + decimals > 15)
        return Saturation;
    std::int64_t n = 0;
    for (QChar c : whole)
        n = n * 10 + (c.unicode() - '0');
    for (int k = 0; k < decimals; ++k)
        n = n * 10 + (k < fraction.size() ? fraction.at(k).unicode() - '0' : 0);
    if (fraction.size() <= decimals)
        return n;
    // The digits beyond the kept ones decide: above half rounds up, below
    // half down, exactly half to the even neighbour.
    const int first = fraction.at(decimals).unicode() - '0';
    bool restNonZero = false;
    for (qsizetype k = decimals + 1; k < fraction.size(); ++k)
        restNonZero = restNonZero || fraction.at(k) != u'0';
    const bool up = first > 5 || (first == 5 && (restNonZero || n % 2 == 1));
    return up ? n + 1 : n;
}

int DecimalText::compare(std::int64_t n) const
{
    if (n < 0)
        return 1;
    const QString other = n == 0 ? QString() : QString::number(n);
    if (whole.size() != other.size())
        return whole.size() < other.size() ? -1 : 1;
    if (whole != other)
        return whole < other ? -1 : 1;
    for (QChar c : fraction)
        if (c != u'0')
            return 1;
    return 0;
}

LeadingNumber ReadLeadingNumber(const QString& text, const QString& separator)
{
    qsizetype pos = 0;
    while (pos < text.size() && text.at(pos).isSpace())
        ++pos;
    qsizetype end = pos;
    return ReadNumberAt(text, pos, separator, end);
}

std::optional<DecimalText> ParseDecimal(const QString& text, const QString& separator)
{
    const QString trimmed = text.trimmed();
    qsizetype end = 0;
    LeadingNumber number = ReadNumberAt(trimmed, 0, separator, end);
    if (!number.hasDigits || end != trimmed.size())
        return std::nullopt;
    return number.value;
}

} // namespace t40
