#include "core/german_numbers.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace orv;

namespace {

struct FormatCase
{
    const char* pattern;
    double value;
    const char* expected;
};

class FormatNumberTest : public ::testing::TestWithParam<FormatCase>
{
};

TEST_P(FormatNumberTest, FormatsGerman)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatNumber(c.pattern, c.value), QString::fromUtf8(c.expected)) << c.pattern << " " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatNumberTest,
    ::testing::Values(FormatCase{"%f", 0.22f, "0,22"}, FormatCase{"%f", 3.5, "3,50"},
                      FormatCase{"%f", 12345.678, "12345,68"}, FormatCase{"%0.1f", 0.55, "0,6"},
                      FormatCase{"%0.2f", 2.5, "2,50"}, FormatCase{"%-0.1f", 0.7f, "0,7"},
                      FormatCase{"%-0.1f", 0.5, "0,5"}, FormatCase{"%-0.0n", 1234.5, "1.235"},
                      FormatCase{"%-0.0n", 178, "178"}, FormatCase{"%-0.0n", 1234567.4, "1.234.567"},
                      FormatCase{"%-0.1n", 358.04, "358,0"}, FormatCase{"%-0.1n", 12345.75, "12.345,8"},
                      FormatCase{"%-0.2n", 12345.678, "12.345,68"}, FormatCase{"%-0.2n", 0.125, "0,13"},
                      FormatCase{"%-0.2n", 3.456, "3,46"}, FormatCase{"%-0.2n", -1.005, "-1,00"},
                      FormatCase{"%-0.2n", -2.5, "-2,50"}, FormatCase{"%0.3n", 1234.5678, "1.234,568"},
                      FormatCase{"%0.3n", 0.0005, "0,001"},
                      // Halves away from zero, also below zero.
                      FormatCase{"%-0.0n", 2.5, "3"}, FormatCase{"%-0.0n", -2.5, "-3"},
                      // A Single is widened exactly: 1.115f lies above 1.115.
                      FormatCase{"%-0.2n", 1.115f, "1,12"}, FormatCase{"%-0.2n", 1.115, "1,11"},
                      // Never a minus on a value that rounds to zero.
                      FormatCase{"%-0.2n", -0.001, "0,00"}, FormatCase{"%f", -0.004, "0,00"},
                      FormatCase{"%-0.0n", -0.4, "0"}, FormatCase{"%-0.1f", -0.0, "0,0"}));

TEST(ParseDecimalTest, ReadsTypedText)
{
    EXPECT_EQ(parseDecimal(QStringLiteral("12")), 12.0f);
    EXPECT_EQ(parseDecimal(QStringLiteral("0,5")), 0.5f);
    EXPECT_EQ(parseDecimal(QStringLiteral(",5")), 0.5f);
    EXPECT_EQ(parseDecimal(QStringLiteral("5,")), 5.0f);
    EXPECT_EQ(parseDecimal(QStringLiteral("2,75")), 2.75f);
    EXPECT_EQ(parseDecimal(QStringLiteral("0,1")), 0.1f); // the nearest Single, not a double rounded twice
}

TEST(ParseDecimalTest, RoundsOnceToTheNearestSingle)
{
    // Just above the halfway point between 1 and the next Single: through double it would tie to 1.
    EXPECT_EQ(parseDecimal(QStringLiteral("1,00000005960464477539062500000001")), std::nextafter(1.0f, 2.0f));
    // The halfway point above the largest Single overflows; just below it rounds to the largest Single.
    EXPECT_EQ(parseDecimal(QStringLiteral("340282356779733661637539395458142568447")),
              std::numeric_limits<float>::max());
    EXPECT_FALSE(parseDecimal(QStringLiteral("340282356779733661637539395458142568448")));
    // Below the smallest Single a fraction is still a number: it reads as 0 (the smallest one stays).
    const QString tiny = QStringLiteral("0,") + QString(45, QLatin1Char('0')) + QLatin1Char('1');
    EXPECT_EQ(parseDecimal(tiny), 0.0f);
    EXPECT_EQ(parseDecimal(QLatin1Char('-') + tiny, true), 0.0f);
    EXPECT_EQ(parseDecimal(QStringLiteral("0,") + QString(44, QLatin1Char('0')) + QStringLiteral("14")),
              std::numeric_limits<float>::denorm_min());
}

TEST(ParseDecimalTest, RefusesWhatIsNoNumber)
{
    for (const char* text :
         {"", ",", "1,2,3", "1.5", "-1", "+1", " 1", "1 ", "1e5", "abc", "1,,", "nan", "inf"})
        EXPECT_FALSE(parseDecimal(QString::fromUtf8(text))) << text;
    // Larger than any Single.
    EXPECT_FALSE(parseDecimal(QString(60, QLatin1Char('9'))));
}

TEST(ParseDecimalTest, SignOnlyWhereAllowed)
{
    EXPECT_EQ(parseDecimal(QStringLiteral("-14"), true), -14.0f);
    EXPECT_EQ(parseDecimal(QStringLiteral("-0,5"), true), -0.5f);
    EXPECT_FALSE(parseDecimal(QStringLiteral("-"), true));
    EXPECT_FALSE(parseDecimal(QStringLiteral("5-"), true));
}

TEST(ParseIntegerTest, ReadsAndRefuses)
{
    EXPECT_EQ(parseInteger(QStringLiteral("3")), 3);
    EXPECT_EQ(parseInteger(QStringLiteral("007")), 7);
    EXPECT_EQ(parseInteger(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(parseInteger(QStringLiteral("-2147483648"), true), -2147483647 - 1);
    EXPECT_EQ(parseInteger(QStringLiteral("-0"), true), 0);
    for (const char* text : {"", "-", "2147483648", "99999999999999999999", "1,5", "-3", " 3"})
        EXPECT_FALSE(parseInteger(QString::fromUtf8(text))) << text;
    EXPECT_FALSE(parseInteger(QStringLiteral("5-"), true));
}

TEST(ShortDateTest, IsGermanTwoDigitYear)
{
    EXPECT_EQ(shortDate(QDate(2026, 3, 7)), QStringLiteral("07.03.26"));
    EXPECT_EQ(shortDate(QDate(1999, 12, 31)), QStringLiteral("31.12.99"));
    EXPECT_EQ(shortDateToday().size(), 8);
}

} // namespace
