// Labels name their inputs, accelerators reach them, results speak, the tab order follows the form,
// and hints are tool tips and status-bar texts that the hint switch can silence.

#include "main_window_fixture.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QStatusBar>
#include <QToolTip>

using namespace orv;
using namespace orv::test;

namespace {

class AccessibilityTest : public MainWindowTest
{
  protected:
    QString accessible(QWidget* widget, QAccessible::Text what)
    {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        return face ? face->text(what) : QString();
    }
};

TEST_F(AccessibilityTest, EveryInputIsNamedByItsLabel)
{
    start();
    const struct
    {
        InputId id;
        const char* name;
    } cases[] = {{InputId::Length, "Länge:"},
                 {InputId::Width, "Breite:"},
                 {InputId::HeatedHeight, "beheizte Höhe:"},
                 {InputId::KOuterWall, "Außenwand:"},
                 {InputId::KWindow, "Fenster:"},
                 {InputId::RFloor, "R-Wert FB:"},
                 {InputId::KRoof, "Dach/Decke:"},
                 {InputId::Storeys, "beheizte Geschosse:"},
                 {InputId::WindowArea, "gesamte Fensterfläche:"},
                 {InputId::RoofArea, "Fläche Dach:"},
                 {InputId::RoofVolume, "Volumen:"},
                 {InputId::GableArea, "Fläche Giebel:"},
                 {InputId::RGroundWall, "R-Wert Wand:"},
                 {InputId::GroundWallHeight, "Höhe erdreichberührend:"}};
    for (const auto& c : cases) {
        EXPECT_EQ(accessible(edit(c.id), QAccessible::Name), QString::fromUtf8(c.name)) << c.name;
        EXPECT_FALSE(accessible(edit(c.id), QAccessible::Description).isEmpty()) << c.name;
    }
    EXPECT_EQ(accessible(control("Edit14"), QAccessible::Name), "Gebäudebezeichnung");
}

TEST_F(AccessibilityTest, AcceleratorsFocusTheirInputs)
{
    start();
    control<QAbstractButton>("RadioButton2")->click();
    const struct
    {
        Qt::Key key;
        InputId id;
    } cases[] = {{Qt::Key_L, InputId::Length},       {Qt::Key_R, InputId::Width},
                 {Qt::Key_H, InputId::HeatedHeight}, {Qt::Key_W, InputId::RFloor},
                 {Qt::Key_C, InputId::KRoof},        {Qt::Key_G, InputId::Storeys},
                 {Qt::Key_M, InputId::WindowArea},   {Qt::Key_V, InputId::RoofVolume}};
    for (const auto& c : cases) {
        QTest::keyClick(QApplication::focusWidget(), c.key, Qt::AltModifier);
        EXPECT_TRUE(edit(c.id)->hasFocus()) << QKeySequence(c.key).toString().toStdString();
    }
}

TEST_F(AccessibilityTest, ResultPanelsExposeTheirTextAndHint)
{
    start();
    typeExample1();
    EXPECT_EQ(accessible(control("Panel4"), QAccessible::Name), "5,96 kW");
    EXPECT_EQ(accessible(control("Panel4"), QAccessible::Description),
              "Heizlast (=Wärmebedarf) des gesamten Gebäudes");
    EXPECT_EQ(accessible(control("Label24"), QAccessible::Name), "");
}

TEST_F(AccessibilityTest, TabOrderFollowsTheForm)
{
    start();
    control<QAbstractButton>("RadioButton2")->click();
    control<QAbstractButton>("RadioButton4")->click();
    edit(InputId::Length)->setFocus();
    QStringList order;
    for (int i = 0; i < 17; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, (QStringList{"Edit1", "Edit2", "Edit3", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9",
                                  "Edit11", "RadioButton2", "Edit4", "Edit13", "Edit10", "RadioButton4",
                                  "Edit12", "Edit17", "CheckBox1"}));
}

TEST_F(AccessibilityTest, HintsAppearInTheStatusBarAndAsToolTipsUnlessSwitchedOff)
{
    SettingsRecord settings = exampleSettings(programDir());
    settings.ShowHelpTexts = false;
    start(settings);
    QWidget* wall = edit(InputId::KOuterWall);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(wall, &enter);
    EXPECT_EQ(control<QLabel>("StatusText")->text(), "k-Wert der freistehenden Außenwand (b: Berechnen)");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(wall, &leave);
    EXPECT_EQ(control<QLabel>("StatusText")->text(), "k-Wert der freistehenden Außenwand (b: Berechnen)");

    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), wall->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(wall, &help);
    EXPECT_FALSE(QToolTip::isVisible());

    session().settings.ShowHelpTexts = true;
    window().HilfetexteAnzeigen();
    QApplication::sendEvent(wall, &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "k-Wert der freistehenden Außenwand (b: Berechnen)");
    QToolTip::hideText();
}

} // namespace
