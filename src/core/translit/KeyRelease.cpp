#include "translit/KeyRelease.h"

#include <algorithm>

#include "pali/KeystrokeTables.h"
#include "translit/IdentifyPaliFont.h"

namespace sorvel {

namespace {

// The pairs before the end pair.
std::span<const CodePair> entries(std::span<const CodePair> table) {
    const auto end = std::find_if(table.begin(), table.end(),
                                  [](const CodePair& p) { return p.code == kEndCode; });
    return table.first(static_cast<std::size_t>(end - table.begin()));
}

}  // namespace

void runTransliterationPass(ViewContext& view, std::span<const CodePair> table) {
    RichEditSurface& surface = view.surface;
    view.platform.showCursor(false);
    const std::span<const CodePair> pairs = entries(table);
    long window = 0;
    for (const CodePair& p : pairs) {
        window = std::max(window, static_cast<long>(p.code.size()));
    }
    long caret = surface.getSel().start;
    std::string before = surface.getTextRange(caret - window, caret);
    for (const CodePair& p : pairs) {
        const auto length = static_cast<long>(p.code.size());
        if (caret < length || !std::string_view(before).ends_with(p.code)) {
            continue;
        }
        surface.setSel(caret - length, caret);
        surface.replaceSel(p.replacement, false);
        caret = surface.getSel().start;
        before = surface.getTextRange(caret - window, caret);
    }
    view.platform.showCursor(true);
}

TablesInForce tablesInForce(const ViewContext& view) {
    const TransliterationState& state = view.state;
    TablesInForce tables;
    if (!state.paliEntryOn && !state.userTableOn) {
        return tables;
    }
    const FontDescription format = view.surface.getCharFormatSelection();
    const PaliFontKind kind = identifyPaliFont(format.faceName, state);
    if (state.userTableOn && kind == PaliFontKind::UserTableFont) {
        tables.tables[tables.count++] = state.userTable;
    }
    if (state.paliEntryOn && isPaliFont(kind)) {
        tables.tables[tables.count++] = keystrokeTable(kind);
    }
    return tables;
}

void handleKeyRelease(ViewContext& view) {
    if (view.surface.getSel().empty()) {
        for (const std::span<const CodePair> table : tablesInForce(view)) {
            runTransliterationPass(view, table);
        }
    }
    view.surface.callDefault();
}

}  // namespace sorvel
