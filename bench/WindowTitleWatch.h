#pragma once

// Watches the X server for a top-level window whose title holds a given text:
// the one way to see, from outside, when any browser (ours, the bare view, a
// browser of another make) shows a page's title. It is told of every new
// window and every title change as they happen, so nothing is polled.
#include <QByteArray>
#include <QObject>

#include <memory>

struct xcb_connection_t;
class QSocketNotifier;

class WindowTitleWatch : public QObject
{
    Q_OBJECT
public:
    // Connects to $DISPLAY; isConnected() tells whether that worked.
    explicit WindowTitleWatch(QObject *parent = nullptr);
    ~WindowTitleWatch() override;

    bool isConnected() const { return m_connection != nullptr; }
    // From now on, a title holding the text is reported once by seen().
    void expect(const QByteArray &text);

signals:
    void seen();

private:
    void readEvents();
    void watchWindow(quint32 window);
    void checkTitle(quint32 window);
    quint32 atom(const char *name);

    xcb_connection_t *m_connection = nullptr;
    std::unique_ptr<QSocketNotifier> m_notifier;
    quint32 m_root = 0;
    quint32 m_netWmName = 0;
    quint32 m_utf8 = 0;
    QByteArray m_expected;
};
