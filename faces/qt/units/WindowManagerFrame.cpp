#include "faces/qt/units/WindowManagerFrame.h"

#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>

namespace {

// Long enough for a window manager under load, short enough not to be noticed at start-up;
// one that answers at all does so within a few milliseconds.
constexpr auto kAnswerWait = std::chrono::milliseconds(200);
constexpr auto kPollInterval = std::chrono::milliseconds(1);
// A frame side wider than this is not a frame but a broken property.
constexpr uint32_t kWidestFrameSide = 500;

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <class Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

xcb_atom_t InternAtom(xcb_connection_t* connection, const char* name)
{
    const ReplyPtr<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name),
                              nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// A 32-bit property's values, empty when it is missing, of another type or format, or the
// window is gone (the error is taken here, not left to Qt's event queue).
std::vector<uint32_t> Property32(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                                 xcb_atom_t type, uint32_t max_values)
{
    xcb_generic_error_t* error = nullptr;
    const ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, type, 0, max_values), &error));
    std::free(error);
    if (!reply || reply->type != type || reply->format != 32)
        return {};
    const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return std::vector<uint32_t>(values, values + count);
}

// A window manager is running when the root names a check window that names itself; a
// property left behind by one that has gone names a window that no longer exists.
bool WindowManagerRunning(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t check)
{
    const std::vector<uint32_t> named = Property32(connection, root, check, XCB_ATOM_WINDOW, 1);
    if (named.size() != 1)
        return false;
    const std::vector<uint32_t> self = Property32(connection, named[0], check, XCB_ATOM_WINDOW, 1);
    return self.size() == 1 && self[0] == named[0];
}

}  // namespace

std::optional<QMargins> WindowManagerFrame(QWidget& window, QMargins guess)
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (connection == nullptr)
        return std::nullopt;
    const auto client = xcb_window_t(window.winId());
    const ReplyPtr<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, client), nullptr));
    if (!tree)
        return std::nullopt;
    const xcb_window_t root = tree->root;

    if (!WindowManagerRunning(connection, root, InternAtom(connection, "_NET_SUPPORTING_WM_CHECK")))
        return std::nullopt;
    const xcb_atom_t request = InternAtom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = InternAtom(connection, "_NET_FRAME_EXTENTS");
    const std::vector<uint32_t> supported =
        Property32(connection, root, InternAtom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096);
    if (request == XCB_ATOM_NONE || extents == XCB_ATOM_NONE ||
        std::find(supported.begin(), supported.end(), request) == supported.end())
        return guess;

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = client;
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);

    const auto give_up = std::chrono::steady_clock::now() + kAnswerWait;
    do {
        // Left, right, top, bottom.
        const std::vector<uint32_t> sides = Property32(connection, client, extents, XCB_ATOM_CARDINAL, 4);
        if (sides.size() == 4) {
            if (std::any_of(sides.begin(), sides.end(), [](uint32_t side) { return side > kWidestFrameSide; }))
                return guess;
            return QMargins(int(sides[0]), int(sides[2]), int(sides[1]), int(sides[3]));
        }
        std::this_thread::sleep_for(kPollInterval);
    } while (std::chrono::steady_clock::now() < give_up);
    return guess;
}

#else

std::optional<QMargins> WindowManagerFrame(QWidget&, QMargins) { return std::nullopt; }

#endif
