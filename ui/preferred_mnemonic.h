#pragma once

#include <QObject>

class QAbstractButton;

namespace orv {

// A button that shares its Alt letter with a menu of the same window: Qt takes the letter as ambiguous
// and only moves the focus. While the button can be pressed the letter presses it; otherwise it is not
// ambiguous and opens the menu as usual. Install on the button and on the menu bar.
class PreferredMnemonic final : public QObject
{
    Q_OBJECT

  public:
    PreferredMnemonic(QAbstractButton* button, QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QAbstractButton* m_button;
};

} // namespace orv
