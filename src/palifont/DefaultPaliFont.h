#pragma once

#include "app/ViewContext.h"

namespace sorvel {

// "Change Default Pali Font": reminds the user which fonts Sorvel knows, lets
// them choose the default Pali font in the font dialog and, while Pali entry
// is on, puts it at the selection. When no default has been chosen yet, the
// selection's own format becomes the default before the dialog opens, and
// stays so when the dialog is cancelled.
void changeDefaultPaliFont(ViewContext& view);

}  // namespace sorvel
