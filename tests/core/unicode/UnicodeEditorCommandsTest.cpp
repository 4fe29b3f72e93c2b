#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "docformat/RtfReader.h"
#include "pali/PaliLetters.h"
#include "palifont/DefaultPaliFont.h"
#include "support/SampleDocuments.h"
#include "support/TempDir.h"
#include "support/TestView.h"
#include "translit/IdentifyPaliFont.h"
#include "unicode/MemoryUnicodeClipboard.h"
#include "unicode/UnicodeEditorCommands.h"
#include "unicode/UnicodeImport.h"

namespace sorvel::testing {
namespace {

// The 21 letters in the order of their numbers, as the Unicode table has them.
const char* const kUnicodeLetters[kPaliLetterCount] = {
    "\u0101", "\u0100", "\u012B", "\u012A", "\u016B", "\u016A", "\u1E0D",
    "\u1E0C", "\u1E37", "\u1E36", "\u1E43", "\u1E42", "\u1E41", "\u1E47",
    "\u1E46", "\u1E6D", "\u1E6C", "\u00F1", "\u00D1", "\u1E45", "\u1E44"};

struct FontCase {
    const char* name;
    const char* face;
    bool sharedM;  // one byte for both dotted m's, read as underdot m
    friend void PrintTo(const FontCase& c, std::ostream* os) { *os << c.name; }
};

const FontCase kFonts[] = {
    {"VriRomanPali", "VriRomanPali CN", true},
    {"TimesCsx", "Times_CSX+", false},
    {"SktTimes", "SKT Times", true},
    {"TimesNorman", "Times_Norman", false},
    {"LeedsBit", "LeedsBit PaliTranslit", false},
};

// Every letter of the font, both cases, with blanks between.
std::string fontLetters(const FontCase& c) {
    std::string s;
    for (int n = 1; n <= kPaliLetterCount; ++n) {
        s += static_cast<char>(fontCharacter(n, paliFontByPrefix(c.face)));
        s += ' ';
    }
    return s;
}

std::string unicodeLetters(const FontCase& c) {
    std::string s;
    for (int n = 1; n <= kPaliLetterCount; ++n) {
        s += c.sharedM && n == 13 ? kUnicodeLetters[10] : kUnicodeLetters[n - 1];
        s += ' ';
    }
    return s;
}

FontDescription paliDefault(std::string_view faceName) {
    FontDescription f = fontOf(faceName, 280);
    f.mask = charmask::All;
    return f;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The faces of the runs that hold any of [start, end).
std::vector<std::string> facesOver(const RichText& doc, long start, long end) {
    std::vector<std::string> faces;
    doc.forEachRun(start, end,
                   [&](const RichText::Run& run) { faces.push_back(run.format->faceName.str()); });
    return faces;
}

class CommandsInEachFont : public ::testing::TestWithParam<FontCase> {};

TEST_P(CommandsInEachFont, CopyAsUnicodeThenPasteUnicodePaliGivesTheSameBytes) {
    const FontCase& c = GetParam();
    TestView from;
    const std::string text = "Buddha " + fontLetters(c) + "\r\n" + fontLetters(c) + "x";
    from.setText(text, c.face);
    from.surface.setSel(0, -1);
    MemoryUnicodeClipboard clipboard;
    copyAsUnicode(from.view, clipboard, "Gentium Plus");

    const UnicodeClipboard::Content content = clipboard.unicodeContent();
    ASSERT_TRUE(content.utf8 && content.rtf);
    EXPECT_EQ(*content.utf8, "Buddha " + unicodeLetters(c) + "\n" + unicodeLetters(c) + "x");
    ASSERT_TRUE(clipboard.original());
    EXPECT_EQ(clipboard.original()->text(), text) << "a paste inside the program takes the bytes";

    // The RTF sets the letters in the Unicode font as \uN.
    std::vector<RtfReader::UnicodeCharacter> unicode;
    const std::optional<RichText> rtf = RtfReader::read(*content.rtf, &unicode);
    ASSERT_TRUE(rtf);
    EXPECT_EQ(facesOver(*rtf, 0, rtf->length()), std::vector<std::string>{"Gentium Plus"});
    std::set<char32_t> letters;
    for (const RtfReader::UnicodeCharacter& u : unicode) {
        letters.insert(u.character);
    }
    EXPECT_EQ(letters.size(), c.sharedM ? 18u : 19u) << "the letters beyond Windows-1252";

    TestView to;
    to.setText("<>", "Arial");
    to.surface.setSel(1, 1);
    to.state.defaultPaliFormat = paliDefault(c.face);
    pasteUnicodePali(to.view, clipboard);
    EXPECT_EQ(to.text(), "<" + text + ">");
    EXPECT_EQ(facesOver(to.surface.document(), 1, 1 + static_cast<long>(text.size())),
              std::vector<std::string>{c.face});
    EXPECT_EQ(to.surface.document().formatAt(1).height, 280) << "the default Pali font's size";
    EXPECT_EQ(to.surface.document().formatAt(0).faceName, "Arial");
    EXPECT_EQ(to.surface.getSel(),
              (Selection{1 + static_cast<long>(text.size()), 1 + static_cast<long>(text.size())}));
    to.surface.undo();
    EXPECT_EQ(to.text(), "<>") << "one step of undo";
}

TEST_P(CommandsInEachFont, DecomposedLettersArePastedComposed) {
    const FontCase& c = GetParam();
    TestView view;
    view.state.defaultPaliFormat = paliDefault(c.face);
    MemoryUnicodeClipboard clipboard;
    // a, i, u with macron; d, l, m, n, t with dot below; m, n with dot
    // above; n with tilde; capitals as well.
    clipboard.offer(std::nullopt,
                    "a\u0304A\u0304i\u0304I\u0304u\u0304U\u0304d\u0323D\u0323l\u0323L\u0323m\u0323"
                    "M\u0323m\u0307n\u0323N\u0323t\u0323T\u0323n\u0303N\u0303n\u0307N\u0307");
    pasteUnicodePali(view.view, clipboard);
    std::string expected;
    for (int n = 1; n <= kPaliLetterCount; ++n) {
        expected += static_cast<char>(fontCharacter(n, paliFontByPrefix(c.face)));
    }
    EXPECT_EQ(view.text(), expected);
}

INSTANTIATE_TEST_SUITE_P(Fonts, CommandsInEachFont, ::testing::ValuesIn(kFonts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CopyAsUnicode, AMixedSelectionKeepsTheOtherFontsAsTheirCharacters) {
    TestView view;
    RichText doc;
    doc.append("caf\xE9 \xB1 ", fontOf("Times New Roman"));  // é and ±
    doc.append("\xB1\xBD", fontOf("VriRomanPali CN"));       // long a, underdot m
    doc.appendBreak(fontOf("VriRomanPali CN"), paraOf(alignment::Center));
    doc.append("\x93ok\x94", fontOf("Arial"));  // curly quotes
    view.surface.setDocument(doc);
    view.surface.setSel(2, -1);
    MemoryUnicodeClipboard clipboard;
    copyAsUnicode(view.view, clipboard, "DejaVu Serif");
    EXPECT_EQ(*clipboard.unicodeContent().utf8, "f\u00E9 \u00B1 \u0101\u1E43\n\u201Cok\u201D");

    std::vector<RtfReader::UnicodeCharacter> unicode;
    const std::optional<RichText> rtf = RtfReader::read(*clipboard.unicodeContent().rtf, &unicode);
    ASSERT_TRUE(rtf);
    EXPECT_EQ(rtf->text(), "f\xE9 \xB1 ??\r\n\x93ok\x94");
    EXPECT_EQ(facesOver(*rtf, 0, rtf->length()),
              (std::vector<std::string>{"Times New Roman", "DejaVu Serif", "Arial"}));
    EXPECT_EQ(rtf->paraFormat(0).alignment, alignment::Center);
    EXPECT_EQ(unicode, (std::vector<RtfReader::UnicodeCharacter>{{5, U'\u0101'}, {6, U'\u1E43'}}));
}

TEST(CopyAsUnicode, WithNothingSelectedLeavesTheClipboardAlone) {
    TestView view;
    view.setText("\xB1", "VriRomanPali CN");
    MemoryUnicodeClipboard clipboard;
    clipboard.offer(std::nullopt, "before");
    copyAsUnicode(view.view, clipboard, "Gentium Plus");
    EXPECT_EQ(clipboard.unicodeContent().utf8, "before");
    CommandStatus status;
    updateCopyAsUnicode(view.view, status);
    EXPECT_FALSE(status.enabled);
    view.surface.setSel(0, 1);
    updateCopyAsUnicode(view.view, status);
    EXPECT_TRUE(status.enabled);
}

struct PasteCase {
    const char* name;
    const char* face;
    std::optional<std::string> rtf;
    std::optional<std::string> utf8;
    std::string expected;  // the text after the paste
    std::string message;   // UTF-8; empty for none
    friend void PrintTo(const PasteCase& c, std::ostream* os) { *os << c.name; }
};

const PasteCase kPastes[] = {
    {"PaliOnly", "Times_CSX+", std::nullopt, "Buddha\u1E43 sara\u1E47a\u1E43",
     "Buddha\xFC sara\xF5"
     "a\xFC",
     ""},
    {"LinesBecomeParagraphs", "VriRomanPali CN", std::nullopt, "\u0101\n\u012B\r\n\u016B\r",
     "\xB1\r\n\xB2\r\n\xB3\r\n", ""},
    {"GreekIsReported", "VriRomanPali CN", std::nullopt, "\u03B1 \u0101", "? \xB1",
     "1 character that VriRomanPali CN cannot show: U+03B1 \"\u03B1\" at line 1, column 1\n\n"
     "It was pasted as a question mark (?)."},
    {"PlusMinusHasNoPlaceInVriRomanPali", "VriRomanPali CN", std::nullopt,
     "x\u00B1\u0101\n\U0001F600", "x?\xB1\r\n?",
     "2 characters that VriRomanPali CN cannot show: U+00B1 \"\u00B1\" at line 1, column 2; "
     "U+1F600 \"\U0001F600\" at line 2, column 1\n\nThey were pasted as question marks (?)."},
    {"PlusMinusFitsInTimesCsx", "Times_CSX+", std::nullopt, "\u00B1\u0101", "\xB1\xE0", ""},
    {"PlainTextBeforeRtf", "Times_CSX+", std::string("{\\rtf1 rtf}"), "text", "text", ""},
    {"RtfWhenThereIsNoText", "Times_CSX+",
     std::string("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\uc1\\f0 \\b A\\u257?\\b0 x}"),
     std::nullopt, "A\xE0x", ""},
    {"NoRtfNoText", "Times_CSX+", std::nullopt, std::nullopt, "", ""},
};

class Paste : public ::testing::TestWithParam<PasteCase> {};

TEST_P(Paste, PutsTheClipboardIntoTheDefaultPaliFontAndReportsWhatItCannotShow) {
    const PasteCase& c = GetParam();
    TestView view;
    view.state.defaultPaliFormat = paliDefault(c.face);
    if (!c.message.empty()) {
        view.platform.expectMessage(c.message);
    }
    MemoryUnicodeClipboard clipboard;
    clipboard.offer(c.rtf, c.utf8);
    pasteUnicodePali(view.view, clipboard);
    EXPECT_EQ(view.text(), c.expected);
    if (!c.message.empty()) {
        ASSERT_FALSE(view.platform.events().empty());
        EXPECT_TRUE(view.platform.events().back().utf8) << "the message names them in Unicode";
    }
    if (!c.expected.empty()) {
        EXPECT_EQ(view.surface.document().formatAt(0).faceName, c.face);
    }
}

INSTANTIATE_TEST_SUITE_P(Clipboards, Paste, ::testing::ValuesIn(kPastes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PasteUnicodePali, ReplacesTheSelectionAndKeepsTheParagraphFormatAtTheCaret) {
    TestView view;
    RichText doc;
    doc.append("one two", fontOf("Arial"));
    doc.appendBreak(fontOf("Arial"), paraOf(alignment::Right, 360));
    view.surface.setDocument(doc);
    view.surface.setSel(4, 7);
    view.state.defaultPaliFormat = paliDefault("VriRomanPali CN");
    MemoryUnicodeClipboard clipboard;
    clipboard.offer(std::nullopt, "\u0101\n\u012B");
    pasteUnicodePali(view.view, clipboard);
    EXPECT_EQ(view.text(), "one \xB1\r\n\xB2\r\n");
    const RichText& after = view.surface.document();
    ASSERT_EQ(after.paragraphCount(), 3);
    EXPECT_EQ(after.paraFormat(0).alignment, alignment::Right);
    EXPECT_EQ(after.paraFormat(1).alignment, alignment::Right);
    EXPECT_EQ(after.paraFormat(1).startIndent, 360);
}

TEST(PasteUnicodePali, AsksForTheDefaultPaliFontWhenThereIsNone) {
    TestView view;
    view.platform.expectMessage(std::string(kChooseOneOfFiveMessage))
        .expectFontDialog(fontChoice("Times_CSX+"));
    const std::filesystem::path before = std::filesystem::current_path();
    TempDir dir;  // the default Pali font's settings file is written here
    std::filesystem::current_path(dir.path());
    MemoryUnicodeClipboard clipboard;
    clipboard.offer(std::nullopt, "\u0101");
    pasteUnicodePali(view.view, clipboard);
    std::filesystem::current_path(before);
    EXPECT_EQ(view.text(), "\xE0");
    EXPECT_EQ(view.surface.document().formatAt(0).faceName, "Times_CSX+");
}

// Export as Unicode -----------------------------------------------------------

RichText exportedDocument() {
    RichText doc;
    doc.append("Namo ", fontOf("Times New Roman"));
    doc.append("tassa bhagavato \xB1", fontOf("VriRomanPali CN"));
    doc.appendBreak(fontOf("VriRomanPali CN"), paraOf(alignment::Center));
    doc.append("caf\xE9 \x80", fontOf("Arial", 320));
    return doc;
}

struct ExportCase {
    const char* name;
    std::string chosen;   // the name the dialog gives
    std::string written;  // the file written
    bool rtf;
    friend void PrintTo(const ExportCase& c, std::ostream* os) { *os << c.name; }
};

const ExportCase kExports[] = {
    {"Text", "out.txt", "out.txt", false},
    {"Rtf", "out.rtf", "out.rtf", true},
    {"RtfInCapitals", "OUT.RTF", "OUT.RTF", true},
    {"NoExtensionIsText", "out", "out.txt", false},
    {"OtherExtensionIsText", "out.text", "out.text", false},
};

class Export : public ::testing::TestWithParam<ExportCase> {};

TEST_P(Export, WritesTheWholeDocumentInUnicode) {
    const ExportCase& c = GetParam();
    TempDir dir;
    TestView view;
    view.surface.setDocument(exportedDocument());
    view.surface.setSel(1, 2);
    view.surface.setModify(true);
    view.platform.expectFileDialog(dir.file(c.chosen), [](const FileDialogRequest& request) {
        EXPECT_TRUE(request.save);
        ASSERT_EQ(request.filters.size(), 2u);
        EXPECT_EQ(request.filters[0].pattern, "*.txt");
        EXPECT_EQ(request.filters[1].pattern, "*.rtf");
        EXPECT_EQ(request.initialName, "RuvoVIR1.txt");
    });
    EXPECT_TRUE(exportAsUnicode(view.view, "DejaVu Serif", {"RuvoVIR1", ""}));
    EXPECT_EQ(
        view.platform.statuses(),
        std::vector<std::string>{std::string(c.rtf ? "Exported the document as Unicode RTF to "
                                                   : "Exported the document as UTF-8 text to ") +
                                 dir.file(c.written)});
    const std::string bytes = readFile(dir.file(c.written));
    if (!c.rtf) {
        EXPECT_EQ(bytes, "Namo tassa bhagavato \u0101\r\ncaf\u00E9 \u20AC");
    } else {
        UnicodeImportOptions options;
        options.paliFormat = fontOf("VriRomanPali CN");
        options.unicodeFace = "DejaVu Serif";
        const std::optional<UnicodeImport::Result> back = UnicodeImport::fromRtf(bytes, options);
        ASSERT_TRUE(back);
        EXPECT_TRUE(back->report.empty());
        EXPECT_TRUE(back->document == exportedDocument());
        const std::optional<RichText> read = RtfReader::read(bytes);
        ASSERT_TRUE(read);
        EXPECT_EQ(facesOver(*read, 0, read->length()),
                  (std::vector<std::string>{"Times New Roman", "DejaVu Serif", "Arial"}));
    }
    EXPECT_TRUE(view.surface.document() == exportedDocument()) << "the document is untouched";
    EXPECT_EQ(view.surface.getSel(), (Selection{1, 2}));
    EXPECT_TRUE(view.surface.getModify());
}

INSTANTIATE_TEST_SUITE_P(Names, Export, ::testing::ValuesIn(kExports),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExportAsUnicode, AFailedWriteIsReportedAndLeavesTheDocumentAsItWas) {
    TempDir dir;
    TestView view;
    view.surface.setDocument(exportedDocument());
    const std::string path = dir.file("missing/out.txt");
    view.platform.expectFileDialog(path).expectMessage("Failed to save document.");
    EXPECT_FALSE(exportAsUnicode(view.view, "Gentium Plus", {"RuvoVIR1", ""}));
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(view.surface.document() == exportedDocument());
    EXPECT_FALSE(view.surface.getModify());
}

TEST(ExportAsUnicode, NeverWritesOverTheDocumentsOwnFile) {
    TempDir dir;
    const std::string own = dir.file("sutta.rtf");
    std::ofstream(own, std::ios::binary) << "the document";
    TestView view;
    view.surface.setDocument(exportedDocument());
    view.platform
        .expectFileDialog(dir.path() + "/./sutta.rtf",
                          [&](const FileDialogRequest& request) {
                              EXPECT_EQ(request.initialName, dir.file("sutta.txt"));
                          })
        .expectMessage(dir.path() + "/./sutta.rtf" + std::string(kExportOverDocumentMessage));
    EXPECT_FALSE(exportAsUnicode(view.view, "Gentium Plus", {"sutta.rtf", own}));
    EXPECT_EQ(readFile(own), "the document");
}

TEST(ExportAsUnicode, CancelledWritesNothing) {
    TestView view;
    view.surface.setDocument(exportedDocument());
    view.platform.expectFileDialog(std::nullopt);
    EXPECT_FALSE(exportAsUnicode(view.view, "Gentium Plus", {"RuvoVIR1", ""}));
    EXPECT_TRUE(view.platform.scriptDone());
}

TEST(ChooseUnicodeFont, OpensAtTheCurrentFaceAndGivesTheChosenOne) {
    ScriptedPlatform platform;
    platform
        .expectFontDialog(fontChoice("DejaVu Serif"),
                          [](const FontDialogRequest& request) {
                              EXPECT_EQ(request.initial.faceName, "Gentium Plus");
                              EXPECT_FALSE(request.offerStyle);
                              EXPECT_FALSE(request.offerEffects);
                          })
        .expectFontDialog(std::nullopt);
    EXPECT_EQ(chooseUnicodeFont(platform, "Gentium Plus"), "DejaVu Serif");
    EXPECT_EQ(chooseUnicodeFont(platform, "DejaVu Serif"), std::nullopt);
}

TEST(ChooseUnicodeFont, AnOldPaliFontIsKeptOnlyAfterTheWarning) {
    const std::string warning =
        "Times_CSX+ is one of the old 8-bit Pali fonts, not a Unicode font: its Pali letters are "
        "not where Unicode puts them, so Pali copied or exported in it would show wrong letters "
        "in other programs.\n\nUse it as the Unicode font all the same?";
    ScriptedPlatform platform;
    platform.expectFontDialog(fontChoice("Times_CSX+"))
        .expectYesNo(warning, false)
        .expectFontDialog(fontChoice("Times_CSX+"))
        .expectYesNo(warning, true);
    EXPECT_EQ(chooseUnicodeFont(platform, "Gentium Plus"), std::nullopt);
    EXPECT_EQ(chooseUnicodeFont(platform, "Gentium Plus"), "Times_CSX+");
}

}  // namespace
}  // namespace sorvel::testing
