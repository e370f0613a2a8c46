#include "frequency_text.h"

#include "decimal_text.h"

namespace t40 {

FrequencyCheck CheckFrequencyBox(const RadioDocument& document, FrequencyField field, const QString& text,
                                 const QString& decimalSeparator)
{
    const BandState& band = document.band();
    const int high = field == FrequencyField::Receive ? band.highMHz : band.effectiveHighMHz;
    FrequencyCheck check = CheckFrequencyText(text, decimalSeparator, band.lowMHz, high);
    check.text = CompleteFrequencyText(check.text, decimalSeparator);
    return check;
}

QString BandLowText(const RadioDocument& document, const QString& decimalSeparator)
{
    return LimitText(document.band().lowMHz, decimalSeparator);
}

bool NumberAbove(const QString& text, const QString& decimalSeparator, int limit)
{
    return ReadLeadingNumber(text, decimalSeparator).value.compare(limit) > 0;
}

} // namespace t40
