#include "core/state_display.h"

#include "core/building_record.h"
#include "core/calculation.h"
#include "core/input_reading.h"
#include "files/file_state.h"
#include "worked_examples.h"

#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

TEST(StateDisplayTest, StatusWordsFollowTheFileStateAndResults)
{
    FileState file;
    EXPECT_EQ(statusWords(file, false), (std::array<QString, 4>{"NICHT GEOFFNET", "NICHT GESPEICHERT",
                                                                "NICHT GEÄNDERT", "NICHT BERECHNET"}));
    file.BuildingOpened = file.BuildingSaved = file.BuildingModified = true;
    EXPECT_EQ(statusWords(file, true),
              (std::array<QString, 4>{"GEOFFNET", "GESPEICHERT", "GEÄNDERT", "BERECHNET"}));
}

TEST(StateDisplayTest, TraceAddsAKeyOnlyWhenItDiffersFromTheLastOne)
{
    const struct
    {
        const char* trace;
        const char* key;
        const char* expected;
    } cases[] = {
        {"", "", ""}, {"", "1", "1"}, {"12", "2", "12"}, {"12", ",", "12,"}, {"12,", "", "12,"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(extendTrace(QString::fromUtf8(c.trace), QString::fromUtf8(c.key)),
                  QString::fromUtf8(c.expected))
            << c.trace << " + " << c.key;

    QString trace;
    for (int i = 0; i < kTraceLength + 5; ++i)
        trace = extendTrace(trace, QString(QChar(i % 2 ? u'1' : u'2')));
    trace = extendTrace(trace, "9");
    EXPECT_EQ(trace.size(), kTraceLength);
    EXPECT_TRUE(trace.endsWith(u'9')); // the newest key stays
}

TEST(StateDisplayTest, CurrentCharacterAndItsCode)
{
    EXPECT_EQ(currentCharacter(","), ",");
    EXPECT_EQ(characterCode(","), "44");
    EXPECT_EQ(characterCode("ä"), "228");
    EXPECT_EQ(characterCode(""), "");
}

TEST(StateDisplayTest, ValueGroupsShowTheCalculatedExample)
{
    BuildingRecord b = workedExample1();
    CalculationResults r;
    r.EffectiveShare = effectiveShare(b);
    computeAreas(b);
    BuildingCalculation(b, standardSettings(), r);

    const auto groups = stateValueGroups(b, r);
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_STREQ(groups[0].title, "Berechnungs-Werte");
    EXPECT_STREQ(groups[1].title, "Flächen");
    EXPECT_STREQ(groups[2].title, "Gebäude-Daten");
    auto value = [&](const char* caption) {
        for (const auto& group : groups)
            for (const StateValue& v : group.values)
                if (QString::fromUtf8(v.caption) == QString::fromUtf8(caption))
                    return v.value;
        ADD_FAILURE() << "no line " << caption;
        return QString();
    };
    EXPECT_EQ(value("Luft üb. FB"), "2,6172");
    EXPECT_EQ(value("G-Was. üb. FB"), "5,2967");
    EXPECT_EQ(value("spez. über FB"), "8,38");
    EXPECT_EQ(value("Gesamt üb. FB"), "670,67");
    EXPECT_EQ(value("Transm. üb. Boden"), "670,67"); // no heated cellar: the floor alone
    EXPECT_EQ(value("A_AW (frei o. FE)"), "178,00");
    EXPECT_EQ(value("Hüllfläche"), "358,00");
    EXPECT_EQ(value("V_Geb "), "440,00");
    EXPECT_EQ(value("A_DE"), "80,00");
    EXPECT_EQ(value("Länge"), "10,00");
    EXPECT_EQ(value("Geschosse"), "2");
    EXPECT_EQ(value("Temp. außen"), "-12");
    EXPECT_EQ(value("Keller beh."), "NEIN");
    EXPECT_TRUE(groups[0].values[0].heading);
    EXPECT_TRUE(groups[0].values[0].value.isEmpty());
}

TEST(StateDisplayTest, LargeValuesAreGrouped)
{
    BuildingRecord b;
    b.BuildingVolume = 12345.678f;
    const auto groups = stateValueGroups(b, {});
    EXPECT_EQ(groups[1].values[4].value, "12.345,68");
}

} // namespace
