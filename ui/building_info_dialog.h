#pragma once

#include "print/building_info.h"

#include <QDialog>

#include <array>
#include <functional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace orv {

class Dialogs;
struct Session;

// "Gebäudeinformationen": designation, editor, date, client, address and type of the building, as the
// report prints them. Modeless; the record changes only on OK. QDialog::finished tells the main window
// that it closed (clear the open flag, check completeness); Escape and the close button cancel.
class BuildingInfoDialog final : public QDialog
{
    Q_OBJECT

  public:
    BuildingInfoDialog(Session& session, Dialogs& dialogs, QWidget* parent = nullptr,
                       std::function<QString()> today = {});
    Q_DISABLE_COPY_MOVE(BuildingInfoDialog)

    // Places the window over the main window, fills it from the record and shows it.
    void Startprozeduren(const QRect& mainWindowGeometry, int extraWidth, int extraHeight);
    // Fills the fields from the record; also after another building was opened while the window is open.
    void WerteEintragen();

    BuildingInfoForm form() const;

    QLineEdit* designationEdit() const { return m_designation; }
    QLineEdit* editorEdit() const { return m_editor; }
    QLineEdit* dateEdit() const { return m_date; }
    QLineEdit* clientEdit() const { return m_client; }
    QLineEdit* streetEdit() const { return m_street; }
    QLineEdit* postCodeEdit() const { return m_postCode; }
    QLineEdit* townEdit() const { return m_town; }
    QRadioButton* typeButton(int buildingType) const;
    QToolButton* editorDefaultButton() const { return m_editorDefault; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

  signals:
    // The text the main window's designation field (toolbar) is to show.
    void designationFieldChanged(const QString& text);
    // A text for the main window's status bar.
    void statusText(const QString& text);

  public slots:
    void accept() override;
    void reject() override;

  private:
    void buildLayout();
    void designationEdited(const QString& text);
    // OK only with a designation and a possible date; the hint says what is wrong with the date.
    void updateOk();
    void keepEditorAsDefault();

    Session& m_session;
    Dialogs& m_dialogs;
    std::function<QString()> m_today;

    QLineEdit* m_designation = nullptr;
    QLineEdit* m_editor = nullptr;
    QToolButton* m_editorDefault = nullptr;
    QLineEdit* m_date = nullptr;
    QLabel* m_dateHint = nullptr;
    QGroupBox* m_infoGroup = nullptr;
    QLineEdit* m_client = nullptr;
    QLineEdit* m_street = nullptr;
    QLineEdit* m_postCode = nullptr;
    QLineEdit* m_town = nullptr;
    QButtonGroup* m_types = nullptr;
    std::array<QRadioButton*, kBuildingTypes> m_typeButtons{};
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace orv
