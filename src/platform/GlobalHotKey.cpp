#include "platform/GlobalHotKey.h"

#include <QGuiApplication>

#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <xcb/xcb.h>

namespace {

// Ctrl, with and without Caps Lock and Num Lock, which X counts as modifiers.
constexpr uint16_t kModifierSets[] = {XCB_MOD_MASK_CONTROL, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_LOCK,
                                      XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_2,
                                      XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};

struct X11
{
    xcb_connection_t *connection = nullptr;
    Display *display = nullptr;
    xcb_window_t root = 0;
};

std::optional<X11> x11()
{
    auto *native = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!native || !native->connection() || !native->display())
        return std::nullopt;
    X11 x{native->connection(), native->display(), 0};
    const xcb_setup_t *setup = xcb_get_setup(x.connection);
    x.root = xcb_setup_roots_iterator(setup).data->root;
    return x;
}

} // namespace

GlobalHotKey::GlobalHotKey(QObject *parent)
    : QObject(parent)
{
}

GlobalHotKey::~GlobalHotKey()
{
    unregister();
}

bool GlobalHotKey::registerCtrlQ()
{
    if (isRegistered())
        return true;
    const auto x = x11();
    if (!x)
        return false;
    const auto keycode = static_cast<xcb_keycode_t>(XKeysymToKeycode(x->display, XK_q));
    if (keycode == 0)
        return false;
    bool ok = true;
    for (uint16_t modifiers : kModifierSets) {
        const xcb_void_cookie_t cookie = xcb_grab_key_checked(x->connection, 1, x->root, modifiers, keycode,
                                                              XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        if (xcb_generic_error_t *error = xcb_request_check(x->connection, cookie)) {
            free(error);
            ok = false;
        }
    }
    if (!ok) {
        for (uint16_t modifiers : kModifierSets)
            xcb_ungrab_key(x->connection, keycode, x->root, modifiers);
        xcb_flush(x->connection);
        return false;
    }
    m_keycode = keycode;
    qGuiApp->installNativeEventFilter(this);
    return true;
}

void GlobalHotKey::unregister()
{
    if (!isRegistered())
        return;
    if (const auto x = x11()) {
        for (uint16_t modifiers : kModifierSets)
            xcb_ungrab_key(x->connection, static_cast<xcb_keycode_t>(m_keycode), x->root, modifiers);
        xcb_flush(x->connection);
    }
    m_keycode = 0;
    if (qGuiApp)
        qGuiApp->removeNativeEventFilter(this);
}

bool GlobalHotKey::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (!isRegistered() || eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<xcb_generic_event_t *>(message);
    if ((event->response_type & ~0x80) != XCB_KEY_PRESS)
        return false;
    const auto *key = static_cast<xcb_key_press_event_t *>(message);
    if (key->detail != m_keycode || !(key->state & XCB_MOD_MASK_CONTROL))
        return false;
    emit activated();
    return true;
}
