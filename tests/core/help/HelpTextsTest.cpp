#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <ostream>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "help/DialogUnits.h"
#include "help/HelpCodeTables.h"
#include "help/HelpTopics.h"
#include "pali/KeystrokeTables.h"
#include "pali/PaliLetters.h"
#include "pali/PaliStandIns.h"

namespace sorvel {
namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t pos = text.find("\r\n"); pos != std::string::npos;
         pos = text.find("\r\n", start)) {
        out.push_back(text.substr(start, pos - start));
        start = pos + 2;
    }
    out.push_back(text.substr(start));
    return out;
}

std::vector<std::string> split(const std::string& line, const std::string& separator) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t pos = line.find(separator); pos != std::string::npos;
         pos = line.find(separator, start)) {
        out.push_back(line.substr(start, pos - start));
        start = pos + separator.size();
    }
    out.push_back(line.substr(start));
    return out;
}

const HelpTopic& topic(int id) {
    const HelpTopic* t = findHelpTopic(id);
    EXPECT_NE(t, nullptr) << id;
    return *t;
}

// The lines of a topic that follow the line `after`, up to the next empty line.
std::vector<std::string> block(const HelpTopic& t, const std::string& after) {
    const std::vector<std::string> all = lines(t.text);
    std::vector<std::string> out;
    bool inside = false;
    for (const std::string& line : all) {
        if (inside) {
            if (line.empty()) {
                break;
            }
            out.push_back(line);
        } else if (line == after) {
            inside = true;
        }
    }
    EXPECT_TRUE(inside) << "no line \"" << after << "\" in " << t.title;
    return out;
}

// ---- Every text is 8-bit Windows-1252 that the program can carry anywhere.

bool isUndefinedIn1252(unsigned char b) {
    return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

TEST(HelpTexts, AreWindows1252WithCrLfBreaksAndNoStrayControls) {
    for (const HelpTopic& t : helpTopics()) {
        const std::string& s = t.text;
        ASSERT_FALSE(s.empty()) << t.title;
        EXPECT_TRUE(s.ends_with("\r\n")) << t.title;
        EXPECT_FALSE(s.starts_with("\r\n")) << t.title;
        for (std::size_t i = 0; i < s.size(); ++i) {
            const auto b = static_cast<unsigned char>(s[i]);
            const std::string where = std::string(t.title) + " at " + std::to_string(i);
            if (b == '\r') {
                EXPECT_TRUE(i + 1 < s.size() && s[i + 1] == '\n') << "bare CR in " << where;
            } else if (b == '\n') {
                EXPECT_TRUE(i > 0 && s[i - 1] == '\r') << "bare LF in " << where;
            } else if (b != '\t') {
                EXPECT_GE(b, 0x20) << "control byte in " << where;
                EXPECT_NE(b, 0x7F) << where;
                EXPECT_FALSE(isUndefinedIn1252(b)) << "byte " << int(b) << " in " << where;
            }
        }
        for (const char c : t.title) {
            EXPECT_GE(static_cast<unsigned char>(c), 0x20) << t.title;
        }
    }
}

// ---- What the texts refer to exists.

TEST(HelpTexts, EveryTopicTheyReferToExists) {
    std::set<std::string> titles;
    for (const HelpTopic& t : helpTopics()) {
        titles.insert(std::string(t.title));
    }
    const std::regex reference("see \"([^\"]+)\"");
    int count = 0;
    for (const HelpTopic& t : helpTopics()) {
        for (std::sregex_iterator it(t.text.begin(), t.text.end(), reference), end; it != end;
             ++it) {
            EXPECT_TRUE(titles.contains((*it)[1].str()))
                << t.title << " refers to \"" << (*it)[1].str() << "\"";
            ++count;
        }
    }
    EXPECT_GT(count, 20);
}

// The menus as the user sees them, without access keys, shortcuts and the
// dots of commands that open a dialog.
const std::map<std::string, std::vector<std::string>>& menuLabels() {
    static const std::map<std::string, std::vector<std::string>> kMenus = {
        {"File",
         {"Using Unformatted .txt Files", "New", "Open", "Close", "Save", "Save As", "Print",
          "Print Preview", "Print Setup", "Exit"}},
        {"Edit",
         {"Undo", "Redo", "Select All", "Cut", "Copy", "Paste", "Paste Special",
          "Copy All Text To Clipboard", "Find", "Find Next", "Replace", "Insert New Object",
          "Links", "Object Properties"}},
        {"Format", {"Set Default Font - NO Transliteration", "Change Font of Selected Text"}},
        {"General Transliteration",
         {"What is Transliteration?", "How can I get the codes for any font?",
          "Make a font code reference table", "What are the examples?", "Example: Norwegian",
          "Example: Sinhalese", "Example: 12 Western Languages",
          "Show me the Transliteration instructions", "Create a Transliteration Table",
          "Save a Transliteration Table", "Open a Transliteration Table for Editing",
          "Load a Transliteration Table", "Unload Your Transliteration Table"}},
        {"Pali",
         {"Activate or Deactivate Pali Transliteration", "Change Default Pali Font",
          "Paste from CSCD", "Convert Pali Font of Selected Text",
          "Pali Font to Standard Transliteration", "Standard transliteration to Pali Font",
          "Copy as Unicode", "Paste Unicode Pali", "Export as Unicode...", "Change Unicode Font"}},
        {"View", {"Toolbar", "Status Bar"}},
        {"Window", {"New Window", "Cascade", "Tile", "Arrange Icons", "More Windows"}},
        {"Help", {"About Sorvel"}},
    };
    return kMenus;
}

TEST(HelpTexts, EveryMenuCommandTheyNameIsInThatMenu) {
    const std::regex path("(File|Edit|Format|General Transliteration|Pali|View|Window|Help) > ");
    int count = 0;
    for (const HelpTopic& t : helpTopics()) {
        for (std::sregex_iterator it(t.text.begin(), t.text.end(), path), end; it != end; ++it) {
            const std::string menu = (*it)[1].str();
            const std::string rest = t.text.substr(static_cast<std::size_t>(it->position()) +
                                                   static_cast<std::size_t>(it->length()));
            bool found = false;
            for (const std::string& label : menuLabels().at(menu)) {
                const bool wordEnds = rest.size() == label.size() ||
                                      !std::isalnum(static_cast<unsigned char>(rest[label.size()]));
                found = found || (rest.starts_with(label) && wordEnds);
            }
            EXPECT_TRUE(found) << t.title << ": " << menu << " > " << rest.substr(0, 40);
            ++count;
        }
    }
    EXPECT_GT(count, 40);
}

// ---- The typing codes in "Easy Pali Text Entry" are the keystroke tables'.

struct CodeTableRow {
    std::vector<std::string> standard;
    std::vector<std::string> simple;
    std::vector<std::string> alsoWorks;
    std::string letter;
};

std::vector<std::string> cell(const std::string& text) {
    if (text == kNoCode) {
        return {};
    }
    return split(text, std::string(kCodeSeparator));
}

std::vector<CodeTableRow> codeTableOfTheHelp() {
    std::vector<CodeTableRow> rows;
    for (const std::string& line : block(topic(32798), std::string(kCodeTableHeader))) {
        const std::vector<std::string> columns = split(line, "\t");
        EXPECT_EQ(columns.size(), 3u) << line;
        if (columns.size() != 3) {
            continue;
        }
        CodeTableRow row{cell(columns[0]), cell(columns[1]), {}, columns[2]};
        const std::size_t also = row.letter.find("  (");
        if (also != std::string::npos) {
            const std::string note = row.letter.substr(also + 3);
            EXPECT_TRUE(note.ends_with(" also works)")) << line;
            row.alsoWorks = cell(note.substr(0, note.size() - std::string(" also works)").size()));
            row.letter.resize(also);
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(EasyPaliTextEntry, ListsEveryLetterInOrderWithExactlyTheCodesThatTypeIt) {
    const std::vector<CodeTableRow> rows = codeTableOfTheHelp();
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kPaliLetterCount));
    std::map<int, std::set<std::string>> fromTables;
    for (const KeystrokeCode& k : keystrokeCodes()) {
        fromTables[k.letterNumber].insert(std::string(k.code));
    }
    for (int letter = 1; letter <= kPaliLetterCount; ++letter) {
        const CodeTableRow& row = rows[letter - 1];
        EXPECT_EQ(row.letter, paliLetters()[letter - 1].name);
        std::set<std::string> inHelp;
        inHelp.insert(row.standard.begin(), row.standard.end());
        inHelp.insert(row.simple.begin(), row.simple.end());
        inHelp.insert(row.alsoWorks.begin(), row.alsoWorks.end());
        EXPECT_EQ(inHelp, fromTables[letter]) << row.letter;
    }
}

// The codes and the system each belongs to, as the keystroke table defines them.
struct CodeKindCase {
    const char* name;
    const char* code;
    const char* kind;  // "standard", "SPE", "both", "capital"
    int letter;
    friend void PrintTo(const CodeKindCase& c, std::ostream* os) { *os << c.name; }
};

const CodeKindCase kCodeKinds[] = {
    {"aa", "aa", "both", 1},         {"Aa", "Aa", "capital", 2},
    {"AA", "AA", "both", 2},         {"ii", "ii", "both", 3},
    {"Ii", "Ii", "capital", 4},      {"II", "II", "both", 4},
    {"uu", "uu", "both", 5},         {"Uu", "Uu", "capital", 6},
    {"UU", "UU", "both", 6},         {"dot_d", ".d", "standard", 7},
    {"ddd", "ddd", "SPE", 7},        {"dot_D", ".D", "standard", 8},
    {"DDD", "DDD", "SPE", 8},        {"dot_l", ".l", "standard", 9},
    {"lll", "lll", "SPE", 9},        {"dot_L", ".L", "standard", 10},
    {"LLL", "LLL", "SPE", 10},       {"dot_m", ".m", "standard", 11},
    {"mmm", "mmm", "SPE", 11},       {"dot_M", ".M", "standard", 12},
    {"MMM", "MMM", "SPE", 12},       {"bang_m", "!m", "SPE", 13},
    {"dot_t", ".t", "standard", 16}, {"ttt", "ttt", "SPE", 16},
    {"dot_T", ".T", "standard", 17}, {"TTT", "TTT", "SPE", 17},
    {"dot_n", ".n", "standard", 14}, {"nnn", "nnn", "SPE", 14},
    {"dot_N", ".N", "standard", 15}, {"NNN", "NNN", "SPE", 15},
    {"bang_n", "!n", "SPE", 20},     {"bang_N", "!N", "SPE", 21},
    {"tilde_n", "~n", "both", 18},   {"tilde_N", "~N", "both", 19},
};

bool contains(const std::vector<std::string>& codes, const std::string& code) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

class EasyPaliCodeKind : public ::testing::TestWithParam<CodeKindCase> {};

TEST_P(EasyPaliCodeKind, StandsInTheColumnOfItsSystemInTheRowOfItsLetter) {
    const CodeKindCase& c = GetParam();
    const std::vector<CodeTableRow> rows = codeTableOfTheHelp();
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kPaliLetterCount));
    const CodeTableRow& row = rows[c.letter - 1];
    const std::string kind = c.kind;
    EXPECT_EQ(contains(row.standard, c.code), kind == "standard" || kind == "both");
    EXPECT_EQ(contains(row.simple, c.code), kind == "SPE" || kind == "both");
    EXPECT_EQ(contains(row.alsoWorks, c.code), kind == "capital");
}

INSTANTIATE_TEST_SUITE_P(AllCodes, EasyPaliCodeKind, ::testing::ValuesIn(kCodeKinds),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EasyPaliTextEntry, TheCodeKindsCoverTheWholeKeystrokeTable) {
    ASSERT_EQ(std::size(kCodeKinds), static_cast<std::size_t>(kKeystrokeCodeCount));
    for (int i = 0; i < kKeystrokeCodeCount; ++i) {
        EXPECT_EQ(keystrokeCodes()[i].code, kCodeKinds[i].code);
        EXPECT_EQ(keystrokeCodes()[i].letterNumber, kCodeKinds[i].letter);
    }
}

// ---- The other tables of codes in the help.

std::string fourDigits(int n) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%04d", n);
    return buffer;
}

TEST(SktTimesTopic, ListsTheCodesThatTheConversionsUse) {
    const std::vector<std::string> rows =
        block(topic(32808), "The codes Sorvel uses for SKT Times:");
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kPaliLetterCount));
    for (int letter = 1; letter <= kPaliLetterCount; ++letter) {
        const std::string& row = rows[letter - 1];
        EXPECT_TRUE(row.starts_with(fourDigits(fontCharacter(letter, PaliFontKind::SktTimes)) +
                                    "\t" + std::string(paliLetters()[letter - 1].name)))
            << row;
    }
    // SKT Times has no overdot m of its own: the list must say so, not just repeat 0181.
    EXPECT_NE(rows[12].find("same character as underdot m"), std::string::npos) << rows[12];
    EXPECT_EQ(rows[10].find("same character"), std::string::npos) << rows[10];
}

TEST(OverdotMTopic, SaysForEachFontWhetherItHasTheLetterAndAtWhichCode) {
    const std::vector<std::string> rows = block(topic(32813), "Not every Pali font has it:");
    ASSERT_EQ(rows.size(), kPaliFonts.size());
    for (std::size_t i = 0; i < kPaliFonts.size(); ++i) {
        const PaliFontKind kind = kPaliFonts[i];
        const std::string expected =
            std::string(paliFontName(kind)) + ": " +
            (fontCharacter(13, kind) != fontCharacter(11, kind)
                 ? "has overdot m, at code " + fourDigits(fontCharacter(13, kind))
                 : "has none; !m gives underdot m (code " + fourDigits(fontCharacter(11, kind)) +
                       ")");
        EXPECT_EQ(rows[i], expected);
    }
    // Those two lack it, the other three have it, whatever the tables say.
    EXPECT_EQ(rows[0], "VriRomanPali: has none; !m gives underdot m (code 0189)");
    EXPECT_EQ(rows[1], "Times_CSX+: has overdot m, at code 0167");
}

// ---- Dialog units.

// The topic says which stand-ins come with the program: under which face
// names the program has them, and under which names other programs find them.
TEST(SupportedPaliFontsTopic, NamesEveryStandInFaceAndFamily) {
    const std::string& text = topic(32799).text;
    for (const PaliFaceName& face : paliFaceNames()) {
        EXPECT_NE(text.find(face.face), std::string::npos) << face.face;
    }
    for (const PaliFontKind kind : kPaliFonts) {
        EXPECT_NE(text.find(standInFamily(kind)), std::string::npos) << standInFamily(kind);
    }
    EXPECT_NE(text.find("Liberation Serif"), std::string::npos) << "where they come from";
    EXPECT_NE(text.find("SIL Open Font License"), std::string::npos);
}

TEST(DialogUnits, TheClassicDialogFontGivesTheHelpWindowItsClassicSize) {
    const DialogUnits units = DialogUnits::fromFont(286, 13);  // 8-point MS Sans Serif
    EXPECT_EQ(units.baseX(), 6);
    EXPECT_EQ(units.baseY(), 13);
    EXPECT_EQ(units.toPixels(DialogRect{0, 0, 369, 306}), (DialogRect{0, 0, 554, 497}));
    EXPECT_EQ(units.toPixels(DialogRect{7, 34, 355, 265}), (DialogRect{11, 55, 533, 431}));
}

TEST(DialogUnits, ScaleWithTheFontAndSurviveAFontThatMeasuresNothing) {
    const DialogUnits larger = DialogUnits::fromFont(52 * 8, 16);
    EXPECT_EQ(larger.baseX(), 8);
    EXPECT_EQ(larger.toPixelsX(4), 8);
    EXPECT_EQ(larger.toPixelsY(8), 16);
    const DialogUnits none = DialogUnits::fromFont(0, 0);
    EXPECT_EQ(none.baseX(), 6);
    EXPECT_EQ(none.baseY(), 13);
    EXPECT_EQ(DialogUnits(0, -3).toPixelsX(4), 1);
}

}  // namespace
}  // namespace sorvel
