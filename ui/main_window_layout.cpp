// The controls of the main window and their arrangement: the input groups on top, the results heading, then
// the result area (main_window_results_layout.cpp).

#include "ui/main_window.h"

#include "ui/hint_switch.h"
#include "ui/input_edit.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace orv {

namespace {

constexpr int kInputWidth = 76;

const char* controlName(InputId id)
{
    switch (id) {
    case InputId::Length:
        return "Edit1";
    case InputId::Width:
        return "Edit2";
    case InputId::HeatedHeight:
        return "Edit3";
    case InputId::KOuterWall:
        return "Edit5";
    case InputId::KWindow:
        return "Edit6";
    case InputId::RFloor:
        return "Edit7";
    case InputId::KRoof:
        return "Edit8";
    case InputId::Storeys:
        return "Edit9";
    case InputId::WindowArea:
        return "Edit11";
    case InputId::RoofArea:
        return "Edit4";
    case InputId::RoofVolume:
        return "Edit13";
    case InputId::GableArea:
        return "Edit10";
    case InputId::RGroundWall:
        return "Edit12";
    case InputId::GroundWallHeight:
        return "Edit17";
    }
    return "";
}

QLabel* unitLabel(const QString& unit)
{
    auto* label = new QLabel(unit);
    label->setMinimumWidth(52);
    return label;
}

// A grid row "caption  [input]  unit".
void addInputRow(QGridLayout* grid, int row, QLabel* caption, QWidget* input, const QString& unit)
{
    grid->addWidget(caption, row, 0);
    grid->addWidget(input, row, 1);
    if (!unit.isEmpty())
        grid->addWidget(unitLabel(unit), row, 2);
}

QGridLayout* inputGrid(QWidget* group)
{
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(0, 1);
    return grid;
}

// Prefers the whole form, but lets the window become smaller than it, with scroll bars.
class FormScrollArea final : public QScrollArea
{
  public:
    QSize sizeHint() const override
    {
        return widget() ? widget()->sizeHint() + QSize(2 * frameWidth(), 2 * frameWidth())
                        : QScrollArea::sizeHint();
    }
};

} // namespace

InputEdit* MainWindow::makeInput(InputId id, InputEdit::Filter filter, const QString& hint)
{
    auto* edit = new InputEdit(filter);
    edit->setObjectName(QString::fromLatin1(controlName(id)));
    edit->setFixedWidth(kInputWidth);
    edit->setAlignment(Qt::AlignRight);
    edit->setWindowShortcutTest([this](const QKeySequence& s) { return isWindowShortcut(s); });
    setHint(edit, hint);
    m_hintSwitch->watch(edit);
    m_inputs[static_cast<int>(id)] = edit;

    connect(edit, &QLineEdit::textChanged, this, [this, id] { EditChange(id); });
    connect(edit, &InputEdit::characterTyped, this, [this, filter](QChar key) {
        m_counters.LastKey = QString(key);
        if (filter == InputEdit::Filter::Real)
            ++m_counters.KeyPressCount;
    });
    connect(edit, &InputEdit::toolKeyPressed, this, [this, id](ToolKey key) { requestTool(id, key); });
    connect(edit, &InputEdit::doubleClicked, this, [this, id] { requestTool(id, ToolKey::B); });
    return edit;
}

QLabel* MainWindow::makeCaption(const QString& text, QWidget* buddy, const QString& hint)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    if (!hint.isEmpty())
        setHint(label, hint);
    m_hintSwitch->watch(label);
    return label;
}

QWidget* MainWindow::buildDimensionsGroup()
{
    auto* group = new QGroupBox("Abmessungen (Innenmaße)");
    auto* grid = inputGrid(group);
    const QString heightHint = "Höhe von Oberkante Erdreich bis Unterkante Dach";
    auto* length = makeInput(InputId::Length, InputEdit::Filter::Real, "Innere Länge des Gebäudes");
    auto* width = makeInput(InputId::Width, InputEdit::Filter::Real, "Innere Breite des Gebäudes");
    auto* height = makeInput(InputId::HeatedHeight, InputEdit::Filter::Real, heightHint);
    addInputRow(grid, 0, makeCaption("&Länge:", length), length, "m");
    addInputRow(grid, 1, makeCaption("B&reite:", width), width, "m");
    m_heightCaption = makeCaption("beheizte &Höhe:", height, heightHint);
    addInputRow(grid, 2, m_heightCaption, height, "m");
    // The second line of the height caption, shown while the cellar is heated; its room is kept so that
    // nothing moves when the cellar is switched.
    m_heightSecondLine = new QLabel("über Erdreich!");
    m_heightSecondLine->setObjectName("HeightSecondLine");
    setHint(m_heightSecondLine, heightHint);
    m_hintSwitch->watch(m_heightSecondLine);
    QSizePolicy keepRoom = m_heightSecondLine->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    m_heightSecondLine->setSizePolicy(keepRoom);
    grid->addWidget(m_heightSecondLine, 3, 0);
    grid->setRowStretch(4, 1);
    return group;
}

QWidget* MainWindow::buildComponentsGroup()
{
    auto* group = new QGroupBox("k-Werte / R-Wert");
    auto* grid = inputGrid(group);
    auto* wall = makeInput(InputId::KOuterWall, InputEdit::Filter::Real,
                           "k-Wert der freistehenden Außenwand (b: Berechnen)");
    auto* window = makeInput(InputId::KWindow, InputEdit::Filter::Real, "k-Wert der Fenster");
    auto* floor = makeInput(InputId::RFloor, InputEdit::Filter::Real,
                            "R-Wert des Fußbodens zum Erdreich (k: k/R-Umwandlung, b: Berechnen)");
    auto* roof = makeInput(InputId::KRoof, InputEdit::Filter::Real,
                           "k-Wert der Decke zum Dach bzw. des Flachdachs (b: Berechnen)");
    addInputRow(grid, 0, makeCaption("Au&ßenwand:", wall), wall, "W/(m²K)");
    addInputRow(grid, 1, makeCaption("&Fenster:", window), window, "W/(m²K)");
    addInputRow(grid, 2, makeCaption("R-&Wert FB:", floor), floor, "m²K/W");
    m_roofComponentCaption = makeCaption("Da&ch/Decke:", roof);
    m_roofComponentCaption->setObjectName("RoofComponentCaption");
    addInputRow(grid, 3, m_roofComponentCaption, roof, "W/(m²K)");
    grid->setRowStretch(4, 1);
    return group;
}

QWidget* MainWindow::buildOtherGroup()
{
    auto* column = new QWidget;
    auto* box = new QVBoxLayout(column);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(10);

    auto* group = new QGroupBox("Sonstiges");
    auto* grid = inputGrid(group);
    auto* storeys = makeInput(
        InputId::Storeys, InputEdit::Filter::Integer,
        "Anzahl der beheizten Geschosse einschließlich beheiztem Dach- und Kellergeschoss (1 bis 50)");
    connect(storeys, &QLineEdit::textEdited, this, [this] { m_flags.StoreysFollowHeight = false; });
    connect(storeys, &InputEdit::stepRequested, this, &MainWindow::stepStoreys);

    // The up-down control of the storeys; the arrow keys in the input do the same.
    auto* upDown = new QWidget;
    upDown->setObjectName("UpDown2");
    auto* arrows = new QVBoxLayout(upDown);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    for (const int delta : {1, -1}) {
        auto* arrow = new QToolButton;
        arrow->setArrowType(delta > 0 ? Qt::UpArrow : Qt::DownArrow);
        arrow->setFixedSize(18, 12);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setAccessibleName(delta > 0 ? "Geschosse erhöhen" : "Geschosse verringern");
        arrow->setAutoRepeat(true);
        connect(arrow, &QToolButton::clicked, this, [this, delta] { stepStoreys(delta); });
        arrows->addWidget(arrow);
    }
    // Input and up-down sit in the group's own grid, so that the caption stays the input's buddy for
    // screen readers.
    grid->addWidget(makeCaption("beheizte &Geschosse:", storeys), 0, 0);
    grid->addWidget(storeys, 0, 1);
    grid->addWidget(upDown, 0, 2, Qt::AlignLeft);

    auto* windows = makeInput(InputId::WindowArea, InputEdit::Filter::Real,
                              "Gesamte Fläche aller Fenster in den Außenwänden (b: Berechnen)");
    auto* windowTool = new QToolButton;
    windowTool->setObjectName("WindowAreaButton");
    windowTool->setDefaultAction(command("AFensterflaeche"));
    windowTool->setFocusPolicy(Qt::NoFocus);
    addInputRow(grid, 1, makeCaption("gesa&mte Fensterfläche:", windows), windows, "m²");
    grid->addWidget(windowTool, 1, 3);
    box->addWidget(group, 1);

    // The temperature line; a double-click opens the building values.
    auto* temperatures = new QFrame;
    temperatures->setObjectName("TemperaturePanel");
    temperatures->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* temperatureBox = new QHBoxLayout(temperatures);
    temperatureBox->setContentsMargins(8, 4, 8, 4);
    m_temperatureLine = new QLabel;
    m_temperatureLine->setObjectName("TemperatureLine");
    setHint(m_temperatureLine, "Festlegung der Temperaturen: Doppelklick");
    m_hintSwitch->watch(m_temperatureLine);
    temperatureBox->addWidget(m_temperatureLine);
    temperatures->installEventFilter(this);
    m_temperatureLine->installEventFilter(this);
    box->addWidget(temperatures);
    return column;
}

QWidget* MainWindow::buildRoofGroup()
{
    auto* group = new QGroupBox("Dachraum beheizt?");
    auto* row = new QHBoxLayout(group);
    auto* choices = new QVBoxLayout;
    m_radio[0] = new QRadioButton("&unbeheizt/Flachdach");
    m_radio[1] = new QRadioButton("behei&zt");
    m_radio[0]->setObjectName("RadioButton1");
    m_radio[1]->setObjectName("RadioButton2");
    choices->addWidget(m_radio[0]);
    choices->addWidget(m_radio[1]);
    choices->addStretch(1);
    row->addLayout(choices);
    row->addSpacing(16);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    auto* area = makeInput(InputId::RoofArea, InputEdit::Filter::Real,
                           "Gesamte Fläche des Dachs über dem beheizten Dachraum (b: Berechnen)");
    auto* volume = makeInput(InputId::RoofVolume, InputEdit::Filter::Real,
                             "Volumen des beheizten Dachraums (b: Berechnen)");
    auto* gable = makeInput(InputId::GableArea, InputEdit::Filter::Real,
                            "Fläche der beiden Giebelwände (b: Berechnen)");
    const struct
    {
        const char* caption;
        InputEdit* edit;
        const char* unit;
    } rows[] = {{"Fl&äche Dach:", area, "m²"}, {"&Volumen:", volume, "m³"}, {"Fläche Giebel:", gable, "m²"}};
    for (int i = 0; i < 3; ++i) {
        auto* caption = makeCaption(QString::fromUtf8(rows[i].caption), rows[i].edit);
        auto* unit = unitLabel(QString::fromUtf8(rows[i].unit));
        grid->addWidget(caption, i, 0);
        grid->addWidget(rows[i].edit, i, 1);
        grid->addWidget(unit, i, 2);
        m_roofControls.insert(m_roofControls.end(), {caption, rows[i].edit, unit});
    }
    auto* roofTool = new QToolButton;
    roofTool->setObjectName("RoofToolButton");
    roofTool->setDefaultAction(command("ADach"));
    roofTool->setToolTip("Dachfläche, -volumen und -giebel berechnen");
    roofTool->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(roofTool, 0, 3);
    grid->setColumnStretch(4, 1);
    row->addLayout(grid, 1);

    for (int i = 0; i < 2; ++i)
        connect(m_radio[i], &QRadioButton::clicked, this, [this, i] { RadioButtonClick(i); });
    return group;
}

QWidget* MainWindow::buildCellarGroup()
{
    auto* group = new QGroupBox("Keller beheizt?");
    auto* grid = inputGrid(group);
    m_radio[2] = new QRadioButton("u&nbeheizt/nicht vorhanden");
    m_radio[3] = new QRadioButton("beheiz&t");
    m_radio[2]->setObjectName("RadioButton3");
    m_radio[3]->setObjectName("RadioButton4");
    auto* choices = new QHBoxLayout;
    choices->addWidget(m_radio[2]);
    choices->addWidget(m_radio[3]);
    choices->addStretch(1);
    grid->addLayout(choices, 0, 0, 1, 3);

    auto* resistance = makeInput(InputId::RGroundWall, InputEdit::Filter::Real,
                                 "R-Wert der erdreichberührten Außenwand (k: k/R-Umwandlung, b: Berechnen)");
    auto* height =
        makeInput(InputId::GroundWallHeight, InputEdit::Filter::Real,
                  "Höhe der erdreichberührten Außenwand (Unterkante Gebäude bis Oberkante Erdreich)");
    auto* resistanceCaption = makeCaption("R-Wer&t Wand:", resistance);
    auto* heightCaption = makeCaption("H&öhe erdreichberührend:", height);
    auto* resistanceUnit = unitLabel("m²K/W");
    auto* heightUnit = unitLabel("m");
    grid->addWidget(resistanceCaption, 1, 0);
    grid->addWidget(resistance, 1, 1);
    grid->addWidget(resistanceUnit, 1, 2);
    grid->addWidget(heightCaption, 2, 0);
    grid->addWidget(height, 2, 1);
    grid->addWidget(heightUnit, 2, 2);
    grid->setRowStretch(3, 1);
    m_cellarControls = {resistanceCaption, resistance, resistanceUnit, heightCaption, height, heightUnit};

    for (int i = 2; i < 4; ++i)
        connect(m_radio[i], &QRadioButton::clicked, this, [this, i] { RadioButtonClick(i); });
    return group;
}

void MainWindow::buildCentralWidget()
{
    auto* central = new QWidget;
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(10, 14, 10, 10);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(0);

    // The input panel: three groups, the roof space and the cellar below them.
    m_inputPanel = buildDimensionsGroup();
    m_inputPanel->setObjectName("Panel14");
    grid->addWidget(m_inputPanel, 0, 0);
    grid->addWidget(buildComponentsGroup(), 0, 1);
    grid->addWidget(buildOtherGroup(), 0, 2);
    grid->setRowMinimumHeight(1, 14);
    grid->addWidget(buildRoofGroup(), 2, 0, 1, 2);
    grid->addWidget(buildCellarGroup(), 2, 2);
    grid->setRowMinimumHeight(3, 10);

    // Results heading with its divider and the increase notice beside it.
    auto* heading = new QWidget;
    heading->setObjectName("Panel15");
    auto* headingRow = new QHBoxLayout(heading);
    headingRow->setContentsMargins(0, 0, 0, 0);
    auto* title = new QLabel("Ergebnisse der Heizlastberechnung");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* divider = new QFrame;
    divider->setObjectName("Panel13");
    divider->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    m_increaseNotice = new QLabel;
    m_increaseNotice->setObjectName("Panel12");
    m_increaseNotice->setFont(bold);
    QPalette red = m_increaseNotice->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    m_increaseNotice->setPalette(red);
    setHint(m_increaseNotice, "Ändern: Strg+Shift+F1, Paßwort: KORVELIN");
    headingRow->addWidget(title);
    headingRow->addWidget(divider, 1);
    headingRow->addWidget(m_increaseNotice);
    grid->addWidget(heading, 4, 0, 1, 3);
    grid->setRowMinimumHeight(5, 8);

    grid->addWidget(buildLoadResults(), 6, 0, 1, 3);
    grid->setRowMinimumHeight(7, 14);
    grid->addWidget(buildAreaResults(), 8, 0, 1, 2);
    grid->addWidget(buildAutoCalcArea(), 8, 2);
    grid->setRowStretch(9, 1);
    for (int column = 0; column < 3; ++column)
        grid->setColumnStretch(column, 1);
    // Scroll bars appear only where the screen is smaller than the form (800 × 600 opens maximised).
    m_scrollArea = new FormScrollArea;
    m_scrollArea->setObjectName("FormScrollArea");
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setWidget(central);
    setCentralWidget(m_scrollArea);
    arrangeTabOrder();
}

void MainWindow::arrangeTabOrder()
{
    using enum InputId;
    const QList<QWidget*> chain = {
        input(Length), input(Width),       input(HeatedHeight),     input(KOuterWall), input(KWindow),
        input(RFloor), input(KRoof),       input(Storeys),          input(WindowArea), m_radio[0],
        m_radio[1],    input(RoofArea),    input(RoofVolume),       input(GableArea),  m_radio[2],
        m_radio[3],    input(RGroundWall), input(GroundWallHeight), m_calculateButton, m_autoCheck,
        m_designation};
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

} // namespace orv
