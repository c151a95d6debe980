#include "ui/tools/geometry_tool_commands.h"

#include "core/dialogs.h"
#include "core/session.h"
#include "tools/roof_geometry.h"
#include "ui/input_edit.h"
#include "ui/main_window.h"
#include "ui/tools/geometry_tool_support.h"
#include "ui/tools/kr_conversion_window.h"
#include "ui/tools/roof_window.h"
#include "ui/tools/window_area_window.h"

#include <QAction>

namespace orv {

namespace {

// The k key of the floor (kind 4) and of the ground-contact wall (kind 3).
KRTarget targetOf(const ToolRequest& request)
{
    return request.componentKind == 3 ? KRTarget::Wall : KRTarget::Floor;
}

// An open window is brought back (false); otherwise it is created at the first opening, kept hidden
// between openings, and is to be started (true).
template <typename Window, typename Make> bool toStart(QPointer<Window>& tool, MainWindow& window, Make make)
{
    if (tool && tool->isVisible()) {
        raiseToolWindow(*tool);
        return false;
    }
    if (!tool) {
        tool = make();
        window.registerAuxiliaryWindow(tool);
    }
    return true;
}

} // namespace

GeometryToolCommands::GeometryToolCommands(Session& session, Dialogs& dialogs, MainWindow& window,
                                           QObject* parent)
    : QObject(parent), m_session(session), m_dialogs(dialogs), m_window(window)
{
    m_window.setToolHook(ComponentTool::Roof, [this](const ToolRequest&) { openRoof(); });
    m_window.setToolHook(ComponentTool::WindowArea, [this](const ToolRequest&) { openWindowArea(); });
    m_window.setToolHook(ComponentTool::KRConversion,
                         [this](const ToolRequest& request) { openKRConversion(targetOf(request)); });
    m_window.setRoofToolAvailable(true);
    m_window.command("AFensterflaeche")->setEnabled(true);
    QAction* conversion = m_window.command("AkRUmwandlung");
    conversion->setEnabled(true);
    connect(conversion, &QAction::triggered, this, [this] { openKRConversion(KRTarget::FloorThenWall); });
    connect(&m_window, &MainWindow::buildingShown, this, &GeometryToolCommands::refill);
}

GeometryToolCommands::~GeometryToolCommands()
{
    delete m_roof;
    delete m_windowArea;
    delete m_kr;
    for (ComponentTool tool : {ComponentTool::Roof, ComponentTool::WindowArea, ComponentTool::KRConversion})
        m_window.setToolHook(tool, {});
    m_window.setRoofToolAvailable(false);
    m_window.command("AFensterflaeche")->setEnabled(false);
    m_window.command("AkRUmwandlung")->setEnabled(false);
}

RoofWindow* GeometryToolCommands::roofWindow() const
{
    return m_roof;
}

WindowAreaWindow* GeometryToolCommands::windowAreaWindow() const
{
    return m_windowArea;
}

KRConversionWindow* GeometryToolCommands::krConversionWindow() const
{
    return m_kr;
}

void GeometryToolCommands::openRoof()
{
    if (const auto refusal = roofOpeningRefusal(m_session.building)) {
        m_dialogs.show(*refusal);
        m_window.input(m_session.building.BuildingLength == 0 ? InputId::Length : InputId::Width)->setFocus();
        return;
    }
    if (toStart(m_roof, m_window, [this] { return new RoofWindow(m_session, m_dialogs, m_window); }))
        m_roof->Startprozeduren();
}

void GeometryToolCommands::openWindowArea()
{
    if (toStart(m_windowArea, m_window,
                [this] { return new WindowAreaWindow(m_session, m_dialogs, m_window); }))
        m_windowArea->Startprozeduren();
}

void GeometryToolCommands::openKRConversion(KRTarget target)
{
    if (!toStart(m_kr, m_window, [this] { return new KRConversionWindow(m_session, m_window); }))
        return;
    m_kr->setPresetFields(m_presetFloor, m_presetWall);
    m_kr->Startprozeduren(target);
}

void GeometryToolCommands::setPresetFields(QLineEdit* floor, QLineEdit* groundWall)
{
    m_presetFloor = floor;
    m_presetWall = groundWall;
    if (m_kr)
        m_kr->setPresetFields(floor, groundWall);
}

void GeometryToolCommands::closePresetConversion()
{
    if (m_kr && m_kr->isVisible() && krHandOver(m_kr->target()).toPresets)
        m_kr->done(QDialog::Rejected);
}

void GeometryToolCommands::refill()
{
    // A building without length or width leaves the roof calculator nothing to span.
    if (m_roof && m_roof->isVisible()) {
        if (roofOpeningRefusal(m_session.building))
            m_roof->hide();
        else
            m_roof->EingabenEinlesen();
    }
    if (m_windowArea && m_windowArea->isVisible())
        m_windowArea->werteEintragen();
}

} // namespace orv
