#include "ui/painted_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>
#include <QtMath>

namespace orv {

namespace {

// Colours of the set; disabled icons are drawn in greys instead.
struct Palette
{
    QColor outline{0x2e, 0x34, 0x40};
    QColor paper{0xff, 0xff, 0xff};
    QColor blue{0x2f, 0x6f, 0xb3};
    QColor green{0x2e, 0x8b, 0x57};
    QColor orange{0xd9, 0x7a, 0x1c};
    QColor red{0xc0, 0x39, 0x2b};
    QColor yellow{0xf2, 0xc1, 0x4e};
    QColor grey{0x9a, 0xa0, 0xa6};
};

Palette disabledPalette()
{
    Palette p;
    p.outline = QColor(0xa0, 0xa0, 0xa0);
    p.paper = QColor(0xf4, 0xf4, 0xf4);
    p.blue = p.green = p.orange = p.red = p.yellow = QColor(0xc4, 0xc4, 0xc4);
    p.grey = QColor(0xd0, 0xd0, 0xd0);
    return p;
}

// Everything is drawn on a 24 × 24 grid.
void drawBadge(QPainter& g, const Palette& c, const QColor& fill, const QString& text)
{
    g.setPen(Qt::NoPen);
    g.setBrush(fill);
    g.drawRoundedRect(QRectF(2.5, 2.5, 19, 19), 4, 4);
    QFont font = g.font();
    font.setBold(true);
    font.setPixelSize(text.size() > 1 ? 10 : 14);
    g.setFont(font);
    g.setPen(c.paper);
    g.drawText(QRectF(2.5, 2.5, 19, 19), Qt::AlignCenter, text);
}

void drawPage(QPainter& g, const Palette& c)
{
    QPainterPath page;
    page.moveTo(5.5, 2.5);
    page.lineTo(14.5, 2.5);
    page.lineTo(19.5, 7.5);
    page.lineTo(19.5, 21.5);
    page.lineTo(5.5, 21.5);
    page.closeSubpath();
    g.setPen(QPen(c.outline, 1.2));
    g.setBrush(c.paper);
    g.drawPath(page);
    g.drawPolyline(QPolygonF({QPointF(14.5, 2.5), QPointF(14.5, 7.5), QPointF(19.5, 7.5)}));
}

void paintIcon(QPainter& g, IconKind kind, const Palette& c)
{
    const QPen outline(c.outline, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (kind) {
    case IconKind::New:
        drawPage(g, c);
        g.setPen(QPen(c.green, 2.2, Qt::SolidLine, Qt::RoundCap));
        g.drawLine(QPointF(12.5, 11), QPointF(12.5, 18));
        g.drawLine(QPointF(9, 14.5), QPointF(16, 14.5));
        break;
    case IconKind::Open: {
        g.setPen(outline);
        g.setBrush(c.yellow.darker(115));
        g.drawPolygon(QPolygonF({QPointF(2.5, 5.5), QPointF(9, 5.5), QPointF(11, 7.5), QPointF(19.5, 7.5),
                                 QPointF(19.5, 19.5), QPointF(2.5, 19.5)}));
        g.setBrush(c.yellow);
        g.drawPolygon(
            QPolygonF({QPointF(2.5, 19.5), QPointF(6, 10.5), QPointF(22.5, 10.5), QPointF(19.5, 19.5)}));
        break;
    }
    case IconKind::Save:
        g.setPen(outline);
        g.setBrush(c.blue);
        g.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 2, 2);
        g.setBrush(c.paper);
        g.drawRect(QRectF(7, 3.5, 10, 6));
        g.setBrush(c.grey);
        g.drawRect(QRectF(6.5, 13, 11, 7.5));
        break;
    case IconKind::Print:
        g.setPen(outline);
        g.setBrush(c.paper);
        g.drawRect(QRectF(7, 2.5, 10, 7));
        g.setBrush(c.grey);
        g.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
        g.setBrush(c.paper);
        g.drawRect(QRectF(7, 14.5, 10, 7));
        g.setPen(QPen(c.outline, 1));
        g.drawLine(QPointF(9, 17.5), QPointF(15, 17.5));
        g.drawLine(QPointF(9, 19.5), QPointF(15, 19.5));
        g.setPen(Qt::NoPen);
        g.setBrush(c.green);
        g.drawEllipse(QPointF(18.5, 11.5), 1.2, 1.2);
        break;
    case IconKind::TakeBack: {
        QPainterPath arc;
        arc.moveTo(6, 10);
        arc.cubicTo(10, 4.5, 20, 5.5, 20, 13);
        arc.cubicTo(20, 18, 15, 20.5, 10, 19.5);
        g.setPen(QPen(c.blue, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        g.setBrush(Qt::NoBrush);
        g.drawPath(arc);
        g.setPen(Qt::NoPen);
        g.setBrush(c.blue);
        g.drawPolygon(QPolygonF({QPointF(2.5, 6), QPointF(10, 13), QPointF(3, 13.5)}));
        break;
    }
    case IconKind::OwnValues:
        drawBadge(g, c, c.orange, QStringLiteral("E"));
        break;
    case IconKind::OrdinanceValues:
        drawBadge(g, c, c.green, QStringLiteral("95"));
        break;
    case IconKind::Preset1:
    case IconKind::Preset2:
    case IconKind::Preset3:
    case IconKind::Preset4:
    case IconKind::Preset5:
        drawBadge(g, c, c.blue,
                  QString::number(static_cast<int>(kind) - static_cast<int>(IconKind::Preset1) + 1));
        break;
    case IconKind::KRConversion: {
        QFont font = g.font();
        font.setBold(true);
        font.setPixelSize(11);
        g.setFont(font);
        g.setPen(c.blue);
        g.drawText(QRectF(1, 1, 11, 12), Qt::AlignCenter, QStringLiteral("k"));
        g.setPen(c.red);
        g.drawText(QRectF(12, 11, 11, 12), Qt::AlignCenter, QStringLiteral("R"));
        g.setPen(QPen(c.outline, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        g.drawLine(QPointF(13, 5), QPointF(20, 5));
        g.drawPolyline(QPolygonF({QPointF(17.5, 2.5), QPointF(20, 5), QPointF(17.5, 7.5)}));
        g.drawLine(QPointF(11, 19), QPointF(4, 19));
        g.drawPolyline(QPolygonF({QPointF(6.5, 16.5), QPointF(4, 19), QPointF(6.5, 21.5)}));
        break;
    }
    case IconKind::LayerCalculator: {
        const QColor layers[] = {c.grey, c.orange, c.yellow, c.orange.darker(120)};
        const double widths[] = {3, 6, 5, 3};
        double x = 3.5;
        g.setPen(QPen(c.outline, 1));
        for (int i = 0; i < 4; ++i) {
            g.setBrush(layers[i]);
            g.drawRect(QRectF(x, 3.5, widths[i], 17));
            x += widths[i];
        }
        break;
    }
    case IconKind::SingleResults: {
        g.setPen(QPen(c.outline, 1.2));
        g.drawLine(QPointF(3, 21), QPointF(21, 21));
        const double heights[] = {7, 13, 10, 16};
        const QColor fills[] = {c.blue, c.green, c.orange, c.red};
        g.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            g.setBrush(fills[i]);
            g.drawRect(QRectF(4 + i * 4.3, 20.5 - heights[i], 3.3, heights[i]));
        }
        break;
    }
    case IconKind::BuildingInfo: {
        g.setPen(outline);
        g.setBrush(c.paper);
        g.drawPolygon(QPolygonF(
            {QPointF(4.5, 11), QPointF(12, 4), QPointF(19.5, 11), QPointF(19.5, 21), QPointF(4.5, 21)}));
        g.setBrush(c.red);
        g.drawPolygon(QPolygonF({QPointF(2.5, 12), QPointF(12, 3), QPointF(21.5, 12), QPointF(19.5, 12),
                                 QPointF(12, 5.5), QPointF(4.5, 12)}));
        QFont font = g.font();
        font.setBold(true);
        font.setPixelSize(10);
        g.setFont(font);
        g.setPen(c.blue);
        g.drawText(QRectF(4.5, 11, 15, 10), Qt::AlignCenter, QStringLiteral("i"));
        break;
    }
    case IconKind::Settings: {
        QPainterPath gear;
        const QPointF centre(12, 12);
        for (int i = 0; i < 8; ++i) {
            const double a = i * M_PI / 4;
            const double da = M_PI / 14;
            const double angles[] = {a - 2 * da, a - da, a + da, a + 2 * da};
            const double radii[] = {7, 9.5, 9.5, 7};
            for (int k = 0; k < 4; ++k) {
                const QPointF point = centre + QPointF(std::cos(angles[k]), std::sin(angles[k])) * radii[k];
                if (i == 0 && k == 0)
                    gear.moveTo(point);
                else
                    gear.lineTo(point);
            }
        }
        gear.closeSubpath();
        gear.addEllipse(centre, 3, 3);
        gear.setFillRule(Qt::OddEvenFill);
        g.setPen(outline);
        g.setBrush(c.grey);
        g.drawPath(gear);
        break;
    }
    case IconKind::ProgramInfo: {
        g.setPen(Qt::NoPen);
        g.setBrush(c.blue);
        g.drawEllipse(QRectF(2.5, 2.5, 19, 19));
        g.setBrush(c.paper);
        g.drawEllipse(QPointF(12, 7.5), 1.6, 1.6);
        g.drawRoundedRect(QRectF(10.6, 10.5, 2.8, 8), 1, 1);
        break;
    }
    case IconKind::Exit:
        g.setPen(outline);
        g.setBrush(c.grey);
        g.drawRect(QRectF(3.5, 2.5, 10, 19));
        g.setBrush(c.outline);
        g.drawEllipse(QPointF(11, 12), 0.9, 0.9);
        g.setPen(QPen(c.red, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        g.drawLine(QPointF(12, 12), QPointF(21, 12));
        g.drawPolyline(QPolygonF({QPointF(17.5, 8.5), QPointF(21, 12), QPointF(17.5, 15.5)}));
        break;
    case IconKind::Calculator:
        g.setPen(outline);
        g.setBrush(c.grey);
        g.drawRoundedRect(QRectF(4.5, 2.5, 15, 19), 2, 2);
        g.setBrush(c.paper);
        g.drawRect(QRectF(7, 5, 10, 4));
        g.setPen(Qt::NoPen);
        g.setBrush(c.outline);
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col)
                g.drawRect(QRectF(7 + col * 3.6, 11 + row * 3.3, 2.4, 2.2));
        break;
    }
}

class PaintedIconEngine final : public QIconEngine
{
  public:
    explicit PaintedIconEngine(IconKind kind) : m_kind(kind) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setRenderHint(QPainter::TextAntialiasing);
        const double side = std::min(rect.width(), rect.height());
        painter->translate(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2);
        painter->scale(side / 24.0, side / 24.0);
        paintIcon(*painter, m_kind, mode == QIcon::Disabled ? disabledPalette() : Palette());
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        // Tool buttons ask for their pixmap at every paint: draw each size once.
        const QString key = QStringLiteral("orv-icon-%1-%2x%3-%4-%5")
                                .arg(static_cast<int>(m_kind))
                                .arg(size.width())
                                .arg(size.height())
                                .arg(static_cast<int>(mode))
                                .arg(scale);
        QPixmap pixmap;
        if (QPixmapCache::find(key, &pixmap))
            return pixmap;
        pixmap = QPixmap(size * scale);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            paint(&painter, QRect(QPoint(0, 0), size * scale), mode, state);
        }
        pixmap.setDevicePixelRatio(scale);
        QPixmapCache::insert(key, pixmap);
        return pixmap;
    }

    QIconEngine* clone() const override { return new PaintedIconEngine(m_kind); }

  private:
    IconKind m_kind;
};

} // namespace

QIcon paintedIcon(IconKind kind)
{
    return QIcon(new PaintedIconEngine(kind));
}

} // namespace orv
