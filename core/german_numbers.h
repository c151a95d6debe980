#pragma once

#include <QDate>
#include <QString>

#include <cstdint>
#include <optional>
#include <string_view>

namespace orv {

// Formats `value` with one of the program's printf-like patterns under German conventions:
// "%f" (two decimals), "%0.1f", "%0.2f", "%-0.1f" (decimal comma, no grouping) and "%-0.0n", "%-0.1n",
// "%-0.2n", "%0.3n" ("." groups thousands). Halves round away from zero; a value that rounds to zero
// never shows a minus. Pass Singles as they are: widening to double is exact.
QString formatNumber(std::string_view pattern, double value);

// Reads typed decimal-comma text: digits with at most one ",". An empty text is no number.
// `allowSign` admits a leading "-" (settings fields); the building's inputs cannot hold one.
// Values beyond the Single range are refused; fractions too small for one read as 0.
std::optional<float> parseDecimal(const QString& text, bool allowSign = false);
// The refusal of a settings field whose decimal text will not read (typically a second comma).
QString extraCommaMessage();

std::optional<std::int32_t> parseInteger(const QString& text, bool allowSign = false);

// The refusals of a settings field whose text is no integer or no decimal number, naming the text.
QString integerConversionMessage(const QString& text);
QString decimalConversionMessage(const QString& text);

// The short date form "dd.mm.yy", whatever the system's locale.
QString shortDate(const QDate& date);
QString shortDateToday();

} // namespace orv
