#include "ui/building_info_dialog.h"

#include "core/german_numbers.h"
#include "core/session.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace orv {

namespace {

constexpr int kTextLength = 60;

// Day and month of one or two digits, a two-digit year; the separators stay in the text.
const QString kDateMask = QStringLiteral("90.90.00;_");
// The fixed prefix "D-" ("D" would be a mask character) and five required digits.
const QString kPostCodeMask = QStringLiteral("\\D-00000;_");

QLineEdit* textEdit(int maxLength)
{
    auto* edit = new QLineEdit;
    edit->setMaxLength(maxLength);
    return edit;
}

QLabel* buddyLabel(const QString& caption, QWidget* buddy, const QString& hint = {})
{
    auto* label = new QLabel(caption);
    label->setBuddy(buddy);
    if (!hint.isEmpty()) {
        label->setToolTip(hint);
        buddy->setToolTip(hint);
    }
    return label;
}

} // namespace

BuildingInfoDialog::BuildingInfoDialog(Session& session, Dialogs& dialogs, QWidget* parent,
                                       std::function<QString()> today)
    : QDialog(parent), m_session(session), m_dialogs(dialogs),
      m_today(today ? std::move(today) : std::function<QString()>(&shortDateToday))
{
    setWindowTitle(QStringLiteral("Gebäudeinformationen"));
    setModal(false);
    buildLayout();
    connect(m_designation, &QLineEdit::textEdited, this, &BuildingInfoDialog::designationEdited);
    connect(m_date, &QLineEdit::textChanged, this, &BuildingInfoDialog::updateOk);
    connect(m_editorDefault, &QToolButton::clicked, this, &BuildingInfoDialog::keepEditorAsDefault);
    connect(m_ok, &QPushButton::clicked, this, &BuildingInfoDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &BuildingInfoDialog::reject);
}

void BuildingInfoDialog::buildLayout()
{
    m_designation = textEdit(kTextLength);
    m_editor = textEdit(kTextLength);
    m_date = new QLineEdit;
    m_date->setInputMask(kDateMask);
    m_client = textEdit(kTextLength);
    m_street = textEdit(kTextLength);
    m_postCode = new QLineEdit;
    m_postCode->setInputMask(kPostCodeMask);
    m_town = textEdit(kTextLength);

    m_editorDefault = new QToolButton;
    m_editorDefault->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    m_editorDefault->setToolTip(
        QStringLiteral("Den eingegebenen Bearbeiter als Standard-Bearbeiter speichern"));
    m_editorDefault->setAccessibleName(QStringLiteral("Bearbeiter als Standard speichern"));
    auto* editorRow = new QHBoxLayout;
    editorRow->addWidget(m_editor, 1);
    editorRow->addWidget(m_editorDefault);

    const int dateWidth = m_date->fontMetrics().horizontalAdvance(QStringLiteral("00.00.00")) * 2;
    m_date->setMaximumWidth(dateWidth);
    m_postCode->setMaximumWidth(dateWidth);

    auto* top = new QFormLayout;
    top->addRow(buddyLabel(QStringLiteral("&Bezeichnung:"), m_designation,
                           QStringLiteral("Eingabe zum Speichern erforderlich")),
                m_designation);
    top->addRow(buddyLabel(QStringLiteral("B&earbeiter:"), m_editor, QStringLiteral("Ihr Name!")), editorRow);
    top->addRow(buddyLabel(QStringLiteral("&Datum:"), m_date), m_date);
    m_dateHint = new QLabel(QStringLiteral("Kein gültiges Datum (TT.MM.JJ)"));
    m_dateHint->setObjectName(QStringLiteral("DateHint"));
    m_dateHint->setVisible(false);
    top->addRow(QString(), m_dateHint);

    static const char* const kTypeCaptions[kBuildingTypes] = {
        "Ei&nfamilienhaus", "&Mehrfamilienhaus",     "B&ürogebäude",       "&Industriegebäude",
        "&Lagergebäude",    "&öffentliches Gebäude", "sonstiges &Gebäude",
    };
    auto* typeGroup = new QGroupBox(QStringLiteral("Gebäudeart"));
    auto* typeLayout = new QGridLayout(typeGroup);
    m_types = new QButtonGroup(this);
    for (int type = 1; type <= kBuildingTypes; ++type) {
        auto* button = new QRadioButton(QString::fromUtf8(kTypeCaptions[type - 1]));
        m_types->addButton(button, type);
        m_typeButtons[static_cast<std::size_t>(type - 1)] = button;
        typeLayout->addWidget(button, (type - 1) % 4, (type - 1) / 4);
    }

    m_infoGroup = new QGroupBox(QStringLiteral("Gebäudeinformationen"));
    auto* info = new QFormLayout;
    info->addRow(buddyLabel(QStringLiteral("Bau&herr:"), m_client), m_client);
    info->addRow(buddyLabel(QStringLiteral("&Straße:"), m_street), m_street);
    info->addRow(buddyLabel(QStringLiteral("&PLZ:"), m_postCode), m_postCode);
    info->addRow(buddyLabel(QStringLiteral("&Ort:"), m_town), m_town);
    auto* groupLayout = new QVBoxLayout(m_infoGroup);
    groupLayout->addLayout(info);
    groupLayout->addWidget(typeGroup);

    auto* buttons = new QDialogButtonBox;
    m_ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    m_ok->setToolTip(QStringLiteral("Speichern und Schließen"));
    m_ok->setDefault(true);
    m_cancel = buttons->addButton(QStringLiteral("&Abbrechen"), QDialogButtonBox::RejectRole);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_infoGroup);
    layout->addStretch(1); // the height rule leaves room; it goes above the buttons, not between the fields
    layout->addWidget(buttons);
}

QRadioButton* BuildingInfoDialog::typeButton(int buildingType) const
{
    if (buildingType < 1 || buildingType > kBuildingTypes)
        return nullptr;
    return m_typeButtons[static_cast<std::size_t>(buildingType - 1)];
}

void BuildingInfoDialog::Startprozeduren(const QRect& main, int extraWidth, int extraHeight)
{
    layout()->activate();
    const int width = m_infoGroup->sizeHint().width() + 45 + extraWidth;
    const int height = m_infoGroup->sizeHint().height() + m_designation->sizeHint().height() +
                       m_editor->sizeHint().height() + m_date->sizeHint().height() + 150 + extraHeight;
    const QSize minimum = minimumSizeHint();
    resize(std::max(width, minimum.width()), std::max(height, minimum.height()));
    move(main.left() + static_cast<int>(std::lround((main.width() - this->width()) / 2.0)), main.top() + 68);
    WerteEintragen();
    show();
    raise();
    activateWindow();
}

void BuildingInfoDialog::WerteEintragen()
{
    const BuildingInfoForm f = buildingInfoForm(m_session.building, m_session.settings, m_today());
    m_designation->setText(f.designation);
    m_editor->setText(f.editor);
    m_date->setText(f.date);
    m_client->setText(f.client);
    m_street->setText(f.street);
    m_postCode->setText(f.postCode);
    m_town->setText(f.town);
    typeButton(f.buildingType)->setChecked(true);
    updateOk();
}

void BuildingInfoDialog::updateOk()
{
    const bool dateOk = dateAcceptable(m_date->text());
    m_dateHint->setVisible(!dateOk);
    m_ok->setEnabled(dateOk && designationAcceptable(m_designation->text()));
}

BuildingInfoForm BuildingInfoDialog::form() const
{
    BuildingInfoForm f;
    f.designation = m_designation->text();
    f.editor = m_editor->text();
    f.date = m_date->text();
    f.client = m_client->text();
    f.street = m_street->text();
    f.postCode = m_postCode->text();
    f.town = m_town->text();
    f.buildingType = std::max(1, m_types->checkedId());
    f.okEnabled = m_ok->isEnabled();
    return f;
}

void BuildingInfoDialog::designationEdited(const QString& text)
{
    const bool acceptable = designationAcceptable(text);
    updateOk();
    emit designationFieldChanged(acceptable ? text : QString());
}

void BuildingInfoDialog::keepEditorAsDefault()
{
    if (const auto status = orv::keepEditorAsDefault(m_session, m_dialogs, m_editor->text()))
        emit statusText(*status);
}

void BuildingInfoDialog::accept()
{
    if (!formAcceptable(form()))
        return; // Enter in a field must not store a building without designation or with a wrong date
    applyBuildingInfo(m_session.building, form());
    emit designationFieldChanged(m_session.building.BuildingName);
    QDialog::accept();
}

void BuildingInfoDialog::reject()
{
    // Typing has copied the designation into the toolbar already; undo that. A building that has a
    // designation gets its stored one back, so the toolbar never shows a name the record does not hold.
    emit designationFieldChanged(m_session.building.HasBuildingInfo ? m_session.building.BuildingName
                                                                    : QString());
    QDialog::reject();
}

} // namespace orv
