#pragma once

#include <QObject>

class QWidget;

namespace orv {

// Sets a control's hint: its tool tip (which is also what a screen reader reads as its description) and the
// status-bar text shown while the pointer is over it.
void setHint(QWidget* widget, const QString& hint);

// Suppresses the tool tips of the watched labels and inputs while hints are switched off; their status-bar
// texts and accessible descriptions stay.
class HintSwitch final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HintSwitch)

  public:
    using QObject::QObject;

    void watch(QWidget* widget);
    void setShown(bool shown) { m_shown = shown; }
    bool shown() const { return m_shown; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool m_shown = true;
};

} // namespace orv
