#include "FrameExtents.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>
#include <QWidget>

#include <xcb/xcb.h>

#include <poll.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

template <class Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <class Reply>
ReplyPtr<Reply> Owned(Reply* reply) {
    return ReplyPtr<Reply>(reply, &std::free);
}

xcb_atom_t AtomOf(xcb_connection_t* connection, xcb_intern_atom_cookie_t cookie) {
    const auto reply = Owned(xcb_intern_atom_reply(connection, cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The 32-bit values of a property as a get_property reply holds them.
std::vector<uint32_t> Values(xcb_connection_t* connection, xcb_get_property_cookie_t cookie) {
    const auto reply = Owned(xcb_get_property_reply(connection, cookie, nullptr));
    if (!reply || reply->format != 32) return {};
    const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return {data, data + reply->value_len};
}

// _NET_FRAME_EXTENTS of `window`, when the window manager has set it.
std::optional<QMargins> FrameOf(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t extents) {
    const std::vector<uint32_t> v =
        Values(connection, xcb_get_property(connection, 0, window, extents, XCB_ATOM_CARDINAL, 0, 4));
    if (v.size() != 4) return std::nullopt;
    // left, right, top, bottom
    return QMargins(static_cast<int>(v[0]), static_cast<int>(v[2]), static_cast<int>(v[1]), static_cast<int>(v[3]));
}

}  // namespace

struct AnnouncedFrameExtents::Question {
    xcb_window_t window = XCB_WINDOW_NONE;
    xcb_atom_t extents = XCB_ATOM_NONE;
    Clock::time_point deadline;
    std::optional<QMargins> answer;

    // Reads the answer on Qt's connection; when it has not come yet, waits
    // for the property to change on a connection of its own (Qt's connection
    // hands its events to Qt's event loop, which is not running here).
    QMargins Await(xcb_connection_t* qt) const {
        if (const auto frame = FrameOf(qt, window, extents)) return *frame;
        if (Clock::now() >= deadline) return {};
        xcb_connection_t* own = xcb_connect(nullptr, nullptr);
        const QMargins frame = AwaitOn(own);
        xcb_disconnect(own);
        return frame;
    }

    QMargins AwaitOn(xcb_connection_t* own) const {
        if (xcb_connection_has_error(own) != 0) return {};
        const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_change_window_attributes(own, window, XCB_CW_EVENT_MASK, &mask);
        // Read once more after choosing the event: an answer that came in
        // between is seen here, a later one as an event.
        if (const auto frame = FrameOf(own, window, extents)) return *frame;
        pollfd fd{xcb_get_file_descriptor(own), POLLIN, 0};
        for (;;) {
            while (const auto event = Owned(xcb_poll_for_event(own))) {
                const auto* change = reinterpret_cast<const xcb_property_notify_event_t*>(event.get());
                if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY && change->window == window &&
                    change->atom == extents && change->state == XCB_PROPERTY_NEW_VALUE) {
                    if (const auto frame = FrameOf(own, window, extents)) return *frame;
                }
            }
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
            if (left <= 0 || xcb_connection_has_error(own) != 0) return {};
            if (poll(&fd, 1, static_cast<int>(left)) < 0) return {};
        }
    }
};

AnnouncedFrameExtents::AnnouncedFrameExtents() = default;
AnnouncedFrameExtents::~AnnouncedFrameExtents() = default;

void AnnouncedFrameExtents::Ask(QWidget* window) {
    if (m_asked || window == nullptr) return;
    m_asked = true;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) return;
    xcb_connection_t* c = x11->connection();
    const auto id = static_cast<xcb_window_t>(window->winId());

    // Three round trips: the names and the root; what the window manager
    // offers; whether the window manager that said so still runs (its
    // check window is gone when it ended without tidying up).
    auto intern = [c](const char* name) {
        return xcb_intern_atom(c, 1, static_cast<uint16_t>(qstrlen(name)), name);
    };
    const auto requestCookie = intern("_NET_REQUEST_FRAME_EXTENTS");
    const auto extentsCookie = intern("_NET_FRAME_EXTENTS");
    const auto supportedCookie = intern("_NET_SUPPORTED");
    const auto checkCookie = intern("_NET_SUPPORTING_WM_CHECK");
    const auto geometry = Owned(xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr));
    const xcb_atom_t request = AtomOf(c, requestCookie);
    const xcb_atom_t extents = AtomOf(c, extentsCookie);
    const xcb_atom_t supported = AtomOf(c, supportedCookie);
    const xcb_atom_t check = AtomOf(c, checkCookie);
    if (!geometry || request == XCB_ATOM_NONE || extents == XCB_ATOM_NONE || supported == XCB_ATOM_NONE ||
        check == XCB_ATOM_NONE)
        return;
    const xcb_window_t root = geometry->root;

    const auto offeredCookie = xcb_get_property(c, 0, root, supported, XCB_ATOM_ATOM, 0, 1024);
    const auto checkWindowCookie = xcb_get_property(c, 0, root, check, XCB_ATOM_WINDOW, 0, 1);
    const std::vector<uint32_t> offered = Values(c, offeredCookie);
    const std::vector<uint32_t> checkWindow = Values(c, checkWindowCookie);
    if (checkWindow.size() != 1 || std::find(offered.begin(), offered.end(), request) == offered.end()) return;
    if (Values(c, xcb_get_property(c, 0, checkWindow[0], check, XCB_ATOM_WINDOW, 0, 1)) != checkWindow) return;

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);
    m_question = std::make_unique<Question>(Question{id, extents, Clock::now() + Bound, std::nullopt});
}

QMargins AnnouncedFrameExtents::Answer() {
    if (!m_question) return {};
    if (!m_question->answer) {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        m_question->answer = x11 != nullptr ? m_question->Await(x11->connection()) : QMargins();
    }
    return *m_question->answer;
}

BlockedCloseRequests::BlockedCloseRequests(QWidget& window, std::function<bool()> take)
    : m_window(window), m_take(std::move(take)) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) return;
    const auto protocols = xcb_intern_atom(connection, 0, 12, "WM_PROTOCOLS");
    const auto deleteWindow = xcb_intern_atom(connection, 0, 16, "WM_DELETE_WINDOW");
    m_protocols = AtomOf(connection, protocols);
    m_delete = AtomOf(connection, deleteWindow);
    if (m_protocols != XCB_ATOM_NONE && m_delete != XCB_ATOM_NONE) QCoreApplication::instance()->installNativeEventFilter(this);
}

BlockedCloseRequests::~BlockedCloseRequests() {
    if (QCoreApplication::instance() != nullptr) QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool BlockedCloseRequests::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) return false;
    const auto* request = static_cast<const xcb_client_message_event_t*>(message);
    if (request->type != m_protocols || request->format != 32 || request->data.data32[0] != m_delete) return false;
    const QWindow* handle = m_window.windowHandle();
    if (handle == nullptr || request->window != static_cast<xcb_window_t>(m_window.internalWinId())) return false;
    // Only a request Qt would drop: one that comes while a modal window blocks this one.
    const QWindow* modal = QGuiApplication::modalWindow();
    if (modal == nullptr || modal == handle) return false;
    return m_take();
}
