#include "ui/Themes.h"

#include "ui/PinkStyle.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace {

int g_current = -1;

// A clean light look on the Fusion style, whatever the desktop's colours.
class ModernStyle : public QProxyStyle
{
public:
    ModernStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    QPalette standardPalette() const override
    {
        QPalette palette(QColor(246, 247, 249), QColor(250, 251, 252));
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Highlight, QColor(52, 120, 220));
        palette.setColor(QPalette::HighlightedText, Qt::white);
        palette.setColor(QPalette::Text, QColor(30, 30, 30));
        palette.setColor(QPalette::WindowText, QColor(30, 30, 30));
        palette.setColor(QPalette::ButtonText, QColor(30, 30, 30));
        palette.setColor(QPalette::ToolTipBase, Qt::white);
        palette.setColor(QPalette::ToolTipText, QColor(30, 30, 30));
        // What cannot be chosen now is drawn grey, in menus and on buttons.
        for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
            palette.setColor(QPalette::Disabled, role, QColor(150, 150, 150));
        return palette;
    }
};

} // namespace

QStyle *Themes::makeStyle(int skin)
{
    switch (skin) {
    case kPink: return new PinkStyle;
    case kClassic: {
        QStyle *classic = QStyleFactory::create(QStringLiteral("Windows"));
        return classic ? classic : QStyleFactory::create(QStringLiteral("Fusion"));
    }
    default: return new ModernStyle;
    }
}

void Themes::apply(int skin)
{
    if (skin != kPink && skin != kClassic)
        skin = kModern;
    QStyle *style = makeStyle(skin);
    QApplication::setStyle(style);
    QApplication::setPalette(style->standardPalette());
    g_current = skin;
}

int Themes::current()
{
    return g_current;
}
