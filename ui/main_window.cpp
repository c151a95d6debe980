#include "ui/main_window.h"

#include "core/dialogs.h"
#include "core/german_numbers.h"
#include "core/program_info.h"
#include "core/session.h"
#include "core/window_placement.h"
#include "ui/hint_switch.h"
#include "ui/input_edit.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>

namespace orv {

MainWindow::MainWindow(Session& session, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), m_session(session), m_dialogs(dialogs), m_hintSwitch(new HintSwitch(this))
{
    setObjectName("MainWindow");
    buildCommands();
    buildMenus();
    buildToolBar();
    buildCentralWidget();
    statusBar()->setObjectName("StatusBar1");
    statusBar()->setSizeGripEnabled(false);
    m_statusText = new QLabel(" WILLKOMMEN BEI ORVENNA. ");
    m_statusText->setObjectName("StatusText");
    statusBar()->addWidget(m_statusText, 1);

    // Completeness checks wait for the start timer: until then the start action may still replace the
    // building.
    m_startTimer.setSingleShot(true);
    m_startTimer.setInterval(500);
    connect(&m_startTimer, &QTimer::timeout, this, &MainWindow::finishStartup);
    m_startTimer.start();
    Startprozeduren();
}

MainWindow::~MainWindow() = default;

void MainWindow::Startprozeduren()
{
    SettingsRecord& settings = m_session.settings;
    m_extraWidth = settings.MaximizeMainOnly ? 0 : settings.WindowGrowVertical;
    m_extraHeight = settings.MaximizeMainOnly ? 0 : settings.WindowGrowHorizontal;
    // At start the tool bar only follows the setting; the settings file is written when the user switches it.
    m_toolBar->setVisible(settings.ShowToolbar);
    command("ASymbolleisteAnzeigen")->setChecked(settings.ShowToolbar);

    writeBuildingHeader(m_session.building, shortDateToday());
    writeSettingsHeader(settings);
    m_flags.AutoCalcActive = settings.AutoCalcAtStart;
    AutomatischesBerechnenJA();
    showLoadIncrease();
    kWertBezeichnungVeraendern();
    HilfetexteAnzeigen();

    m_flags.StartingUp = true;
    ResetBuilding();
    m_flags.StartingUp = false;
    input(InputId::Length)->setFocus();
    placeWindow();
}

void MainWindow::placeWindow()
{
    const SettingsRecord& settings = m_session.settings;
    const QSize natural = sizeHint();
    const int width = natural.width() + settings.WindowGrowVertical;
    const int height = natural.height() + settings.WindowGrowHorizontal;
    const QRect screenArea = screen()->geometry();
    const WindowPlacement placement =
        mainWindowPlacement(screenArea.width(), screenArea.height(), width, height, settings.StartMaximized);
    resize(width, height);
    move(screenArea.x() + placement.left, screenArea.y() + placement.top);
    m_maximizeAtShow = placement.maximized;
}

void MainWindow::showPlaced()
{
    if (m_maximizeAtShow)
        showMaximized();
    else
        show();
}

void MainWindow::finishStartup()
{
    m_startTimer.stop();
    if (m_startAction)
        m_startAction();
    else
        ResetBuilding();
}

void MainWindow::setSafetyQuestion(std::function<bool(bool)> hook)
{
    m_safetyQuestion = std::move(hook);
}

void MainWindow::setSaveLastBuilding(std::function<void()> hook)
{
    m_saveLastBuilding = std::move(hook);
}

void MainWindow::setStartAction(std::function<void()> hook)
{
    m_startAction = std::move(hook);
}

void MainWindow::setToolHook(ComponentTool tool, std::function<void(const ToolRequest&)> hook)
{
    m_toolHooks[tool] = std::move(hook);
}

void MainWindow::setRoofToolAvailable(bool available)
{
    m_roofToolAvailable = available;
    command("ADach")->setEnabled(available && m_session.building.RoofSpaceHeated);
}

void MainWindow::FormCaptionAnpassen(const QString& text)
{
    setWindowTitle(windowCaption(text));
}

void MainWindow::setStatusText(const QString& text)
{
    m_statusText->setText(text);
}

void MainWindow::FormularGroesseVeraendert()
{
    const Message question{
        "Sie haben die Formularvergrösserung verändert.\rDiese Änderungen werden erst nach "
        "dem\rNEU-Start des Programmes wirksam.\r\rMöchten Sie das Programm beenden?",
        "Formularvergrößerung", MessageIcon::Warning, MessageButtons::YesNo};
    if (m_dialogs.show(question) == MessageAnswer::Yes)
        close();
}

void MainWindow::registerAuxiliaryWindow(QWidget* window)
{
    // Windows created anew each time (the welcome window) would otherwise leave a trail of dead entries.
    std::erase_if(m_auxiliaryWindows, [](const QPointer<QWidget>& w) { return w.isNull(); });
    m_auxiliaryWindows.push_back(window);
}

void MainWindow::AlleFensterSchliessen()
{
    emit allWindowsClosing();
    for (const QPointer<QWidget>& window : m_auxiliaryWindows)
        if (window && window->isVisible())
            window->close();
}

void MainWindow::resetCounters()
{
    m_counters = RoadCounters{.LastKey = m_counters.LastKey};
}

void MainWindow::HilfetexteAnzeigen()
{
    m_hintSwitch->setShown(m_session.settings.ShowHelpTexts);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_safetyQuestion && !m_safetyQuestion(true)) {
        event->ignore();
        return;
    }
    event->accept();
}

bool MainWindow::event(QEvent* event)
{
    // The hint of the control under the pointer stays in the status bar until the next text replaces it.
    if (event->type() == QEvent::WindowActivate)
        emit activated();
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (!tip.isEmpty())
            setStatusText(tip);
        return true;
    }
    return QMainWindow::event(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The temperature line and its frame: a double-click opens the building values.
    if (event->type() == QEvent::MouseButtonDblClick) {
        command("AVorgaben")->trigger();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace orv
