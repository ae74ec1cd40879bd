#include "WindowTitleWatch.h"

#include <QSocketNotifier>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

WindowTitleWatch::WindowTitleWatch(QObject *parent)
    : QObject(parent)
{
    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return;
    }
    m_connection = connection;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    m_root = screens.data->root;
    m_netWmName = atom("_NET_WM_NAME");
    m_utf8 = atom("UTF8_STRING");

    // Top-level windows are children of the root window (there is no window
    // manager to reparent them, and a reparenting one reports that too).
    const quint32 mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, m_root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
    m_notifier = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection), QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &WindowTitleWatch::readEvents);
}

WindowTitleWatch::~WindowTitleWatch()
{
    m_notifier.reset();
    if (m_connection)
        xcb_disconnect(m_connection);
}

void WindowTitleWatch::expect(const QByteArray &text)
{
    m_expected = text;
    readEvents();
}

quint32 WindowTitleWatch::atom(const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(m_connection, xcb_intern_atom(m_connection, 0, uint16_t(strlen(name)), name), nullptr);
    const quint32 result = reply ? reply->atom : XCB_ATOM_NONE;
    std::free(reply);
    return result;
}

void WindowTitleWatch::readEvents()
{
    if (!m_connection)
        return;
    // Waiting for a reply may have queued events too: take all there are.
    while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
        switch (event->response_type & ~0x80) {
        case XCB_CREATE_NOTIFY: {
            const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
            if (created->parent == m_root)
                watchWindow(created->window);
            break;
        }
        case XCB_REPARENT_NOTIFY: {
            const auto *moved = reinterpret_cast<xcb_reparent_notify_event_t *>(event);
            watchWindow(moved->window);
            break;
        }
        case XCB_PROPERTY_NOTIFY: {
            const auto *changed = reinterpret_cast<xcb_property_notify_event_t *>(event);
            if (changed->atom == m_netWmName || changed->atom == XCB_ATOM_WM_NAME)
                checkTitle(changed->window);
            break;
        }
        default: break;
        }
        std::free(event);
    }
    xcb_flush(m_connection);
}

void WindowTitleWatch::watchWindow(quint32 window)
{
    const quint32 mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(m_connection, window, XCB_CW_EVENT_MASK, &mask);
    // The title may have been set before the watch began.
    checkTitle(window);
}

void WindowTitleWatch::checkTitle(quint32 window)
{
    if (m_expected.isEmpty())
        return;
    for (const quint32 property : {m_netWmName, quint32(XCB_ATOM_WM_NAME)}) {
        xcb_get_property_reply_t *reply = xcb_get_property_reply(
            m_connection, xcb_get_property(m_connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
            nullptr);
        if (!reply)
            continue;
        const QByteArray title(static_cast<const char *>(xcb_get_property_value(reply)),
                               xcb_get_property_value_length(reply));
        std::free(reply);
        if (title.contains(m_expected)) {
            m_expected.clear();
            emit seen();
            return;
        }
    }
}
