#include "ui/result_field.h"

#include <QPainter>

namespace orv {

ResultField::ResultField(const QString& name, QWidget* parent) : QLabel(parent)
{
    setObjectName(name);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setMinimumWidth(112);
    setMinimumHeight(26);
    setContentsMargins(8, 0, 8, 0);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void ResultField::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette().color(QPalette::Mid), 1));
        painter.setBrush(palette().color(QPalette::Base));
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    }
    QLabel::paintEvent(event);
}

} // namespace orv
