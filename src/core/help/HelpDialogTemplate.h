#pragma once

#include <string_view>

#include "help/DialogUnits.h"

namespace sorvel::helpdialog {

// The help window's layout in dialog units, and its fixed texts.

inline constexpr std::string_view kTemplateCaption = "Sorvel Help";

inline constexpr std::string_view kNote =
    "To copy the text below, (1) select the text, and\n(2) press Ctrl-C or right-click and from "
    "the pop-up menu, choose Copy.";

inline constexpr std::string_view kOkLabel = "OK";

inline constexpr int kOkId = 1;
inline constexpr int kTextBoxId = 1000;

inline constexpr DialogRect kClient{0, 0, 369, 306};
inline constexpr DialogRect kNoteRect{61, 9, 246, 17};
inline constexpr DialogRect kOkRect{312, 10, 50, 14};
inline constexpr DialogRect kTextBoxRect{7, 34, 355, 265};

// Inner left and right margins of the text box, in pixels.
inline constexpr int kTextMarginPixels = 8;

}  // namespace sorvel::helpdialog
