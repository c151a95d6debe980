// The sensitive settings through the real program: the password prompt, the window, saving and cancelling.

#include "ui/main_window_fixture.h"

#include "ui/info/info_commands.h"
#include "ui/program_commands.h"
#include "ui/settings/sensitive_settings_window.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

using namespace orv;
using namespace orv::test;
using F = SensitiveField;

namespace {

class SensitiveSettingsTest : public MainWindowTest
{
  protected:
    // Shift+F9 with `answer` typed into the prompt; no answer: the prompt is cancelled.
    void askPassword(std::optional<QString> answer)
    {
        dialogs.script.inputs.push_back(std::move(answer));
        QTest::keyClick(edit(InputId::Length), Qt::Key_F9, Qt::ShiftModifier);
    }
    SensitiveSettingsWindow* openWindow()
    {
        askPassword(QStringLiteral("KORVELIN"));
        auto* w = window().findChild<SensitiveSettingsWindow*>();
        EXPECT_NE(w, nullptr);
        return w;
    }
    void retypeIn(QLineEdit* edit, const QString& keys)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, keys);
    }
    // Runs the deletion of a closed window.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    QByteArray settingsFile() const
    {
        QFile file(settingsFilePath(programDir()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(SensitiveSettingsTest, PresetPasswordOpensTheWindowAndAnotherPromptOnlyRaisesIt)
{
    SettingsRecord settings = exampleSettings(programDir());
    settings.PresetPassword = "KORVELIN";
    settings.LoadIncreasePercent = 3;
    start(settings);

    SensitiveSettingsWindow* w = openWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(dialogs.script.inputPrompts, QStringList{"Sensible Funktionen - Version 1.2"});
    EXPECT_EQ(dialogs.script.inputDefaults, QStringList{"KORVELIN"});
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), "Sensible Einstellungen");
    const QRect main = window().frameGeometry();
    EXPECT_EQ(w->frameGeometry().top(), main.top() + 68);
    EXPECT_LE(std::abs(w->frameGeometry().center().x() - main.center().x()), 1);
    EXPECT_EQ(w->focusWidget(), w->edit(F::LoadIncreasePercent));
    EXPECT_EQ(w->edit(F::LoadIncreasePercent)->text(), "3");
    EXPECT_EQ(w->edit(F::AirDensity)->text(), "1,22");
    EXPECT_TRUE(w->passwordBox()->isChecked());
    EXPECT_TRUE(w->plausibilityBox()->isChecked());

    // Every input is announced by its label.
    for (int i = 0; i < kSensitiveFieldCount; ++i) {
        QLineEdit* input = w->edit(F(i));
        bool labelled = false;
        for (const QLabel* label : w->findChildren<QLabel*>())
            labelled = labelled || label->buddy() == input;
        EXPECT_TRUE(labelled) << input->objectName().toStdString();
    }

    // The increase takes digits only.
    retypeIn(w->edit(F::LoadIncreasePercent), "a1-,x2");
    EXPECT_EQ(w->edit(F::LoadIncreasePercent)->text(), "12");

    if (const QString path = qEnvironmentVariable("ORVENNA_SCREENSHOT_SENSITIVE"); !path.isEmpty()) {
        w->edit(F::LoadIncreasePercent)->setText("0");
        w->edit(F::LoadIncreasePercent)->selectAll();
        QApplication::processEvents();
        EXPECT_TRUE(w->grab().save(path));
        w->edit(F::LoadIncreasePercent)->setText("12");
    }

    askPassword(QStringLiteral("KORVELIN"));
    EXPECT_EQ(window().findChildren<SensitiveSettingsWindow*>().size(), 1);
    EXPECT_EQ(w->edit(F::LoadIncreasePercent)->text(), "12"); // the same window, not set up again

    // Esc cancels the window and leaves the main window's question to the main window.
    QPointer<SensitiveSettingsWindow> gone = w;
    QTest::keyClick(w->edit(F::AirDensity), Qt::Key_Escape);
    settle();
    EXPECT_TRUE(gone.isNull());
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(session().settings.LoadIncreasePercent, 3);
    EXPECT_TRUE(dialogs.script.shown.empty());
}

TEST_F(SensitiveSettingsTest, OtherAnswersDoNothingOpenTheStateDisplayOrEndTheProgram)
{
    start();
    askPassword(QString());    // empty
    askPassword(std::nullopt); // cancelled with nothing pre-filled
    EXPECT_EQ(dialogs.script.inputDefaults, (QStringList{"", ""}));
    EXPECT_EQ(window().findChild<SensitiveSettingsWindow*>(), nullptr);
    EXPECT_TRUE(window().isVisible());

    askPassword(QStringLiteral("qo#"));
    EXPECT_NE(app->commands().info().stateDisplay(), nullptr);
    EXPECT_EQ(window().findChild<SensitiveSettingsWindow*>(), nullptr);

    // A wrong password closes the window the normal way: the unsaved building is asked about first.
    typeExample1();
    dialogs.script.answers = {MessageAnswer::Cancel};
    askPassword(QStringLiteral("korvelin"));
    ASSERT_EQ(dialogs.script.shown.size(), 1u);
    EXPECT_EQ(dialogs.script.shown[0].text, "Gebäudedaten wurden noch nicht gespeichert. Speichern?");
    EXPECT_TRUE(window().isVisible());

    dialogs.script.answers = {MessageAnswer::No};
    askPassword(QStringLiteral("KORVELIN "));
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(window().findChild<SensitiveSettingsWindow*>(), nullptr);
}

TEST_F(SensitiveSettingsTest, SwitchingASafetyOffAsksFirst)
{
    start();
    SensitiveSettingsWindow* w = openWindow();
    ASSERT_NE(w, nullptr);
    dialogs.script.answers = {MessageAnswer::No, MessageAnswer::Yes};
    w->plausibilityBox()->click();
    EXPECT_TRUE(w->plausibilityBox()->isChecked());
    ASSERT_EQ(dialogs.script.shown.size(), 1u);
    EXPECT_EQ(
        dialogs.script.shown[0],
        (Message{"ACHTUNG!\rEs wird NICHT empfohlen, die Plausibilitätskontrolle abzuschalten,\rda sonst "
                 "unrealistische Eingaben zu falschen bzw. unrealistischen\rErgebnissen führen "
                 "können.\r\rWollen Sie die Plausibilitätskontrolle wirklich deaktivieren?",
                 "Plausibilitätskontrolle deaktivieren", MessageIcon::Warning, MessageButtons::YesNo,
                 MessageAnswer::No}));

    w->confirmDeleteBox()->click();
    EXPECT_FALSE(w->confirmDeleteBox()->isChecked());
    ASSERT_EQ(dialogs.script.shown.size(), 2u);
    EXPECT_EQ(dialogs.script.shown[1].caption, "Sicherheitsabfrage deaktivieren");
    EXPECT_TRUE(
        dialogs.script.shown[1].text.endsWith("Wollen Sie die Sicherheitsabfrage wirklich abschalten?"));

    // Switching on, and the password box either way, ask nothing.
    w->confirmDeleteBox()->click();
    w->passwordBox()->click();
    w->passwordBox()->click();
    EXPECT_EQ(dialogs.script.shown.size(), 2u);
    EXPECT_TRUE(w->confirmDeleteBox()->isChecked());
}

TEST_F(SensitiveSettingsTest, StandardThenCancelKeepsOnlyThePresetPassword)
{
    SettingsRecord settings = exampleSettings(programDir());
    settings.PresetPassword.clear();
    settings.AirDensity = 1.3f;
    settings.StartMaximized = true;
    start(settings);
    const QByteArray file = settingsFile();

    SensitiveSettingsWindow* w = openWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->passwordBox()->isChecked());
    EXPECT_EQ(w->edit(F::AirDensity)->text(), "1,30");
    w->standardButton()->click();
    EXPECT_EQ(w->edit(F::AirDensity)->text(), "1,22");
    EXPECT_EQ(w->edit(F::GroundConductivity)->text(), "1,2");
    EXPECT_EQ(w->edit(F::OuterSurfaceResistance)->text(), "0,04");
    EXPECT_FALSE(w->findChild<QCheckBox*>("CheckBox2")->isChecked());
    EXPECT_TRUE(w->passwordBox()->isChecked());
    EXPECT_EQ(w->focusWidget(), w->edit(F::LoadIncreasePercent));
    EXPECT_EQ(session().settings.PresetPassword, "KORVELIN"); // at once

    QPointer<SensitiveSettingsWindow> gone = w;
    w->cancelButton()->click();
    settle();
    EXPECT_TRUE(gone.isNull());
    EXPECT_EQ(session().settings.PresetPassword, "KORVELIN");
    EXPECT_EQ(session().settings.AirDensity, 1.3f);
    EXPECT_TRUE(session().settings.StartMaximized);
    EXPECT_EQ(settingsFile(), file);

    // The next prompt offers it.
    askPassword(QString());
    EXPECT_EQ(dialogs.script.inputDefaults.last(), "KORVELIN");
}

TEST_F(SensitiveSettingsTest, SavingAnIncreaseRecalculatesAndShowsTheNoticeAtOnce)
{
    start();
    typeExample1();
    ASSERT_TRUE(window().flags().ResultsValid);
    const float before = session().building.BuildingLoad;
    EXPECT_FALSE(control("Panel12")->isVisible());

    SensitiveSettingsWindow* w = openWindow();
    ASSERT_NE(w, nullptr);
    QPointer<SensitiveSettingsWindow> gone = w;
    retypeIn(w->edit(F::LoadIncreasePercent), "5");
    w->saveButton()->click();
    settle();
    EXPECT_TRUE(gone.isNull());

    EXPECT_EQ(session().settings.LoadIncreasePercent, 5);
    EXPECT_EQ(readSettingsFile(settingsFilePath(programDir()))->LoadIncreasePercent, 5);
    EXPECT_NEAR(session().building.BuildingLoad, before * 1.05, 1e-4);
    EXPECT_EQ(text("Panel4"), "6,26 kW"); // 5,962 · 1,05
    EXPECT_TRUE(control("Panel12")->isVisible());
    EXPECT_EQ(text("Panel12"), "Erhöhung der gesamten Gebäudeheizlast um 5 %");
    EXPECT_EQ(control("Panel4")->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_TRUE(window().flags().ResultsValid);
    EXPECT_TRUE(dialogs.script.shown.empty()); // no enlargement question
}

TEST_F(SensitiveSettingsTest, AConstantThatDoesNotConvertSavesNothing)
{
    start();
    typeExample1();
    const QByteArray record = encodeSettings(session().settings);
    const QByteArray file = settingsFile();
    const QString load = text("Panel4");

    SensitiveSettingsWindow* w = openWindow();
    ASSERT_NE(w, nullptr);
    retypeIn(w->edit(F::LoadIncreasePercent), "5");
    retypeIn(w->edit(F::AirDensity), "1,3");
    retypeIn(w->edit(F::GroundConductivity), "1,2,2");
    w->saveButton()->click();
    settle();

    ASSERT_EQ(dialogs.script.shown.size(), 1u);
    EXPECT_EQ(dialogs.script.shown[0].text, "'1,2,2' ist kein gültiger Gleitkommawert");
    EXPECT_EQ(window().findChild<SensitiveSettingsWindow*>(), w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->focusWidget(), w->edit(F::GroundConductivity));
    EXPECT_EQ(encodeSettings(session().settings), record);
    EXPECT_EQ(settingsFile(), file);
    EXPECT_EQ(text("Panel4"), load);
    EXPECT_FALSE(control("Panel12")->isVisible());
}

TEST_F(SensitiveSettingsTest, ChangedEnlargementOffersToEndTheProgram)
{
    start();
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        SensitiveSettingsWindow* w = openWindow();
        ASSERT_NE(w, nullptr);
        retypeIn(w->edit(F::WindowGrowVertical), answer == MessageAnswer::No ? "20" : "30");
        dialogs.script.shown.clear();
        dialogs.script.answers = {answer};
        w->saveButton()->click();
        settle();
        ASSERT_EQ(dialogs.script.shown.size(), 1u);
        EXPECT_EQ(
            dialogs.script.shown[0],
            (Message{"Sie haben die Formularvergrösserung verändert.\rDiese Änderungen werden erst nach "
                     "dem\rNEU-Start des Programmes wirksam.\r\rMöchten Sie das Programm beenden?",
                     "Formularvergrößerung", MessageIcon::Warning, MessageButtons::YesNo}));
        EXPECT_EQ(window().isVisible(), answer == MessageAnswer::No);
    }
    EXPECT_EQ(readSettingsFile(settingsFilePath(programDir()))->WindowGrowVertical, 30);
}

} // namespace
