#pragma once

#include <QIcon>
#include <QIconEngine>

#include <functional>
#include <optional>

// An icon made only when it is first drawn or measured: the window can show
// before its tool bar pictures have been loaded.
class LazyIconEngine : public QIconEngine
{
public:
    explicit LazyIconEngine(std::function<QIcon()> make) : m_make(std::move(make)) {}

    static QIcon icon(std::function<QIcon()> make) { return QIcon(new LazyIconEngine(std::move(make))); }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        real().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return real().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return real().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return real().availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new LazyIconEngine(m_make); }
    QString key() const override { return QStringLiteral("vesperal-lazy"); }
    // Known not to be null without making it.
    bool isNull() override { return false; }

private:
    QIcon &real()
    {
        if (!m_icon)
            m_icon = m_make();
        return *m_icon;
    }

    std::function<QIcon()> m_make;
    std::optional<QIcon> m_icon;
};
