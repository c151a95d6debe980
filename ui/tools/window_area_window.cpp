#include "ui/tools/window_area_window.h"

#include "core/dialogs.h"
#include "core/german_numbers.h"
#include "core/session.h"
#include "ui/input_edit.h"
#include "ui/main_window.h"
#include "ui/tools/geometry_tool_support.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orv {

namespace {

constexpr int kTopOffset = 68;
constexpr int kAreaColumn = 3;
constexpr int kRowHeaderWidth = 80;
constexpr int kColumnWidths[] = {50, 75, 75, 80};

// Cells are typed through the key filter of the real-number inputs and counted at every key, not only
// when the cell is left.
class WindowCellDelegate final : public QStyledItemDelegate
{
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* editor = new InputEdit(InputEdit::Filter::Real, parent);
        editor->setFrame(false);
        editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* self = const_cast<WindowCellDelegate*>(this);
        connect(editor, &QLineEdit::textEdited, self, [self, editor] { emit self->commitData(editor); });
        return editor;
    }
};

} // namespace

WindowAreaWindow::WindowAreaWindow(Session& session, Dialogs& dialogs, MainWindow& window)
    : QDialog(&window), m_session(session), m_dialogs(dialogs), m_window(window)
{
    setObjectName(QStringLiteral("WindowAreaWindow"));
    setWindowTitle(QString::fromUtf8("Fensterfläche berechnen "));
    setModal(false);
    buildLayout();

    connect(m_list, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!m_filling && item->column() != kAreaColumn)
            AutomatischesBerechnen();
    });
    connect(m_estimate, &QCheckBox::clicked, this, &WindowAreaWindow::CheckBox1Click);
    connect(m_percent, &QLineEdit::textEdited, this, &WindowAreaWindow::AutomatischesBerechnen);
    connect(m_handOver, &QPushButton::clicked, this, &WindowAreaWindow::BitBtn1Click);
    connect(m_cancel, &QPushButton::clicked, this, &WindowAreaWindow::reject);
}

void WindowAreaWindow::buildLayout()
{
    m_list = new QTableWidget(kWindowRows, 4);
    m_list->setObjectName(QStringLiteral("WindowList"));
    m_list->setAccessibleName(QStringLiteral("Fensterliste"));
    m_list->setHorizontalHeaderLabels({QStringLiteral("Anzahl"), QStringLiteral("Breite [m]"),
                                       QString::fromUtf8("Höhe [m]"), QString::fromUtf8("Fläche [m²]")});
    QStringList rowNames;
    for (int row = 1; row <= kWindowRows; ++row)
        rowNames << QStringLiteral("Fenster %1").arg(row);
    m_list->setVerticalHeaderLabels(rowNames);
    m_list->verticalHeader()->setFixedWidth(kRowHeaderWidth);
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int column = 0; column < 4; ++column)
        m_list->setColumnWidth(column, kColumnWidths[column]);
    m_list->setItemDelegate(new WindowCellDelegate(m_list));
    m_list->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                            QAbstractItemView::EditKeyPressed);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setTabKeyNavigation(false); // Tab leaves the list; the arrows move within it
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int row = 0; row < kWindowRows; ++row)
        for (int column = 0; column < 4; ++column) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (column == kAreaColumn)
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            m_list->setItem(row, column, item);
        }
    int width = kRowHeaderWidth + 2 * m_list->frameWidth();
    for (int w : kColumnWidths)
        width += w;
    m_list->setFixedSize(width, m_list->horizontalHeader()->sizeHint().height() +
                                    kWindowRows * m_list->verticalHeader()->defaultSectionSize() +
                                    2 * m_list->frameWidth());

    auto* estimateFrame = new QFrame;
    estimateFrame->setFrameShape(QFrame::StyledPanel);
    m_estimate = new QCheckBox(QString::fromUtf8("&Fensterfläche Abschätzen"));
    m_percent = new QLineEdit;
    m_percent->setObjectName(QStringLiteral("PercentEdit"));
    m_percent->setAlignment(Qt::AlignRight);
    m_percent->setFixedWidth(m_percent->fontMetrics().horizontalAdvance(QStringLiteral("000,00")) + 16);
    m_percentCaption = new QLabel(QString::fromUtf8("Fenster&anteil an der freistehenden Wand:"));
    m_percentCaption->setBuddy(m_percent);
    m_percentUnit = new QLabel(QStringLiteral("%"));
    auto* percentRow = new QHBoxLayout;
    percentRow->addWidget(m_percentCaption);
    percentRow->addWidget(m_percent);
    percentRow->addWidget(m_percentUnit);
    percentRow->addStretch(1);
    auto* estimateLayout = new QVBoxLayout(estimateFrame);
    estimateLayout->addWidget(m_estimate);
    estimateLayout->addLayout(percentRow);

    auto* resultPanel = new QFrame;
    resultPanel->setFrameShape(QFrame::Panel);
    resultPanel->setFrameShadow(QFrame::Sunken);
    m_firstLine = new QLabel;
    m_secondLine = new QLabel;
    m_firstLine->setObjectName(QStringLiteral("FirstLine"));
    m_secondLine->setObjectName(QStringLiteral("SecondLine"));
    const int lineHeight = m_firstLine->fontMetrics().height();
    for (QLabel* line : {m_firstLine, m_secondLine}) {
        line->setMinimumHeight(lineHeight);
        line->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    auto* resultLayout = new QVBoxLayout(resultPanel);
    resultLayout->addWidget(m_firstLine);
    resultLayout->addWidget(m_secondLine);

    auto* buttons = new QDialogButtonBox;
    m_handOver =
        buttons->addButton(QString::fromUtf8("&Übernehmen und Schließen"), QDialogButtonBox::AcceptRole);
    m_handOver->setDefault(true);
    m_handOver->setEnabled(false);
    m_cancel = buttons->addButton(QStringLiteral("&Abbruch"), QDialogButtonBox::RejectRole);
    m_cancel->setToolTip(
        QString::fromUtf8("Abbrechen ohne die Fläche zu übernehmen (Angaben bleiben erhalten)"));
    disconnect(buttons, nullptr, this, nullptr);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 0, Qt::AlignHCenter);
    layout->addWidget(estimateFrame);
    layout->addWidget(resultPanel);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    setEstimateMode(false);
}

void WindowAreaWindow::Startprozeduren()
{
    placeToolWindow(*this, m_window, kTopOffset);
    show();
    werteEintragen();
    raiseToolWindow(*this);
}

void WindowAreaWindow::determineWallArea()
{
    const auto text = [this](InputId id) { return m_window.input(id)->text(); };
    m_wallArea =
        freeStandingWallArea({text(InputId::Length), text(InputId::Width), text(InputId::HeatedHeight),
                              text(InputId::GableArea), m_session.building.RoofSpaceHeated});
}

void WindowAreaWindow::werteEintragen()
{
    determineWallArea();
    fillList();
}

// The stored list is shown in either way, so a refill never leaves another building's rows behind.
void WindowAreaWindow::fillList()
{
    BuildingRecord& b = m_session.building;
    m_filling = true;
    if (b.WindowAreaEstimated && !m_wallArea) {
        m_percent->setText(windowPercentText(b));
        b.WindowAreaEstimated = false;
    }
    const WindowListTexts rows = windowListTexts(b);
    for (int row = 0; row < kWindowRows; ++row)
        for (int column = 0; column < 3; ++column)
            m_list->item(row, column)->setText(rows[row][column]);
    setEstimateMode(b.WindowAreaEstimated);
    if (b.WindowAreaEstimated) {
        m_percent->setFocus();
        m_percent->setText(windowPercentText(b));
    } else {
        m_list->setFocus();
        if (!m_list->currentIndex().isValid())
            m_list->setCurrentCell(0, 0);
    }
    m_filling = false;
    AutomatischesBerechnen();
}

void WindowAreaWindow::setEstimateMode(bool estimate)
{
    m_estimate->setChecked(estimate);
    for (QWidget* w : std::initializer_list<QWidget*>{m_percentCaption, m_percent, m_percentUnit})
        w->setEnabled(estimate);
    m_list->setEnabled(!estimate);
}

void WindowAreaWindow::CheckBox1Click(bool ticked)
{
    BuildingRecord& b = m_session.building;
    if (ticked && !m_wallArea) {
        b.WindowAreaEstimated = false;
        showLines(estimateNeedsDimensionsLines());
        if (m_dialogs.show(estimateNeedsDimensions()) == MessageAnswer::Yes) {
            QDialog::reject();
            m_window.activateWindow();
            for (InputId id : {InputId::Length, InputId::Width, InputId::HeatedHeight}) {
                if (parseDecimal(m_window.input(id)->text()).value_or(0) == 0) {
                    m_window.input(id)->setFocus();
                    break;
                }
            }
            return;
        }
        setEstimateMode(false);
        m_list->setFocus();
        return;
    }
    b.WindowAreaEstimated = ticked;
    if (!ticked)
        showLines({});
    fillList();
}

WindowListTexts WindowAreaWindow::listTexts() const
{
    WindowListTexts rows;
    for (int row = 0; row < kWindowRows; ++row)
        for (int column = 0; column < 3; ++column)
            rows[row][column] = m_list->item(row, column)->text();
    return rows;
}

void WindowAreaWindow::AutomatischesBerechnen()
{
    BuildingRecord& b = m_session.building;
    if (m_estimate->isChecked()) {
        const WindowEstimateResult result = estimateWindowArea(m_percent->text(), m_wallArea.value_or(0), b);
        m_total = result.total;
        showLines(result.lines);
        return;
    }
    const WindowListResult result = calculateWindowList(listTexts(), m_wallArea, b);
    m_total = result.total;
    m_filling = true;
    for (int row = 0; row < kWindowRows; ++row)
        m_list->item(row, kAreaColumn)->setText(formatNumber("%0.2n", result.rowAreas[row]));
    m_filling = false;
    showLines(result.lines);
}

void WindowAreaWindow::showLines(const WindowAreaLines& lines)
{
    m_firstLine->setText(lines.first);
    m_secondLine->setText(lines.second);
    QPalette palette = m_secondLine->palette();
    if (lines.firstIsError)
        palette.setColor(QPalette::WindowText, Qt::red);
    m_firstLine->setPalette(palette);
    m_handOver->setEnabled(lines.handOver);
}

void WindowAreaWindow::BitBtn1Click()
{
    m_session.building.HasWindowList = true;
    const float total = m_total;
    done(QDialog::Accepted);
    m_window.activateWindow();
    handOverToInput(m_window, InputId::WindowArea, formatNumber("%f", total));
    m_window.input(InputId::WindowArea)->setFocus();
}

void WindowAreaWindow::reject()
{
    if (m_total > 0)
        m_session.building.HasWindowList = true;
    QDialog::reject();
}

} // namespace orv
