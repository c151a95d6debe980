#include "core/german_numbers.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace orv {

namespace {

struct Pattern
{
    int decimals = 2;
    bool grouped = false;
};

// Patterns are program constants, so a malformed one is a programming error caught by the table test.
Pattern parsePattern(std::string_view p)
{
    Pattern result;
    std::size_t i = 0;
    if (i < p.size() && p[i] == '%')
        ++i;
    while (i < p.size() && (p[i] == '-' || p[i] == '0'))
        ++i; // left alignment and zero width: neither pads
    if (i < p.size() && p[i] == '.') {
        ++i;
        result.decimals = 0;
        while (i < p.size() && p[i] >= '0' && p[i] <= '9')
            result.decimals = result.decimals * 10 + (p[i++] - '0');
    }
    result.grouped = i < p.size() && p[i] == 'n';
    return result;
}

const QLocale& germanLocale(bool grouped)
{
    static const QLocale plain = [] {
        QLocale l(QLocale::German, QLocale::Germany);
        l.setNumberOptions(QLocale::OmitGroupSeparator);
        return l;
    }();
    static const QLocale withGroups = [] {
        QLocale l(QLocale::German, QLocale::Germany);
        l.setNumberOptions(QLocale::DefaultNumberOptions);
        return l;
    }();
    return grouped ? withGroups : plain;
}

bool onlyZeroDigits(const QString& s)
{
    for (QChar c : s)
        if (c.isDigit() && c != QLatin1Char('0'))
            return false;
    return true;
}

} // namespace

QString formatNumber(std::string_view pattern, double value)
{
    const Pattern p = parsePattern(pattern);
    QString text = germanLocale(p.grouped).toString(value, 'f', p.decimals);
    if (text.startsWith(QLatin1Char('-')) && onlyZeroDigits(text))
        text.remove(0, 1);
    return text;
}

std::optional<float> parseDecimal(const QString& text, bool allowSign)
{
    qsizetype i = 0;
    bool negative = false;
    if (allowSign && i < text.size() && text[i] == QLatin1Char('-')) {
        negative = true;
        ++i;
    }
    QByteArray ascii;
    ascii.reserve(text.size());
    int digits = 0;
    bool comma = false;
    qsizetype integerDigits = -1; // digits before the comma
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            ascii.append(static_cast<char>(c.unicode()));
            ++digits;
        } else if (c == QLatin1Char(',') && !comma) {
            integerDigits = ascii.size();
            ascii.append('.');
            comma = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (!comma)
        integerDigits = ascii.size();
    // from_chars, unlike strtod, ignores the C locale that QCoreApplication adopts from the system.
    // Straight to float: going through double would round twice. Texts that overflow are out of range.
    float value = 0;
    const auto [end, error] = std::from_chars(ascii.constData(), ascii.constData() + ascii.size(), value);
    // Out of range with no whole part is a fraction too small for a Single: it reads as 0, not as no number.
    const bool underflow =
        error == std::errc::result_out_of_range &&
        !std::any_of(ascii.cbegin(), ascii.cbegin() + integerDigits, [](char c) { return c != '0'; });
    if (underflow)
        value = 0;
    else if (error != std::errc() || end != ascii.constData() + ascii.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

QString extraCommaMessage()
{
    return QStringLiteral("In einem Eingabefeld wurde ein Komma zuviel eingegeben!\rBitte überprüfen.");
}

QString integerConversionMessage(const QString& text)
{
    return QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text);
}

QString decimalConversionMessage(const QString& text)
{
    return QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(text);
}

std::optional<std::int32_t> parseInteger(const QString& text, bool allowSign)
{
    qsizetype i = 0;
    bool negative = false;
    if (allowSign && i < text.size() && text[i] == QLatin1Char('-')) {
        negative = true;
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<std::int32_t>::max() || value < std::numeric_limits<std::int32_t>::min())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

QString shortDate(const QDate& date)
{
    return date.toString(QStringLiteral("dd.MM.yy"));
}

QString shortDateToday()
{
    return shortDate(QDate::currentDate());
}

} // namespace orv
