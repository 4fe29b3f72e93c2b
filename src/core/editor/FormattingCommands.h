#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "editor/CommandStatus.h"
#include "editor/ViewContext.h"

namespace sorvel {

// The editor view's formatting commands and their update handlers. Each acts
// on the view's surface; none shows a message.
class FormattingCommands {
  public:
    // The hanging offset that the bullets command gives a paragraph, in twips.
    static constexpr int32_t kBulletIndent = 360;
    static constexpr int32_t kIndentStep = 300;
    static constexpr int32_t kMaxIndent = 3000;

    // Character effects: flips the effect when it is the same over the whole
    // selection, else sets it everywhere.
    static void toggleBold(ViewContext& view);
    static void toggleItalic(ViewContext& view);
    static void toggleUnderline(ViewContext& view);
    static void toggleStrikeout(ViewContext& view);
    // Check mark 1 or 0 when the effect is uniform, 2 when it is mixed.
    static void updateBold(ViewContext& view, CommandStatus& status);
    static void updateItalic(ViewContext& view, CommandStatus& status);
    static void updateUnderline(ViewContext& view, CommandStatus& status);
    static void updateStrikeout(ViewContext& view, CommandStatus& status);

    static void alignLeft(ViewContext& view);
    static void alignCenter(ViewContext& view);
    static void alignRight(ViewContext& view);
    static void updateAlignLeft(ViewContext& view, CommandStatus& status);
    static void updateAlignCenter(ViewContext& view, CommandStatus& status);
    static void updateAlignRight(ViewContext& view, CommandStatus& status);

    static void toggleBullets(ViewContext& view);
    static void updateBullets(ViewContext& view, CommandStatus& status);

    // Every selected paragraph's start indent grows (or shrinks) by 300 twips,
    // unless the first selected paragraph already stands at the limit.
    static void increaseIndent(ViewContext& view);
    static void decreaseIndent(ViewContext& view);

    // "Set Default Font - NO Transliteration": both modes off, then the font
    // dialog from the plain format; on OK the choice becomes the plain format
    // and is applied at the selection. The status bar tells which mode went
    // off.
    static void setDefaultFont(ViewContext& view);
    // "Change Font of Selected Text": both modes off, then the font dialog
    // from the selection's format; on OK the choice is applied to it. A
    // font that the loaded user table types in (its face begins with the
    // table's font name) keeps user transliteration on, so that a table's
    // own steps work. The status bar tells which mode went off.
    static void changeSelectionFont(ViewContext& view);
    // The status-bar note for the modes that `command` switched off; empty
    // when none did.
    static std::string modesOffNote(bool paliEntryWentOff, bool userTableWentOff,
                                    std::string_view command);
    static constexpr std::string_view kSetDefaultFontCommand =
        "Set Default Font - NO Transliteration";
    static constexpr std::string_view kChangeSelectionFontCommand = "Change Font of Selected Text";
    // "Copy All Text To Clipboard": the whole text with its formatting goes to
    // the clipboard and the caret to the start.
    static void copyAllText(ViewContext& view);

  private:
    static void toggleEffect(ViewContext& view, uint32_t bit);
    static void updateEffect(ViewContext& view, CommandStatus& status, uint32_t bit);
    static void align(ViewContext& view, uint16_t value);
    static void updateAlign(ViewContext& view, CommandStatus& status, uint16_t value);
    static void shiftIndent(ViewContext& view, int32_t step);
};

}  // namespace sorvel
