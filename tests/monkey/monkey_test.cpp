// Random keys and clicks into the real main window, seeded and replayable: after every step the record,
// the result panels and the print commands must agree with each other.
//
// ORVENNA_MONKEY_STEPS sets the number of steps (default 20000), ORVENNA_MONKEY_SEED the seed (default
// random; the suite fixes one). A failure prints the seed, the step, the last steps and the inputs;
// ORVENNA_MONKEY_TRACE prints every step and message. A seed replays the same steps up to the timing of the
// platform's focus events, which now and then changes a step's outcome.

#include "main_window_fixture.h"

#include "ui/program_commands.h"
#include "ui/tools/geometry_tool_commands.h"
#include "ui/tools/roof_window.h"

#include "core/calculation.h"
#include "core/german_numbers.h"
#include "core/input_reading.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cmath>
#include <deque>
#include <sstream>

using namespace orv;
using namespace orv::test;

#ifndef ORVENNA_MONKEY_DEFAULT_STEPS
#define ORVENNA_MONKEY_DEFAULT_STEPS 20000
#endif

namespace {

// The scripted fake with every answer chosen by the monkey's generator; it never quits the program.
class MonkeyDialogs final : public ScriptedDialogs
{
  public:
    QRandomGenerator* random = nullptr;

    MessageAnswer show(const Message& message) override
    {
        if (qEnvironmentVariableIsSet("ORVENNA_MONKEY_TRACE"))
            std::printf("  message: %s %s\n", qPrintable(message.caption), qPrintable(message.text.left(60)));
        if (message.buttons == MessageButtons::YesNo)
            answers.push_back(message.text.contains("beenden") || random->bounded(2) ? MessageAnswer::No
                                                                                     : MessageAnswer::Yes);
        else if (message.buttons == MessageButtons::YesNoCancel)
            answers.push_back(
                std::array{MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel}[random->bounded(3)]);
        return ScriptedDialogs::show(message);
    }
    std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                    const QString& text) override
    {
        inputs.push_back(std::nullopt);
        return ScriptedDialogs::inputBox(caption, prompt, text);
    }
    std::optional<QString> openFile(const FileDialogRequest& request) override
    {
        files.push_back(std::nullopt);
        return ScriptedDialogs::openFile(request);
    }
    std::optional<QString> saveFile(const FileDialogRequest& request) override
    {
        files.push_back(std::nullopt);
        return ScriptedDialogs::saveFile(request);
    }
};

quint32 seedFromEnvironment()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("ORVENNA_MONKEY_SEED").toUInt(&ok);
    return ok ? seed : QRandomGenerator::global()->generate();
}

int stepsFromEnvironment()
{
    bool ok = false;
    const int steps = qEnvironmentVariableIntValue("ORVENNA_MONKEY_STEPS", &ok);
    return ok && steps > 0 ? steps : ORVENNA_MONKEY_DEFAULT_STEPS;
}

float& fieldOf(BuildingRecord& r, InputId id)
{
    switch (id) {
    case InputId::Length:
        return r.BuildingLength;
    case InputId::Width:
        return r.BuildingWidth;
    case InputId::HeatedHeight:
        return r.HeatedHeight;
    case InputId::KOuterWall:
        return r.KOuterWall;
    case InputId::KWindow:
        return r.KWindow;
    case InputId::RFloor:
        return r.RFloor;
    case InputId::KRoof:
        return r.KRoof;
    case InputId::WindowArea:
        return r.WindowArea;
    case InputId::RoofArea:
        return r.RoofArea;
    case InputId::RoofVolume:
        return r.RoofVolume;
    case InputId::GableArea:
        return r.GableArea;
    case InputId::RGroundWall:
        return r.RGroundWall;
    case InputId::GroundWallHeight:
        return r.GroundWallHeight;
    case InputId::Storeys:
        break;
    }
    static float none = 0;
    return none;
}

const char* const kPanels[kResultPanels] = {"Panel2", "Panel3", "Panel4", "Panel5",
                                            "Panel6", "Panel7", "Panel8", "Panel9"};
const char* const kCommands[] = {"Ak_Einfg_wsvo",
                                 "Ak_Einfg_eigener",
                                 "Ak_Einfg_alter",
                                 "AHLBerechnen",
                                 "ANeu",
                                 "Ak_Wert",
                                 "AkRUmwandlung",
                                 "AFensterflaeche",
                                 "ADach",
                                 "AFensterSchliessen",
                                 "AlleFensterschlieen1"};
const char* const kRadios[] = {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4"};
const QString kTyped =
    QStringLiteral("0123456789012345678901234567890123456789,,,,,.abcdefghijklmnopqrstuvwxyz ");

class MonkeyTest : public ::testing::Test
{
  protected:
    QRandomGenerator random;
    std::deque<std::string> recent; // the last steps, for the failure message
    // A new building empties the inputs but leaves its component values in the record until the next
    // reading of the inputs: the record follows the inputs only once they have been read again.
    bool readSinceReset = true;
    int lastReadCount = 0;
    QTemporaryDir dir;
    MonkeyDialogs dialogs;
    std::unique_ptr<Application> app;

    MainWindow& window() { return app->mainWindow(); }
    Session& session() { return app->session(); }

    void start()
    {
        const QString programDir = dir.path() + QLatin1Char('/');
        SettingsRecord settings = exampleSettings(programDir);
        settings.AutoSave = true;
        ASSERT_TRUE(Vorgaben_Speichern(settings, programDir, dialogs));
        app = std::make_unique<Application>(programDir, dialogs);
        app->start({});
        window().show();
        QApplication::setActiveWindow(&window());
        window().finishStartup();
    }

    template <typename T = QWidget> T* child(const char* name)
    {
        return window().findChild<T*>(QString::fromLatin1(name));
    }

    // The top-level widgets come in no fixed order: sorted, a seed replays the same steps.
    QWidget* toolWindow()
    {
        QWidget* chosen = nullptr;
        const auto key = [](const QWidget* w) {
            return QString::fromLatin1(w->metaObject()->className()) + w->objectName();
        };
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &window() && w->isVisible() && !w->inherits("QMenu") &&
                (!chosen || key(w) < key(chosen)))
                chosen = w;
        return chosen;
    }

    void note(const QString& what)
    {
        // ORVENNA_MONKEY_TRACE prints every step, so two runs of a seed can be compared.
        static const bool trace = qEnvironmentVariableIsSet("ORVENNA_MONKEY_TRACE");
        if (trace)
            std::printf("%s | %s\n", qPrintable(what), qPrintable(window().input(InputId::Length)->text()));
        recent.push_back(what.toStdString());
        if (recent.size() > 8)
            recent.pop_front();
    }

    void typeInto(QWidget* target)
    {
        target->setFocus();
        const QString where = target->window()->objectName() + QLatin1Char('/') + target->objectName();
        switch (random.bounded(6)) {
        case 0:
            note(where + QStringLiteral(" backspace"));
            QTest::keyClick(target, Qt::Key_Backspace);
            break;
        case 1:
            note(where + QStringLiteral(" select all, delete"));
            if (auto* line = qobject_cast<QLineEdit*>(target))
                line->selectAll();
            QTest::keyClick(target, Qt::Key_Delete);
            break;
        default:
            const QString key(kTyped[random.bounded(int(kTyped.size()))]);
            note(where + QStringLiteral(" types '") + key + QLatin1Char('\''));
            QTest::keyClicks(target, key);
        }
    }

    // Plausible numbers in every visible input, so that the later keys also meet calculated buildings.
    void fillInBuilding()
    {
        static const char* const numbers[] = {"1", "2,5", "8", "12", "0,3", "1,2", "3"};
        note(QStringLiteral("fills in a building"));
        for (int i = 0; i < kInputCount; ++i) {
            InputEdit* input = window().input(InputId(i));
            if (!input->isVisible() || !input->isEnabled())
                continue;
            input->setFocus();
            input->selectAll();
            QTest::keyClicks(input, QString::fromLatin1(numbers[random.bounded(int(std::size(numbers)))]));
        }
    }

    void step()
    {
        bool newBuilding = false;
        // Windows become active when the platform gets to it: the main window is made active before
        // each step, so its keys and mnemonics never depend on timing.
        QApplication::setActiveWindow(&window());
        const int kind = random.bounded(100);
        if (kind < 55) {
            InputEdit* input = window().input(InputId(random.bounded(kInputCount)));
            if (input->isVisible() && input->isEnabled())
                typeInto(input);
        } else if (kind < 62) {
            const int letter = random.bounded(26);
            note(QStringLiteral("Alt+") + QChar('A' + letter));
            QTest::keyClick(&window(), Qt::Key(Qt::Key_A + letter), Qt::AltModifier);
        } else if (kind < 72) {
            const char* name = kRadios[random.bounded(4)];
            if (auto* radio = child<QAbstractButton>(name); radio && radio->isVisible()) {
                note(QString::fromLatin1(name));
                radio->click();
            }
        } else if (kind < 76) {
            note(QStringLiteral("AutoBerechnen"));
            if (auto* check = child<QCheckBox>("CheckBox1"))
                check->click();
        } else if (kind < 86) {
            const char* name = kCommands[random.bounded(int(std::size(kCommands)))];
            QAction* action = window().command(QString::fromLatin1(name));
            if (action && action->isEnabled()) {
                note(QString::fromLatin1(name));
                action->trigger();
                newBuilding = std::string_view(name) == "ANeu";
            }
        } else if (kind < 89) {
            fillInBuilding();
        } else if (QWidget* tool = toolWindow()) {
            QApplication::setActiveWindow(tool);
            // A tool window: type into it, press one of its buttons (its hand-over among them) or close it.
            const auto lines = tool->findChildren<QLineEdit*>();
            const auto buttons = tool->findChildren<QAbstractButton*>();
            const int choice = random.bounded(3);
            if (choice == 0 && !lines.isEmpty()) {
                QLineEdit* line = lines[random.bounded(int(lines.size()))];
                if (line->isVisible() && line->isEnabled())
                    typeInto(line);
            } else if (choice == 1 && !buttons.isEmpty()) {
                QAbstractButton* button = buttons[random.bounded(int(buttons.size()))];
                if (button->isVisible() && button->isEnabled()) {
                    note(tool->objectName() + QStringLiteral(" clicks ") + button->text());
                    button->click();
                }
            } else {
                note(tool->objectName() + QStringLiteral(" closed"));
                tool->close();
            }
        }
        QCoreApplication::processEvents();
        // Reading while the new building replaces the inputs comes before its record is reset.
        if (window().counters().ReadCount != lastReadCount || newBuilding) {
            lastReadCount = window().counters().ReadCount;
            readSinceReset = !newBuilding;
        }
        // A menu opened by its Alt+letter would take the next keys: it closes after its step.
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        // Nor may the menu bar stay in its keyboard mode, where the next letters would pick its entries.
        window().menuBar()->setActiveAction(nullptr);
    }

    // Empty when all holds; otherwise what does not.
    std::string brokenInvariant()
    {
        const BuildingRecord& r = session().building;
        std::ostringstream out;
        if (!window().isVisible())
            out << "the main window closed; ";
        if (!r.RoofSpaceHeated && (r.RoofArea != 0 || r.RoofVolume != 0 || r.GableArea != 0))
            out << "roof fields not 0 with an unheated roof space; ";
        if (readSinceReset && !r.CellarHeated && (r.RGroundWall != 0 || r.GroundWallHeight != 0))
            out << "ground-wall fields not 0 with an unheated cellar; ";
        if (readSinceReset && window().flags().InputsRead) {
            BuildingRecord copy = r;
            // The roof calculator's "Tauschen" swaps length and width in the record at once; the main
            // window's fields follow with its hand-over or cancel.
            if (auto* roof = app->commands().geometryTools().roofWindow(); roof && roof->isVisible())
                if (window().input(InputId::Length)->text().isEmpty() != (copy.BuildingLength == 0))
                    std::swap(copy.BuildingLength, copy.BuildingWidth);
            for (int i = 0; i < kInputCount; ++i) {
                const InputId id = InputId(i);
                if (!window().input(id)->text().isEmpty())
                    continue;
                if (id == InputId::Storeys ? r.Storeys != 0 : fieldOf(copy, id) != 0)
                    out << "input " << i << " empty but its field is not 0; ";
            }
        }
        const bool valid = window().flags().ResultsValid;
        for (const char* name : {"ADrucken", "APdfSpeichern"})
            if (window().command(QString::fromLatin1(name))->isEnabled() != valid)
                out << name << " enabled " << !valid << " with results valid " << valid << "; ";

        static const QRegularExpression german(QStringLiteral("^-?\\d{1,3}(\\.\\d{3})*(,\\d+)?( .*)?$"));
        std::array<QString, kResultPanels> shown;
        for (int i = 0; i < kResultPanels; ++i) {
            shown[i] = child<QLabel>(kPanels[i])->text();
            if (!shown[i].isEmpty() && !german.match(shown[i]).hasMatch())
                out << kPanels[i] << " shows " << shown[i].toStdString() << "; ";
        }
        if (valid) {
            BuildingRecord fresh = r;
            CalculationResults results;
            results.EffectiveShare = effectiveShare(fresh); // as reading the inputs sets it
            BuildingCalculation(fresh, session().settings, results);
            const ResultTexts expected = resultTexts(fresh, results);
            for (int i = 0; i < kResultPanels; ++i)
                if (shown[i] != expected.text[i])
                    out << kPanels[i] << " shows " << shown[i].toStdString() << ", a fresh calculation "
                        << expected.text[i].toStdString() << "; ";
            if (!std::isfinite(fresh.BuildingLoad) || fresh.BuildingLoad <= 0)
                out << "valid results with a load of " << fresh.BuildingLoad << "; ";
        }
        return out.str();
    }
};

TEST_F(MonkeyTest, RandomKeysAndClicksKeepRecordPanelsAndPrintingInStep)
{
    const quint32 seed = seedFromEnvironment();
    const int steps = stepsFromEnvironment();
    random.seed(seed);
    // Before the first step, so a crash can be replayed too.
    std::printf("monkey: ORVENNA_MONKEY_SEED=%u, %d steps\n", seed, steps);
    std::fflush(stdout);
    dialogs.random = &random;
    start();
    ASSERT_EQ(brokenInvariant(), "");

    int validSteps = 0;
    for (int i = 1; i <= steps; ++i) {
        step();
        const std::string broken = brokenInvariant();
        if (!broken.empty()) {
            std::string trail;
            for (const std::string& s : recent)
                trail += "\n  " + s;
            trail += "\ninputs:";
            for (int n = 0; n < kInputCount; ++n)
                trail += " '" + window().input(InputId(n))->text().toStdString() + "'";
            FAIL() << "ORVENNA_MONKEY_SEED=" << seed << " step " << i << ": " << broken
                   << "\nlast steps:" << trail;
        }
        validSteps += window().flags().ResultsValid;
    }
    std::printf("monkey: results valid after %d of %d steps, %zu messages\n", validSteps, steps,
                dialogs.shown.size());
    // A run that seldom reached a calculated building would prove little.
    if (steps >= 5000) {
        EXPECT_GT(validSteps, steps / 100);
    }
}

} // namespace
