#pragma once

#include "files/welcome_choices.h"

#include <QDialog>
#include <QTimer>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace orv {

class BuildingFiles;
class Dialogs;
struct Session;

// "kvz Orvenna - Startinformationen": asks how to begin (new calculation, the automatically kept last
// building, a saved building) under a running banner text. Modeless and created anew each time;
// QDialog::finished tells the main window that it closed (clear the open flag). The main window closes
// it through closeWindow() when the main window is activated.
class WelcomeWindow final : public QDialog
{
    Q_OBJECT

  public:
    WelcomeWindow(Session& session, Dialogs& dialogs, BuildingFiles& files, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(WelcomeWindow)

    // Places the window below the top of the main window, offers the choices the state allows and starts
    // the banner's delay. Call after show().
    void Startprozeduren(const QRect& mainWindowGeometry, int extraWidth, int extraHeight);
    // Form8_beenden: closes without a choice, puts the focus into the main window's Länge.
    void closeWindow();

    QString runningText() const;
    bool runningTextActive() const { return m_delay.isActive() || m_step.isActive(); }
    QRadioButton* choiceButton(WelcomeChoice choice) const;
    QCheckBox* showAtStartBox() const { return m_showAtStart; }
    QPushButton* okButton() const { return m_ok; }

  public slots:
    void accept() override;
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildLayout();
    void stopRunningText();
    void showAtStartClicked(bool checked);
    WelcomeChoice selectedChoice() const;

    Session& m_session;
    Dialogs& m_dialogs;
    BuildingFiles& m_files;

    QLabel* m_banner = nullptr;
    QRadioButton* m_new = nullptr;
    QRadioButton* m_last = nullptr;
    QRadioButton* m_saved = nullptr;
    QCheckBox* m_showAtStart = nullptr;
    QPushButton* m_ok = nullptr;
    QTimer m_delay;
    QTimer m_step;
    bool m_closed = false;
};

} // namespace orv
