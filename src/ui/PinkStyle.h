#pragma once

#include <QColor>
#include <QProxyStyle>

// The pink look: bars shaded from light pink to white, highlighted buttons
// and menu entries shaded from white to deep pink with a shadow.
class PinkStyle : public QProxyStyle
{
    Q_OBJECT
public:
    static inline const QColor kLightPink{247, 189, 217};
    static inline const QColor kDeepPink{204, 44, 101};

    PinkStyle();

    QPalette standardPalette() const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;

private:
    void drawBarBackground(QPainter *painter, const QRect &rect, const QWidget *widget) const;
    void drawHighlight(QPainter *painter, const QRect &rect, int shrinkX, int shrinkY) const;
};
