#include "ui/PinkStyle.h"

#include <QLinearGradient>
#include <QMenu>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolBar>

PinkStyle::PinkStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

QPalette PinkStyle::standardPalette() const
{
    QPalette palette = QProxyStyle::standardPalette();
    palette.setColor(QPalette::Window, QColor(253, 236, 244));
    palette.setColor(QPalette::Button, QColor(251, 222, 236));
    palette.setColor(QPalette::Highlight, kDeepPink);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    return palette;
}

void PinkStyle::drawBarBackground(QPainter *painter, const QRect &rect, const QWidget *widget) const
{
    // Docked bars side by side share one gradient: it spans the bar's own
    // window, not just the part being painted.
    const QRect span = widget ? widget->rect() : rect;
    QLinearGradient gradient(span.topLeft(), span.bottomLeft());
    gradient.setColorAt(0, kLightPink);
    gradient.setColorAt(1, Qt::white);
    painter->fillRect(rect, gradient);
}

void PinkStyle::drawHighlight(QPainter *painter, const QRect &rect, int shrinkX, int shrinkY) const
{
    const QRect area = rect.adjusted(shrinkX, shrinkY, -shrinkX, -shrinkY);
    if (area.isEmpty())
        return;
    // A shadow three pixels deep, then the white to deep pink gradient.
    for (int depth = 3; depth >= 1; --depth) {
        QColor shadow(0, 0, 0, 18 * (4 - depth));
        painter->fillRect(area.translated(depth, depth), shadow);
    }
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, Qt::white);
    gradient.setColorAt(1, kDeepPink);
    painter->fillRect(area, gradient);
}

void PinkStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    switch (element) {
    case PE_PanelToolBar:
    case PE_PanelMenuBar:
        drawBarBackground(painter, option->rect, widget);
        if (element == PE_PanelToolBar) {
            // A light pink frame with a white one inside it.
            painter->setPen(kLightPink);
            painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
            painter->setPen(Qt::white);
            painter->drawRect(option->rect.adjusted(1, 1, -2, -2));
        }
        return;
    case PE_PanelButtonTool: {
        const bool down = option->state & (State_Sunken | State_On);
        if (down) {
            painter->setPen(option->palette.color(QPalette::Highlight));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(option->rect.adjusted(1, 1, -2, -2));
            return;
        }
        if (option->state & State_MouseOver) {
            const bool horizontal = !(widget && widget->parentWidget()
                                      && qobject_cast<const QToolBar *>(widget->parentWidget())
                                      && static_cast<const QToolBar *>(widget->parentWidget())->orientation()
                                             == Qt::Vertical);
            drawHighlight(painter, option->rect, horizontal ? 4 : 3, horizontal ? 3 : 4);
            return;
        }
        return;
    }
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void PinkStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                            const QWidget *widget) const
{
    switch (element) {
    case CE_ToolBar:
        drawPrimitive(PE_PanelToolBar, option, painter, widget);
        return;
    case CE_MenuBarEmptyArea:
        drawBarBackground(painter, option->rect, widget);
        return;
    case CE_MenuBarItem: {
        drawBarBackground(painter, option->rect, widget);
        auto item = *qstyleoption_cast<const QStyleOptionMenuItem *>(option);
        if (item.state & (State_Selected | State_Sunken))
            drawHighlight(painter, item.rect, 1, 2);
        item.state &= ~(State_Selected | State_Sunken);
        // The text over the pink, without the base style's own highlight.
        QProxyStyle::drawItemText(painter, item.rect, Qt::AlignCenter | Qt::TextShowMnemonic, item.palette,
                                  item.state & State_Enabled, item.text, QPalette::ButtonText);
        return;
    }
    case CE_MenuItem: {
        const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
        if (item && (item->state & State_Selected) && item->menuItemType != QStyleOptionMenuItem::Separator
            && (item->state & State_Enabled)) {
            painter->fillRect(item->rect, item->palette.color(QPalette::Base));
            drawHighlight(painter, item->rect, 1, 2);
            QStyleOptionMenuItem plain = *item;
            plain.state &= ~State_Selected;
            QProxyStyle::drawControl(element, &plain, painter, widget);
            return;
        }
        break;
    }
    default:
        break;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}
