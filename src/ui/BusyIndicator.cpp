#include "ui/BusyIndicator.h"

#include <QPainter>

#include <cmath>

namespace {
constexpr int kDots = 8;
constexpr int kDelay = 500;
constexpr int kStep = 250;
} // namespace

BusyIndicator::BusyIndicator(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("busy"));
    setFixedSize(sizeHint());
    m_delay.setSingleShot(true);
    m_delay.setInterval(kDelay);
    connect(&m_delay, &QTimer::timeout, this, [this] {
        m_timer.start();
        update();
    });
    m_timer.setInterval(kStep);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_step = (m_step + 1) % kDots;
        update();
    });
}

void BusyIndicator::setRunning(bool running)
{
    if (running == m_running)
        return;
    m_running = running;
    m_step = 0;
    if (running) {
        m_delay.start();
        return;
    }
    m_delay.stop();
    if (m_timer.isActive()) {
        m_timer.stop();
        update();
    }
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
        colour.setAlphaF(isTurning() ? 1.0 - age / double(kDots) * 0.85 : 0.25);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(at, 2.0, 2.0);
    }
}
