// The command table of the main window: menus, tool bar and shortcuts, the tool-bar switch and Escape.

#include "ui/main_window.h"

#include "core/dialogs.h"
#include "core/session.h"
#include "settings/settings_file.h"
#include "ui/hint_switch.h"
#include "ui/input_edit.h"
#include "ui/painted_icons.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace orv {

namespace {

// Commands carried out beyond the window (ProgramCommands and the tool commands): off until connected there.
const char* const kConnectedLater[] = {
    "ANeu",          "AOeffnen",      "ASpeichern",      "ASpeichernUnter", "ADrucken",
    "APdfSpeichern", "AGebaeudeinfo", "StartInfo",       "AInfo",           "AUmgebungsinfo",
    "Ak_Wert",       "AkRUmwandlung", "AFensterflaeche", "ADach",           "ASensibleEin"};

} // namespace

QAction* MainWindow::addCommand(const QString& name, const QString& caption, const QKeySequence& shortcut,
                                const QString& hint)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    if (!hint.isEmpty()) {
        action->setToolTip(hint);
        action->setStatusTip(hint);
    }
    addAction(action); // shortcuts work with the tool bar hidden, too
    m_commands.push_back(action);
    return action;
}

QAction* MainWindow::command(const QString& name) const
{
    return findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

void MainWindow::buildCommands()
{
    auto icon = [this](const char* name, IconKind kind) {
        command(QString::fromLatin1(name))->setIcon(paintedIcon(kind));
    };

    addCommand("ANeu", "&Neu", Qt::CTRL | Qt::Key_N, "Neues Gebäude");
    addCommand("AOeffnen", "Ö&ffnen", Qt::CTRL | Qt::Key_O, "Öffnen");
    addCommand("ASpeichern", "&Speichern", Qt::CTRL | Qt::Key_S, "Speichern");
    addCommand("ASpeichernUnter", "Speichern &unter", Qt::Key_F12, {});
    addCommand("ADrucken", "&Drucken", Qt::CTRL | Qt::Key_P, "Drucken...");
    addCommand("APdfSpeichern", "Als &PDF speichern...", {}, "Berechnung als PDF-Datei speichern");
    for (int i = 0; i < 4; ++i) {
        m_recentFiles[i] = addCommand(QStringLiteral("ADatei%1").arg(i + 1), {}, {}, {});
        m_recentFiles[i]->setVisible(false);
    }
    addCommand("ABeenden", "&Beenden", Qt::ALT | Qt::Key_F4, "Beenden");

    addCommand("Ak_Einfg_wsvo", "nach &WSVO95", Qt::CTRL | Qt::Key_W,
               "k-Werte nach Wärmeschutzverordung95 einfügen");
    for (int i = 0; i < 5; ++i)
        m_presetCommands[i] = addCommand(QStringLiteral("Ak_Einfg_%1").arg(i + 1), {},
                                         QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + i)), {});
    addCommand("Ak_Einfg_eigener", "&eigener k-Wert", Qt::CTRL | Qt::Key_E, "Eigene k-Werte einfügen");
    addCommand("Ak_Einfg_alter", "alten k-Wert &zurückholen", Qt::CTRL | Qt::Key_Z,
               "Eingegebene Werte zurückholen");

    addCommand("AHLBerechnen", "&HEIZLAST", Qt::Key_F11, {});
    // The menu shows the short caption; the command's own caption is "&k/R-Wert berechnen".
    addCommand("Ak_Wert", "&k/R-Wert", Qt::Key_F3, "k-Wert-Berechnung")->setIconText("&k/R-Wert berechnen");
    addCommand("AkRUmwandlung", "k/&R-Umwandlung", Qt::Key_F4, "k-Wert in R-Wert umwandeln und umgekehrt");
    addCommand("AFensterflaeche", "&Fensterfläche", Qt::Key_F5, {});
    addCommand("ADach", "&Dachfläche/-volumen", Qt::Key_F6, {});

    addCommand("AEinzelergebnisse", "&Einzelergebnisse", Qt::Key_F2,
               "Ansicht Einzelergebnisse der Transmissionsheizlast");
    addCommand("AGebaeudeinfo", "&Gebäudeinfo", Qt::Key_F7, "zusätzliche Gebäudeinformationen");
    addCommand("StartInfo", "&Willkommensfenster ", Qt::CTRL | Qt::Key_I, {});
    addCommand("AlleFensterschlieen1", "&alle Fenster schließen", Qt::CTRL | Qt::Key_Y, {});
    addCommand("AFensterSchliessen", "&alle Fenster schließen", {},
               "Schließt alle geöffneten Fenster außer dem Haupteingabefenster");
    addCommand("ASymbolleisteAnzeigen", "&Symbolleiste anzeigen", Qt::CTRL | Qt::Key_A, {})
        ->setCheckable(true);

    addCommand("AVorgaben", "&Vorgaben / Gebäude-Werte", Qt::Key_F8,
               "Vorgaben + Werte des Gebäudes einstellen");
    addCommand("Ak_Buttons", "&k-Wert Buttons", Qt::Key_F10, {});
    addCommand("AAllgemein", "&Programmoptionen", Qt::Key_F9, {});
    addCommand("ASensibleEin", "&Sensible Werte", Qt::SHIFT | Qt::Key_F9, {});
    addCommand("AInfo", "&Programminfo", Qt::Key_F1, "Programminformationen");
    addCommand("AUmgebungsinfo", "&Systeminfo", Qt::CTRL | Qt::Key_F1, {})->setIconText("&Umgebungsinfo");

    // Escape asks before the program ends; not a menu item.
    addCommand("AEscape", {}, Qt::Key_Escape, {});

    icon("ANeu", IconKind::New);
    icon("AOeffnen", IconKind::Open);
    icon("ASpeichern", IconKind::Save);
    icon("ADrucken", IconKind::Print);
    icon("ABeenden", IconKind::Exit);
    icon("Ak_Einfg_alter", IconKind::TakeBack);
    icon("Ak_Einfg_eigener", IconKind::OwnValues);
    icon("Ak_Einfg_wsvo", IconKind::OrdinanceValues);
    for (int i = 0; i < 5; ++i)
        m_presetCommands[i]->setIcon(paintedIcon(IconKind(int(IconKind::Preset1) + i)));
    icon("AkRUmwandlung", IconKind::KRConversion);
    icon("Ak_Wert", IconKind::LayerCalculator);
    icon("AEinzelergebnisse", IconKind::SingleResults);
    icon("AGebaeudeinfo", IconKind::BuildingInfo);
    icon("AVorgaben", IconKind::Settings);
    icon("AInfo", IconKind::ProgramInfo);
    icon("AFensterflaeche", IconKind::Calculator);
    icon("ADach", IconKind::Calculator);

    for (const char* name : kConnectedLater)
        command(QString::fromLatin1(name))->setEnabled(false);
    command("Ak_Einfg_alter")->setEnabled(false);

    connect(command("ABeenden"), &QAction::triggered, this, &QWidget::close);
    connect(command("AHLBerechnen"), &QAction::triggered, this, &MainWindow::HLBerechnen);
    connect(command("Ak_Einfg_wsvo"), &QAction::triggered, this, [this] { k_Einfg(6); });
    for (int i = 0; i < 5; ++i)
        connect(m_presetCommands[i], &QAction::triggered, this, [this, i] { k_Einfg(i + 1); });
    connect(command("Ak_Einfg_eigener"), &QAction::triggered, this, [this] { k_Einfg(7); });
    connect(command("Ak_Einfg_alter"), &QAction::triggered, this, &MainWindow::Ak_Einfg_alterExecute);
    connect(command("ADach"), &QAction::triggered, this,
            [this] { requestTool(InputId::RoofArea, ToolKey::B); });
    connect(command("AFensterflaeche"), &QAction::triggered, this,
            [this] { requestTool(InputId::WindowArea, ToolKey::B); });
    connect(command("AlleFensterschlieen1"), &QAction::triggered, this, &MainWindow::AlleFensterSchliessen);
    connect(command("AFensterSchliessen"), &QAction::triggered, this, &MainWindow::AlleFensterSchliessen);
    connect(command("ASymbolleisteAnzeigen"), &QAction::triggered, this, &MainWindow::toggleToolBar);
    connect(command("AEscape"), &QAction::triggered, this, &MainWindow::confirmEscape);
}

void MainWindow::buildMenus()
{
    auto add = [this](QMenu* menu, const char* name) { menu->addAction(command(QString::fromLatin1(name))); };

    QMenu* file = menuBar()->addMenu("&Datei");
    for (const char* name : {"ANeu", "AOeffnen", "ASpeichern", "ASpeichernUnter"})
        add(file, name);
    file->addSeparator();
    add(file, "ADrucken");
    add(file, "APdfSpeichern");
    file->addSeparator();
    for (QAction* recent : m_recentFiles)
        file->addAction(recent);
    m_recentSeparator = file->addSeparator();
    m_recentSeparator->setVisible(false); // shown only with a visible recent-file entry
    add(file, "ABeenden");

    QMenu* insert = menuBar()->addMenu("&Einfügen");
    QMenu* kValue = insert->addMenu("&k-Wert");
    add(kValue, "Ak_Einfg_wsvo");
    kValue->addSeparator();
    for (QAction* preset : m_presetCommands)
        kValue->addAction(preset);
    add(insert, "Ak_Einfg_eigener");
    insert->addSeparator();
    add(insert, "Ak_Einfg_alter");

    QMenu* calculate = menuBar()->addMenu("&Berechnen");
    add(calculate, "AHLBerechnen");
    calculate->addSeparator();
    for (const char* name : {"Ak_Wert", "AkRUmwandlung", "AFensterflaeche", "ADach"})
        add(calculate, name);

    QMenu* view = menuBar()->addMenu("&Ansicht");
    for (const char* name : {"AEinzelergebnisse", "AGebaeudeinfo", "StartInfo"})
        add(view, name);
    view->addSeparator();
    add(view, "AlleFensterschlieen1");
    view->addSeparator();
    add(view, "ASymbolleisteAnzeigen");

    QMenu* settings = menuBar()->addMenu("E&instellungen");
    add(settings, "AVorgaben");
    add(settings, "Ak_Buttons");
    settings->addSeparator();
    add(settings, "AAllgemein");
    settings->addSeparator();
    add(settings, "ASensibleEin");

    QMenu* help = menuBar()->addMenu("&?");
    add(help, "AInfo");
    help->addSeparator();
    add(help, "AUmgebungsinfo");

    for (QMenu* menu : {file, insert, kValue, calculate, view, settings, help})
        menu->setToolTipsVisible(false);
}

void MainWindow::buildToolBar()
{
    m_toolBar = new QToolBar("Symbolleiste", this);
    m_toolBar->setObjectName("ToolBar1");
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(22, 22));
    m_toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    auto add = [this](const char* name) { m_toolBar->addAction(command(QString::fromLatin1(name))); };

    add("ANeu");
    add("AOeffnen");
    add("ASpeichern");
    m_toolBar->addSeparator();
    add("ADrucken");
    m_toolBar->addSeparator();
    add("Ak_Einfg_alter");
    add("Ak_Einfg_eigener");
    add("Ak_Einfg_wsvo");
    for (QAction* preset : m_presetCommands)
        m_toolBar->addAction(preset);
    m_toolBar->addSeparator();
    add("AkRUmwandlung");
    add("Ak_Wert");
    m_toolBar->addSeparator();
    add("AEinzelergebnisse");
    m_toolBar->addSeparator();
    add("AGebaeudeinfo");

    m_designation = new InputEdit(InputEdit::Filter::None);
    m_designation->setObjectName("Edit14");
    m_designation->setMaxLength(60);
    m_designation->setFixedWidth(220);
    m_designation->setPlaceholderText("Gebäudebezeichnung");
    m_designation->setAccessibleName("Gebäudebezeichnung");
    m_designation->setWindowShortcutTest([this](const QKeySequence& s) { return isWindowShortcut(s); });
    setHint(m_designation,
            "Gebäudebezeichnung (Ändern: Direkteingabe oder Doppelklick oder F7). Unter diesem "
            "Namen wird auch Vorgeschlagen zu Speichern.");
    m_hintSwitch->watch(m_designation);
    connect(m_designation, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_session.building.BuildingName = text.left(60);
        if (!text.isEmpty())
            m_session.building.HasBuildingInfo = true;
        m_session.file.BuildingModified = true; // a renamed building is a changed one
    });
    connect(m_designation, &InputEdit::doubleClicked, command("AGebaeudeinfo"), &QAction::trigger);
    m_toolBar->addWidget(m_designation);

    m_toolBar->addSeparator();
    add("AVorgaben");
    add("AInfo");
    add("ABeenden");
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

bool MainWindow::isWindowShortcut(const QKeySequence& sequence) const
{
    for (const QAction* action : m_commands)
        if (action->isEnabled() && action->isVisible() && action->shortcut() == sequence)
            return true;
    return false;
}

void MainWindow::toggleToolBar(bool show)
{
    m_session.settings.ShowToolbar = show;
    command("ASymbolleisteAnzeigen")->setChecked(show);
    if (m_toolBar->isHidden() != show)
        return;
    const int toolBarHeight = show ? m_toolBar->sizeHint().height() : m_toolBar->height();
    const int newHeight = height() + (show ? toolBarHeight : -toolBarHeight);
    m_toolBar->setVisible(show);
    layout()->activate(); // the window's minimum size follows the tool bar before it is resized
    if (!isMaximized() && !isFullScreen())
        resize(width(), newHeight);
    Vorgaben_Speichern(m_session.settings, m_session.programDir, m_dialogs);
}

void MainWindow::confirmEscape()
{
    const Message question{"Programm beenden?", "ESC gedrückt", MessageIcon::Warning, MessageButtons::YesNo};
    if (m_dialogs.show(question) == MessageAnswer::Yes)
        close();
}

} // namespace orv
