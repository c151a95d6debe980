#include "ui/results/single_results_window.h"

#include "core/session.h"
#include "core/single_results.h"
#include "ui/escape_key.h"
#include "ui/main_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

namespace {

QLabel* valuePanel(const QString& name)
{
    auto* panel = new QLabel;
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    panel->setMinimumWidth(90);
    return panel;
}

QLabel* shareLabel(const QString& name)
{
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(55);
    return label;
}

} // namespace

SingleResultsWindow::SingleResultsWindow(Session& session, MainWindow& window)
    : QWidget(&window, Qt::Window), m_session(session), m_window(window)
{
    setObjectName("SingleResultsWindow");
    handleEscapeIn(*this, [this] { closeForGood(); });
    setWindowTitle("Einzelergebnisse Transmissionsheizlast");
    static const int shareNames[SingleResultTexts::kShares] = {8, 9, 10, 11, 12, 13, 14, 17};
    for (int i = 0; i < SingleResultTexts::kValues; ++i)
        m_values[i] = valuePanel(QString("Panel%1").arg(i + 1));
    for (int i = 0; i < SingleResultTexts::kShares; ++i)
        m_shares[i] = shareLabel(QString("Label%1").arg(shareNames[i]));

    auto row = [this](QGridLayout* grid, int line, QLabel* caption, int index) {
        caption->setBuddy(m_values[index]);
        m_values[index]->setAccessibleName(caption->text());
        grid->addWidget(caption, line, 0);
        grid->addWidget(m_values[index], line, 1);
        grid->addWidget(m_shares[index], line, 2);
    };

    auto* ground = new QGroupBox("Wärmeabgabe an das Erdreich");
    auto* groundGrid = new QGridLayout(ground);
    row(groundGrid, 0, new QLabel("Außenwand erdreichber.:"), 0);
    row(groundGrid, 1, new QLabel("Kellerboden/Fußboden:"), 1);
    row(groundGrid, 2, new QLabel("GESAMT:"), 2);
    m_groundGroup = ground;

    auto* air = new QGroupBox("Wärmeabgabe an die Außenluft ");
    auto* airGrid = new QGridLayout(air);
    row(airGrid, 0, new QLabel("Außenwand über Erdreich:"), 3);
    row(airGrid, 1, new QLabel("Fenster:"), 4);
    m_roofCaption = new QLabel(singleResultsRoofCaption(false));
    row(airGrid, 2, m_roofCaption, 5);
    row(airGrid, 3, new QLabel("GESAMT:"), 6);
    m_airGroup = air;

    auto* totals = new QGridLayout;
    auto* qtCaption = new QLabel("Transmissionsheizlast Q<sub>T</sub>:");
    qtCaption->setTextFormat(Qt::RichText);
    row(totals, 0, qtCaption, 7);
    m_values[7]->setAccessibleName("Transmissionsheizlast QT:");
    m_values[7]->setToolTip("Gesamte Transmissionsheizlast");
    auto* meanCaption = new QLabel("mittlerer k-Wert Gebäude:");
    meanCaption->setBuddy(m_values[8]);
    m_values[8]->setAccessibleName(meanCaption->text());
    totals->addWidget(meanCaption, 1, 0);
    totals->addWidget(m_values[8], 1, 1);
    totals->addWidget(new QLabel("W/(m²K)"), 1, 2);

    m_close = new QPushButton("&Schließen");
    m_close->setObjectName("CloseButton");
    connect(m_close, &QPushButton::clicked, this, &SingleResultsWindow::closeForGood);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ground);
    layout->addWidget(air);
    layout->addLayout(totals);
    layout->addStretch(1); // the extra height of the placement stays below the rows
    layout->addWidget(m_close, 0, Qt::AlignRight);
}

void SingleResultsWindow::place()
{
    const QRect main = m_window.frameGeometry();
    const int width = m_groundGroup->sizeHint().width() + 30 + m_session.settings.WindowGrowVertical;
    const int height = m_groundGroup->sizeHint().height() + m_airGroup->sizeHint().height() +
                       m_close->sizeHint().height() + 150 + m_session.settings.WindowGrowHorizontal;
    resize(std::max(width, minimumSizeHint().width()), std::max(height, minimumSizeHint().height()));
    move(main.left() + (main.width() - frameGeometry().width()) / 2, main.top() + 68);
}

void SingleResultsWindow::WerteEintragen()
{
    m_roofCaption->setText(singleResultsRoofCaption(m_session.building.RoofSpaceHeated));
    const auto texts = singleResultTexts(m_session.building, m_session.results);
    if (!texts) {
        EinzelergebnisseLoeschen();
        return;
    }
    for (int i = 0; i < SingleResultTexts::kValues; ++i) {
        m_values[i]->setText(texts->values[i]);
        m_values[i]->setEnabled(true);
    }
    for (int i = 0; i < SingleResultTexts::kShares; ++i) {
        m_shares[i]->setText(texts->shares[i]);
        m_shares[i]->setEnabled(true);
    }
}

void SingleResultsWindow::EinzelergebnisseLoeschen()
{
    // Greyed as well as empty, so nobody mistakes the window for a result of the current inputs.
    for (QLabel* value : m_values) {
        value->clear();
        value->setEnabled(false);
    }
    for (QLabel* share : m_shares) {
        share->clear();
        share->setEnabled(false);
    }
}

QString SingleResultsWindow::valueText(int row) const
{
    return row >= 0 && row < SingleResultTexts::kValues ? m_values[row]->text() : QString();
}

QString SingleResultsWindow::shareText(int row) const
{
    return row >= 0 && row < SingleResultTexts::kShares ? m_shares[row]->text() : QString();
}

QString SingleResultsWindow::roofCaption() const
{
    return m_roofCaption->text();
}

bool SingleResultsWindow::isEmptied() const
{
    for (QLabel* value : m_values)
        if (!value->text().isEmpty())
            return false;
    return true;
}

void SingleResultsWindow::closeForGood()
{
    m_closing = true;
    close();
}

void SingleResultsWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (m_closing)
        emit closedForGood();
}

} // namespace orv
