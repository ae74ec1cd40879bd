#include "ui/BusyIndicator.h"

#include <QPainter>

#include <cmath>

namespace {
constexpr int kDots = 8;
}

BusyIndicator::BusyIndicator(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("busy"));
    setFixedSize(sizeHint());
    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_step = (m_step + 1) % kDots;
        update();
    });
}

void BusyIndicator::setRunning(bool running)
{
    if (running == m_timer.isActive())
        return;
    if (running)
        m_timer.start();
    else
        m_timer.stop();
    m_step = 0;
    update();
}

void BusyIndicator::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(width() / 2.0, height() / 2.0);
    const double radius = std::min(width(), height()) / 2.0 - 3;
    const QColor base = palette().color(QPalette::Highlight);
    for (int i = 0; i < kDots; ++i) {
        const double angle = 2 * M_PI * i / kDots;
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        QColor colour = base;
        // Standing still: all dots pale; turning: a bright dot runs round.
        const int age = (i - m_step + kDots) % kDots;
        colour.setAlphaF(isRunning() ? 1.0 - age / double(kDots) * 0.85 : 0.25);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(at, 2.0, 2.0);
    }
}
