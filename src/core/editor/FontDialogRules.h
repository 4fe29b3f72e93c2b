#pragma once

#include <optional>

#include "editor/Platform.h"

namespace sorvel {

// How a font dialog is set up from a Font description and how its answer is
// turned back into one. Face and size can always be chosen; bold and italic
// only when the initial mask names both; underline, strike-out and colour only
// when it names all three; the character set only when it names it.
class FontDialogRules {
  public:
    static FontDialogRequest request(const FontDescription& initial, FontList fonts);
    // The chosen font as a Font description: mask = the groups that could be
    // chosen; effects = the chosen bits only; height = points x 20; offset 0;
    // colour and character set as chosen where they could be, else unchanged.
    static FontDescription result(const FontDialogRequest& request, const FontChoice& choice);
    // Opens the dialog and builds the result; nothing when cancelled.
    static std::optional<FontDescription> run(Platform& platform, const FontDescription& initial,
                                              FontList fonts = FontList::ScreenOnly);
};

}  // namespace sorvel
