#include "ui/info/state_display.h"

#include "core/session.h"
#include "core/state_display.h"
#include "ui/main_window.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace orv {

namespace {

QLabel* valueLabel(const QString& caption, const char* name)
{
    auto* label = new QLabel;
    label->setObjectName(QString::fromUtf8(name));
    label->setAccessibleDescription(caption); // the caption stays the label beside it
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QFormLayout* compactForm(QWidget* parent)
{
    auto* form = new QFormLayout(parent);
    form->setContentsMargins(4, 2, 4, 2);
    form->setHorizontalSpacing(4);
    form->setVerticalSpacing(0);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return form;
}

} // namespace

StateDisplay::StateDisplay(Session& session, MainWindow& window)
    : QWidget(&window, Qt::Window | Qt::WindowStaysOnTopHint), m_session(session), m_window(window)
{
    setObjectName("VariablenAnzeige");
    setWindowTitle("VariablenAnzeige");
    setAttribute(Qt::WA_DeleteOnClose);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    setFont(small);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(4);
    layout->addWidget(buildStatusAndCounters(), 0, Qt::AlignTop);
    m_details = buildDetails();
    layout->addWidget(m_details, 1, Qt::AlignTop);

    m_timer.setInterval(kRefreshInterval);
    connect(&m_timer, &QTimer::timeout, this, &StateDisplay::refresh);
}

QWidget* StateDisplay::buildStatusAndCounters()
{
    auto* column = new QWidget;
    column->setFixedWidth(kCollapsedWidth - 6);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);

    auto* booleans = new QGroupBox("BOOLEANS:");
    auto* words = new QVBoxLayout(booleans);
    words->setContentsMargins(4, 2, 4, 2);
    words->setSpacing(0);
    const char* names[] = {"Geoeffnet", "Gespeichert", "Geaendert", "Berechnet"};
    for (int i = 0; i < 4; ++i) {
        m_status[i] = new QLabel;
        m_status[i]->setObjectName(QString::fromLatin1(names[i]));
        words->addWidget(m_status[i]);
    }
    layout->addWidget(booleans);

    auto* counters = new QGroupBox("Zähler:");
    QFormLayout* form = compactForm(counters);
    for (int i = 0; i < kStateCounters; ++i) {
        const QString caption = QString::fromUtf8(kStateCounterCaptions[i]);
        m_counters[i] = valueLabel(caption, kStateCounterCaptions[i]);
        form->addRow(new QLabel(caption), m_counters[i]);
    }
    layout->addWidget(counters);

    auto* reset = new QPushButton("&Reset");
    reset->setObjectName("ResetButton");
    reset->setToolTip("Setzt die sechs Zähler auf 0");
    connect(reset, &QPushButton::clicked, this, &StateDisplay::resetCounters);
    m_expand = new QPushButton("&Erweitert");
    m_expand->setObjectName("ExpandButton");
    m_expand->setCheckable(true);
    m_expand->setToolTip("Alle Werte anzeigen oder nur Status und Zähler");
    connect(m_expand, &QPushButton::toggled, this, &StateDisplay::setExpanded);
    auto* close = new QPushButton("&Schließen");
    close->setObjectName("CloseButton");
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    for (QPushButton* button : {reset, m_expand, close})
        layout->addWidget(button);
    return column;
}

QWidget* StateDisplay::buildDetails()
{
    auto* details = new QWidget;
    details->setFixedWidth(kExpandedWidth - kCollapsedWidth - 4);
    auto* grid = new QGridLayout(details);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(3);

    auto* file = new QGroupBox("Datei:");
    QFormLayout* fileForm = compactForm(file);
    m_fileName = valueLabel("CurrentFileName", "CurrentFileName");
    m_filePath = valueLabel("CurrentFilePath", "CurrentFilePath");
    for (QLabel* label : {m_fileName, m_filePath}) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setWordWrap(true);
    }
    fileForm->addRow(new QLabel("Name"), m_fileName);
    fileForm->addRow(new QLabel("Pfad"), m_filePath);
    grid->addWidget(file, 0, 0, 1, 2);

    auto* keys = new QGroupBox("Eingabe:");
    QFormLayout* keyForm = compactForm(keys);
    m_character = valueLabel("AktuelleZiffer", "AktuelleZiffer");
    m_code = valueLabel("Aktueller ASCII", "AktuellerASCII");
    m_trace = new QLabel;
    m_trace->setObjectName("Eingabefolge");
    m_trace->setAccessibleDescription("Eingabefolge");
    m_trace->setFrameShape(QFrame::StyledPanel);
    keyForm->addRow(new QLabel("AktuelleZiffer"), m_character);
    keyForm->addRow(new QLabel("Aktueller ASCII"), m_code);
    keyForm->addRow(m_trace);
    grid->addWidget(keys, 1, 0, 1, 2);

    auto* left = new QVBoxLayout;
    left->addWidget(buildValueGroup(0));
    left->addWidget(buildValueGroup(1));
    left->addStretch();
    grid->addLayout(left, 2, 0);
    grid->addWidget(buildValueGroup(2), 2, 1, Qt::AlignTop);
    return details;
}

QWidget* StateDisplay::buildValueGroup(int index)
{
    const StateValueGroup group = stateValueGroups(m_session.building, m_session.results)[index];
    auto* box = new QGroupBox(QString::fromUtf8(group.title));
    QFormLayout* form = compactForm(box);
    for (const StateValue& line : group.values) {
        auto* caption = new QLabel(QString::fromUtf8(line.caption));
        if (line.heading) {
            QFont bold = caption->font();
            bold.setBold(true);
            caption->setFont(bold);
            form->addRow(caption);
            continue;
        }
        QLabel* value = valueLabel(caption->text(), line.caption);
        m_values.push_back(value);
        form->addRow(caption, value);
    }
    return box;
}

void StateDisplay::Startprozeduren()
{
    // Left of the main window, but never beyond the screen's left edge where the main window stands close to
    // it.
    const QRect main = m_window.frameGeometry();
    const QRect screen = m_window.screen()->availableGeometry();
    move(std::max(main.left() - 170, screen.left()), main.top());
    m_trace->clear();
    setExpanded(false);
    refresh();
    m_timer.start();
}

void StateDisplay::refresh()
{
    const FileState& file = m_session.file;
    const RoadCounters& road = m_window.counters();
    const auto words = statusWords(file, m_window.flags().ResultsValid);
    for (int i = 0; i < 4; ++i)
        m_status[i]->setText(words[i]);

    const StateCounters counters = {m_session.results.CalculationCount,
                                    road.CompletenessCheckCount,
                                    road.KeyPressCount,
                                    road.ChangeCount,
                                    road.ReadCount,
                                    file.AutoSaveCount};
    for (int i = 0; i < kStateCounters; ++i)
        m_counters[i]->setText(QString::number(counters[i]));

    m_character->setText(currentCharacter(road.LastKey));
    m_code->setText(characterCode(road.LastKey));
    m_trace->setText(extendTrace(m_trace->text(), road.LastKey));
    m_fileName->setText(file.CurrentFileName);
    m_filePath->setText(file.CurrentFilePath);

    std::size_t next = 0;
    for (const StateValueGroup& group : stateValueGroups(m_session.building, m_session.results))
        for (const StateValue& line : group.values)
            if (!line.heading)
                m_values[next++]->setText(line.value);
}

void StateDisplay::resetCounters()
{
    m_window.resetCounters();
    m_session.results.CalculationCount = 0;
    m_session.file.AutoSaveCount = 0;
    refresh();
}

void StateDisplay::setExpanded(bool expanded)
{
    const QSignalBlocker quiet(m_expand);
    m_expand->setChecked(expanded);
    m_details->setVisible(expanded);
    setFixedWidth(expanded ? kExpandedWidth : kCollapsedWidth);
    layout()->activate();
    setFixedHeight(layout()->sizeHint().height());
}

bool StateDisplay::isExpanded() const
{
    return m_expand->isChecked();
}

void StateDisplay::closeEvent(QCloseEvent* event)
{
    m_timer.stop();
    QWidget::closeEvent(event);
}

} // namespace orv
