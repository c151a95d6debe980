// The information windows through the real program: the environment information, the state display,
// the program information and the about box, and closing them all together.

#include "ui/main_window_fixture.h"

#include "core/state_display.h"
#include "ui/info/info_commands.h"
#include "ui/info/program_info_window.h"
#include "ui/info/state_display.h"
#include "ui/program_commands.h"

#include <QFile>
#include <QFormLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStorageInfo>

using namespace orv;
using namespace orv::test;

namespace {

class InfoWindowsTest : public MainWindowTest
{
  protected:
    InfoCommands& info() { return app->commands().info(); }
    StateDisplay* openStateDisplay()
    {
        info().showStateDisplay();
        StateDisplay* display = info().stateDisplay();
        EXPECT_NE(display, nullptr);
        return display;
    }
    static QString shown(StateDisplay* display, const char* name)
    {
        auto* label = display->findChild<QLabel*>(QString::fromUtf8(name));
        EXPECT_NE(label, nullptr) << name;
        return label ? label->text() : QString();
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QTest::keyClick(edit(InputId::Length), key, modifiers);
    }
};

TEST_F(InfoWindowsTest, EnvironmentInformationOfADamagedSettingsFile)
{
    ASSERT_TRUE(dir.isValid());
    QFile damaged(settingsFilePath(programDir()));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(100, 'x'));
    damaged.close();
    app = std::make_unique<Application>(programDir(), dialogs);
    app->start();
    ASSERT_EQ(session().SettingsReadErrors, 10);
    window().show();
    QApplication::setActiveWindow(&window());
    dialogs.script.shown.clear(); // the read error's own message

    press(Qt::Key_F1, Qt::ControlModifier);
    ASSERT_EQ(dialogs.script.shown.size(), 1u);
    const Message& message = dialogs.script.shown[0];
    EXPECT_EQ(message.icon, MessageIcon::Information);
    EXPECT_EQ(message.buttons, MessageButtons::Ok);
    const QStringList lines = message.text.split(QLatin1Char('\r'));
    EXPECT_TRUE(lines.contains("Datei korrekt?                              NEIN - Fehlercode: 10"))
        << message.text.toStdString();
    EXPECT_TRUE(lines.contains("Aktueller Programmpfad:              " + programDir()));
    const QSize screen = window().screen()->geometry().size();
    EXPECT_TRUE(
        lines.contains(QStringLiteral("Horizontale Bildschirmgröße:        %1 Pixel").arg(screen.height())));
    EXPECT_TRUE(
        lines.contains(QStringLiteral("Vertikale Bildschirmgröße:            %1 Pixel").arg(screen.width())));
    EXPECT_TRUE(lines.last().startsWith("Frei auf Laufwerk " + QStorageInfo(programDir()).rootPath() + ":"));
}

TEST_F(InfoWindowsTest, StateDisplayFollowsASaveWithinOneRefresh)
{
    start();
    typeExample1();
    StateDisplay* display = openStateDisplay();
    EXPECT_EQ(shown(display, "Gespeichert"), "NICHT GESPEICHERT");
    EXPECT_EQ(shown(display, "Geaendert"), "GEÄNDERT");
    EXPECT_EQ(shown(display, "Berechnet"), "BERECHNET");

    const QString file = programDir() + "Haus.orv";
    dialogs.script.files = {file};
    press(Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(display->refreshTimer().interval(), 300);
    ASSERT_TRUE(display->refreshTimer().isActive());
    QSignalSpy tick(&display->refreshTimer(), &QTimer::timeout);
    ASSERT_TRUE(tick.wait(1000));
    EXPECT_EQ(shown(display, "Gespeichert"), "GESPEICHERT");
    EXPECT_EQ(shown(display, "Geaendert"), "NICHT GEÄNDERT");
    EXPECT_EQ(shown(display, "CurrentFilePath"), session().file.CurrentFilePath);
    EXPECT_FALSE(session().file.CurrentFilePath.isEmpty());
}

TEST_F(InfoWindowsTest, ResetZeroesTheCountersAndTheyCountOn)
{
    start();
    typeExample1();
    StateDisplay* display = openStateDisplay();
    for (const char* counter :
         {"BerechnetZähler", "VollständigZähler", "StringpressZähler", "GeaendertZähler", "EinlesenZähler"})
        EXPECT_GT(shown(display, counter).toInt(), 0) << counter;
    session().file.AutoSaveCount = 4; // whether the option is on is not this test's concern
    display->refresh();

    QTest::mouseClick(display->findChild<QPushButton*>("ResetButton"), Qt::LeftButton);
    for (const char* counter : kStateCounterCaptions)
        EXPECT_EQ(shown(display, counter), "0") << counter;

    type(InputId::Length, "1");
    display->refresh();
    for (const char* counter :
         {"BerechnetZähler", "VollständigZähler", "StringpressZähler", "GeaendertZähler", "EinlesenZähler"})
        EXPECT_EQ(shown(display, counter), "1") << counter;
    EXPECT_EQ(session().results.CalculationCount, 1);
}

TEST_F(InfoWindowsTest, StateDisplayPlacesItselfCollapsesAndShowsTheLiveValues)
{
    start();
    StateDisplay* display = openStateDisplay();
    EXPECT_TRUE(display->windowFlags() & Qt::WindowStaysOnTopHint);
    const QRect main = window().frameGeometry();
    EXPECT_EQ(display->pos(),
              QPoint(std::max(main.left() - 170, window().screen()->availableGeometry().left()), main.top()));
    EXPECT_EQ(display->width(), StateDisplay::kCollapsedWidth);
    auto* expand = display->findChild<QPushButton*>("ExpandButton");
    EXPECT_FALSE(expand->isChecked());
    EXPECT_FALSE(display->findChild<QLabel*>("Länge")->isVisible());

    QTest::mouseClick(expand, Qt::LeftButton);
    EXPECT_EQ(display->width(), StateDisplay::kExpandedWidth);
    EXPECT_TRUE(expand->isChecked());
    EXPECT_TRUE(display->findChild<QLabel*>("Länge")->isVisible());

    type(InputId::Length, "1");
    display->refresh();
    type(InputId::Length, "2");
    display->refresh();
    display->refresh(); // an unchanged key is not added again
    EXPECT_EQ(shown(display, "Eingabefolge"), "12");
    EXPECT_EQ(shown(display, "AktuelleZiffer"), "2");
    EXPECT_EQ(shown(display, "AktuellerASCII"), "50");
    EXPECT_EQ(shown(display, "Länge"), "12,00");

    // Each counter is a label beside its caption.
    for (const char* counter : kStateCounterCaptions) {
        auto* value = display->findChild<QLabel*>(QString::fromUtf8(counter));
        auto* form = qobject_cast<QFormLayout*>(value->parentWidget()->layout());
        ASSERT_NE(form, nullptr);
        auto* caption = qobject_cast<QLabel*>(form->labelForField(value));
        ASSERT_NE(caption, nullptr) << counter;
        EXPECT_EQ(caption->text(), QString::fromUtf8(counter));
    }

    QTest::mouseClick(expand, Qt::LeftButton);
    EXPECT_EQ(display->width(), StateDisplay::kCollapsedWidth);
    EXPECT_FALSE(expand->isChecked());

    // Opened again, it starts afresh: the trace holds only the current key.
    openStateDisplay();
    QApplication::processEvents(); // the first one deletes itself
    StateDisplay* second = info().stateDisplay();
    EXPECT_EQ(window().findChildren<StateDisplay*>().size(), 1);
    EXPECT_EQ(shown(second, "Eingabefolge"), "2");
    EXPECT_FALSE(second->isExpanded());
}

TEST_F(InfoWindowsTest, ProgramInformationAndAboutBoxCloseWithAllWindows)
{
    start();
    press(Qt::Key_F1, Qt::NoModifier);
    ProgramInfoWindow* programInfo = info().programInfoWindow();
    ASSERT_NE(programInfo, nullptr);
    EXPECT_TRUE(programInfo->isVisible());
    auto paragraph = [&](const char* name) { return programInfo->findChild<QLabel*>(name)->text(); };
    EXPECT_EQ(paragraph("ProgramName"), "kvz Orvenna");
    EXPECT_EQ(paragraph("ProgramVersion"), "Version 1.2");
    EXPECT_TRUE(paragraph("Summary").contains("Hüllfläche"));
    EXPECT_TRUE(paragraph("Limits").contains("raumweise"));
    EXPECT_TRUE(paragraph("Licence").contains("GPL-3.0-or-later"));
    EXPECT_EQ(paragraph("SettingsFile"), programDir() + "DataSet.kvz");
    EXPECT_EQ(paragraph("LastBuildingFile"), programDir() + "AutoSave.orv");
    EXPECT_EQ(paragraph("CatalogueFile"), programDir() + "Baustoff.kvz");
    press(Qt::Key_F1, Qt::NoModifier);
    EXPECT_EQ(window().findChildren<ProgramInfoWindow*>().size(), 1);

    press(Qt::Key_F1, Qt::AltModifier);
    QMessageBox* about = info().aboutBox();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), "kvz Orvenna");
    EXPECT_FALSE(about->iconPixmap().isNull());
    EXPECT_TRUE(about->informativeText().contains("Musterstadt"));

    StateDisplay* display = openStateDisplay();
    EXPECT_TRUE(display->isVisible());
    press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_FALSE(programInfo->isVisible());
    EXPECT_FALSE(about->isVisible());
    QApplication::processEvents();
    EXPECT_EQ(info().stateDisplay(), nullptr); // closed and deleted, its timer with it
}

} // namespace
