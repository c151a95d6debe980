#include "ui/tools/kr_conversion_window.h"

#include "core/german_numbers.h"
#include "core/session.h"
#include "ui/input_edit.h"
#include "ui/main_window.h"
#include "ui/tools/geometry_tool_support.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orv {

namespace {

constexpr int kTopOffset = 200;

InputId mainField(KRField field)
{
    return field == KRField::Floor ? InputId::RFloor : InputId::RGroundWall;
}

} // namespace

KRConversionWindow::KRConversionWindow(Session& session, MainWindow& window)
    : QDialog(&window), m_session(session), m_window(window)
{
    setObjectName(QStringLiteral("KRConversionWindow"));
    setWindowTitle(QString::fromUtf8("k/R-Wert-Umwandlung erdreichberührter Bauteile"));
    setModal(false);
    buildLayout();

    connect(m_k, &QLineEdit::textEdited, this, [this] { Vollstaendig(KRDirection::FromK); });
    connect(m_r, &QLineEdit::textEdited, this, [this] { Vollstaendig(KRDirection::FromR); });
    connect(m_handOver, &QPushButton::clicked, this, &KRConversionWindow::BitBtn1Click);
    connect(m_both, &QPushButton::clicked, this, &KRConversionWindow::BitBtn2Click);
    connect(m_cancel, &QPushButton::clicked, this, &KRConversionWindow::reject);
}

void KRConversionWindow::buildLayout()
{
    m_k = new InputEdit(InputEdit::Filter::Real);
    m_r = new InputEdit(InputEdit::Filter::Real);
    m_k->setObjectName(QStringLiteral("KEdit"));
    m_r->setObjectName(QStringLiteral("REdit"));
    const int fieldWidth = m_k->fontMetrics().horizontalAdvance(QStringLiteral("0000,00")) + 16;
    auto* group = new QGroupBox(QStringLiteral("k- oder R-Wert eingeben"));
    auto* grid = new QGridLayout(group);
    const auto row = [&](int at, InputEdit* edit, const QString& caption, const QString& unit,
                         const QString& hint) {
        auto* label = new QLabel(caption);
        label->setBuddy(edit);
        auto* unitLabel = new QLabel(unit);
        for (QWidget* w : std::initializer_list<QWidget*>{label, edit, unitLabel})
            w->setToolTip(hint);
        edit->setAlignment(Qt::AlignRight);
        edit->setFixedWidth(fieldWidth);
        grid->addWidget(label, at, 0);
        grid->addWidget(edit, at, 1);
        grid->addWidget(unitLabel, at, 2);
    };
    row(0, m_k, QStringLiteral("&k-Wert:"), QString::fromUtf8("W/(m²K)"),
        QStringLiteral("freistehende Bauteile (nicht erdreichberührt)"));
    row(1, m_r, QStringLiteral("&R-Wert:"), QString::fromUtf8("m²K/W"),
        QString::fromUtf8("Erdreichberührter Bauteile"));
    grid->setColumnStretch(3, 1);

    m_firstLine = new QLabel;
    m_secondLine = new QLabel;
    m_firstLine->setObjectName(QStringLiteral("FirstLine"));
    m_secondLine->setObjectName(QStringLiteral("SecondLine"));
    for (QLabel* line : {m_firstLine, m_secondLine}) {
        line->setAlignment(Qt::AlignHCenter);
        line->setVisible(false);
    }
    QPalette warning = m_firstLine->palette();
    warning.setColor(QPalette::WindowText, Qt::red);
    m_firstLine->setPalette(warning);

    auto* buttons = new QDialogButtonBox;
    m_handOver = buttons->addButton(QStringLiteral("&In FB Übernehmen"), QDialogButtonBox::AcceptRole);
    m_both = buttons->addButton(QString::fromUtf8("In &AW + FB Übernehmen"), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    disconnect(buttons, nullptr, this, nullptr);
    setButtonsEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(m_firstLine);
    layout->addWidget(m_secondLine);
    layout->addStretch(1);
    layout->addWidget(buttons);
    // The message lines appear and go; the window keeps their room so that the buttons do not jump.
    const int lines = 2 * (m_firstLine->fontMetrics().height() + layout->spacing());
    setMinimumHeight(layout->sizeHint().height() + lines);
}

void KRConversionWindow::Startprozeduren(KRTarget target)
{
    placeToolWindow(*this, m_window, kTopOffset);
    setTarget(target);
    m_state = {};
    m_k->clear();
    m_r->clear();
    for (QLabel* line : {m_firstLine, m_secondLine})
        line->setVisible(false);
    setButtonsEnabled(false);
    show();
    raiseToolWindow(*this);
    m_k->setFocus();
}

void KRConversionWindow::setPresetFields(QLineEdit* floor, QLineEdit* groundWall)
{
    m_presetFloor = floor;
    m_presetWall = groundWall;
}

void KRConversionWindow::setTarget(KRTarget target)
{
    m_target = target;
    m_handOver->setText(krHandOver(target).caption);
}

void KRConversionWindow::setButtonsEnabled(bool enabled)
{
    // A preset target without its settings window has nowhere to write.
    const bool presets = krHandOver(m_target).toPresets;
    m_handOver->setEnabled(enabled && (!presets || presetFieldsOpen()));
    m_both->setEnabled(enabled && (!presets || presetFieldsOpen()));
}

void KRConversionWindow::Vollstaendig(KRDirection direction)
{
    m_state = convertKR(direction, m_k->text(), m_r->text(), m_session.settings.InnerSurfaceResistance,
                        m_session.settings.OuterSurfaceResistance);
    if (m_k->text() != m_state.kText)
        m_k->setText(m_state.kText);
    if (m_r->text() != m_state.rText)
        m_r->setText(m_state.rText);
    m_firstLine->setText(m_state.firstLine);
    m_secondLine->setText(m_state.secondLine);
    m_firstLine->setVisible(!m_state.firstLine.isEmpty());
    m_secondLine->setVisible(!m_state.secondLine.isEmpty());
    setButtonsEnabled(m_state.converted);
}

bool KRConversionWindow::presetFieldsOpen() const
{
    return m_presetFloor && m_presetWall && m_presetFloor->isVisible() && m_presetWall->isVisible();
}

bool KRConversionWindow::presetWindowNormal() const
{
    if (!presetFieldsOpen())
        return false;
    const Qt::WindowStates state = m_presetFloor->window()->windowState();
    return !(state & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

void KRConversionWindow::writePreset(KRField field, const QString& text)
{
    QLineEdit* edit = field == KRField::Floor ? m_presetFloor : m_presetWall;
    if (!edit)
        return;
    edit->setText(text);
    emit edit->textEdited(text); // the settings window stores its fields as they are typed
}

void KRConversionWindow::BitBtn1Click()
{
    if (!m_state.converted)
        return;
    const KRHandOver handOver = krHandOver(m_target);
    const QString text = formatNumber("%f", m_state.r);
    if (handOver.toPresets) {
        writePreset(handOver.field, text);
    } else {
        handOverToInput(m_window, mainField(handOver.field), text);
    }
    if (!handOver.closes) {
        setTarget(krTargetAfterHandOver(m_target));
        return;
    }
    done(QDialog::Accepted);
    QLineEdit* focus = handOver.toPresets ? (handOver.field == KRField::Floor ? m_presetFloor : m_presetWall)
                                          : m_window.input(mainField(handOver.field));
    if (focus) {
        focus->window()->activateWindow();
        focus->setFocus();
    }
}

void KRConversionWindow::BitBtn2Click()
{
    if (!m_state.converted)
        return;
    const QString text = formatNumber("%f", m_state.r);
    if (krBothToPresets(m_target, presetWindowNormal())) {
        writePreset(KRField::Floor, text);
        writePreset(KRField::GroundWall, text);
    } else {
        handOverToInput(m_window, InputId::RFloor, text);
        handOverToInput(m_window, InputId::RGroundWall, text);
    }
    done(QDialog::Accepted);
}

} // namespace orv
