#include "palifont/DefaultPaliFont.h"

#include "app/FontDialogRules.h"

namespace sorvel {

namespace {

constexpr std::string_view kChooseOneOfFiveMessage =
    "Please be certain to choose one of the five Pali fonts that Sorvel understands.\n\nThese "
    "are:\n\n1. VriRomanPali\n2. Times_CSX+\n3. Skt Times\n4. Leedsbit PaliTranslit\n5. "
    "Times_Norman\n\nThis font will only be active if you have Pali transliteration turned on. "
    "There is a toolbar button you can use to turn Pali on and off at any time (or you can use "
    "Ctrl+J to turn it on and off).";

}  // namespace

void changeDefaultPaliFont(ViewContext& view) {
    view.platform.messageBox(kChooseOneOfFiveMessage);
    FontDescription& pali = view.state.defaultPaliFormat;
    if (pali.faceName.empty()) {
        pali = view.surface.GetCharFormatSelection();
    }
    const auto chosen = FontDialogRules::run(view.platform, pali);
    if (!chosen) {
        return;
    }
    pali.merge(*chosen);
    pali.offset = 0;
    if (view.state.paliEntryOn) {
        view.surface.SetCharFormat(pali);
    }
}

}  // namespace sorvel
