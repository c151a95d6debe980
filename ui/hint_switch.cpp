#include "ui/hint_switch.h"

#include <QEvent>
#include <QWidget>

namespace orv {

void setHint(QWidget* widget, const QString& hint)
{
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

void HintSwitch::watch(QWidget* widget)
{
    widget->installEventFilter(this);
}

bool HintSwitch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip && !m_shown)
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace orv
