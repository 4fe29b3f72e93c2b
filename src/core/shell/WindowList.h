#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvel {

// One row of the Window menu's list of document windows.
struct WindowListRow {
    std::string label;   // "&1 RuvoVIR1": the number is the access key
    std::size_t window;  // which window, counted in the order they opened
    bool active;         // the row with the check mark

    friend bool operator==(const WindowListRow&, const WindowListRow&) = default;
};

// The Window menu's list of the open document windows, below its own rows:
// the first nine numbered 1 to 9, then "More Windows..." when there are more.
// The active window always has a row: when it is not among the first nine it
// takes the ninth row's place, so that the check mark is always to be seen.
class WindowList {
  public:
    static constexpr std::size_t kNumbered = 9;
    static constexpr std::string_view kMoreWindows = "More Windows...";
    static constexpr std::string_view kRowPrompt = "Activate this window";
    static constexpr std::string_view kMorePrompt = "Choose among all the open windows";
    // The title of the dialog that More Windows... opens.
    static constexpr std::string_view kDialogTitle = "Select Window";

    // The numbered rows for windows titled `titles` (in the order they
    // opened), `active` the active one's place among them. A title's "&"
    // shows as itself, not as an access key.
    static std::vector<WindowListRow> rows(const std::vector<std::string>& titles,
                                           std::optional<std::size_t> active);
    // Whether the list ends with "More Windows...".
    static bool hasMore(std::size_t windowCount) { return windowCount > kNumbered; }
};

}  // namespace sorvel
