#include "ui/tools/roof_sketch.h"

#include "core/german_numbers.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orv {

namespace {

constexpr int kDefaultPitch = 38;
// Very flat or very steep roofs are drawn at a legible slope; the labels carry the real values.
constexpr double kMinDrawnPitch = 12;
constexpr double kMaxDrawnPitch = 72;

void drawArrowHead(QPainter& p, QPointF tip, QPointF from)
{
    const QPointF d = tip - from;
    const double length = std::hypot(d.x(), d.y());
    if (length == 0)
        return;
    const QPointF unit = d / length;
    const QPointF normal(-unit.y(), unit.x());
    const double size = 6;
    const QPointF base = tip - unit * size;
    p.drawPolygon(QPolygonF{tip, base + normal * (size / 2), base - normal * (size / 2)});
}

void drawDimension(QPainter& p, QPointF a, QPointF b)
{
    p.drawLine(a, b);
    drawArrowHead(p, a, b);
    drawArrowHead(p, b, a);
}

} // namespace

RoofSketch::RoofSketch(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(QString::fromUtf8("Skizze des Satteldachs"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize RoofSketch::sizeHint() const
{
    return {300, 220};
}

QSize RoofSketch::minimumSizeHint() const
{
    return {240, 180};
}

void RoofSketch::setRoof(float width, std::optional<float> height, std::optional<int> pitch)
{
    m_width = width;
    m_height = height;
    m_pitch = pitch;
    setAccessibleDescription(QStringLiteral("Breite ") + formatNumber("%f", width) + QStringLiteral(" m, ") +
                             heightText() + QStringLiteral(", Neigung ") + pitchText());
    update();
}

QString RoofSketch::heightText() const
{
    return QStringLiteral("h = ") +
           (m_height ? formatNumber("%f", *m_height) + QStringLiteral(" m") : QStringLiteral("?"));
}

QString RoofSketch::pitchText() const
{
    return m_pitch ? QString::number(*m_pitch) + QString::fromUtf8("°") : QStringLiteral("?");
}

void RoofSketch::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.base());
    p.setPen(pal.color(QPalette::Mid));
    p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));

    double degrees = kDefaultPitch;
    if (m_pitch)
        degrees = *m_pitch;
    else if (m_height && m_width > 0)
        degrees = std::atan(*m_height / (m_width / 2.0)) * 180 / std::numbers::pi;
    degrees = std::clamp(degrees, kMinDrawnPitch, kMaxDrawnPitch);
    const double slope = std::tan(degrees * std::numbers::pi / 180);

    const QFontMetrics fm = fontMetrics();
    const double textHeight = fm.height();
    // Room for the width below, the height label right of the ridge and a storey stub under the roof.
    const QRectF area = QRectF(rect()).adjusted(16, textHeight + 8, -16, -(2 * textHeight + 28));
    double base = std::min(area.width() * 0.8, 2 * area.height() / slope);
    const double rise = base / 2 * slope;
    const QPointF left(area.center().x() - base / 2, area.top() + (area.height() + rise) / 2);
    const QPointF right(left.x() + base, left.y());
    const QPointF ridge(area.center().x(), left.y() - rise);

    // The storey below, cut off: the roof stands on its ceiling.
    const double wallHeight = textHeight + 6;
    p.setPen(QPen(pal.color(QPalette::Mid), 1));
    p.setBrush(pal.color(QPalette::AlternateBase));
    p.drawRect(QRectF(left, QPointF(right.x(), left.y() + wallHeight)));

    QPainterPath roof;
    roof.moveTo(left);
    roof.lineTo(ridge);
    roof.lineTo(right);
    roof.closeSubpath();
    p.setPen(QPen(QColor(120, 40, 20), 2.5));
    p.setBrush(QColor(196, 92, 60, 90));
    p.drawPath(roof);

    const QColor ink = pal.color(QPalette::WindowText);
    p.setPen(QPen(ink, 1));
    p.setBrush(ink);

    // Height: from the floor of the roof storey to the ridge.
    const QPointF foot(ridge.x(), left.y());
    drawDimension(p, ridge, foot);
    const QString height = heightText();
    p.drawText(QPointF(ridge.x() + 6, (ridge.y() + foot.y()) / 2 + fm.ascent() / 2.0), height);

    // Pitch: the angle at the left eave between the ceiling and the roof plane.
    const double radius = std::min(base / 4, 40.0);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(left.x() - radius, left.y() - radius, 2 * radius, 2 * radius), 0,
              static_cast<int>(std::lround(degrees * 16)));
    const double half = degrees / 2 * std::numbers::pi / 180;
    const QPointF label(left.x() + (radius + 4) * std::cos(half), left.y() - (radius + 4) * std::sin(half));
    p.drawText(QPointF(label.x(), label.y() + fm.ascent() / 2.0), pitchText());

    // Width: the span of the roof.
    p.setBrush(ink);
    const double dimY = left.y() + wallHeight + 10;
    drawDimension(p, QPointF(left.x(), dimY), QPointF(right.x(), dimY));
    const QString width = QStringLiteral("B = ") + formatNumber("%f", m_width) + QStringLiteral(" m");
    p.drawText(QRectF(left.x(), dimY + 2, base, textHeight + 4), Qt::AlignHCenter | Qt::AlignTop, width);
}

} // namespace orv
