#pragma once

#include <string>

namespace sorvel {

// The modal help window: shows a caption and a text until the user closes it.
// The program implements it with the help dialog; tests may record the calls.
class HelpWindow {
  public:
    virtual ~HelpWindow() = default;

    // Shows `text` (8-bit, CR LF breaks) under `caption` and returns when the
    // window has been closed. Nothing of the window remains afterwards.
    virtual void run(const std::string& caption, const std::string& text) = 0;
};

}  // namespace sorvel
