#include "palifont/PaliFontSettings.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "common/TextFiles.h"
#include "common/TextLines.h"

namespace sorvel {

namespace {

constexpr std::string_view kCommentLines[] = {
    "Sorvel: This file contains the definition of your default Pali font.",
    "You can delete this file at any time.",
    "If this file does not exist, Sorvel simply creates it again.",
    "Deleting this file does not damage data files, Sorvel or your computer.",
};
constexpr std::string_view kEndLine = "Sorvel: End of Pali Default Font Parameters";
constexpr std::size_t kFirstNumberLine = 4;  // zero-based: line 5 of the file
constexpr std::size_t kFaceLine = 11;        // zero-based: line 12

void appendUnsigned(std::string& out, uint32_t value) {
    char number[16];
    std::snprintf(number, sizeof number, "%lu\r\n", static_cast<unsigned long>(value));
    out += number;
}

void appendByte(std::string& out, uint8_t value) {
    char number[8];
    std::snprintf(number, sizeof number, "%d\r\n", static_cast<int>(value));
    out += number;
}

}  // namespace

std::string PaliFontSettings::format(const FontDescription& font) {
    std::string out;
    for (std::string_view line : kCommentLines) {
        out += line;
        out += "\r\n";
    }
    appendUnsigned(out, font.mask);
    appendUnsigned(out, font.effects);
    appendUnsigned(out, static_cast<uint32_t>(font.height));
    appendUnsigned(out, static_cast<uint32_t>(font.offset));
    appendUnsigned(out, font.color);
    appendByte(out, font.charSet);
    appendByte(out, font.pitchAndFamily);
    out += font.faceName.view();
    out += "\r\n";
    out += kEndLine;
    return out;
}

FontDescription PaliFontSettings::parse(std::string_view bytes, const FontDescription& base) {
    const std::vector<std::string_view> lines = splitTextLines(bytes);
    auto line = [&lines](std::size_t index) {
        return index < lines.size() ? lines[index] : std::string_view();
    };
    auto number = [&line](std::size_t index) { return parseDecimalModulo32(line(index)); };
    FontDescription font = base;
    std::size_t i = kFirstNumberLine;
    font.mask = number(i++);
    font.effects = number(i++);
    font.height = static_cast<int32_t>(number(i++));
    font.offset = static_cast<int32_t>(number(i++));
    font.color = number(i++);
    font.charSet = static_cast<uint8_t>(number(i++));
    font.pitchAndFamily = static_cast<uint8_t>(number(i++));
    font.faceName = line(kFaceLine);
    return font;
}

std::string PaliFontSettings::path(const std::string& folder) {
    if (folder.empty()) {
        return std::string(kFileName);
    }
    return (std::filesystem::path(folder) / kFileName).string();
}

std::string settingsOpenFailureMessage(const std::string& path) {
    return "Unable to open file:\n\n" + path +
           "\n\nMake certain that the file is not opened and in use in some program (such as "
           "your word processor).\n\nIf the file is open in another program, it may be "
           "'locked'.";
}

void saveDefaultPaliFont(Platform& platform, const TransliterationState& state) {
    const std::string path = PaliFontSettings::path(state.settingsFolder);
    if (!state.settingsFolder.empty()) {
        std::error_code ignored;  // a folder that cannot be made fails the write below
        std::filesystem::create_directories(state.settingsFolder, ignored);
    }
    if (!writeFileAtomically(path, PaliFontSettings::format(state.defaultPaliFormat))) {
        platform.messageBoxUtf8(settingsOpenFailureMessage(path));
    }
}

bool loadDefaultPaliFont(TransliterationState& state) {
    const std::string path = PaliFontSettings::path(state.settingsFolder);
    std::optional<std::string> bytes = readWholeFile(path);
    std::error_code error;
    if (!bytes && !state.settingsFolder.empty() && !std::filesystem::exists(path, error) &&
        !error) {
        const std::string old(PaliFontSettings::kFileName);
        bytes = readWholeFile(old);
        if (bytes) {
            std::filesystem::create_directories(state.settingsFolder, error);
            // When the copy fails the old file is read again next time.
            writeFileAtomically(path, *bytes);
        }
    }
    if (!bytes) {
        return false;
    }
    state.defaultPaliFormat = PaliFontSettings::parse(*bytes, state.defaultPaliFormat);
    return true;
}

}  // namespace sorvel
