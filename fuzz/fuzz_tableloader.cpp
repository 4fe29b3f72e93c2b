// Any file content through the table loader: it either refuses the file with
// one of its three messages or gives a table that fits the user table with
// its end pair; the table is then installed and typed with.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <variant>

#include "text/MemorySurface.h"
#include "translit/KeyRelease.h"
#include "usertable/LoadTable.h"
#include "usertable/TableFile.h"

namespace {

class SilentPlatform : public sorvel::Platform {
  public:
    void messageBox(std::string_view) override {}
    bool askYesNo(std::string_view) override { return false; }
    std::optional<sorvel::FontChoice> chooseFont(const sorvel::FontDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> chooseFile(const sorvel::FileDialogRequest&) override {
        return std::nullopt;
    }
    void setCursorShape(sorvel::CursorShape) override {}
    int showCursor(bool show) override { return count += show ? 1 : -1; }
    int count = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::variant<sorvel::TableFile, std::string> read = sorvel::TableFile::read(bytes);
    if (const std::string* message = std::get_if<std::string>(&read)) {
        if (*message != sorvel::kNoFontLineMessage && *message != sorvel::kNoEndLineMessage &&
            *message != sorvel::kTooManyLinesMessage) {
            std::abort();
        }
        return 0;
    }
    const sorvel::TableFile& table = std::get<sorvel::TableFile>(read);
    // The font line and the end line are never entries, so 500 lines give at
    // most 498 entries.
    if (table.entries.size() > sorvel::TableFile::kMaxLines - 2) {
        std::abort();
    }
    for (const sorvel::CodePair& e : table.entries) {
        if (e.replacement.size() > 1) {
            std::abort();
        }
    }

    sorvel::TransliterationState state;
    sorvel::installUserTable(state, table);
    if (!(state.userTable[table.entries.size()] == sorvel::endPair()) ||
        state.userTableFont.size() > sorvel::FaceName::kMaxLength) {
        std::abort();
    }

    // Type the file's first bytes in the table's font with the table on.
    sorvel::MemorySurface surface;
    SilentPlatform platform;
    sorvel::ViewContext view{surface, platform, state};
    surface.setCharFormat(state.userTableFormat);
    state.userTableOn = true;
    for (std::size_t i = 0; i < size && i < 24; ++i) {
        surface.replaceSel(bytes.substr(i, 1), false);
        sorvel::handleKeyRelease(view);
    }
    if (platform.count != 0) {
        std::abort();
    }
    return 0;
}
