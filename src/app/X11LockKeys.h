#pragma once

#include <optional>

namespace sorvel {

// The lock keys' states as the X server's keyboard extension reports them.
// Plain C++ on purpose: the X headers, whose macros clash with Qt's names,
// stay inside the implementation.
struct LockKeyStates {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// Reads the states of the indicators named "Caps Lock", "Num Lock" and
// "Scroll Lock" on the display `display` (an X11 Display*); nothing when the
// display is null or has no keyboard extension.
std::optional<LockKeyStates> readX11LockKeys(void* display);

}  // namespace sorvel
