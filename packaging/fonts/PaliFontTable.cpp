// Writes, as JSON into the file named on its command line, what the font generator needs to know
// about the five Pali fonts: which stand-in families and files to make, the
// face names to register them under, and for each font which character of
// the base font it draws at each code point. Everything comes from the
// program's own tables, so the fonts cannot drift from what the program
// types and converts.

#include <cstdio>
#include <map>
#include <string>
#include <string_view>

#include "common/Cp1252.h"
#include "pali/PaliCharMap.h"
#include "pali/PaliFontKind.h"
#include "pali/PaliLetters.h"
#include "pali/PaliStandIns.h"
#include "pali/PaliUnicode.h"

namespace {

using namespace sorvel;

// A JSON string. The names are plain ASCII; quotes and backslashes are
// escaped all the same.
std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

std::string filesOf(std::string_view family) {
    std::string out = "{";
    const char* comma = "";
    for (const StandInStyle& style : standInStyles()) {
        out += comma + quoted(style.suffix) + ": " + quoted(standInFileName(family, style));
        comma = ", ";
    }
    return out + "}";
}

// The code points of a stand-in and the base font's character drawn at
// each: at every byte's Windows-1252 character what the byte is in the Pali
// font (its letter, or that character itself), then each letter at its own
// code point where that point is not already one of the 256.
std::map<char32_t, char32_t> drawnCharacters(PaliFontKind kind) {
    std::map<char32_t, char32_t> drawn;
    const PaliCharMap& chars = PaliCharMap::of(kind);
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<uint8_t>(b);
        drawn[Cp1252::toUnicode(byte)] = chars.toUnicode(byte);
    }
    for (int letter = 1; letter <= kPaliLetterCount; ++letter) {
        const char32_t ch = paliLetterUnicode(letter);
        drawn.emplace(ch, ch);
    }
    return drawn;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: sorvel_pali_font_table OUTPUT.json\n", stderr);
        return 2;
    }
    std::string out = "{\n  \"styles\": [";
    const char* comma = "";
    for (const StandInStyle& style : standInStyles()) {
        out += comma;
        out += "{\"suffix\": " + quoted(style.suffix) + ", \"name\": " + quoted(style.name) +
               ", \"bold\": " + (style.bold ? "true" : "false") +
               ", \"italic\": " + (style.italic ? "true" : "false") + "}";
        comma = ", ";
    }
    out += "],\n  \"letters\": [";
    comma = "";
    for (int letter = 1; letter <= kPaliLetterCount; ++letter) {
        out += comma + std::to_string(paliLetterUnicode(letter));
        comma = ", ";
    }
    out += "],\n  \"fonts\": [";
    const char* fontComma = "\n";
    for (const PaliFontKind kind : kPaliFonts) {
        const std::string_view family = standInFamily(kind);
        out += fontComma;
        out += "    {\"font\": " + quoted(paliFontName(kind)) + ", \"family\": " + quoted(family) +
               ", \"files\": " + filesOf(family) + ",\n     \"faces\": [";
        comma = "";
        for (const PaliFaceName& face : paliFaceNames()) {
            if (face.kind == kind) {
                out += comma;
                out +=
                    "{\"face\": " + quoted(face.face) + ", \"files\": " + filesOf(face.face) + "}";
                comma = ", ";
            }
        }
        out += "],\n     \"drawn\": [";
        comma = "";
        for (const auto& [code, ch] : drawnCharacters(kind)) {
            out += comma;
            out += '[';
            out += std::to_string(code);
            out += ", ";
            out += std::to_string(ch);
            out += ']';
            comma = ", ";
        }
        out += "]}";
        fontComma = ",\n";
    }
    out += "\n  ]\n}\n";
    std::FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    if (std::fclose(file) != 0 || !written) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
