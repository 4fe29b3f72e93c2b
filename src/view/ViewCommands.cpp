#include "view/ViewCommands.h"

#include <array>

#include "app/CommandIds.h"
#include "palifont/DefaultPaliFont.h"
#include "translit/CscdPaste.h"
#include "translit/PaliFontConversion.h"
#include "translit/StandardConversion.h"
#include "usertable/FontCodeReference.h"
#include "usertable/LoadTable.h"
#include "usertable/TableAuthoring.h"
#include "view/FormattingCommands.h"

namespace sorvel {

namespace {

using F = FormattingCommands;

void updatePaliEntry(ViewContext& view, CommandStatus& status) {
    updatePaliEntryCommand(view.state, status);
}

void updateUserTable(ViewContext& view, CommandStatus& status) {
    updateUserTransliterationCommand(view.state, status);
}

template <ExampleTable example>
void insertExample(ViewContext& view) {
    insertExampleTable(view, example);
}

// In the order of the view's message map.
const std::array kCommands = {
    ViewCommand{command::PasteFromCscd, "", pasteFromCscd, nullptr},
    ViewCommand{command::ConvertPaliFont, "", convertPaliFontOfSelection, nullptr},
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
    ViewCommand{command::CreateTable, "", createTransliterationTable, nullptr},
    ViewCommand{command::LoadTable, "", loadTransliterationTable, nullptr},
    ViewCommand{command::SaveTable, "", saveTransliterationTable, nullptr},
    ViewCommand{command::UnloadTable, "", unloadTransliterationTable, nullptr},
    ViewCommand{command::TableInstructions, "", showTableInstructions, nullptr},
    ViewCommand{command::ToggleUserTable, "", toggleUserTransliteration, updateUserTable},
    ViewCommand{command::FontCodeReference, "", makeFontCodeReferenceTable, nullptr},
    ViewCommand{command::ExampleNorwegian, "", insertExample<ExampleTable::Norwegian>, nullptr},
    ViewCommand{command::ExampleSinhalese, "", insertExample<ExampleTable::Sinhalese>, nullptr},
    ViewCommand{command::ExampleWestern, "", insertExample<ExampleTable::WesternLanguages>,
                nullptr},
    ViewCommand{command::ChangeDefaultPaliFont, "", changeDefaultPaliFont, nullptr},
    ViewCommand{command::TogglePaliEntry, "Ctrl+J", togglePaliEntry, updatePaliEntry},
    ViewCommand{command::SetDefaultFont, "", F::setDefaultFont, nullptr},
    ViewCommand{command::OpenTableForEditing, "", openTableForEditing, nullptr},
    ViewCommand{command::ChangeSelectionFont, "Ctrl+Shift+F", F::changeSelectionFont, nullptr},
    ViewCommand{command::CopyAllText, "Ctrl+W", F::copyAllText, nullptr},
    ViewCommand{command::StandardToPaliFont, "", standardToPaliFont, nullptr},
    ViewCommand{command::PaliFontToStandard, "", paliFontToStandard, nullptr},
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
