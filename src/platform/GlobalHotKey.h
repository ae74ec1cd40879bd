#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

// Ctrl+Q for the whole desktop, while the frame is hidden. On X11 it is a
// key grab on the root window; elsewhere it cannot be registered.
class GlobalHotKey : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT
public:
    explicit GlobalHotKey(QObject *parent = nullptr);
    ~GlobalHotKey() override;

    // False when the key cannot be had (another program holds it, or the
    // desktop offers no such thing).
    bool registerCtrlQ();
    void unregister();
    bool isRegistered() const { return m_keycode != 0; }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

signals:
    void activated();

private:
    unsigned m_keycode = 0;
};
