#include "tools/material_catalog.h"

#include "core/cp1252.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

using namespace orv;

namespace {

class MaterialCatalogTest : public ::testing::Test
{
  protected:
    QTemporaryDir dir;
    MaterialCatalog catalog;

    QString path() const { return dir.filePath(QStringLiteral("Baustoff.kvz")); }
    void write(const QByteArray& bytes)
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void writeLines(const QStringList& lines, const char* end = "\r\n")
    {
        write(encodeCp1252(lines.join(QLatin1String(end)) + QLatin1String(end)));
        ASSERT_TRUE(catalog.open(path()));
    }
    QStringList names(int group)
    {
        QStringList result;
        for (const CatalogMaterial& m : catalog.group(group))
            result << m.name;
        return result;
    }
};

TEST(MaterialCatalogLine, FieldsEndAtTheirSeparators)
{
    const CatalogMaterial m = readCatalogLine(QStringLiteral("12;1;;Kalksandstein 1800;;;0,99;;;;1800"));
    EXPECT_EQ(m, (CatalogMaterial{12, 1, QStringLiteral("Kalksandstein 1800"), 0.99f, 1800}));
    const CatalogRow row = catalogRow(m);
    EXPECT_EQ(row.number, "12");
    EXPECT_EQ(row.name, "Kalksandstein 1800");
    EXPECT_EQ(row.density, "1800");
    EXPECT_EQ(row.lambda, "0,990");

    // A single semicolon inside the name belongs to it.
    EXPECT_EQ(readCatalogLine(QStringLiteral("3;2;;Putz; innen;;;0,7;;;;1400")).name, "Putz; innen");
}

TEST(MaterialCatalogLine, UnconvertibleValuesReadAsZero)
{
    struct Case
    {
        const char* line;
        float lambda;
        int density;
    };
    const Case cases[] = {
        {"1;1;;Stein;;;0.99;;;;1800", 0.0f, 1800},         // decimal point is no German number
        {"1;1;;Stein;;;;;;;1800", 0.0f, 0},                // empty λ: the first ";;;;" begins at the ";;;"
        {"1;1;;Stein;;;0,5;;;;123456789", 0.5f, 12345678}, // only 8 characters of the density
        {"1;1;;Stein;;;0,5;;;;12345678x", 0.5f, 12345678}, // the cut leaves the digits
        {"1;1;;Stein;;;0,5;;;;1800 kg/m3", 0.5f, 0},       // anything non-numeric in the 8
        {"1;1;;Stein;;;0,5", 0.0f, 0},                     // no ";;;;": λ has no end either
    };
    for (const Case& c : cases) {
        const CatalogMaterial m = readCatalogLine(QString::fromLatin1(c.line));
        EXPECT_EQ(m.lambda, c.lambda) << c.line;
        EXPECT_EQ(m.density, c.density) << c.line;
    }
    EXPECT_EQ(catalogRow(readCatalogLine(QStringLiteral("1;1;;Stein;;;0.99;;;;1800"))).lambda, "0,000");
    EXPECT_FALSE(readCatalogLine(QStringLiteral("1;x;;Stein;;;0,5;;;;10")).group.has_value());
}

TEST_F(MaterialCatalogTest, GroupListsItsLinesInFileOrder)
{
    writeLines({"1;1;;Ziegel;;;0,81;;;;1800", "2;1;;Kalksandstein;;;0,99;;;;1800",
                "3;3;;Mineralwolle;;;0,035;;;;30", "4;3;;EPS;;;0,04;;;;20", "5;5;;Stahlbeton;;;2,3;;;;2300"});
    EXPECT_EQ(names(1), QStringList({"Ziegel", "Kalksandstein"}));
    EXPECT_EQ(names(3), QStringList({"Mineralwolle", "EPS"}));
    EXPECT_EQ(names(5), QStringList({"Stahlbeton"}));
    // Group 3 follows group 1 directly: a group the file lacks is empty, not the neighbour's materials.
    EXPECT_TRUE(names(2).isEmpty());
    EXPECT_TRUE(names(8).isEmpty());
}

TEST_F(MaterialCatalogTest, UmlautsAndLineEnds)
{
    writeLines({"1;3;;Holzfaserdämmplatte;;;0,04;;;;160", "2;3;;Schüttung;;;0,16;;;;350"}, "\n");
    EXPECT_EQ(names(3), QStringList({"Holzfaserdämmplatte", "Schüttung"}));
    // CRLF files end each name before the CR.
    writeLines({"1;3;;Schüttung;;;0,16;;;;350"}, "\r\n");
    EXPECT_EQ(catalog.group(3).at(0).density, 350);
}

TEST_F(MaterialCatalogTest, EmptyLineEndsTheGroup)
{
    writeLines(
        {"1;1;;Ziegel;;;0,81;;;;1800", "", "2;1;;Kalksandstein;;;0,99;;;;1800", "3;2;;Putz;;;1,0;;;;1800"});
    EXPECT_EQ(names(1), QStringList({"Ziegel"}));
    EXPECT_EQ(names(2), QStringList({"Putz"}));
}

TEST_F(MaterialCatalogTest, OnlyFourHundredLinesAreRead)
{
    QStringList lines;
    for (int n = 1; n <= 398; ++n)
        lines << QStringLiteral("%1;1;;Stein %1;;;0,5;;;;1000").arg(n);
    for (int n = 399; n <= 405; ++n)
        lines << QStringLiteral("%1;2;;Putz %1;;;1,0;;;;1800").arg(n);
    lines << QStringLiteral("406;3;;Dämmung;;;0,035;;;;30");
    writeLines(lines);
    EXPECT_EQ(names(1).size(), 398);
    EXPECT_EQ(names(2), QStringList({"Putz 399", "Putz 400"}));
    EXPECT_TRUE(names(3).isEmpty());
}

TEST_F(MaterialCatalogTest, OnlyTheFirst255CharactersOfALineCount)
{
    const QString longName(300, QLatin1Char('x'));
    writeLines({QStringLiteral("1;1;;") + longName + QStringLiteral(";;;0,5;;;;1000"),
                "2;1;;Ziegel;;;0,81;;;;1800"});
    const auto materials = catalog.group(1);
    ASSERT_EQ(materials.size(), 2u);
    // The separators after the name lie beyond the cut: the name runs to nothing, λ and density are lost.
    EXPECT_TRUE(materials[0].name.isEmpty());
    EXPECT_EQ(materials[0].lambda, 0.0f);
    EXPECT_EQ(materials[1].name, "Ziegel"); // the rest of the long line is skipped, not read as a line
}

TEST_F(MaterialCatalogTest, UnreadableGroupEndsTheList)
{
    writeLines({"1;1;;Ziegel;;;0,81;;;;1800", "2;?;;Kaputt;;;0,5;;;;1", "3;1;;Klinker;;;1,2;;;;2200"});
    EXPECT_EQ(names(1), QStringList({"Ziegel"}));
}

TEST_F(MaterialCatalogTest, MissingOrUnreadableFileDoesNotOpen)
{
    EXPECT_FALSE(catalog.open(path()));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Baustoff.kvz")));
    EXPECT_FALSE(catalog.open(path()));
    EXPECT_FALSE(catalog.isOpen());
}

TEST_F(MaterialCatalogTest, FileIsReadAgainForEveryGroup)
{
    writeLines({"1;1;;Ziegel;;;0,81;;;;1800"});
    EXPECT_EQ(names(1), QStringList({"Ziegel"}));
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("1;1;;Klinker;;;1,2;;;;2200\r\n");
    f.close();
    EXPECT_EQ(names(1), QStringList({"Klinker"}));
}

TEST(ShippedMaterialCatalog, HoldsEveryGroupWithDesignValues)
{
    MaterialCatalog catalog;
    ASSERT_TRUE(catalog.open(QStringLiteral(ORVENNA_DATA_DIR "/Baustoff.kvz")));
    std::size_t total = 0;
    std::map<QString, CatalogMaterial> byName;
    for (int group = 1; group <= kMaterialGroups; ++group) {
        const auto materials = catalog.group(group);
        EXPECT_FALSE(materials.empty()) << group;
        total += materials.size();
        for (const CatalogMaterial& m : materials) {
            EXPECT_GT(m.lambda, 0.0f) << m.name.toStdString();
            EXPECT_GT(m.density, 0) << m.name.toStdString();
            byName[m.name] = m;
        }
    }
    EXPECT_GE(total, 80u);
    EXPECT_EQ(byName.at("Kalksandstein 1800").lambda, 0.99f);
    EXPECT_EQ(byName.at("Mineralwolle WLS 035").lambda, 0.035f);
    EXPECT_EQ(byName.at("Stahlbeton").lambda, 2.3f);
    EXPECT_EQ(byName.at("Kalkzementputz").lambda, 1.0f);
    EXPECT_EQ(byName.at("Kalksandstein 1800").group, 1);
}

} // namespace
