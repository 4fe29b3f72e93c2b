#include "usertable/LoadTable.h"

#include <algorithm>
#include <variant>

#include "common/TextFiles.h"
#include "common/TextLines.h"
#include "usertable/TableFileDialog.h"

namespace sorvel {

namespace {

// Bold, italic, size, colour, face, offset and character set.
constexpr uint32_t kUserTableFormatMask = charmask::Bold | charmask::Italic | charmask::Size |
                                          charmask::Color | charmask::Face | charmask::Offset |
                                          charmask::CharSet;
static_assert(kUserTableFormatMask == 0xF8000003);

// The table's font name as it is kept: no face name can be longer than a
// Font description holds, so a longer name is cut to that length, or no face
// would ever begin with it and the table could never be used.
std::string keptFontName(std::string_view name) {
    return std::string(trimWhiteSpace(name.substr(0, std::min(name.size(), FaceName::kMaxLength))));
}

}  // namespace

void installUserTable(TransliterationState& state, const TableFile& table) {
    // The loader never yields more entries than fit before the end pair; the
    // bound is kept here too, so that no table can write past the array.
    const std::size_t count = std::min(table.entries.size(), state.userTable.size() - 1);
    for (std::size_t i = 0; i < count; ++i) {
        state.userTable[i] = table.entries[i];
    }
    state.userTable[count] = endPair();
    for (std::size_t i = count + 1; i < state.userTable.size(); ++i) {
        state.userTable[i] = CodePair{};
    }
    if (table.fontName) {
        state.userTableFont = keptFontName(*table.fontName);
    }

    FontDescription& format = state.userTableFormat;
    const FontDescription& plain = state.plainFormat;
    format.mask = kUserTableFormatMask;
    format.effects = plain.effects;
    format.height = plain.height;
    format.offset = plain.offset;
    format.color = plain.color;
    format.charSet = plain.charSet;
    format.faceName = state.userTableFont;
    // The pitch-and-family byte is left as it was. A table that ends up
    // without a font name must not give the text an empty face.
    if (state.userTableFont.empty()) {
        format.mask &= ~charmask::Face;
    }
}

bool loadTableFromFile(ViewContext& view, const std::string& path) {
    FileError error;
    const std::optional<std::string> bytes = readWholeFile(path, &error);
    if (!bytes) {
        view.platform.messageBox(readWholeFailureMessage(path, error));
        return false;
    }
    std::variant<TableFile, std::string> read = TableFile::read(*bytes);
    if (const std::string* message = std::get_if<std::string>(&read)) {
        view.platform.messageBox(*message);
        return false;
    }
    installUserTable(view.state, std::get<TableFile>(read));
    view.surface.setCharFormat(view.state.userTableFormat);
    view.state.userTableOn = true;
    view.state.paliEntryOn = false;
    view.platform.setCursorShape(CursorShape::Cross);
    return true;
}

void loadTransliterationTable(ViewContext& view) {
    if (const std::optional<std::string> path = chooseTableFile(view.platform, false)) {
        loadTableFromFile(view, *path);
    }
}

}  // namespace sorvel
