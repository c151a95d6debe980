#pragma once

#include "tools/kr_conversion.h"

#include <QDialog>
#include <QPointer>

class QLabel;
class QLineEdit;
class QPushButton;

namespace orv {

class InputEdit;
class MainWindow;
struct Session;

// "k/R-Wert-Umwandlung erdreichberührter Bauteile": converts between the k-value of a free-standing
// component and the R-value of a ground-contact one with the settings' surface resistances, and hands R to
// the floor, the ground-contact wall or both: in the main window or in the preset fields of the settings
// window. Modeless; its target is fixed when it opens.
class KRConversionWindow final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KRConversionWindow)

  public:
    KRConversionWindow(Session& session, MainWindow& window);

    // Places the window over the main window, sets the target and shows it.
    void Startprozeduren(KRTarget target);

    // The settings window's floor and wall preset fields (of the active preset slot): the destination of the
    // preset targets, and of "In AW + FB Übernehmen" while their window is open in its normal state.
    void setPresetFields(QLineEdit* floor, QLineEdit* groundWall);

    KRTarget target() const { return m_target; }
    InputEdit* kEdit() const { return m_k; }
    InputEdit* rEdit() const { return m_r; }
    QLabel* firstLine() const { return m_firstLine; }
    QLabel* secondLine() const { return m_secondLine; }
    QPushButton* handOverButton() const { return m_handOver; }
    QPushButton* bothButton() const { return m_both; }
    QPushButton* cancelButton() const { return m_cancel; }

  private:
    void buildLayout();
    void Vollstaendig(KRDirection direction);
    void BitBtn1Click();
    void BitBtn2Click();
    void setTarget(KRTarget target);
    bool presetFieldsOpen() const;
    bool presetWindowNormal() const;
    void writePreset(KRField field, const QString& text);
    void setButtonsEnabled(bool enabled);

    Session& m_session;
    MainWindow& m_window;
    KRTarget m_target = KRTarget::FloorThenWall;
    KRConversionState m_state;
    QPointer<QLineEdit> m_presetFloor;
    QPointer<QLineEdit> m_presetWall;

    InputEdit* m_k = nullptr;
    InputEdit* m_r = nullptr;
    QLabel* m_firstLine = nullptr;
    QLabel* m_secondLine = nullptr;
    QPushButton* m_handOver = nullptr;
    QPushButton* m_both = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace orv
