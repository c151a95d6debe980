#include "ui/analysis/analysis_window.h"

#include "core/german_numbers.h"
#include "ui/analysis/analysis_chart.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orv {

namespace {

QTableWidget* makeTable(const QStringList& headers, const QStringList& widest, const QString& name)
{
    auto* table = new QTableWidget(0, int(headers.size()));
    table->setHorizontalHeaderLabels(headers);
    table->setAccessibleName(name);
    table->setObjectName(name);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setWordWrap(false);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    // Fixed widths: sizing columns to their contents measures every cell again at every keystroke.
    QHeaderView* header = table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < headers.size(); ++column)
        header->resizeSection(column, table->fontMetrics().horizontalAdvance(widest[column - 1]) + 16);
    return table;
}

void setRow(QTableWidget* table, int row, const QStringList& cells)
{
    for (int column = 0; column < cells.size(); ++column) {
        QTableWidgetItem* item = table->item(row, column);
        if (!item) {
            item = new QTableWidgetItem;
            if (column > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, column, item);
        }
        if (item->text() != cells[column]) {
            item->setText(cells[column]);
            if (column == 0)
                item->setToolTip(cells[column]); // the whole caption where the column is narrow
        }
    }
}

QGroupBox* group(const QString& title, QWidget* content)
{
    auto* box = new QGroupBox(title);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

} // namespace

AnalysisWindow::AnalysisWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName("Auswertung");
    setWindowTitle(QStringLiteral("Auswertung"));
    setModal(false);

    m_bars = new AnalysisChart(kLossBarsFrame, [](ReportCanvas& c, const ReportFrame& f,
                                                  const AnalysisFigures& a) { drawLossBars(c, f, a); });
    m_bars->setObjectName("LossBars");
    m_bars->setAccessibleName(
        QStringLiteral("Verteilung der Wärmeverluste (Werte in der Tabelle Kennwerte)"));
    m_chart = new AnalysisChart(kLoadChartFrame, [](ReportCanvas& c, const ReportFrame& f,
                                                    const AnalysisFigures& a) { drawLoadChart(c, f, a); });
    m_chart->setObjectName("LoadChart");
    m_chart->setAccessibleName(QStringLiteral(
        "Heizlast über der Außentemperatur (Werte in der Tabelle Heizlast je Außentemperatur)"));

    auto* pictures = new QVBoxLayout;
    pictures->addWidget(group(QStringLiteral("Verteilung der Wärmeverluste"), m_bars));
    pictures->addWidget(group(QStringLiteral("Heizlast über der Außentemperatur"), m_chart), 1);

    m_figuresTable =
        makeTable({QStringLiteral("Kennwert"), QStringLiteral("Wert"), QStringLiteral("Anteil")},
                  {QStringLiteral("100.000,00 kW"), QStringLiteral("100,0 %")}, QStringLiteral("Kennwerte"));
    m_loadTable = makeTable(
        {QStringLiteral("Außentemperatur"), QStringLiteral("Heizlast"), QStringLiteral("Wärmepumpe")},
        {QStringLiteral("10.000,00 kW"), QStringLiteral("Wärmepumpe")},
        QStringLiteral("Heizlast je Außentemperatur"));

    auto* figuresCaption = new QLabel(QStringLiteral("&Kennwerte"));
    figuresCaption->setBuddy(m_figuresTable);
    auto* loadCaption = new QLabel(QStringLiteral("&Heizlast je Außentemperatur"));
    loadCaption->setBuddy(m_loadTable);

    auto* side = new QVBoxLayout;
    side->addWidget(buildPumpGroup());
    side->addWidget(figuresCaption);
    side->addWidget(m_figuresTable, 1);
    side->addWidget(loadCaption);
    side->addWidget(m_loadTable, 1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(pictures, 5);
    layout->addLayout(side, 4);

    setTabOrder(m_pump[3], m_figuresTable);
    setTabOrder(m_figuresTable, m_loadTable);
    showFigures(nullptr);
    resize(1040, 700);
}

QWidget* AnalysisWindow::buildPumpGroup()
{
    auto* box = new QGroupBox(QStringLiteral("Wärmepumpe (Datenblatt)"));
    auto* form = new QFormLayout(box);
    const QString captions[4] = {
        QStringLiteral("Außentemperatur &1 (°C):"), QStringLiteral("Heiz&leistung bei Temperatur 1 (kW):"),
        QStringLiteral("Außentemperatur &2 (°C):"), QStringLiteral("Hei&zleistung bei Temperatur 2 (kW):")};
    const QString defaults[4] = {QStringLiteral("-7"), {}, QStringLiteral("2"), {}};
    const QRegularExpression number(QStringLiteral("-?[0-9]{0,4}([,.][0-9]{0,3})?"));
    for (int i = 0; i < 4; ++i) {
        auto* edit = new QLineEdit(defaults[i]);
        edit->setObjectName(QStringLiteral("PumpEdit%1").arg(i + 1));
        edit->setValidator(new QRegularExpressionValidator(number, edit));
        edit->setToolTip(i % 2 == 0
                             ? QStringLiteral("Außentemperatur eines Datenblattpunkts, z. B. -7 oder 2")
                             : QStringLiteral("Heizleistung der Wärmepumpe bei dieser Außentemperatur"));
        auto* caption = new QLabel(captions[i]);
        caption->setBuddy(edit);
        form->addRow(caption, edit);
        connect(edit, &QLineEdit::textChanged, this, &AnalysisWindow::heatPumpChanged);
        m_pump[i] = edit;
    }
    return box;
}

std::optional<HeatPumpPoints> AnalysisWindow::heatPump() const
{
    double values[4];
    for (int i = 0; i < 4; ++i) {
        QString text = m_pump[i]->text();
        text.replace(QLatin1Char('.'), QLatin1Char(','));
        const std::optional<float> value = parseDecimal(text, true);
        if (!value)
            return std::nullopt;
        values[i] = *value;
    }
    const HeatPumpPoints pump{values[0], values[1], values[2], values[3]};
    if (!pump.usable())
        return std::nullopt;
    return pump;
}

void AnalysisWindow::showFigures(const AnalysisFigures* figures)
{
    m_bars->setFigures(figures);
    m_chart->setFigures(figures && !figures->analysis.loadLine.empty() ? figures : nullptr);
    fillTables(figures);
}

void AnalysisWindow::fillTables(const AnalysisFigures* figures)
{
    if (!figures) {
        m_figuresTable->setRowCount(0);
        m_loadTable->setRowCount(0);
        return;
    }
    const std::vector<LossLine> losses = lossLines(*figures);
    const std::vector<FigureLine> lines = figureLines(*figures);
    m_figuresTable->setRowCount(int(losses.size() + lines.size()));
    int row = 0;
    for (const LossLine& loss : losses)
        setRow(m_figuresTable, row++, {loss.caption, loss.watts, loss.share});
    for (const FigureLine& line : lines)
        setRow(m_figuresTable, row++, {line.caption, line.value, QString()});

    const std::vector<LoadPoint>& points = figures->analysis.loadLine;
    m_loadTable->setRowCount(int(points.size()));
    for (int i = 0; i < int(points.size()); ++i)
        setRow(m_loadTable, i,
               {temperatureText(points[i].outside), loadText(points[i].load),
                figures->pump ? loadText(figures->pump->capacityAt(points[i].outside)) : QString()});
}

} // namespace orv
