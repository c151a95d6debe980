// The decimal and integer readers against an independent reading of the same text, every pattern's
// formatting against the exact rounding, and the round trip shown text -> read -> shown text.
// First byte: bit 0 admits a sign, bit 1 also formats the next 8 bytes as a double and 4 as a Single.

#include "fuzz_checks.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <limits>

using namespace orv;
using namespace orv::fuzz;

namespace {

// [-]digits[,digits] with at least one digit, as ASCII with a decimal point; nothing when it is not that.
std::optional<std::string> decimalGrammar(const QString& text, bool allowSign)
{
    std::string ascii;
    bool comma = false;
    bool digit = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'-' && i == 0 && allowSign)
            ascii += '-';
        else if (c >= u'0' && c <= u'9')
            ascii += static_cast<char>(c), digit = true;
        else if (c == u',' && !comma)
            ascii += '.', comma = true;
        else
            return std::nullopt;
    }
    if (!digit)
        return std::nullopt;
    return ascii;
}

void checkDecimal(const QString& text, bool allowSign)
{
    const auto parsed = parseDecimal(text, allowSign);
    const auto ascii = decimalGrammar(text, allowSign);
    if (!ascii) {
        require(!parsed, "decimal reader accepts a malformed text", text);
        return;
    }
    errno = 0;
    const float expected = std::strtof(ascii->c_str(), nullptr);
    if (std::isinf(expected)) {
        require(!parsed, "decimal reader accepts a value beyond the Single range", text);
        return;
    }
    require(parsed.has_value(), "decimal reader refuses a number", text);
    require(
        std::memcmp(&*parsed, &expected, sizeof expected) == 0 || (*parsed == 0 && expected == 0),
        "decimal reader misreads",
        QStringLiteral("%1 -> %2 instead of %3").arg(text).arg(*parsed, 0, 'g', 9).arg(expected, 0, 'g', 9));
    checkFormatting(*parsed);

    // A shown number reads back as a value that shows the same text.
    for (const std::string_view pattern : kPatterns) {
        const QString shown = formatNumber(pattern, *parsed);
        const auto again = parseDecimal(QString(shown).remove(QLatin1Char('.')), true);
        require(again.has_value(), "shown number does not read back", shown);
        require(formatNumber(pattern, *again) == shown, "shown number reads back as another", shown);
    }
}

void checkInteger(const QString& text, bool allowSign)
{
    const auto parsed = parseInteger(text, allowSign);
    bool wellFormed = !text.isEmpty();
    for (qsizetype i = 0; i < text.size() && wellFormed; ++i) {
        const char16_t c = text[i].unicode();
        wellFormed = (c >= u'0' && c <= u'9') || (c == u'-' && i == 0 && allowSign && text.size() > 1);
    }
    if (!wellFormed) {
        require(!parsed, "integer reader accepts a malformed text", text);
        return;
    }
    errno = 0;
    const long long expected = std::strtoll(text.toLatin1().constData(), nullptr, 10);
    const bool fits = errno == 0 && expected >= std::numeric_limits<std::int32_t>::min() &&
                      expected <= std::numeric_limits<std::int32_t>::max();
    require(parsed.has_value() == fits, "integer reader range", text);
    if (parsed)
        require(*parsed == expected, "integer reader misreads", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool allowSign = data[0] & 1;
    if ((data[0] & 2) && size >= 13) {
        double d;
        float f;
        std::memcpy(&d, data + 1, sizeof d);
        std::memcpy(&f, data + 9, sizeof f);
        checkFormatting(d);
        checkFormatting(f);
    }
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    checkDecimal(text, allowSign);
    checkInteger(text, allowSign);
    return 0;
}
