#include <gtest/gtest.h>

#include <string>

#include "editor/EditCommands.h"
#include "support/TestView.h"

namespace sorvel::testing {
namespace {

// Which Edit commands can be chosen, from what the document, the clipboard
// and the last search hold.
struct EnableCase {
    const char* name;
    const char* text;      // the document's text
    bool clipboard;        // something on the clipboard
    const char* searched;  // what was looked for last
    bool afterUndo;        // an undoable change made and undone
    bool selectAll, paste, findNext, redo;
    friend void PrintTo(const EnableCase& c, std::ostream* os) { *os << c.name; }
};

class EditCommandState : public ::testing::TestWithParam<EnableCase> {};

TEST_P(EditCommandState, FollowsTheTextTheClipboardTheSearchAndTheUndoHistory) {
    const EnableCase& c = GetParam();
    TestView t;
    t.setText(c.text);
    if (c.clipboard) {
        t.surface.clipboard().setPlain("clip");
    }
    if (c.afterUndo) {
        t.surface.setSel(0, 0);
        t.surface.replaceSel("new ", true);
        EditCommands::undo(t.view);
    }
    auto enabled = [&t](auto update) {
        CommandStatus status;
        update(t.view, status);
        return status.enabled;
    };
    EXPECT_EQ(enabled(EditCommands::updateNeedText), c.selectAll);
    EXPECT_EQ(enabled(EditCommands::updatePaste), c.paste);
    EXPECT_EQ(enabled([&c](ViewContext& v, CommandStatus& s) {
                  EditCommands::updateNeedSearch(v, c.searched, s);
              }),
              c.findNext);
    EXPECT_EQ(enabled(EditCommands::updateRedo), c.redo);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditCommandState,
    ::testing::Values(
        EnableCase{"EmptyDocument", "", false, "", false, false, false, false, false},
        EnableCase{"EmptyWithAClipboardAndASearch", "", true, "x", false, false, true, false,
                   false},
        EnableCase{"TextButNoSearchYet", "text", false, "", false, true, false, false, false},
        EnableCase{"TextAndASearch", "text", false, "te", false, true, false, true, false},
        EnableCase{"AfterUndo", "text", true, "", true, true, true, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sorvel::testing
