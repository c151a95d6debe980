#include "ui/results/single_results_commands.h"

#include "ui/main_window.h"
#include "ui/results/single_results_window.h"

#include <QAction>

namespace orv {

SingleResultsCommands::SingleResultsCommands(Session& session, MainWindow& window, QObject* parent)
    : QObject(parent), m_session(session), m_main(window)
{
    QAction* action = m_main.command("AEinzelergebnisse");
    action->setEnabled(true);
    connect(action, &QAction::triggered, this, &SingleResultsCommands::AEinzelergebnisseExecute);
    connect(&m_main, &MainWindow::resultsShown, this, [this] {
        if (m_window)
            m_window->WerteEintragen();
    });
    connect(&m_main, &MainWindow::resultsCleared, this, [this] {
        if (m_window)
            m_window->EinzelergebnisseLoeschen();
    });
}

SingleResultsCommands::~SingleResultsCommands()
{
    delete m_window;
    m_main.command("AEinzelergebnisse")->setEnabled(false);
}

bool SingleResultsCommands::SingleResultsShown() const
{
    return !m_window.isNull();
}

SingleResultsWindow* SingleResultsCommands::window() const
{
    return m_window;
}

void SingleResultsCommands::AEinzelergebnisseExecute()
{
    if (m_window) {
        m_window->show();
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
        m_window->raise();
        m_window->activateWindow();
        return;
    }
    m_window = new SingleResultsWindow(m_session, m_main);
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    connect(m_window, &SingleResultsWindow::closedForGood, this, [this] {
        m_window->deleteLater();
        m_window = nullptr;
    });
    m_main.registerAuxiliaryWindow(m_window);
    m_window->place();
    if (m_main.flags().ResultsValid)
        m_window->WerteEintragen();
    else
        m_window->EinzelergebnisseLoeschen();
    m_window->show();
}

} // namespace orv
