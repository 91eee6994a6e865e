#include "FrameExtents.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <QWidget>

#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

namespace {

template <class Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(qstrlen(name)), name);
    ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The 32-bit values of a property, at most `count` of them.
QList<quint32> Cardinals(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
                         uint32_t count) {
    const auto cookie = xcb_get_property(connection, 0, window, property, type, 0, count);
    ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    QList<quint32> values;
    if (!reply || reply->format != 32) return values;
    const auto* data = static_cast<const quint32*>(xcb_get_property_value(reply.get()));
    for (uint32_t i = 0; i < reply->value_len; ++i) values.append(data[i]);
    return values;
}

xcb_window_t RootOf(xcb_connection_t* connection, xcb_window_t window) {
    ReplyPtr<xcb_get_geometry_reply_t> reply(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr), &std::free);
    return reply ? reply->root : xcb_window_t{XCB_WINDOW_NONE};
}

}  // namespace

QMargins AnnouncedFrameExtents(QWidget* window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr || window == nullptr) return {};
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_window_t root = RootOf(connection, id);
    const xcb_atom_t request = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = Atom(connection, "_NET_FRAME_EXTENTS");
    const xcb_atom_t supported = Atom(connection, "_NET_SUPPORTED");
    if (root == XCB_WINDOW_NONE || request == XCB_ATOM_NONE || extents == XCB_ATOM_NONE) return {};
    if (!Cardinals(connection, root, supported, XCB_ATOM_ATOM, 1024).contains(request)) return {};

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    // A window manager answers within a few round trips; one that is busy
    // costs the window its exact place, never its start.
    for (int attempt = 0; attempt < 50; ++attempt) {
        const QList<quint32> values = Cardinals(connection, id, extents, XCB_ATOM_CARDINAL, 4);
        if (values.size() == 4)  // left, right, top, bottom
            return {static_cast<int>(values[0]), static_cast<int>(values[2]), static_cast<int>(values[1]),
                    static_cast<int>(values[3])};
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return {};
}
