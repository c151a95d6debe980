// The command table, the calculate command without AutoBerechnen, presets and the take-back, closing.

#include "main_window_fixture.h"

#include "core/german_numbers.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>

using namespace orv;
using namespace orv::test;

namespace {

class CommandsTest : public MainWindowTest
{
  protected:
    void startWithoutAutoCalc()
    {
        SettingsRecord settings = exampleSettings(programDir());
        settings.AutoCalcAtStart = false;
        start(settings);
    }
};

QStringList entries(const QMenu* menu)
{
    QStringList result;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator())
            result << "-";
        else if (action->menu())
            result << action->text() + " ›";
        else
            result << action->text() + " [" + action->shortcut().toString() + "]";
    }
    return result;
}

TEST_F(CommandsTest, MenusListEveryCommandInOrder)
{
    start();
    const QList<QAction*> menus = window().menuBar()->actions();
    QStringList titles;
    for (const QAction* menu : menus)
        titles << menu->text();
    EXPECT_EQ(titles, (QStringList{"&Datei", "&Einfügen", "&Berechnen", "&Ansicht", "E&instellungen", "&?"}));

    EXPECT_EQ(entries(menus[0]->menu()),
              (QStringList{"&Neu [Ctrl+N]", "Ö&ffnen [Ctrl+O]", "&Speichern [Ctrl+S]",
                           "Speichern &unter [F12]", "-", "&Drucken [Ctrl+P]", "Als &PDF speichern... []",
                           "Seiten&ansicht []", "Aus&wertung als zweite Seite []", "-", " []", " []", " []",
                           " []", "-", "&Beenden [Alt+F4]"}));
    EXPECT_EQ(entries(menus[1]->menu()), (QStringList{"&k-Wert ›", "&eigener k-Wert [Ctrl+E]", "-",
                                                      "alten k-Wert &zurückholen [Ctrl+Z]"}));
    const QMenu* kValue = menus[1]->menu()->actions()[0]->menu();
    EXPECT_EQ(entries(kValue).mid(0, 3),
              (QStringList{"nach &WSVO95 [Ctrl+W]", "-", "&1  sehr gute (Niedrigenergiehaus) [Ctrl+1]"}));
    EXPECT_EQ(kValue->actions().size(), 7);
    EXPECT_EQ(entries(menus[2]->menu()),
              (QStringList{"&HEIZLAST [F11]", "-", "&k/R-Wert [F3]", "k/&R-Umwandlung [F4]",
                           "&Fensterfläche [F5]", "&Dachfläche/-volumen [F6]"}));
    EXPECT_EQ(entries(menus[3]->menu()),
              (QStringList{"&Einzelergebnisse [F2]", "A&uswertung [Shift+F2]", "&Gebäudeinfo [F7]",
                           "&Willkommensfenster  [Ctrl+I]", "-", "&alle Fenster schließen [Ctrl+Y]", "-",
                           "&Symbolleiste anzeigen [Ctrl+A]"}));
    EXPECT_EQ(entries(menus[4]->menu()),
              (QStringList{"&Vorgaben / Gebäude-Werte [F8]", "&k-Wert Buttons [F10]", "-",
                           "&Programmoptionen [F9]", "-", "&Sensible Werte [Shift+F9]"}));
    EXPECT_EQ(entries(menus[5]->menu()), (QStringList{"&Programminfo [F1]", "-", "&Systeminfo [Ctrl+F1]"}));
}

TEST_F(CommandsTest, EveryCommandIsOfferedAndRecentFilesWaitForAFile)
{
    start();
    for (const char* name : {"AVorgaben", "Ak_Buttons", "AAllgemein", "ANeu", "AOeffnen", "ASpeichern",
                             "ASpeichernUnter", "AEinzelergebnisse", "AGebaeudeinfo", "StartInfo", "Ak_Wert",
                             "AkRUmwandlung", "AFensterflaeche", "AInfo", "AUmgebungsinfo", "ASensibleEin"})
        EXPECT_TRUE(command(name)->isEnabled()) << name;
    for (const char* name : {"ADatei1", "ADatei2", "ADatei3", "ADatei4"})
        EXPECT_FALSE(command(name)->isVisible()) << name;
    const QList<QAction*> file = window().menuBar()->actions()[0]->menu()->actions();
    EXPECT_FALSE(file[file.size() - 2]->isVisible()); // the separator above "Beenden"
    EXPECT_TRUE(command("ABeenden")->isEnabled());
}

TEST_F(CommandsTest, ToolBarShowsTheCommandsWithTheirHints)
{
    start();
    QStringList order;
    for (const QAction* action : control<QToolBar>("ToolBar1")->actions())
        order << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    EXPECT_EQ(order, (QStringList{"ANeu",
                                  "AOeffnen",
                                  "ASpeichern",
                                  "-",
                                  "ADrucken",
                                  "-",
                                  "Ak_Einfg_alter",
                                  "Ak_Einfg_eigener",
                                  "Ak_Einfg_wsvo",
                                  "Ak_Einfg_1",
                                  "Ak_Einfg_2",
                                  "Ak_Einfg_3",
                                  "Ak_Einfg_4",
                                  "Ak_Einfg_5",
                                  "-",
                                  "AkRUmwandlung",
                                  "Ak_Wert",
                                  "-",
                                  "AEinzelergebnisse",
                                  "AAuswertung",
                                  "-",
                                  "AGebaeudeinfo",
                                  "",
                                  "-",
                                  "AVorgaben",
                                  "AInfo",
                                  "ABeenden"}));
    EXPECT_EQ(command("Ak_Einfg_wsvo")->toolTip(), "k-Werte nach Wärmeschutzverordung95 einfügen");
    EXPECT_EQ(command("Ak_Einfg_1")->toolTip(), "sehr gute (Niedrigenergiehaus) k-Werte einfügen");
    EXPECT_EQ(command("Ak_Wert")->toolTip(), "k-Wert-Berechnung");
    for (QAction* action : control<QToolBar>("ToolBar1")->actions())
        EXPECT_TRUE(action->isSeparator() || action->objectName().isEmpty() || !action->icon().isNull())
            << action->objectName().toStdString();
}

TEST_F(CommandsTest, PresetNamesBecomeCaptionsAndHints)
{
    SettingsRecord settings = exampleSettings(programDir());
    settings.PresetName[0] = "Altbau";
    settings.PresetName[1] = "Fenster & Türen";
    start(settings);
    EXPECT_EQ(command("Ak_Einfg_1")->text(), "&1  Altbau");
    EXPECT_EQ(command("Ak_Einfg_1")->toolTip(), "Altbau k-Werte einfügen");
    EXPECT_EQ(command("Ak_Einfg_2")->text(), "&2  Fenster && Türen"); // shows one "&"
    EXPECT_EQ(command("Ak_Einfg_2")->toolTip(), "Fenster & Türen k-Werte einfügen");
}

TEST_F(CommandsTest, PresetInsertsAndTakeBackRestoresTheTypedValues)
{
    start();
    typeExample1();
    ASSERT_FALSE(command("Ak_Einfg_alter")->isEnabled());
    // Ctrl+4 from within an input reaches the window's command.
    QTest::keyClick(edit(InputId::Length), Qt::Key_4, Qt::ControlModifier);
    const SettingsRecord& s = session().settings;
    EXPECT_EQ(edit(InputId::KOuterWall)->text(), formatNumber("%0.2f", s.PresetKOuterWall[3]));
    EXPECT_EQ(edit(InputId::KRoof)->text(), formatNumber("%0.2f", s.PresetKRoof[3]));
    EXPECT_EQ(edit(InputId::RGroundWall)->text(), formatNumber("%0.2f", s.PresetRGroundWall[3]));
    EXPECT_EQ(session().building.KWindow, s.PresetKWindow[3]);
    EXPECT_EQ(window().flags().InsertedPreset, 4);
    EXPECT_TRUE(command("Ak_Einfg_alter")->isEnabled());

    QTest::keyClick(edit(InputId::Length), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit(InputId::KOuterWall)->text(), "0,50");
    EXPECT_EQ(edit(InputId::KWindow)->text(), "1,30");
    EXPECT_EQ(edit(InputId::RFloor)->text(), "1,00");
    EXPECT_EQ(edit(InputId::KRoof)->text(), "0,30");
    EXPECT_EQ(text("Panel4"), "5,96 kW");
    EXPECT_FALSE(command("Ak_Einfg_alter")->isEnabled());
}

TEST_F(CommandsTest, TypingAfterAPresetMakesTheTypedValuesTheOnesToReturnTo)
{
    start();
    typeExample1();
    command("Ak_Einfg_wsvo")->trigger();
    ASSERT_TRUE(command("Ak_Einfg_alter")->isEnabled());
    retype(InputId::KWindow, "1.1");
    EXPECT_FALSE(command("Ak_Einfg_alter")->isEnabled());
    EXPECT_EQ(window().rememberedValues()[1], 1.1f);
    // With the take-back unavailable, Ctrl+Z is the input's own undo again.
    QTest::keyClick(edit(InputId::KWindow), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_NE(edit(InputId::KWindow)->text(), "1,1");
}

TEST_F(CommandsTest, PresetMovesTheFocusToAnEmptyWindowArea)
{
    start();
    type(InputId::Length, "10");
    type(InputId::Width, "8");
    type(InputId::HeatedHeight, "5");
    command("Ak_Einfg_eigener")->trigger();
    EXPECT_TRUE(edit(InputId::WindowArea)->hasFocus());
    EXPECT_EQ(window().flags().InsertedPreset, 7);
}

TEST_F(CommandsTest, WithoutAutoCalcTheButtonCalculatesAndTheChecksSpeak)
{
    startWithoutAutoCalc();
    auto* button = control<QPushButton>("BitBtn1");
    EXPECT_TRUE(button->isVisible());
    EXPECT_FALSE(control("Panel11")->isVisible());
    EXPECT_FALSE(button->isEnabled());
    typeExample1();
    EXPECT_TRUE(button->isEnabled());
    EXPECT_EQ(text("Panel4"), "");

    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(text("Panel4"), "5,96 kW");
    EXPECT_TRUE(dialogs.script.shown.empty());

    // Window check and the first plausibility failure, both with their messages; the k-value is reset.
    retype(InputId::WindowArea, "200");
    retype(InputId::KWindow, "12");
    retype(InputId::RFloor, "25");
    QTest::keyClick(edit(InputId::RFloor), Qt::Key_F11);
    ASSERT_EQ(dialogs.script.shown.size(), 2u);
    EXPECT_EQ(dialogs.script.shown[0].text, "Die Fensterfläche ist größer als die Außenwandfläche (198 m²).");
    EXPECT_EQ(dialogs.script.shown[1].text, "Der k-Wert der Fenster ist unrealistisch groß (>10)");
    EXPECT_EQ(dialogs.script.shown[1].caption, "Eingabe überprüfen");
    EXPECT_EQ(session().building.KWindow, 0.0f);
    EXPECT_EQ(edit(InputId::KWindow)->text(), "12");
    EXPECT_TRUE(edit(InputId::KWindow)->hasFocus());
    EXPECT_EQ(text("Panel4"), "5,96 kW"); // earlier results stay
}

TEST_F(CommandsTest, SwitchingAutoCalcSwapsPanelAndButton)
{
    start();
    typeExample1();
    auto* check = control<QAbstractButton>("CheckBox1");
    EXPECT_TRUE(check->isChecked());
    EXPECT_FALSE(command("AHLBerechnen")->isEnabled());
    check->click();
    EXPECT_FALSE(window().flags().AutoCalcActive);
    EXPECT_TRUE(control("BitBtn1")->isVisible());
    EXPECT_TRUE(command("AHLBerechnen")->isEnabled());
    check->click();
    EXPECT_TRUE(control("Panel11")->isVisible());
    EXPECT_FALSE(control("BitBtn1")->isVisible());
    EXPECT_EQ(text("Panel4"), "5,96 kW");
}

TEST_F(CommandsTest, EscapeAsksBeforeClosing)
{
    start();
    int questions = 0;
    window().setSafetyQuestion([&](bool closing) {
        ++questions;
        EXPECT_TRUE(closing);
        return false; // the user cancels the save question
    });
    dialogs.script.answers = {MessageAnswer::No, MessageAnswer::Yes};
    QTest::keyClick(edit(InputId::Length), Qt::Key_Escape);
    ASSERT_EQ(dialogs.script.shown.size(), 1u);
    EXPECT_EQ(dialogs.script.shown[0],
              (Message{"Programm beenden?", "ESC gedrückt", MessageIcon::Warning, MessageButtons::YesNo}));
    EXPECT_EQ(questions, 0);
    EXPECT_TRUE(window().isVisible());

    QTest::keyClick(edit(InputId::Length), Qt::Key_Escape);
    EXPECT_EQ(questions, 1);
    EXPECT_TRUE(window().isVisible());

    window().setSafetyQuestion({});
    EXPECT_TRUE(window().close());
}

TEST_F(CommandsTest, ToolBarSwitchMovesTheInputsAndIsSaved)
{
    SettingsRecord settings = exampleSettings(programDir());
    start(settings);
    window().showNormal();
    window().resize(window().sizeHint());
    QApplication::processEvents();
    QWidget* inputs = control("Panel14");
    const int top = inputs->mapTo(&window(), QPoint(0, 0)).y();
    const int height = window().height();
    const int toolBarHeight = control("ToolBar1")->height();

    QTest::keyClick(edit(InputId::Length), Qt::Key_A, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_FALSE(control("ToolBar1")->isVisible());
    EXPECT_EQ(window().height(), height - toolBarHeight);
    EXPECT_EQ(inputs->mapTo(&window(), QPoint(0, 0)).y(), top - toolBarHeight);
    EXPECT_FALSE(command("ASymbolleisteAnzeigen")->isChecked());
    SettingsRecord saved;
    Vorgaben_einlesen(saved, programDir(), dialogs);
    EXPECT_FALSE(saved.ShowToolbar);

    command("ASymbolleisteAnzeigen")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(window().height(), height);
    EXPECT_EQ(inputs->mapTo(&window(), QPoint(0, 0)).y(), top);
}

TEST_F(CommandsTest, MaximisedOnANarrowScreenTheFormScrolls)
{
    SettingsRecord settings = exampleSettings(programDir());
    settings.StartMaximized = true;
    start(settings);
    const QSize screen = window().screen()->geometry().size();
    ASSERT_LT(screen.width(),
              control("FormScrollArea")->sizeHint().width()); // the offscreen screen is narrow
    window().hide();
    window().showPlaced();
    // Layout settles asynchronously; slow (sanitizer) builds need more than a fixed pause.
    auto* scroll = control<QScrollArea>("FormScrollArea");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return window().isMaximized() && window().width() <= screen.width() &&
                   scroll->horizontalScrollBar()->isVisible();
        },
        5000));
    EXPECT_TRUE(window().isMaximized());
    EXPECT_LE(window().width(), screen.width());
    // The form gives way down to its minimum, then scrolls.
    QWidget* form = scroll->widget();
    EXPECT_GE(form->width(), form->minimumSizeHint().width());
    EXPECT_GT(form->width(), scroll->viewport()->width());
    EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
}

TEST_F(CommandsTest, CloseAllWindowsClosesTheRegisteredOnes)
{
    start();
    QWidget first, second;
    window().registerAuxiliaryWindow(&first);
    window().registerAuxiliaryWindow(&second);
    first.show();
    QApplication::setActiveWindow(&window());
    QTest::keyClick(edit(InputId::Length), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_FALSE(first.isVisible());
    EXPECT_FALSE(second.isVisible());
    EXPECT_TRUE(window().isVisible());
}

TEST_F(CommandsTest, WindowEnlargementAsksToEndTheProgram)
{
    start();
    dialogs.script.answers = {MessageAnswer::No};
    window().FormularGroesseVeraendert();
    ASSERT_EQ(dialogs.script.shown.size(), 1u);
    EXPECT_EQ(dialogs.script.shown[0].caption, "Formularvergrößerung");
    EXPECT_TRUE(window().isVisible());
}

} // namespace
