#include "ui/PaneIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace {

QIcon draw(const std::function<void(QPainter &)> &paint)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    return QIcon(pixmap);
}

void window(QPainter &p, const QColor &frame)
{
    p.setPen(QPen(frame, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 2.5, 12, 10));
    p.fillRect(QRectF(2, 3, 11, 2.5), frame);
}

} // namespace

QIcon PaneIcons::program()
{
    return draw([](QPainter &p) {
        p.setPen(QPen(QColor(30, 90, 170), 1.2));
        p.setBrush(QColor(120, 180, 240));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
        p.drawEllipse(QRectF(5, 1.5, 6, 13));
    });
}

QIcon PaneIcons::proxy()
{
    return draw([](QPainter &p) {
        p.setPen(QPen(QColor(40, 110, 60), 1.6));
        p.drawLine(QPointF(2, 5), QPointF(13, 5));
        p.drawLine(QPointF(10, 2), QPointF(13, 5));
        p.drawLine(QPointF(14, 11), QPointF(3, 11));
        p.drawLine(QPointF(6, 8), QPointF(3, 11));
    });
}

QIcon PaneIcons::online()
{
    return draw([](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 170, 60));
        p.drawEllipse(QRectF(3, 3, 10, 10));
    });
}

QIcon PaneIcons::offline()
{
    return draw([](QPainter &p) {
        p.setPen(QPen(QColor(120, 120, 120), 1.5));
        p.setBrush(QColor(200, 200, 200));
        p.drawEllipse(QRectF(3, 3, 10, 10));
        p.drawLine(QPointF(4, 12), QPointF(12, 4));
    });
}

QIcon PaneIcons::popupsBlocked()
{
    return draw([](QPainter &p) {
        window(p, QColor(90, 90, 140));
        p.setPen(QPen(QColor(210, 30, 30), 1.8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(6.5, 6.5, 8, 8));
        p.drawLine(QPointF(8, 13), QPointF(13, 8));
    });
}

QIcon PaneIcons::popupsAllowed()
{
    return draw([](QPainter &p) {
        window(p, QColor(90, 90, 140));
        p.setPen(QPen(QColor(40, 160, 60), 1.8));
        p.drawLine(QPointF(6, 10), QPointF(8.5, 12.5));
        p.drawLine(QPointF(8.5, 12.5), QPointF(13, 6.5));
    });
}

QIcon PaneIcons::security()
{
    return draw([](QPainter &p) {
        p.setPen(QPen(QColor(150, 110, 20), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(4.5, 1.5, 7, 8), 0, 180 * 16);
        p.setPen(QPen(QColor(150, 110, 20), 1));
        p.setBrush(QColor(230, 190, 60));
        p.drawRect(QRectF(3.5, 6.5, 9, 8));
    });
}

QIcon PaneIcons::editor()
{
    return draw([](QPainter &p) {
        p.setPen(QPen(QColor(80, 80, 80), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 1.5, 9, 13));
        p.setPen(QPen(QColor(60, 60, 200), 1.8));
        p.drawLine(QPointF(7, 11), QPointF(14, 4));
    });
}
