#include "app/X11LockKeys.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace sorvel {

namespace {

bool indicator(Display* display, const char* name) {
    const Atom atom = XInternAtom(display, name, True);
    if (atom == 0) {
        return false;
    }
    Bool on = False;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr)) {
        return false;
    }
    return on != False;
}

}  // namespace

std::optional<LockKeyStates> readX11LockKeys(void* handle) {
    auto* display = static_cast<Display*>(handle);
    if (display == nullptr) {
        return std::nullopt;
    }
    int opcode = 0;
    int event = 0;
    int error = 0;
    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    if (!XkbQueryExtension(display, &opcode, &event, &error, &major, &minor)) {
        return std::nullopt;
    }
    LockKeyStates states;
    states.caps = indicator(display, "Caps Lock");
    states.num = indicator(display, "Num Lock");
    states.scroll = indicator(display, "Scroll Lock");
    return states;
}

}  // namespace sorvel
