#pragma once

#include <string>

namespace sorvel {

// Ends the desktop's "starting" feedback (a busy pointer, a taskbar entry)
// for the start-up notification `startupId` on the X display `display` (an
// X11 Display*), as a program that shows no window of its own must: a start
// that hands its files to the running program ends without one. False when
// there is no display or no id. Plain C++ on purpose: the X headers stay
// inside the implementation.
bool endX11StartupNotice(void* display, const std::string& startupId);

}  // namespace sorvel
