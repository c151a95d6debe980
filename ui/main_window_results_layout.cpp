// The result area of the main window: the loads with their formulas, the building quantities and the
// AutoBerechnen panel over the calculate button.

#include "ui/main_window.h"

#include "ui/hint_switch.h"
#include "ui/painted_icons.h"
#include "ui/preferred_mnemonic.h"
#include "ui/result_field.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

namespace {

// "Q̇" with its subscript, as rich text.
QString symbol(const char* letter, const char* index)
{
    return QString::fromUtf8(letter) + QChar(0x0307) + "<sub>" + QString::fromUtf8(index) + "</sub>";
}

QLabel* formulaLabel(const QString& richText)
{
    auto* label = new QLabel(richText);
    label->setTextFormat(Qt::RichText);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

QWidget* MainWindow::buildLoadResults()
{
    auto* frame = new QFrame;
    frame->setObjectName("Panel1");
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->setContentsMargins(12, 10, 12, 10);

    const char* names[] = {"Panel2", "Panel3", "Panel4", "Panel5"};
    for (int i = 0; i < 4; ++i) {
        m_panels[i] = new ResultField(QString::fromLatin1(names[i]));
        QFont bold = m_panels[i]->font();
        bold.setBold(true);
        m_panels[i]->setFont(bold);
    }
    m_ventilationCaption = new QLabel("Lüftungsheizlast ");
    m_ventilationCaption->setObjectName("Label26");
    m_hintSwitch->watch(m_ventilationCaption);

    // The share in the QN formula is a label of its own: it shows the share the calculation used.
    m_shareLabel = new QLabel("0,5");
    m_shareLabel->setObjectName("Label50");
    auto* buildingFormula = new QWidget;
    auto* formulaRow = new QHBoxLayout(buildingFormula);
    formulaRow->setContentsMargins(0, 0, 0, 0);
    formulaRow->setSpacing(0);
    formulaRow->addStretch(1);
    formulaRow->addWidget(formulaLabel(symbol("Q", "N") + " = " + symbol("Q", "T") + " + "));
    formulaRow->addWidget(m_shareLabel);
    formulaRow->addWidget(formulaLabel(" · " + symbol("Q", "L") + " ="));

    auto* spacer = new QWidget;
    spacer->setFixedWidth(18);
    grid->addWidget(m_ventilationCaption, 0, 0);
    grid->addWidget(formulaLabel(symbol("Q", "L") + " ="), 0, 1);
    grid->addWidget(m_panels[0], 0, 2);
    grid->addWidget(new QLabel("Transmissionsheizlast"), 1, 0);
    grid->addWidget(formulaLabel(symbol("Q", "T") + " ="), 1, 1);
    grid->addWidget(m_panels[1], 1, 2);
    grid->addWidget(spacer, 0, 3);
    grid->addWidget(new QLabel("Gebäudeheizlast"), 0, 4);
    grid->addWidget(buildingFormula, 0, 5);
    grid->addWidget(m_panels[2], 0, 6);
    grid->addWidget(new QLabel("spezifische Gebäudeheizlast"), 1, 4);
    grid->addWidget(formulaLabel(symbol("q", "N") + " ="), 1, 5);
    grid->addWidget(m_panels[3], 1, 6);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(5, 1);
    return frame;
}

QWidget* MainWindow::buildAreaResults()
{
    auto* frame = new QFrame;
    frame->setObjectName("Panel10");
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->setContentsMargins(12, 10, 12, 10);
    const char* names[] = {"Panel6", "Panel7", "Panel8", "Panel9"};
    const char* captions[] = {
        "Gebäudegrundfläche:", "Außenwand ohne Fenster:", "Gebäudevolumen:", "A/V-Verhältnis:"};
    for (int i = 0; i < 4; ++i) {
        m_panels[4 + i] = new ResultField(QString::fromLatin1(names[i]));
        const int row = i % 2;
        const int column = i < 2 ? 0 : 3;
        grid->addWidget(new QLabel(QString::fromUtf8(captions[i])), row, column);
        grid->addWidget(m_panels[4 + i], row, column + 1);
    }
    auto* spacer = new QWidget;
    spacer->setFixedWidth(18);
    grid->addWidget(spacer, 0, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(3, 1);
    return frame;
}

QWidget* MainWindow::buildAutoCalcArea()
{
    auto* area = new QWidget;
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(5);

    // The AutoBerechnen panel lies exactly over the calculate button: one of them is shown.
    m_autoPanel = new QFrame;
    m_autoPanel->setObjectName("Panel11");
    m_autoPanel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    m_autoPanel->setAutoFillBackground(true);
    m_autoPanel->setMinimumHeight(54);
    auto* lines = new QVBoxLayout(m_autoPanel);
    lines->setContentsMargins(8, 4, 8, 4);
    lines->setSpacing(0);
    m_autoActive = new QLabel("AutoBerechnen aktiv");
    m_autoActive->setObjectName("Label21");
    m_autoFirstLine = new QLabel;
    m_autoFirstLine->setObjectName("Label24");
    m_autoSecondLine = new QLabel;
    m_autoSecondLine->setObjectName("Label28");
    for (QLabel* label : {m_autoActive, m_autoFirstLine, m_autoSecondLine}) {
        label->setAlignment(Qt::AlignCenter);
        label->setForegroundRole(QPalette::BrightText);
        lines->addWidget(label);
    }
    QFont bold = m_autoFirstLine->font();
    bold.setBold(true);
    m_autoActive->setFont(bold);
    m_autoFirstLine->setFont(bold);
    m_autoSecondLine->setFont(bold);

    m_calculateButton = new QPushButton("Heizlast &berechnen");
    m_calculateButton->setObjectName("BitBtn1");
    m_calculateButton->setIcon(paintedIcon(IconKind::Calculator));
    m_calculateButton->setMinimumHeight(54);
    connect(m_calculateButton, &QPushButton::clicked, command("AHLBerechnen"), &QAction::trigger);
    m_calculateButton->setEnabled(command("AHLBerechnen")->isEnabled());
    connect(command("AHLBerechnen"), &QAction::enabledChanged, m_calculateButton, &QWidget::setEnabled);
    auto* altB = new PreferredMnemonic(m_calculateButton, this); // the menu "&Berechnen" shares the letter
    m_calculateButton->installEventFilter(altB);
    menuBar()->installEventFilter(altB);

    m_autoCheck = new QCheckBox("Aut&oBerechnen");
    m_autoCheck->setObjectName("CheckBox1");
    connect(m_autoCheck, &QCheckBox::clicked, this, &MainWindow::CheckBox1Click);

    grid->addWidget(m_autoPanel, 0, 0);
    grid->addWidget(m_calculateButton, 0, 0);
    grid->addWidget(m_autoCheck, 1, 0);
    grid->setRowStretch(2, 1);
    return area;
}

} // namespace orv
