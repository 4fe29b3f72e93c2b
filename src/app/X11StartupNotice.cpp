#include "app/X11StartupNotice.h"

#include <X11/Xlib.h>

#include <algorithm>
#include <cstring>

namespace sorvel {

namespace {

// The start-up notification protocol's value syntax: quoted, with "\" before
// a quote or a backslash.
std::string quoted(const std::string& value) {
    std::string out = "\"";
    for (const char c : value) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

}  // namespace

bool endX11StartupNotice(void* handle, const std::string& startupId) {
    auto* display = static_cast<Display*>(handle);
    if (display == nullptr || startupId.empty()) {
        return false;
    }
    // The message goes to the root window in pieces of 20 bytes, the first
    // as the beginning of a message, its closing NUL included; each piece
    // names a window of the sender's.
    const std::string message = "remove: ID=" + quoted(startupId);
    const Window root = DefaultRootWindow(display);
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    const Window sender = XCreateWindow(display, root, -100, -100, 1, 1, 0, CopyFromParent,
                                        InputOnly, CopyFromParent, CWOverrideRedirect, &attributes);
    const Atom begin = XInternAtom(display, "_NET_STARTUP_INFO_BEGIN", False);
    const Atom more = XInternAtom(display, "_NET_STARTUP_INFO", False);
    const std::size_t total = message.size() + 1;
    for (std::size_t sent = 0; sent < total;) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.display = display;
        event.xclient.window = sender;
        event.xclient.message_type = sent == 0 ? begin : more;
        event.xclient.format = 8;
        const std::size_t piece = std::min<std::size_t>(20, total - sent);
        std::memcpy(event.xclient.data.b, message.c_str() + sent, piece);
        XSendEvent(display, root, False, PropertyChangeMask, &event);
        sent += piece;
    }
    XDestroyWindow(display, sender);
    XSync(display, False);
    return true;
}

}  // namespace sorvel
