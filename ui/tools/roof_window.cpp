#include "ui/tools/roof_window.h"

#include "core/dialogs.h"
#include "core/german_numbers.h"
#include "core/session.h"
#include "ui/input_edit.h"
#include "ui/main_window.h"
#include "ui/tools/geometry_tool_support.h"
#include "ui/tools/roof_sketch.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orv {

namespace {

constexpr int kTopOffset = 68;
const char* const kDefaultPitch = "38";

QLineEdit* displayField()
{
    auto* field = new QLineEdit;
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::TabFocus);
    field->setAlignment(Qt::AlignRight);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00.000,0 m²")) + 16);
    return field;
}

QLabel* buddyLabel(const QString& caption, QWidget* buddy)
{
    auto* label = new QLabel(caption);
    label->setBuddy(buddy);
    return label;
}

} // namespace

RoofWindow::RoofWindow(Session& session, Dialogs& dialogs, MainWindow& window)
    : QDialog(&window), m_session(session), m_dialogs(dialogs), m_window(window)
{
    setObjectName(QStringLiteral("RoofWindow"));
    setWindowTitle(QString::fromUtf8("Berechnung der Dachfläche"));
    setModal(false);
    buildLayout();

    connect(m_pitchOption, &QRadioButton::clicked, this, [this] { selectMode(false); });
    connect(m_heightOption, &QRadioButton::clicked, this, [this] { selectMode(true); });
    for (InputEdit* edit : {m_pitch, m_height})
        connect(edit, &QLineEdit::textEdited, m_calculate, [this] { m_calculate->setEnabled(true); });
    connect(m_swap, &QPushButton::clicked, this, &RoofWindow::BitBtn3Click);
    connect(m_calculate, &QPushButton::clicked, this, &RoofWindow::Berechnen);
    connect(m_handOver, &QPushButton::clicked, this, &RoofWindow::bitbtn1Click);
    connect(m_cancel, &QPushButton::clicked, this, &RoofWindow::reject);
}

void RoofWindow::buildLayout()
{
    m_pitch = new InputEdit(InputEdit::Filter::Integer);
    m_pitch->setObjectName(QStringLiteral("PitchEdit"));
    m_height = new InputEdit(InputEdit::Filter::Real);
    m_height->setObjectName(QStringLiteral("HeightEdit"));
    m_pitchOption = new QRadioButton(QString::fromUtf8("Dach&neigung:"));
    m_heightOption = new QRadioButton(QString::fromUtf8("Dach&höhe:"));
    m_pitchUnit = new QLabel(QString::fromUtf8("°"));
    m_heightUnit = new QLabel(QStringLiteral("m"));
    const QString pitchHint = QStringLiteral("Innenwinkel");
    const QString heightHint =
        QString::fromUtf8("Höhe des Dachgeschosses (von UK Dachfußboden bis Spitzgiebel)");
    for (QWidget* w : std::initializer_list<QWidget*>{m_pitchOption, m_pitch, m_pitchUnit})
        w->setToolTip(pitchHint);
    for (QWidget* w : std::initializer_list<QWidget*>{m_heightOption, m_height, m_heightUnit})
        w->setToolTip(heightHint);
    // The option carries the caption; the field is announced by it.
    m_pitch->setAccessibleName(QStringLiteral("Dachneigung"));
    m_height->setAccessibleName(QString::fromUtf8("Dachhöhe"));
    const int fieldWidth = m_pitch->fontMetrics().horizontalAdvance(QStringLiteral("0000,00")) + 16;
    for (InputEdit* edit : {m_pitch, m_height}) {
        edit->setAlignment(Qt::AlignRight);
        edit->setFixedWidth(fieldWidth);
    }

    auto* input = new QGroupBox(QString::fromUtf8("Dachhöhe oder Neigung angeben"));
    auto* inputGrid = new QGridLayout(input);
    inputGrid->addWidget(m_pitchOption, 0, 0);
    inputGrid->addWidget(m_pitch, 0, 1);
    inputGrid->addWidget(m_pitchUnit, 0, 2);
    inputGrid->addWidget(m_heightOption, 1, 0);
    inputGrid->addWidget(m_height, 1, 1);
    inputGrid->addWidget(m_heightUnit, 1, 2);
    inputGrid->setColumnStretch(3, 1);

    auto* check = new QGroupBox(QString::fromUtf8("Angaben überprüfen!"));
    m_length = new QLabel;
    m_width = new QLabel;
    m_length->setObjectName(QStringLiteral("LengthLabel"));
    m_width->setObjectName(QStringLiteral("WidthLabel"));
    m_swap = new QPushButton(QStringLiteral("&Tauschen"));
    m_swap->setToolTip(QString::fromUtf8("Länge und Breite tauschen"));
    m_swap->setAutoDefault(false);
    auto* checkGrid = new QGridLayout(check);
    checkGrid->addWidget(buddyLabel(QString::fromUtf8("Länge:"), m_length), 0, 0);
    checkGrid->addWidget(m_length, 0, 1);
    checkGrid->addWidget(buddyLabel(QStringLiteral("Breite:"), m_width), 1, 0);
    checkGrid->addWidget(m_width, 1, 1);
    checkGrid->addWidget(m_swap, 0, 2, 2, 1, Qt::AlignVCenter);
    checkGrid->setColumnStretch(1, 1);

    auto* result = new QGroupBox(QStringLiteral("Ergebnis"));
    m_roofArea = displayField();
    m_volume = displayField();
    m_gableArea = displayField();
    auto* resultForm = new QFormLayout(result);
    resultForm->addRow(buddyLabel(QString::fromUtf8("Dachfläche:"), m_roofArea), m_roofArea);
    resultForm->addRow(buddyLabel(QStringLiteral("Dachvolumen:"), m_volume), m_volume);
    resultForm->addRow(buddyLabel(QString::fromUtf8("Gesamtaußenwandfläche der 2 Dachgiebel:"), m_gableArea),
                       m_gableArea);

    m_sketch = new RoofSketch;

    // In the order of the work: calculate, then hand over; the platform's button order would swap them.
    m_calculate = new QPushButton(QStringLiteral("&Berechnen"));
    m_calculate->setDefault(true);
    m_handOver = new QPushButton(QString::fromUtf8("&Übernehmen + Schließen"));
    m_handOver->setEnabled(false);
    m_cancel = new QPushButton(QStringLiteral("&Abbruch"));
    m_cancel->setToolTip(QString::fromUtf8("Abbrechen, ohne die Werte zu übernehmen"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {m_calculate, m_handOver, m_cancel})
        buttons->addWidget(button);

    auto* groups = new QVBoxLayout;
    groups->addWidget(input);
    groups->addWidget(check);
    groups->addWidget(result);
    auto* body = new QHBoxLayout;
    body->addLayout(groups);
    body->addWidget(m_sketch, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    setTabOrder(m_pitchOption, m_pitch);
    setTabOrder(m_pitch, m_heightOption);
    setTabOrder(m_heightOption, m_height);
    setTabOrder(m_height, m_swap);
}

void RoofWindow::Startprozeduren()
{
    placeToolWindow(*this, m_window, kTopOffset);
    EingabenEinlesen();
    show();
    raiseToolWindow(*this);
    // The fill chose the field to type in; showing the window must not move the focus elsewhere.
    (m_heightOption->isChecked() ? m_height : m_pitch)->setFocus();
}

void RoofWindow::EingabenEinlesen()
{
    const BuildingRecord& b = m_session.building;
    showDimensions();
    forgetResult();
    if (b.RoofFromCalculator) {
        selectMode(b.RoofByHeight);
        m_height->setText(formatNumber("%f", b.RoofHeight));
        m_pitch->setText(QString::number(b.RoofPitch));
        m_gableArea->setText(roofAreaText(b.GableArea));
        m_roofArea->setText(roofAreaText(b.RoofArea));
        m_volume->setText(roofVolumeText(b.RoofVolume));
        m_sketch->setRoof(b.BuildingWidth, b.RoofHeight, b.RoofPitch);
    } else {
        selectMode(false);
        m_pitch->setText(QString::fromLatin1(kDefaultPitch));
        clearResults();
        m_sketch->setRoof(b.BuildingWidth, std::nullopt, std::nullopt);
    }
    m_calculate->setEnabled(true);
}

void RoofWindow::showDimensions()
{
    m_length->setText(formatNumber("%f", m_session.building.BuildingLength) + QStringLiteral(" m"));
    m_width->setText(formatNumber("%f", m_session.building.BuildingWidth) + QStringLiteral(" m"));
}

void RoofWindow::selectMode(bool byHeight)
{
    m_heightOption->setChecked(byHeight);
    m_pitchOption->setChecked(!byHeight);
    InputEdit* active = byHeight ? m_height : m_pitch;
    InputEdit* derived = byHeight ? m_pitch : m_height;
    active->setEnabled(true);
    (byHeight ? m_heightUnit : m_pitchUnit)->setEnabled(true);
    derived->clear();
    derived->setEnabled(false);
    (byHeight ? m_pitchUnit : m_heightUnit)->setEnabled(false);
    active->setFocus();
}

void RoofWindow::Berechnen()
{
    const bool byHeight = m_heightOption->isChecked();
    const RoofInput in{byHeight,
                       m_height->text(),
                       m_pitch->text(),
                       m_session.building.BuildingLength,
                       m_session.building.BuildingWidth,
                       m_session.settings.PlausibilityChecks};
    const RoofOutcome outcome = calculateRoof(in);
    if (!outcome.roof) {
        // The results shown stay, but they no longer belong to the entry: no hand-over of either.
        forgetResult();
        m_dialogs.show(roofError(outcome.refusal.text));
        (outcome.refusal.field == RoofField::Height ? m_height : m_pitch)->setFocus();
        return;
    }
    m_result = outcome.roof;
    if (byHeight)
        m_pitch->setText(QString::number(m_result->pitch));
    else
        m_height->setText(formatNumber("%0.2f", m_result->height));
    showResults(*m_result);
    m_handOver->setEnabled(true);
    m_handOver->setFocus();
}

void RoofWindow::showResults(const RoofValues& roof)
{
    m_gableArea->setText(roofAreaText(roof.gableArea));
    m_roofArea->setText(roofAreaText(roof.roofArea));
    m_volume->setText(roofVolumeText(roof.volume));
    m_sketch->setRoof(m_session.building.BuildingWidth, roof.height, roof.pitch);
}

void RoofWindow::clearResults()
{
    m_gableArea->clear();
    m_roofArea->clear();
    m_volume->clear();
}

void RoofWindow::forgetResult()
{
    m_result.reset();
    m_handOver->setEnabled(false);
}

void RoofWindow::BitBtn3Click()
{
    BuildingRecord& b = m_session.building;
    std::swap(b.BuildingLength, b.BuildingWidth);
    showDimensions();
    (m_heightOption->isChecked() ? m_pitch : m_height)->clear();
    clearResults();
    forgetResult();
    m_sketch->setRoof(b.BuildingWidth, std::nullopt, std::nullopt);
    m_calculate->setFocus();
}

void RoofWindow::bitbtn1Click()
{
    if (!m_result)
        return;
    BuildingRecord& b = m_session.building;
    const RoofValues roof = *m_result;
    b.RoofArea = roof.roofArea;
    b.RoofVolume = roof.volume;
    b.GableArea = roof.gableArea;
    b.RoofHeight = roof.height;
    b.RoofByHeight = roof.byHeight;
    b.RoofPitch = roof.pitch;
    // Set before the re-reading so that the last building saved by it already knows where the roof came from.
    b.RoofFromCalculator = true;

    const float length = b.BuildingLength;
    const float width = b.BuildingWidth;
    m_window.setLoadingBuilding(true);
    m_window.input(InputId::RoofArea)->setText(formatNumber("%0.1f", roof.roofArea));
    m_window.input(InputId::RoofVolume)->setText(formatNumber("%0.1f", roof.volume));
    m_window.input(InputId::GableArea)->setText(formatNumber("%0.1f", roof.gableArea));
    m_window.input(InputId::Length)->setText(formatNumber("%f", length));
    m_window.input(InputId::Width)->setText(formatNumber("%f", width));
    m_window.setLoadingBuilding(false);
    m_window.DatenVollstaendig(true);

    done(QDialog::Accepted);
    m_window.activateWindow();
    m_window.input(InputId::RoofArea)->setFocus();
}

void RoofWindow::reject()
{
    QDialog::reject();
    // Brings a swap of length and width in the record back to the main window's fields.
    m_window.DatenVollstaendig(true);
}

} // namespace orv
