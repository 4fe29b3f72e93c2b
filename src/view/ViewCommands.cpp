#include "view/ViewCommands.h"

#include <array>

#include "app/CommandIds.h"
#include "palifont/DefaultPaliFont.h"
#include "view/FormattingCommands.h"

namespace sorvel {

namespace {

using F = FormattingCommands;

const std::array kCommands = {
    ViewCommand{command::Bold, "Ctrl+B", F::toggleBold, F::updateBold},
    ViewCommand{command::Italic, "Ctrl+I", F::toggleItalic, F::updateItalic},
    ViewCommand{command::Underline, "Ctrl+U", F::toggleUnderline, F::updateUnderline},
    ViewCommand{command::StrikeOut, "Ctrl+Shift+S", F::toggleStrikeout, F::updateStrikeout},
    ViewCommand{command::AlignLeft, "Ctrl+L", F::alignLeft, F::updateAlignLeft},
    ViewCommand{command::AlignCenter, "Ctrl+E", F::alignCenter, F::updateAlignCenter},
    ViewCommand{command::AlignRight, "Ctrl+R", F::alignRight, F::updateAlignRight},
    ViewCommand{command::Bullets, "Ctrl+Shift+B", F::toggleBullets, F::updateBullets},
    ViewCommand{command::IncreaseIndent, "Ctrl+T", F::increaseIndent, nullptr},
    ViewCommand{command::DecreaseIndent, "Ctrl+Shift+T", F::decreaseIndent, nullptr},
    ViewCommand{command::ChangeDefaultPaliFont, "", changeDefaultPaliFont, nullptr},
    ViewCommand{command::SetDefaultFont, "", F::setDefaultFont, nullptr},
    ViewCommand{command::ChangeSelectionFont, "Ctrl+Shift+F", F::changeSelectionFont, nullptr},
    ViewCommand{command::CopyAllText, "Ctrl+W", F::copyAllText, nullptr},
};

}  // namespace

std::span<const ViewCommand> viewCommands() {
    return kCommands;
}

const ViewCommand* findViewCommand(int id) {
    for (const ViewCommand& c : kCommands) {
        if (c.id == id) {
            return &c;
        }
    }
    return nullptr;
}

}  // namespace sorvel
