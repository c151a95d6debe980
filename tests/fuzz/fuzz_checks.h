#pragma once

// Hard checks shared by the fuzz targets: a violated invariant aborts, so libFuzzer keeps the input.

#include "app/calc_cli.h"
#include "core/automatic_calculation.h"
#include "core/building_record.h"
#include "core/calculation.h"
#include "core/german_numbers.h"
#include "core/results_display.h"
#include "print/recording_canvas.h"
#include "settings/settings_record.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>
#include <utility>
#include <vector>

namespace orv::fuzz {

[[noreturn]] inline void fail(const char* what, const QString& detail = {})
{
    std::fprintf(stderr, "fuzz invariant violated: %s %s\n", what, detail.toUtf8().constData());
    std::abort();
}

inline void require(bool condition, const char* what, const QString& detail = {})
{
    if (!condition)
        fail(what, detail);
}

// Every pattern the program formats numbers with.
inline constexpr std::string_view kPatterns[] = {"%f",     "%0.1f",  "%0.2f",  "%-0.1f",
                                                 "%-0.0n", "%-0.1n", "%-0.2n", "%0.3n"};

// Decimals and grouping of a pattern, read here on its own rather than by the formatter's parser.
inline std::pair<int, bool> patternShape(std::string_view pattern)
{
    const bool grouped = pattern.back() == 'n';
    const auto dot = pattern.find('.');
    const int decimals = dot == std::string_view::npos ? 2 : pattern[dot + 1] - '0';
    return {decimals, grouped};
}

// The exact decimal expansion of `value` rounded to `decimals` places, halves away from zero, in the
// program's German form; computed with integers from the double's bits. Values from 2^128 up (beyond any
// Single) are not handled.
inline std::optional<QString> exactFixed(double value, int decimals, bool grouped)
{
    if (!std::isfinite(value) || std::fabs(value) >= 0x1p128)
        return std::nullopt;
    using u128 = unsigned __int128;
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const bool negative = bits >> 63;
    const int biased = static_cast<int>((bits >> 52) & 0x7ff);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    int exponent; // value = mantissa * 2^exponent
    if (biased == 0) {
        exponent = -1074;
    } else {
        mantissa |= std::uint64_t{1} << 52;
        exponent = biased - 1075;
    }
    const auto decimalDigits = [](u128 u) {
        std::string digits;
        for (; u != 0; u /= 10)
            digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(u % 10)));
        return digits;
    };
    std::string intPart;
    std::string fraction(static_cast<std::size_t>(decimals), '0');
    if (exponent >= 0) {
        intPart = decimalDigits(u128{mantissa} << exponent); // a whole number below 2^128
    } else {
        u128 scale = 1;
        for (int i = 0; i < decimals; ++i)
            scale *= 10;
        const u128 scaled = u128{mantissa} * scale; // < 2^63
        const int shift = -exponent;
        u128 units = 0; // the value in units of 10^-decimals, rounded
        if (shift < 120) {
            const u128 whole = scaled >> shift;
            const u128 rest = scaled - (whole << shift);
            units = whole + ((rest << 1) >= (u128{1} << shift) ? 1 : 0);
        } // else scaled < 2^63 is far below half a unit
        std::string digits = decimalDigits(units);
        if (digits.size() < static_cast<std::size_t>(decimals))
            digits.insert(0, static_cast<std::size_t>(decimals) - digits.size(), '0');
        intPart = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
        fraction = digits.substr(digits.size() - static_cast<std::size_t>(decimals));
    }
    const bool zero = intPart.empty() && fraction.find_first_not_of('0') == std::string::npos;
    if (intPart.empty())
        intPart = "0";
    std::string text = negative && !zero ? "-" : "";
    for (std::size_t i = 0; i < intPart.size(); ++i) {
        if (grouped && i > 0 && (intPart.size() - i) % 3 == 0)
            text += '.';
        text += intPart[i];
    }
    if (decimals > 0)
        text += ',' + fraction;
    return QString::fromStdString(text);
}

// formatNumber against the exact rounding, for every pattern.
inline void checkFormatting(double value)
{
    for (const std::string_view pattern : kPatterns) {
        const auto [decimals, grouped] = patternShape(pattern);
        const auto expected = exactFixed(value, decimals, grouped);
        if (!expected)
            continue;
        const QString shown = formatNumber(pattern, value);
        if (shown != *expected)
            fail("formatted number differs from its exact rounding",
                 QStringLiteral("%1 %2: %3 instead of %4")
                     .arg(QString::fromUtf8(pattern.data(), static_cast<qsizetype>(pattern.size())))
                     .arg(value, 0, 'g', 17)
                     .arg(shown, *expected));
    }
}

// "inf" or "nan" as a word of its own, as a formatted infinity or NaN appears ("-inf", "nan %"); words such
// as "Gebäudeinformationen" hold the letters, too.
inline bool showsNonFinite(const QString& text)
{
    static const QRegularExpression word(QStringLiteral("(?<!\\p{L})(inf|nan)(?!\\p{L})|\u221e"),
                                         QRegularExpression::CaseInsensitiveOption);
    return word.match(text).hasMatch();
}

inline void requireFiniteText(const QString& text, const char* where)
{
    require(!showsNonFinite(text), where, text);
}

// Typed texts that spell "inf" or "nan" would pass for shown non-finite numbers; the targets blank those
// letters out of the texts they feed in, so that any "inf"/"nan" left comes from a formatted number.
inline void scrub(QString& text)
{
    static const QRegularExpression words(QStringLiteral("inf|nan|\u221e"),
                                          QRegularExpression::CaseInsensitiveOption);
    text.replace(words, QStringLiteral("x"));
}

inline void scrubTexts(BuildingRecord& r)
{
    for (QString* text : {&r.FileTitle, &r.FileNotice, &r.BuildingName, &r.Editor, &r.Client, &r.Street,
                          &r.Town, &r.PostCode, &r.InfoDate, &r.LastBuildingDate})
        scrub(*text);
    for (auto& table : r.LayerTables)
        for (auto& column : table)
            for (QString& cell : column)
                scrub(cell);
}

inline void scrubTexts(SettingsRecord& s)
{
    for (QString* text :
         {&s.ProgramTitle, &s.FileDescription, &s.PresetPassword, &s.EditorName, &s.BuildingsFolder})
        scrub(*text);
    for (auto* texts : {&s.PresetTextOuterWall, &s.PresetTextWindow, &s.PresetTextFloor, &s.PresetTextRoof,
                        &s.PresetTextGroundWall, &s.PresetName})
        for (QString& text : *texts)
            scrub(text);
    for (auto* texts : {&s.RecentFiles, &s.RecentCaptions})
        for (QString& text : *texts)
            scrub(text);
    for (auto& kind : s.PresetLayerTables)
        for (auto& table : kind)
            for (auto& column : table)
                for (QString& cell : column)
                    scrub(cell);
}

// The byte layout of a fixed-size record, as the file format defines it: what encode(decode(bytes))
// gives back is the bytes with booleans as 0/1, length bytes clamped to their field and the text tail
// zeroed; everything outside the fields is zero, or kept when the record holds the read image.
struct RecordLayout
{
    int size = 0;
    bool keepsImage = false;
    std::vector<std::pair<int, int>> numbers; // [from, to): Singles and 32-bit integers, kept as bytes
    std::vector<int> booleans;
    std::vector<std::pair<int, int>> strings; // offset, capacity
};

inline QByteArray canonicalImage(const QByteArray& bytes, const RecordLayout& layout)
{
    const QByteArray in = bytes.left(layout.size);
    QByteArray out = layout.keepsImage ? in : QByteArray(layout.size, '\0');
    for (const auto& [from, to] : layout.numbers)
        for (int i = from; i < to; ++i)
            out[i] = in[i];
    for (const int at : layout.booleans)
        out[at] = in[at] != 0 ? 1 : 0;
    for (const auto& [offset, capacity] : layout.strings) {
        const int length = std::min(static_cast<int>(static_cast<unsigned char>(in[offset])), capacity);
        out[offset] = static_cast<char>(length);
        for (int i = 1; i <= capacity; ++i)
            out[offset + i] = i <= length ? in[offset + i] : '\0';
    }
    return out;
}

// The building file: 5044 bytes, nothing kept outside the fields.
inline const RecordLayout& buildingLayout()
{
    static const RecordLayout layout = [] {
        RecordLayout l{5044,
                       false,
                       {{548, 668}, {676, 688}, {1020, 1140}},
                       {668, 669, 670, 671, 672, 673, 1010, 1140},
                       {{0, 30},
                        {52, 150},
                        {688, 60},
                        {749, 60},
                        {810, 60},
                        {871, 60},
                        {932, 60},
                        {993, 7},
                        {1001, 8},
                        {1011, 8}}};
        for (int cell = 0; cell < 4 * 3 * 5; ++cell)
            l.strings.push_back({1141 + cell * 65, 64});
        return l;
    }();
    return layout;
}

// The settings file: 36732 bytes; reserved ranges and padding keep the read image.
inline const RecordLayout& settingsLayout()
{
    static const RecordLayout layout = [] {
        RecordLayout l{36732,
                       true,
                       {{496, 636}, {6980, 7040}},
                       {7040, 7041, 7042, 7043, 7044, 7045, 7047, 7048, 7049, 7050, 7051},
                       {{0, 30}, {52, 150}, {7052, 10}, {7063, 60}, {8148, 255}}};
        for (const int first : {636, 1693, 2750, 3807, 4864, 5921})
            for (int i = 0; i < 7; ++i)
                l.strings.push_back({first + i * 151, 150});
        for (const int first : {7124, 8404})
            for (int i = 0; i < 4; ++i)
                l.strings.push_back({first + i * 256, 255});
        for (int cell = 0; cell < 4 * 7 * 3 * 5; ++cell)
            l.strings.push_back({9429 + cell * 65, 64});
        return l;
    }();
    return layout;
}

inline void requireSameBytes(const QByteArray& got, const QByteArray& expected, const char* what)
{
    if (got == expected)
        return;
    qsizetype at = 0;
    while (at < got.size() && at < expected.size() && got[at] == expected[at])
        ++at;
    fail(what, QStringLiteral("first difference at byte %1").arg(at));
}

// The road of an automatic calculation and everything shown of its results, with the invariants on them.
inline CalcOutcome calculateAndCheck(BuildingRecord& record, const SettingsRecord& settings,
                                     CalculationResults& results)
{
    const CalcOutcome outcome = calculateStoredBuilding(record, settings, results);
    if (outcome.resultsValid)
        require(outcome.resultsShown && outcome.status == CalcStatus::Ok, "valid results not shown as ok");
    if (outcome.resultsShown) {
        require(resultsFinite(record, results), "shown results not finite");
        const float loads[] = {record.TransmissionLoad, record.VentilationLoad, record.BuildingLoad};
        for (const float load : loads)
            require(std::isfinite(load) && load >= 0, "negative or non-finite load",
                    QString::number(double(load), 'g', 9));
        const ResultTexts texts = resultTexts(record, results);
        for (const QString& t : texts.text)
            requireFiniteText(t, "result text");
        for (const QString& t : texts.hint)
            requireFiniteText(t, "result hint");
        requireFiniteText(texts.share, "share text");
        requireFiniteText(texts.ventilationHint, "ventilation hint");
        for (const float v : {record.TransmissionLoad, record.VentilationLoad, record.BuildingLoad,
                              record.SpecificLoad, record.BaseArea, record.OuterWallArea,
                              record.BuildingVolume, record.AVRatio, results.MeanK, results.EffectiveShare})
            checkFormatting(v);
    }
    if (outcome.resultsValid)
        require(record.BuildingLoad > 0 && record.BuildingLoad <= 100000.0f,
                "valid load out of (0, 100000] kW", QString::number(double(record.BuildingLoad), 'g', 9));
    requireFiniteText(outcome.message, "calculation message");
    return outcome;
}

// Every text drawn on a page.
inline void checkDrawing(const RecordingCanvas& canvas, const char* where)
{
    for (const DrawOp& op : canvas.ops)
        if (op.kind == DrawOp::Kind::Text)
            requireFiniteText(op.text, where);
}

// A scratch folder of this process for the files the command-line face reads; removed at exit.
inline QString scratchPath(const QString& name)
{
    struct Scratch
    {
        QString dir = QDir::tempPath() + QStringLiteral("/orvenna-fuzz-%1").arg(::getpid());
        Scratch() { QDir().mkpath(dir); }
        ~Scratch() { QDir(dir).removeRecursively(); }
    };
    static const Scratch scratch;
    return scratch.dir + QLatin1Char('/') + name;
}

inline void writeScratch(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    require(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size(),
            "scratch file not written", path);
}

// Runs orvenna-calc in process and gives what it printed; checks that no number went out as a non-finite
// value (JSON has none; null would stand for one).
inline std::string runCalc(const QStringList& arguments)
{
    char* buffer = nullptr;
    std::size_t length = 0;
    std::FILE* out = open_memstream(&buffer, &length);
    std::FILE* err = std::fopen("/dev/null", "w");
    require(out && err, "cannot open the output streams");
    QList<QByteArray> raw; // the program takes its arguments as the bytes the system hands it
    for (const QString& argument : arguments)
        raw << QFile::encodeName(argument);
    runCalcCli(raw, out, err);
    std::fclose(out);
    std::fclose(err);
    std::string text(buffer, length);
    std::free(buffer);
    // The one null that means "none", not a lost number.
    for (std::size_t at; (at = text.find("\"bivalencePoint\":null")) != std::string::npos;)
        text.erase(at, 21);
    for (const char* bad : {":null", ":inf", ":-inf", ":nan", ":-nan", ":+inf"})
        require(text.find(bad) == std::string::npos, "non-finite number in the JSON output",
                QString::fromStdString(text));
    return text;
}

} // namespace orv::fuzz
