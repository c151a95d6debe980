#include "ui/tools/layer_tool_commands.h"

#include "core/session.h"
#include "ui/main_window.h"
#include "ui/tools/geometry_tool_support.h"
#include "ui/tools/layer_calculator_window.h"

#include <QAction>
#include <QTableWidget>

namespace orv {

LayerToolCommands::LayerToolCommands(Session& session, Dialogs& dialogs, MainWindow& window)
    : m_session(session), m_dialogs(dialogs), m_window(window)
{
    m_window.setToolHook(ComponentTool::LayerCalculator,
                         [this](const ToolRequest& request) { openForBuilding(request.componentKind); });
    QAction* command = m_window.command("Ak_Wert");
    command->setEnabled(true);
    connect(command, &QAction::triggered, this, [this] { openForBuilding(1); });

    // Another building in the inputs: the table shows its layers, so the next keystroke cannot store the
    // previous building's layers into it.
    connect(&m_window, &MainWindow::buildingShown, this, [this] {
        if (m_calculator && m_calculator->isVisible() && m_calculator->target().isBuilding())
            m_calculator->k_WerteEintragen();
    });
}

LayerToolCommands::~LayerToolCommands()
{
    delete m_calculator; // it refers to the session and the dialogs
    m_window.setToolHook(ComponentTool::LayerCalculator, {});
    m_window.command("Ak_Wert")->setEnabled(false);
}

LayerCalculatorWindow* LayerToolCommands::calculator() const
{
    return m_calculator;
}

void LayerToolCommands::openForBuilding(int kind)
{
    open(LayerTarget::building(), kind, [this](const LayerHandOver& h) { handOverToBuilding(h); });
}

void LayerToolCommands::openForPreset(int slot, int kind, PresetReceiver receiver)
{
    open(LayerTarget::preset(slot), kind, [this, receiver = std::move(receiver)](const LayerHandOver& h) {
        receiver(h);
        m_window.setStatusText(QString::fromUtf8(kLayerHandedOverStatus));
    });
}

void LayerToolCommands::presetFieldsClosed()
{
    if (m_calculator && !m_calculator->target().isBuilding())
        m_calculator->dropHandOver();
}

void LayerToolCommands::closeForPreset()
{
    if (m_calculator && !m_calculator->target().isBuilding()) {
        m_calculator->dropHandOver();
        m_calculator->done(QDialog::Rejected);
    }
}

void LayerToolCommands::open(LayerTarget target, int kind, std::function<void(const LayerHandOver&)> sink)
{
    const bool created = !m_calculator;
    if (created) {
        m_calculator = new LayerCalculatorWindow(m_session, m_dialogs, &m_window);
        connect(m_calculator, &QDialog::finished, m_calculator, &QObject::deleteLater);
        m_window.registerAuxiliaryWindow(m_calculator);
    }
    if (!m_calculator->Startprozeduren(target, kind, std::move(sink))) {
        delete m_calculator;
        return;
    }
    if (created)
        placeToolWindow(*m_calculator, m_window, 20);
    m_calculator->show();
    raiseToolWindow(*m_calculator);
    m_calculator->catalogList()->setFocus(); // a hidden window cannot take it in Startprozeduren
}

void LayerToolCommands::handOverToBuilding(const LayerHandOver& handOver)
{
    handOverToInput(m_window, layerKindTexts(handOver.kind).mainField, handOver.value);
    m_session.file.BuildingModified = true;
    m_window.setStatusText(QString::fromUtf8(kLayerHandedOverStatus));
}

} // namespace orv
