#pragma once

#include "core/single_results.h"

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;

namespace orv {

class MainWindow;
struct Session;

// "Einzelergebnisse Transmissionsheizlast": the five component losses of QT with their shares and the
// mean k-value. Keeps no data: every refill reads the session. The close button and Esc close it for
// good; the title bar's close box only hides it, and the hidden window keeps following the results.
class SingleResultsWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SingleResultsWindow)

  public:
    SingleResultsWindow(Session& session, MainWindow& window);

    void WerteEintragen();
    void EinzelergebnisseLoeschen();
    // Placement and size on first opening, from the main window and the enlargement settings.
    void place();

    QString valueText(int row) const;
    QString shareText(int row) const;
    QString roofCaption() const;
    bool isEmptied() const;
    QPushButton* closeButton() const { return m_close; }

  signals:
    // The close button or Esc: the window is gone, not hidden.
    void closedForGood();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void closeForGood();

    Session& m_session;
    MainWindow& m_window;
    std::array<QLabel*, SingleResultTexts::kValues> m_values{};
    std::array<QLabel*, SingleResultTexts::kShares> m_shares{};
    QLabel* m_roofCaption = nullptr;
    QWidget* m_groundGroup = nullptr;
    QWidget* m_airGroup = nullptr;
    QPushButton* m_close = nullptr;
    bool m_closing = false;
};

} // namespace orv
