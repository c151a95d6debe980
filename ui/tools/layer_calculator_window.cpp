#include "ui/tools/layer_calculator_window.h"

#include "core/dialogs.h"
#include "core/german_numbers.h"
#include "core/session.h"
#include "ui/tools/copy_layers_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace orv {

namespace {

constexpr int kNumberColumn = 0; // the layer table's "Nr."; the layer columns follow it
constexpr int kCatalogRowsBeforeFilling = 50;
constexpr int kCatalogVisibleRows = 10;

// Swallows every printable character the layer table's cells cannot hold.
class LayerCellEdit final : public QLineEdit
{
  public:
    using QLineEdit::QLineEdit;

  protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const QString text = event->text();
        if (!text.isEmpty() && !acceptsLayerCellCharacter(text.front())) {
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
};

// The layer table's editor writes every keystroke into its cell, so the recalculation sees what is typed;
// Enter moves on to the next cell.
class LayerCellDelegate final : public QStyledItemDelegate
{
  public:
    LayerCellDelegate(QObject* parent, std::function<void(int, int)> advance)
        : QStyledItemDelegate(parent), m_advance(std::move(advance))
    {
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override
    {
        auto* editor = new LayerCellEdit(parent);
        editor->setFrame(false);
        editor->setAccessibleName(index.model()->headerData(index.column(), Qt::Horizontal).toString());
        connect(editor, &QLineEdit::textEdited, this,
                [this, editor] { emit const_cast<LayerCellDelegate*>(this)->commitData(editor); });
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        // Writing the cell from the editor must not put the editor's cursor to the end.
        auto* edit = static_cast<QLineEdit*>(editor);
        const QString text = index.data(Qt::EditRole).toString();
        if (edit->text() != text)
            edit->setText(text);
    }

  protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            auto* editor = qobject_cast<QLineEdit*>(object);
            if (editor && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
                const QModelIndex index = static_cast<QAbstractItemView*>(parent())->currentIndex();
                emit commitData(editor);
                emit closeEditor(editor, NoHint);
                m_advance(index.row(), index.column());
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

  private:
    std::function<void(int, int)> m_advance;
};

QTableWidgetItem* textItem(const QString& text, bool editable)
{
    auto* item = new QTableWidgetItem(text);
    if (!editable)
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

QTableWidget* makeTable(int columns, const QStringList& headers, const std::array<int, 4>& widths)
{
    auto* table = new QTableWidget(0, columns);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionsClickable(false);
    table->horizontalHeader()->setHighlightSections(false);
    table->setTabKeyNavigation(false); // Tab leaves the table, as from every other control
    table->setWordWrap(false);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The given widths, but never narrower than a header's caption.
    const QFontMetrics metrics(table->horizontalHeader()->font());
    for (int c = 0; c < columns; ++c)
        table->setColumnWidth(c, std::max(widths[c], metrics.horizontalAdvance(headers[c]) + 16));
    return table;
}

int tableWidth(const QTableWidget* table, int extra)
{
    int width = 2 * table->frameWidth() + extra;
    for (int c = 0; c < table->columnCount(); ++c)
        width += table->columnWidth(c);
    return width;
}

QPushButton* makeButton(const QString& caption, const QString& hint)
{
    auto* button = new QPushButton(caption);
    button->setAutoDefault(false);
    if (!hint.isEmpty())
        button->setToolTip(hint);
    return button;
}

// A column of exclusive toggle buttons with the ids 1..n, named prefix + id.
QVBoxLayout* toggleColumn(QButtonGroup* group, const QStringList& captions, const char* namePrefix)
{
    auto* column = new QVBoxLayout;
    for (int id = 1; id <= captions.size(); ++id) {
        auto* button = makeButton(captions[id - 1], {});
        button->setObjectName(QLatin1String(namePrefix) + QString::number(id));
        button->setCheckable(true);
        group->addButton(button, id);
        column->addWidget(button);
    }
    column->addStretch();
    return column;
}

void setBold(QWidget* widget, bool bold)
{
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

Message notice(const char* text)
{
    return {QString::fromUtf8(text), {}, MessageIcon::None, MessageButtons::Ok};
}

} // namespace

LayerCalculatorWindow::LayerCalculatorWindow(Session& session, Dialogs& dialogs, QWidget* mainWindow)
    : QDialog(mainWindow), m_session(session), m_dialogs(dialogs)
{
    setObjectName("LayerCalculator");
    buildLayout();
}

LayerCalculatorWindow::~LayerCalculatorWindow() = default;

void LayerCalculatorWindow::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildLayerArea());
    layout->addWidget(buildResultLine());
    layout->addSpacing(6);
    layout->addWidget(buildCatalogArea(), 1);
    layout->addWidget(buildBottomButtons());
}

QWidget* LayerCalculatorWindow::buildLayerArea()
{
    auto* area = new QWidget;
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);

    m_table = makeTable(4, {"Nr.", "Baustoff", "DICKE [cm]", "Lambda"}, {20, 289, 70, 50});
    m_table->setObjectName("LayerTable");
    m_table->setAccessibleName("Schichten des Bauteils");
    m_table->setRowCount(kLayerRows);
    for (int r = 0; r < kLayerRows; ++r)
        for (int c = 0; c < 4; ++c)
            m_table->setItem(r, c, textItem({}, c != kNumberColumn));
    m_table->setItemDelegate(
        new LayerCellDelegate(m_table, [this](int row, int column) { advanceFromCell(row, column); }));
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Moving through the table with the arrows opens no editor; typing, F2 or a click does.
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                             QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    m_table->setFixedWidth(tableWidth(m_table, 0));
    m_table->setFixedHeight(2 * m_table->frameWidth() + m_table->horizontalHeader()->sizeHint().height() +
                            kLayerRows * m_table->verticalHeader()->defaultSectionSize());
    connect(m_table, &QTableWidget::cellChanged, this, [this] {
        if (m_filling)
            return;
        AutoBerechnen();
        k_Nummerierung();
    });
    connect(m_table, &QTableWidget::currentCellChanged, this,
            [this](int row) { m_selectedLayerRow = row >= 0 ? row + 1 : m_selectedLayerRow; });

    m_tableLabel = new QLabel;
    m_tableLabel->setObjectName("TableLabel");
    m_tableLabel->setBuddy(m_table);
    m_inputError = new QLabel("EINGABEFEHLER!");
    m_inputError->setObjectName("InputError");
    m_inputError->setStyleSheet("color: red; font-weight: bold;");
    m_inputError->hide();
    m_surfaceResistances = new QLabel;
    m_surfaceResistances->setObjectName("SurfaceResistances");
    m_surfaceResistances->setToolTip("Ändern nur in den \"sensiblen Einstellungen\" (Umsch+F9) möglich");
    auto* top = new QHBoxLayout;
    top->addWidget(m_tableLabel, 1);
    top->addWidget(m_inputError);
    top->addSpacing(12);
    top->addWidget(m_surfaceResistances);
    grid->addLayout(top, 0, 0, 1, 2);
    grid->addWidget(m_table, 1, 0);

    m_kindButtons = new QButtonGroup(this);
    QStringList kinds;
    for (int kind = 1; kind <= kLayerKinds; ++kind)
        kinds << layerKindTexts(kind).kindButton;
    grid->addLayout(toggleColumn(m_kindButtons, kinds, "KindButton"), 1, 1);
    connect(m_kindButtons, &QButtonGroup::idClicked, this, &LayerCalculatorWindow::WandClick);

    auto* rowButtons = new QHBoxLayout;
    auto* insert = makeButton("Ein&fügen der Schicht", "Einfügen der unten ausgewählten Schicht");
    auto* remove = makeButton("Schicht &löschen", "einzelne Schicht löschen");
    auto* removeAll = makeButton("Alles l&öschen", "alle Schichten des k-Wertes löschen");
    auto* copy = makeButton("K&opieren", "Kopieren von Schichten in das aktuelle Bauteil");
    insert->setObjectName("InsertButton");
    remove->setObjectName("DeleteButton");
    removeAll->setObjectName("DeleteAllButton");
    copy->setObjectName("CopyButton");
    for (QPushButton* b : {insert, remove, removeAll, copy})
        rowButtons->addWidget(b);
    rowButtons->addStretch();
    connect(insert, &QPushButton::clicked, this, &LayerCalculatorWindow::Einfuegen);
    connect(remove, &QPushButton::clicked, this, &LayerCalculatorWindow::deleteLayer);
    connect(removeAll, &QPushButton::clicked, this, &LayerCalculatorWindow::deleteAllLayers);
    connect(copy, &QPushButton::clicked, this, &LayerCalculatorWindow::openCopyDialog);
    grid->addLayout(rowButtons, 2, 0, 1, 2);
    grid->setColumnStretch(2, 1);
    return area;
}

QWidget* LayerCalculatorWindow::buildResultLine()
{
    auto* line = new QWidget;
    auto* row = new QHBoxLayout(line);
    row->setContentsMargins(0, 0, 0, 0);
    auto field = [line, row](const char* name, const char* caption, const char* unit, const char* hint,
                             QLabel*& label) {
        auto* edit = new QLineEdit;
        edit->setObjectName(QString::fromLatin1(name));
        edit->setReadOnly(true);
        edit->setAlignment(Qt::AlignRight);
        edit->setFixedWidth(70);
        edit->setToolTip(QString::fromUtf8(hint));
        label = new QLabel(QString::fromUtf8(caption), line);
        label->setBuddy(edit);
        label->setToolTip(edit->toolTip());
        row->addWidget(label);
        row->addWidget(edit);
        row->addWidget(new QLabel(QString::fromUtf8(unit), line));
        row->addSpacing(16);
        return edit;
    };
    QLabel* thicknessLabel = nullptr;
    m_kField = field("KField", "k-Wert:", "W/(m²K)",
                     "k-Wert bzw. äquivalenter k-Wert (für erdreichberührte Bauteile)", m_kLabel);
    m_rField = field("RField", "R-Wert:", "m²K/W", "R-Wert (für erdreichberührte Bauteile)", m_rLabel);
    m_thicknessField = field("ThicknessField", "Dicke:", "cm", "Gesamtdicke aller Schichten", thicknessLabel);
    row->addStretch();
    return line;
}

QWidget* LayerCalculatorWindow::buildCatalogArea()
{
    auto* area = new QWidget;
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);

    m_catalogList = makeTable(4, {"Nr.", "Baustoff", "Dichte", "Lambda"}, {20, 296, 50, 50});
    m_catalogList->setObjectName("CatalogList");
    m_catalogList->setAccessibleName("Baustoffe");
    m_catalogList->setToolTip("Taste F zum schnellen Einfügen der markierten Schicht drücken");
    m_catalogList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_catalogList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_catalogList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_catalogList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_catalogList->setRowCount(kCatalogRowsBeforeFilling);
    m_catalogList->setFixedWidth(
        tableWidth(m_catalogList, m_catalogList->verticalScrollBar()->sizeHint().width()));
    m_catalogList->setMinimumHeight(
        2 * m_catalogList->frameWidth() + m_catalogList->horizontalHeader()->sizeHint().height() +
        kCatalogVisibleRows * m_catalogList->verticalHeader()->defaultSectionSize());
    m_catalogList->installEventFilter(this);
    connect(m_catalogList, &QTableWidget::currentCellChanged, this,
            [this](int row) { m_selectedCatalogRow = row >= 0 ? row + 1 : 0; });
    connect(m_catalogList, &QTableWidget::cellDoubleClicked, this, &LayerCalculatorWindow::Einfuegen);

    auto* label = new QLabel("Schichten / &Baustoffe zum Einfügen in das Bauteil:");
    label->setBuddy(m_catalogList);
    label->setToolTip(m_catalogList->toolTip());
    grid->addWidget(label, 0, 0, 1, 2);
    grid->addWidget(m_catalogList, 1, 0);

    m_groupButtons = new QButtonGroup(this);
    QStringList groups;
    for (int group = 1; group <= kMaterialGroups; ++group)
        groups << materialGroupCaption(group);
    grid->addLayout(toggleColumn(m_groupButtons, groups, "GroupButton"), 1, 1);
    connect(m_groupButtons, &QButtonGroup::idClicked, this, &LayerCalculatorWindow::BaustoffgruppeClick);
    grid->setColumnStretch(2, 1);
    return area;
}

QWidget* LayerCalculatorWindow::buildBottomButtons()
{
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 6, 0, 0);
    m_handOverButton =
        makeButton({}, "den berechneten k-Wert (bzw. R-Wert) in das Gebäude/Vorgaben eintragen ");
    m_handOverButton->setObjectName("HandOverButton");
    m_handOverCloseButton = makeButton({}, "k/R-Wert eintragen und Schließen diese Fensters");
    m_handOverCloseButton->setObjectName("HandOverCloseButton");
    auto* close =
        makeButton("S&chließen", "Schließen ohne Eintragen (die eingegebenen Schichten bleiben erhalten!)");
    close->setObjectName("CloseButton");
    close->setDefault(true);
    row->addWidget(m_handOverButton);
    row->addWidget(m_handOverCloseButton);
    row->addStretch();
    row->addWidget(close);
    connect(m_handOverButton, &QPushButton::clicked, this, [this] { Uebernehmen(false); });
    connect(m_handOverCloseButton, &QPushButton::clicked, this, [this] { Uebernehmen(true); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    return bar;
}

bool LayerCalculatorWindow::Startprozeduren(LayerTarget target, int kind, HandOverSink sink)
{
    m_target = target;
    m_handOver = std::move(sink);
    if (!m_initialised) {
        if (!m_catalog.open(m_session.programDir + QLatin1String(kCatalogFileName))) {
            m_dialogs.show(
                {QString::fromUtf8(kCatalogMissingMessage), {}, MessageIcon::Error, MessageButtons::Ok});
            done(QDialog::Rejected);
            return false;
        }
        BaustoffgruppeClick(1);
        m_initialised = true;
    }
    m_surfaceResistances->setText(surfaceResistanceText(m_session.settings));
    WandClick(kind);
    m_catalogList->setFocus();
    return true;
}

void LayerCalculatorWindow::WandClick(int kind)
{
    m_kind = std::clamp(kind, 1, kLayerKinds);
    m_kindButtons->button(m_kind)->setChecked(true);
    Form_Aendern();
    k_WerteEintragen();
}

void LayerCalculatorWindow::Form_Aendern()
{
    const LayerKindTexts texts = layerKindTexts(m_kind);
    m_tableLabel->setText(texts.tableLabel);
    m_handOverButton->setText(texts.handOver);
    m_handOverCloseButton->setText(texts.handOverAndClose);
    setWindowTitle(layerWindowCaption(m_kind, m_target, m_session.settings));
    for (QWidget* w : std::initializer_list<QWidget*>{m_kLabel, m_kField})
        setBold(w, texts.handsOverK);
    for (QWidget* w : std::initializer_list<QWidget*>{m_rLabel, m_rField})
        setBold(w, !texts.handsOverK);
}

void LayerCalculatorWindow::k_WerteEintragen()
{
    showTable(layerStore(m_session.building, m_session.settings, m_target, m_kind));
    AutoBerechnen();
    k_Nummerierung();
}

void LayerCalculatorWindow::showTable(const LayerTable& layers)
{
    m_filling = true;
    for (int r = 0; r < kLayerRows; ++r)
        for (int c = 0; c < kLayerColumns; ++c)
            m_table->item(r, c + 1)->setText(layers[c][r]);
    m_filling = false;
}

LayerTable LayerCalculatorWindow::tableTexts() const
{
    LayerTable layers;
    for (int r = 0; r < kLayerRows; ++r)
        for (int c = 0; c < kLayerColumns; ++c)
            layers[c][r] = m_table->item(r, c + 1)->text();
    return layers;
}

void LayerCalculatorWindow::AutoBerechnen()
{
    const LayerTable layers = tableTexts();
    layerStore(m_session.building, m_session.settings, m_target, m_kind) = storedLayers(layers);
    m_result = calculateLayers(layers, m_session.settings.InnerSurfaceResistance,
                               m_session.settings.OuterSurfaceResistance);

    m_inputError->setVisible(m_result.inputError);
    const QColor base = m_result.inputError ? QColor(Qt::red) : palette().color(QPalette::Base);
    if (m_table->palette().color(QPalette::Base) != base) {
        QPalette tablePalette = m_table->palette();
        tablePalette.setColor(QPalette::Base, base);
        m_table->setPalette(tablePalette);
    }

    if (m_result.valid) {
        m_kField->setText(formatNumber("%-0.2n", m_result.k));
        m_rField->setText(formatNumber("%-0.2n", m_result.R));
        m_thicknessField->setText(formatNumber("%-0.1n", m_result.thickness));
    } else {
        m_kField->clear();
        m_rField->clear();
        m_thicknessField->clear();
    }
    updateHandOverButtons();
}

void LayerCalculatorWindow::updateHandOverButtons()
{
    const bool available = m_result.valid && m_handOver;
    m_handOverButton->setEnabled(available);
    m_handOverCloseButton->setEnabled(available);
}

void LayerCalculatorWindow::dropHandOver()
{
    m_handOver = nullptr;
    updateHandOverButtons();
}

void LayerCalculatorWindow::k_Nummerierung()
{
    const LayerTable layers = tableTexts();
    m_filling = true;
    for (int r = 1; r <= kLayerRows; ++r)
        m_table->item(r - 1, kNumberColumn)->setText(layerRowNumber(layers, r));
    m_filling = false;
}

void LayerCalculatorWindow::BaustoffgruppeClick(int group)
{
    m_groupButtons->button(group)->setChecked(true);
    BT_werteEintragen(group);
}

void LayerCalculatorWindow::BT_werteEintragen(int group)
{
    const std::vector<CatalogMaterial> materials = m_catalog.group(group);
    m_catalogList->clearContents();
    m_catalogList->setRowCount(static_cast<int>(materials.size()));
    for (int r = 0; r < static_cast<int>(materials.size()); ++r) {
        const CatalogRow row = catalogRow(materials[r]);
        m_catalogList->setItem(r, 0, textItem(row.number, false));
        m_catalogList->setItem(r, 1, textItem(row.name, false));
        m_catalogList->setItem(r, 2, textItem(row.density, false));
        m_catalogList->setItem(r, 3, textItem(row.lambda, false));
        for (int c : {0, 2, 3})
            m_catalogList->item(r, c)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    m_catalogList->setCurrentItem(nullptr);
    m_selectedCatalogRow = 0;
    m_catalogList->setFocus();
}

void LayerCalculatorWindow::Einfuegen()
{
    for (;;) {
        const auto row = firstEmptyRow(tableTexts());
        if (!row) {
            m_dialogs.show(notice(kLayerTableFullMessage));
            return;
        }
        if (m_selectedCatalogRow == 0 || m_selectedCatalogRow > m_catalogList->rowCount()) {
            m_dialogs.show(notice(kNoMaterialSelectedMessage));
            return;
        }
        const QString name = m_catalogList->item(m_selectedCatalogRow - 1, 1)->text();
        const QString lambda = m_catalogList->item(m_selectedCatalogRow - 1, 3)->text();
        const auto answer = m_dialogs.inputBox(name, QString::fromUtf8(kThicknessPrompt), {});
        if (!answer || answer->isEmpty())
            return;
        const auto thickness = parseDecimal(*answer, true);
        if (!thickness) {
            m_dialogs.show(notice(kBadThicknessMessage));
            continue;
        }
        if (asksHighThickness(*thickness, m_session.settings.PlausibilityChecks) &&
            m_dialogs.show({QString::fromUtf8(kHighThicknessQuestion),
                            QString::fromUtf8(kHighThicknessCaption), MessageIcon::Warning,
                            MessageButtons::YesNo}) != MessageAnswer::Yes)
            return;
        m_filling = true;
        m_table->item(*row - 1, kNumberColumn)->setText(QString::number(*row));
        m_table->item(*row - 1, 1)->setText(name);
        m_table->item(*row - 1, 2)->setText(*answer);
        m_table->item(*row - 1, 3)->setText(lambda);
        m_filling = false;
        AutoBerechnen();
        m_catalogList->setFocus();
        return;
    }
}

bool LayerCalculatorWindow::confirmed(const char* caption, const char* question)
{
    if (!m_session.settings.ConfirmDelete)
        return true;
    return m_dialogs.show({QString::fromUtf8(question), QString::fromUtf8(caption), MessageIcon::Warning,
                           MessageButtons::YesNo}) == MessageAnswer::Yes;
}

void LayerCalculatorWindow::deleteLayer()
{
    if (!confirmed(kDeleteLayerCaption, kDeleteLayerQuestion))
        return;
    LayerTable layers = tableTexts();
    deleteLayerRow(layers, m_selectedLayerRow == 0 ? 1 : m_selectedLayerRow);
    showTable(layers);
    k_Nummerierung();
    AutoBerechnen();
}

void LayerCalculatorWindow::deleteAllLayers()
{
    if (!confirmed(kDeleteAllCaption, kDeleteAllQuestion))
        return;
    showTable(LayerTable{});
    k_Nummerierung();
    AutoBerechnen();
}

void LayerCalculatorWindow::openCopyDialog()
{
    auto* dialog = new CopyLayersDialog(m_kind, this);
    connect(dialog, &CopyLayersDialog::copyRequested, this, &LayerCalculatorWindow::Kopieren);
    dialog->Startprozeduren(geometry());
}

void LayerCalculatorWindow::Kopieren(int sourceKind)
{
    showTable(m_session.building.LayerTables.at(sourceKind - 1));
    AutoBerechnen();
    k_Nummerierung();
}

void LayerCalculatorWindow::Uebernehmen(bool closeAfter)
{
    if (!m_result.valid || !m_handOver)
        return;
    const LayerTable layers = tableTexts();
    LayerHandOver handOver{m_target, m_kind, handedOverValue(m_result, m_kind), {}};
    if (!m_target.isBuilding())
        handOver.summary = layerSummary(layers);
    m_handOver(handOver);
    if (closeAfter)
        close();
}

void LayerCalculatorWindow::advanceFromCell(int row, int column)
{
    // Row by row through the three layer columns; the last cell ends the editing.
    if (row >= kLayerRows - 1 && column >= kLayerColumns)
        return;
    const int nextColumn = column >= kLayerColumns ? 1 : column + 1;
    const int nextRow = column >= kLayerColumns ? row + 1 : row;
    m_table->setCurrentCell(nextRow, nextColumn);
    m_table->editItem(m_table->item(nextRow, nextColumn));
}

bool LayerCalculatorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_catalogList && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (text.compare(QLatin1String("f"), Qt::CaseInsensitive) == 0) {
            Einfuegen();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void LayerCalculatorWindow::done(int result)
{
    m_catalog.close();
    QDialog::done(result);
}

} // namespace orv
