#include "../core/worked_examples.h"
#include "core/building_record.h"
#include "settings/settings_record.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <QtEndian>

#include <bit>
#include <cstdio>
#include <limits>

using namespace orv;

namespace {

struct CliRun
{
    int exitCode = -1;
    QList<QJsonObject> lines;
    QString out;
    QString err;
};

class CalcCliTest : public ::testing::Test
{
  protected:
    QTemporaryDir dir;

    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QString writeBuilding(const QString& name, const BuildingRecord& r)
    {
        return write(name, encodeBuilding(r));
    }

    static CliRun run(const QStringList& args)
    {
        QProcess p;
        p.start(QStringLiteral(ORVENNA_CALC), args);
        EXPECT_TRUE(p.waitForFinished(30000));
        CliRun result;
        result.exitCode = p.exitCode();
        result.out = QString::fromUtf8(p.readAllStandardOutput());
        result.err = QString::fromUtf8(p.readAllStandardError());
        for (const QString& line : result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            if (!line.startsWith(QLatin1Char('{')))
                continue; // usage text
            QJsonParseError error;
            const QJsonDocument doc = QJsonDocument::fromJson(line.toUtf8(), &error);
            EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
            result.lines << doc.object();
        }
        return result;
    }
};

TEST_F(CalcCliTest, OneLinePerFileWithEveryStatus)
{
    BuildingRecord incomplete = test::workedExample1();
    incomplete.KRoof = 0;
    BuildingRecord implausible = test::workedExample1();
    implausible.KOuterWall = 11;
    BuildingRecord tooLarge = test::workedExample1();
    tooLarge.BuildingLength = tooLarge.BuildingWidth = 2000;
    tooLarge.HeatedHeight = 300;
    BuildingRecord damaged = test::workedExample1();
    damaged.KWindow = std::numeric_limits<float>::quiet_NaN();

    const QStringList files = {
        writeBuilding(QStringLiteral("ok.orv"), test::workedExample2()),
        writeBuilding(QStringLiteral("incomplete.orv"), incomplete),
        writeBuilding(QStringLiteral("implausible.orv"), implausible),
        writeBuilding(QStringLiteral("too large.orv"), tooLarge),
        write(QStringLiteral("short.orv"), QByteArray(5043, '\0')),
        dir.filePath(QStringLiteral("missing.orv")),
        writeBuilding(QStringLiteral("damaged.orv"), damaged),
    };
    const CliRun r = run(files);
    EXPECT_EQ(r.exitCode, 1); // unreadable files
    ASSERT_EQ(r.lines.size(), 7);

    const QJsonObject ok = r.lines[0];
    EXPECT_EQ(ok[QStringLiteral("file")].toString(), files[0]);
    EXPECT_EQ(ok[QStringLiteral("status")].toString(), QStringLiteral("ok"));
    EXPECT_FALSE(ok.contains(QStringLiteral("message")));
    EXPECT_NEAR(ok[QStringLiteral("BuildingLoad")].toDouble(), 9.7625, 5e-5);
    EXPECT_NEAR(ok[QStringLiteral("SpecificLoad")].toDouble(), 40.18, 5e-3);
    EXPECT_NEAR(ok[QStringLiteral("LossGroundWall")].toDouble(), 865.46, 5e-3);
    EXPECT_EQ(ok[QStringLiteral("EnvelopeArea")].toDouble(), 623);
    EXPECT_EQ(ok[QStringLiteral("EffectiveShare")].toDouble(), 0.5);
    // Shortest text that reads back as the same Single.
    EXPECT_EQ(float(ok[QStringLiteral("TransmissionLoad")].toDouble()), 7.6678f);
    EXPECT_EQ(ok.size(), 2 + 8 + 18); // file, status, record results, run-time values

    const auto status = [&](int i) { return r.lines[i][QStringLiteral("status")].toString(); };
    const auto message = [&](int i) { return r.lines[i][QStringLiteral("message")].toString(); };
    EXPECT_EQ(status(1), QStringLiteral("incomplete"));
    EXPECT_FALSE(r.lines[1].contains(QStringLiteral("BuildingLoad")));
    EXPECT_EQ(status(2), QStringLiteral("implausible"));
    EXPECT_EQ(message(2), QStringLiteral("k-Wert eines Bauteils ist zu hoch  (> 10)"));
    EXPECT_EQ(status(3), QStringLiteral("too-large"));
    EXPECT_EQ(message(3), QStringLiteral("Heizlast des Gebäudes ist unrealistisch groß (>100.000 kW).\rBitte "
                                         "überprüfen Sie Ihre Eingaben."));
    EXPECT_FALSE(r.lines[3].contains(QStringLiteral("BuildingLoad")));
    EXPECT_EQ(status(4), QStringLiteral("unreadable"));
    EXPECT_EQ(status(5), QStringLiteral("unreadable"));
    EXPECT_EQ(status(6), QStringLiteral("invalid"));
    EXPECT_FALSE(message(6).isEmpty());
}

// Bytes only a damaged or hand-edited file can hold: written at their offsets, not through the record.
QByteArray withInt32(QByteArray bytes, qsizetype offset, qint32 value)
{
    qToLittleEndian(value, bytes.data() + offset);
    return bytes;
}
QByteArray withSingle(QByteArray bytes, qsizetype offset, float value)
{
    qToLittleEndian(std::bit_cast<quint32>(value), bytes.data() + offset);
    return bytes;
}

TEST_F(CalcCliTest, DamagedFilesHaveNoResults)
{
    const QByteArray example1 = encodeBuilding(test::workedExample1());
    const QString settings =
        write(QStringLiteral("tiny.kvz"), withSingle(encodeSettings(test::standardSettings()), 6996, 1e-38f));
    const struct
    {
        const char* name;
        QByteArray bytes;
        QStringList extra;
        const char* message;
    } cases[] = {
        {"warm outside", withInt32(withInt32(example1, 648, 10), 652, 20), {}, "Raumtemperatur muss über"},
        {"hot groundwater", withInt32(example1, 660, 2000), {}, "Heizlast ist negativ"},
        {"ground conductivity", example1, {QStringLiteral("--settings"), settings}, "keine gültigen Zahlen"},
        {"length minus infinity",
         withSingle(example1, 548, -std::numeric_limits<float>::infinity()),
         {},
         "ungültige Werte"},
        {"length minus ten", withSingle(example1, 548, -10), {}, "ungültige Werte"},
    };
    for (const auto& c : cases) {
        const CliRun r = run(c.extra + QStringList{write(QStringLiteral("damaged.orv"), c.bytes)});
        ASSERT_EQ(r.lines.size(), 1) << c.name << r.out.toStdString();
        const QJsonObject line = r.lines[0];
        EXPECT_EQ(line[QStringLiteral("status")].toString(), QStringLiteral("invalid")) << c.name;
        EXPECT_TRUE(line[QStringLiteral("message")].toString().contains(QString::fromUtf8(c.message)))
            << c.name << line[QStringLiteral("message")].toString().toStdString();
        EXPECT_FALSE(line.contains(QStringLiteral("BuildingLoad"))) << c.name;
        EXPECT_FALSE(r.out.contains(QStringLiteral("inf"))) << c.name;
    }
}

// Decoded, the invalid byte turns into U+FFFD and names another file: building and settings are
// opened from the argument's bytes, and the JSON shows the name as valid text.
TEST_F(CalcCliTest, FileNamesThatAreNotUtf8AreRead)
{
    const auto writeRaw = [this](const char* name, const QByteArray& bytes) {
        std::FILE* f = std::fopen((QFile::encodeName(dir.path()) + name).constData(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(bytes.constData(), 1, bytes.size(), f);
        std::fclose(f);
    };
    writeRaw("/Haus\xe4.orv", encodeBuilding(test::workedExample1()));
    SettingsRecord s = test::standardSettings();
    s.LoadIncreasePercent = 10;
    writeRaw("/Satz\xe4.kvz", encodeSettings(s));
    // The names reach the program as the raw bytes, as a shell would pass them.
    QProcess p;
    p.start(QStringLiteral("/bin/sh"),
            {QStringLiteral("-c"),
             QStringLiteral(
                 "\"$0\" --settings \"$1/Satz$(printf '\\344').kvz\" \"$1/Haus$(printf '\\344').orv\""),
             QStringLiteral(ORVENNA_CALC), dir.path()});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QByteArray out = p.readAllStandardOutput();
    EXPECT_EQ(p.exitCode(), 0) << out.toStdString();
    const QJsonObject line = QJsonDocument::fromJson(out).object();
    EXPECT_EQ(line[QStringLiteral("status")].toString(), QStringLiteral("ok")) << out.toStdString();
    EXPECT_EQ(line[QStringLiteral("file")].toString(), dir.path() + QStringLiteral("/Haus\uFFFD.orv"));
    EXPECT_NEAR(line[QStringLiteral("BuildingLoad")].toDouble(), 5.9620 * 1.1, 1e-4);
}

TEST_F(CalcCliTest, SettingsFileGivesTheConstants)
{
    SettingsRecord s = test::standardSettings();
    s.LoadIncreasePercent = 10;
    s.PlausibilityChecks = false;
    const QString settings = write(QStringLiteral("DataSet.kvz"), encodeSettings(s));
    BuildingRecord big = test::workedExample1();
    big.BuildingLength = big.BuildingWidth = 2000;
    big.HeatedHeight = 300;
    const QString building = writeBuilding(QStringLiteral("a.orv"), test::workedExample1());
    const CliRun r = run(
        {QStringLiteral("--settings"), settings, building, writeBuilding(QStringLiteral("big.orv"), big)});
    EXPECT_EQ(r.exitCode, 0);
    ASSERT_EQ(r.lines.size(), 2);
    EXPECT_NEAR(r.lines[0][QStringLiteral("BuildingLoad")].toDouble(), 5.9620 * 1.1, 1e-4);
    // With the checks off a too-large load is still shown, but marked.
    EXPECT_EQ(r.lines[1][QStringLiteral("status")].toString(), QStringLiteral("too-large"));
    EXPECT_TRUE(r.lines[1].contains(QStringLiteral("BuildingLoad")));

    const CliRun bad = run(
        {QStringLiteral("--settings"), write(QStringLiteral("short.kvz"), QByteArray(100, '\0')), building});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.lines.isEmpty());
    EXPECT_FALSE(bad.err.isEmpty());
}

TEST_F(CalcCliTest, UsageAndTextSummary)
{
    EXPECT_EQ(run({}).exitCode, 2);
    EXPECT_EQ(run({QStringLiteral("--bogus"), QStringLiteral("x.orv")}).exitCode, 2);
    EXPECT_EQ(run({QStringLiteral("--settings")}).exitCode, 2);
    const CliRun help = run({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("orvenna-calc")));

    QProcess p;
    p.start(
        QStringLiteral(ORVENNA_CALC),
        {QStringLiteral("--text"), writeBuilding(QStringLiteral("Haus Meier.orv"), test::workedExample1())});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(text.contains(
        QStringLiteral("Haus Meier.orv: QT = 5,12 kW, QL = 1,69 kW, QN = 5,96 kW, qN = 53,23 W/m²")))
        << text.toStdString();
}

TEST_F(CalcCliTest, ShippedExamplesCalculate)
{
    const CliRun r = run({QStringLiteral(ORVENNA_DATA_DIR "/examples/Beispiel1.orv"),
                          QStringLiteral(ORVENNA_DATA_DIR "/examples/Beispiel2.orv")});
    EXPECT_EQ(r.exitCode, 0);
    ASSERT_EQ(r.lines.size(), 2);
    EXPECT_NEAR(r.lines[0][QStringLiteral("BuildingLoad")].toDouble(), 5.9620, 5e-5);
    EXPECT_NEAR(r.lines[1][QStringLiteral("BuildingLoad")].toDouble(), 9.7625, 5e-5);
}

TEST_F(CalcCliTest, AnalysisWithHeatPump)
{
    const QString example2 = QStringLiteral(ORVENNA_DATA_DIR "/examples/Beispiel2.orv");
    BuildingRecord incomplete = test::workedExample1();
    incomplete.BuildingLength = 0;
    const CliRun r =
        run({QStringLiteral("--analysis"), QStringLiteral("--heat-pump"), QStringLiteral("-7:8,2:10"),
             example2, writeBuilding(QStringLiteral("leer.orv"), incomplete)});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    ASSERT_EQ(r.lines.size(), 2);
    EXPECT_FALSE(r.lines[1].contains(QStringLiteral("analysis")));

    const QJsonObject analysis = r.lines[0][QStringLiteral("analysis")].toObject();
    const QJsonObject losses = analysis[QStringLiteral("losses")].toObject();
    EXPECT_EQ(losses.keys(), (QStringList{"LossFloor", "LossGroundWall", "LossOuterWall", "LossRoof",
                                          "LossWindows", "Ventilation"}));
    double shares = 0;
    for (const QJsonValue& loss : losses)
        shares += loss.toObject()[QStringLiteral("share")].toDouble();
    EXPECT_NEAR(shares, 100, 1e-3);
    EXPECT_EQ(losses[QStringLiteral("LossGroundWall")].toObject()[QStringLiteral("W")].toDouble(),
              r.lines[0][QStringLiteral("LossGroundWall")].toDouble());

    const QJsonArray line = analysis[QStringLiteral("loadLine")].toArray();
    ASSERT_EQ(line.size(), 34);
    EXPECT_EQ(line.first()[QStringLiteral("t")].toInt(), -14);
    EXPECT_EQ(line.last()[QStringLiteral("t")].toInt(), 19);
    EXPECT_EQ(line.first()[QStringLiteral("BuildingLoad")].toDouble(),
              r.lines[0][QStringLiteral("BuildingLoad")].toDouble());

    const QJsonObject pump = analysis[QStringLiteral("heatPump")].toObject();
    EXPECT_NEAR(pump[QStringLiteral("capacityAtDesign")].toDouble(), 6.4444, 1e-4);
    EXPECT_NEAR(pump[QStringLiteral("coverage")].toDouble(), 66.01, 0.01);
    EXPECT_NEAR(pump[QStringLiteral("bivalencePoint")].toDouble(), -7.682, 0.001);

    const CliRun covered = run({QStringLiteral("--heat-pump"), QStringLiteral("-7:12,2:12.5"), example2});
    EXPECT_TRUE(covered
                    .lines[0][QStringLiteral("analysis")][QStringLiteral("heatPump")]
                          [QStringLiteral("bivalencePoint")]
                    .isNull());
    const CliRun plain = run({QStringLiteral("--analysis"), example2});
    EXPECT_FALSE(plain.lines[0][QStringLiteral("analysis")].toObject().contains(QStringLiteral("heatPump")));
}

TEST_F(CalcCliTest, BadHeatPumpTextIsUsageError)
{
    const QString example2 = QStringLiteral(ORVENNA_DATA_DIR "/examples/Beispiel2.orv");
    for (const char* bad : {"", "-7:8", "-7:8,2", "2:8,2:10", "-7:8;2:10", "-7:8,2:-1", "-7:8,5,2:10",
                            "-7:8,2:1e999", "-7:acht,2:10", "-7:8,0x2:10"}) {
        const CliRun r = run({QStringLiteral("--analysis"), QStringLiteral("--heat-pump"),
                              QString::fromLatin1(bad), example2});
        EXPECT_EQ(r.exitCode, 2) << bad;
        EXPECT_TRUE(r.lines.isEmpty()) << bad;
        EXPECT_TRUE(r.err.contains(QStringLiteral("--heat-pump"))) << bad;
    }
    EXPECT_EQ(run({QStringLiteral("--heat-pump")}).exitCode, 2);
    EXPECT_EQ(run({QStringLiteral("--analysis"), QStringLiteral("--text"), example2}).exitCode, 2);
}

} // namespace
