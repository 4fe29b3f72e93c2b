#include <gtest/gtest.h>

#include "docformat/DocumentFile.h"
#include "docformat/RtfReader.h"
#include "pali/PaliLetters.h"
#include "support/SampleDocuments.h"
#include "translit/PaliFontConversion.h"
#include "unicode/DocumentFontConversion.h"
#include "unicode/UnicodeExport.h"
#include "unicode/UnicodeImport.h"

namespace sorvel {
namespace {

using testing::fontOf;
using testing::paraOf;

// Every letter of a font, in both cases, with blanks between.
std::string lettersOf(PaliFontKind kind) {
    std::string s;
    for (int n = 1; n <= kPaliLetterCount; ++n) {
        s += static_cast<char>(fontCharacter(n, kind));
        s += ' ';
    }
    return s;
}

// Pali text in `face` between runs of other fonts, over several paragraphs
// with their own formats. The other runs hold bytes above 127, among them
// bytes that the Pali font uses for letters.
RichText mixedDocument(std::string_view face) {
    const PaliFontKind kind = paliFontByPrefix(face);
    RichText doc;
    FontDescription pali = fontOf(face);
    FontDescription bold = pali;
    bold.effects |= chareffect::Bold;
    doc.append("Buddh", pali);
    doc.append(lettersOf(kind), bold);
    doc.append(" \xB1\xE0\xF1\xBD caf\xE9", fontOf("Times New Roman"));
    doc.appendBreak(pali, paraOf(alignment::Center, 720));
    doc.append("\xB1\xB9\xE6", fontOf("Symbol", 240, 2, 0x02));
    doc.append(lettersOf(kind), fontOf(face, 320));
    doc.appendBreak(fontOf("Arial"), paraOf(alignment::Left, 0, 360, true));
    doc.append("end", fontOf("Arial", 200));
    return doc;
}

UnicodeImportOptions importInto(std::string_view face) {
    UnicodeImportOptions o;
    o.paliFormat = fontOf(face);
    return o;
}

class EachFont : public ::testing::TestWithParam<const char*> {};

TEST_P(EachFont, UnicodeRtfComesBackAsTheSameDocument) {
    const RichText doc = mixedDocument(GetParam());
    for (const bool overdotM : {false, true}) {
        UnicodeExportOptions options;
        options.overdotM = overdotM;
        const std::string rtf = UnicodeExport::toRtf(doc, options);
        const std::optional<UnicodeImport::Result> back =
            UnicodeImport::fromRtf(rtf, importInto(GetParam()));
        ASSERT_TRUE(back);
        EXPECT_TRUE(back->report.empty()) << back->report.describe(GetParam());
        EXPECT_EQ(back->document.text(), doc.text());
        EXPECT_TRUE(back->document == doc);
        EXPECT_EQ(back->document.defaultFormat(), doc.defaultFormat());
    }
}

TEST_P(EachFont, OurUnicodeRtfOpensAsADocumentWithEveryLetterRight) {
    RichText doc;
    FontDescription bold = fontOf(GetParam(), 320);
    bold.effects |= chareffect::Bold;
    doc.append("Buddha " + lettersOf(paliFontByPrefix(GetParam())), fontOf(GetParam()));
    doc.appendBreak(fontOf(GetParam()), paraOf(alignment::Center));
    doc.append(lettersOf(paliFontByPrefix(GetParam())), bold);
    const std::string rtf = UnicodeExport::toRtf(doc);

    const DocumentFile::Opened opened =
        DocumentFile::openBytes(rtf, "export.rtf", fontOf(GetParam()));
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened.document->text(), doc.text());
    for (long i = 0; i < doc.length(); ++i) {
        if (doc.text()[static_cast<std::size_t>(i)] != '\r' &&
            doc.text()[static_cast<std::size_t>(i)] != '\n') {
            EXPECT_EQ(opened.document->formatAt(i), doc.formatAt(i)) << i;
        }
    }
    EXPECT_FALSE(opened.report.lostContent()) << opened.report.describeContent();
    // Every letter but the two tilde n's, which Windows-1252 has, came as \uN.
    EXPECT_EQ(opened.report.count(DocumentReport::Formatting::PaliFont), 2 * 19);
}

TEST_P(EachFont, UnicodeRtfSetsThePaliTextInTheUnicodeFontAndKeepsTheRest) {
    const RichText doc = mixedDocument(GetParam());
    UnicodeExportOptions options;
    options.unicodeFace = "DejaVu Serif";
    const std::string rtf = UnicodeExport::toRtf(doc, options);
    EXPECT_NE(rtf.find("\\uc1"), std::string::npos);
    EXPECT_EQ(rtf.find(GetParam()), std::string::npos) << "the Pali font is gone from the RTF";

    std::vector<RtfReader::UnicodeCharacter> unicode;
    const std::optional<RichText> read = RtfReader::read(rtf, &unicode);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->length(), doc.length());
    const std::u32string expected = UnicodeExport::characters(doc);
    std::size_t next = 0;
    for (long i = 0; i < doc.length(); ++i) {
        const FontDescription& was = doc.formatAt(i);
        const FontDescription& now = read->formatAt(i);
        if (isPaliFont(paliFontByPrefix(was.faceName))) {
            EXPECT_EQ(now.faceName, "DejaVu Serif") << i;
            EXPECT_EQ(now.height, was.height) << i;
            EXPECT_EQ(now.effects, was.effects) << i;
            // Each letter beyond Windows-1252 travels as \uN.
            if (next < unicode.size() && unicode[next].position == i) {
                EXPECT_EQ(unicode[next].character, expected[static_cast<std::size_t>(i)]) << i;
                ++next;
            } else {
                EXPECT_LT(expected[static_cast<std::size_t>(i)], 0x100u) << i;
            }
        } else {
            EXPECT_EQ(now, was) << i;
            EXPECT_EQ(read->text()[static_cast<std::size_t>(i)],
                      doc.text()[static_cast<std::size_t>(i)])
                << i;
        }
    }
    EXPECT_EQ(next, unicode.size());
    for (int p = 0; p < doc.paragraphCount(); ++p) {
        EXPECT_EQ(read->paraFormat(p), doc.paraFormat(p));
    }
}

TEST_P(EachFont, FontConversionTouchesOnlyTheSourceFontsRuns) {
    const PaliFontKind source = paliFontByPrefix(GetParam());
    const RichText doc = mixedDocument(GetParam());
    for (const PaliFontKind target : kPaliFonts) {
        const char* targetFace = target == PaliFontKind::VriRomanPali   ? "VriRomanPali CB"
                                 : target == PaliFontKind::TimesCsxPlus ? "Times_CSX+"
                                 : target == PaliFontKind::SktTimes     ? "Skt Times"
                                 : target == PaliFontKind::TimesNorman  ? "Times_Norman"
                                                                        : "LeedsBit PaliTranslit";
        SCOPED_TRACE(targetFace);
        const DocumentFontConversion::Result r =
            DocumentFontConversion::convert(doc, source, targetFace);
        EXPECT_TRUE(r.report.empty()) << r.report.describe(targetFace);
        ASSERT_EQ(r.document.length(), doc.length());
        for (long i = 0; i < doc.length(); ++i) {
            const FontDescription& was = doc.formatAt(i);
            const FontDescription& now = r.document.formatAt(i);
            const char wasByte = doc.text()[static_cast<std::size_t>(i)];
            const char nowByte = r.document.text()[static_cast<std::size_t>(i)];
            if (paliFontByPrefix(was.faceName) != source) {
                EXPECT_EQ(now, was) << i;
                EXPECT_EQ(nowByte, wasByte) << i;
                continue;
            }
            FontDescription expected = was;
            expected.faceName = targetFace;
            EXPECT_EQ(now, expected) << i;
            // The letters as the editor's conversion makes them.
            std::string oracle(1, wasByte);
            convertPaliFontText(oracle, source, target);
            EXPECT_EQ(std::string(1, nowByte), oracle) << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Fonts, EachFont,
                         ::testing::Values("VriRomanPali CN", "Times_CSX+", "SKT Times",
                                           "Times_Norman", "LeedsBit PaliTranslit"),
                         [](const auto& info) {
                             std::string n;
                             for (const char c : std::string(info.param)) {
                                 if (std::isalnum(static_cast<unsigned char>(c))) {
                                     n += c;
                                 }
                             }
                             return n;
                         });

TEST(UnicodeExport, Utf8TextRunByRun) {
    RichText doc;
    doc.append("Buddha\xBD ", fontOf("VriRomanPali CN"));
    doc.append("\xBD\xB1 ", fontOf("Times New Roman"));
    doc.append("sa\xEFgha", fontOf("Times_CSX+", 240, 2, 0x02));
    doc.appendBreak(fontOf("Times_CSX+"), paraOf(alignment::Left));
    doc.append("\xE0\xEF\xE8", fontOf("Courier New Cyr", 240, 204));  // Windows-1251
    doc.append(" \x93\xFA", fontOf("MS Mincho", 240, 128));           // Shift-JIS
    const std::string expected =
        "Buddha\xE1\xB9\x83 \xC2\xBD\xC2\xB1 sa\xE1\xB9\x85gha\r\n"
        "\xD0\xB0\xD0\xBF\xD0\xB8 \xE6\x97\xA5";
    EXPECT_EQ(UnicodeExport::toUtf8(doc), expected);
    UnicodeExportOptions lf;
    lf.lfBreaks = true;
    lf.overdotM = true;
    EXPECT_EQ(UnicodeExport::toUtf8(doc, lf),
              "Buddha\xE1\xB9\x81 \xC2\xBD\xC2\xB1 sa\xE1\xB9\x85gha\n"
              "\xD0\xB0\xD0\xBF\xD0\xB8 \xE6\x97\xA5");
}

TEST(UnicodeExport, OtherCharacterSetsKeepTheirBytesInUnicodeRtf) {
    RichText doc;
    // a and the euro sign in Windows-1251, and 0x98, which stands for nothing there.
    doc.append("\xE0\x88\x98", fontOf("Courier New Cyr", 240, 204));
    doc.append("\x93\xFA!", fontOf("MS Mincho", 240, 128));
    const std::string rtf = UnicodeExport::toRtf(doc);
    EXPECT_NE(rtf.find("\\'e0\\'88\\'98\\f1 \\'93\\'fa!"), std::string::npos) << rtf;
    std::vector<RtfReader::UnicodeCharacter> unicode;
    const std::optional<RichText> read = RtfReader::read(rtf, &unicode);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->text(), doc.text());
    EXPECT_TRUE(unicode.empty());
}

constexpr const char* kUnicodeRtf =
    "{\\rtf1\\ansi{\\fonttbl{\\f0 Times New Roman;}{\\f1 Arial;}{\\f2 Gentium Plus;}"
    "{\\f3 Times_CSX+;}}"
    "\\f0 Dhamma\\u7747? and \\f1 plain \\u945? text\\par"
    "\\f2 Buddha \\f3\\'e0 \\f0\\b bold\\u257?\\par"
    "\\f1 a\\u772?\\u773? end}";

TEST(UnicodeImport, PaliRunsGoIntoThePaliFontAndOtherRunsStay) {
    const std::optional<UnicodeImport::Result> r =
        UnicodeImport::fromRtf(kUnicodeRtf, importInto("VriRomanPali CN"));
    ASSERT_TRUE(r);
    const RichText& d = r->document;
    // Paragraph 1: Times New Roman with a Pali letter moves; Arial stays,
    // its alpha reported.
    EXPECT_EQ(d.textRange(0, d.paragraphEnd(0)), "Dhamma\xBD and plain ? text");
    EXPECT_EQ(d.formatAt(0).faceName, "VriRomanPali CN");
    EXPECT_EQ(d.formatAt(12).faceName, "Arial");
    // Paragraph 2: the Unicode face and the other Pali font both move; the
    // bold run keeps its boldness.
    const long p2 = d.paragraphStart(1);
    EXPECT_EQ(d.textRange(p2, d.paragraphEnd(1)), "Buddha \xB1 bold\xB1");
    for (long i = p2; i < d.paragraphEnd(1); ++i) {
        EXPECT_EQ(d.formatAt(i).faceName, "VriRomanPali CN") << i;
    }
    EXPECT_TRUE(d.formatAt(d.paragraphEnd(1) - 1).effects & chareffect::Bold);
    // Paragraph 3: a with macron decomposed in Arial moves; the overline
    // after it cannot go into the Pali font.
    EXPECT_EQ(d.textRange(d.paragraphStart(2), d.length()), "\xB1? end");
    const std::vector<UnicodeReport::Character> expected = {{U'\u03B1', 1, 19, "Arial"},
                                                            {U'\u0305', 3, 2}};
    EXPECT_EQ(r->report.listed(), expected);
    EXPECT_EQ(r->report.describe("VriRomanPali CN"),
              "2 characters that their fonts cannot show: U+03B1 \"\xCE\xB1\" at line 1, column "
              "19 (Arial); U+0305 at line 3, column 2 (VriRomanPali CN)");
}

TEST(UnicodeImport, EveryRunPutsTheWholeDocumentIntoThePaliFont) {
    UnicodeImportOptions options = importInto("SKT Times");
    options.everyRun = true;
    const std::optional<UnicodeImport::Result> r = UnicodeImport::fromRtf(kUnicodeRtf, options);
    ASSERT_TRUE(r);
    for (long i = 0; i < r->document.length(); ++i) {
        EXPECT_EQ(r->document.formatAt(i).faceName, "SKT Times") << i;
    }
    EXPECT_EQ(r->report.count(), 2);
}

TEST(UnicodeImport, PlainTextTakesThePaliFormatWhole) {
    const UnicodeImport::Result r = UnicodeImport::fromUtf8(
        "Buddha\xE1\xB9\x81\r\nsa\xE1\xB9\x85gha\n", importInto("Times_CSX+"));
    EXPECT_TRUE(r.report.empty());
    EXPECT_EQ(r.document.text(), "Buddha\xA7\r\nsa\xEFgha\r\n");
    EXPECT_EQ(r.document.paragraphCount(), 3);
    EXPECT_EQ(r.document.formatAt(0), fontOf("Times_CSX+"));
}

TEST(UnicodeImport, HiddenTextDoesNotShiftTheUnicodeCharacters) {
    const std::optional<UnicodeImport::Result> r =
        UnicodeImport::fromRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 x{\\v \\u257?hidden}\\u7747?y}",
                               importInto("Times_Norman"));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->document.text(), "x\xB5y");  // the text read, in the Pali font
}

TEST(UnicodeImport, AFontWithoutANameIsNotTakenForThePaliFont) {
    // The e acute is lost in the nameless Japanese font, which keeps its
    // run; Times_CSX+ could show it, so the report must not blame it.
    const std::optional<UnicodeImport::Result> r = UnicodeImport::fromRtf(
        "{\\rtf1{\\fonttbl{\\f0\\fcharset128;}}\\f0 caf\\u233?}", importInto("Times_CSX+"));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->document.text(), "caf?");
    const std::vector<UnicodeReport::Character> expected = {{U'\u00E9', 1, 4, "Windows-932"}};
    EXPECT_EQ(r->report.listed(), expected);
    EXPECT_EQ(r->report.describe("Times_CSX+"),
              "1 character that their fonts cannot show: U+00E9 \"\xC3\xA9\" at line 1, column 4 "
              "(Windows-932)");
}

TEST(DocumentFontConversion, CharactersTheTargetShowsAsLettersAreReported) {
    RichText doc;
    doc.append("ok", fontOf("Arial"));
    doc.appendBreak(fontOf("Arial"), paraOf(alignment::Left));
    doc.append("x\xB1\xE0y\xF3", fontOf("VriRomanPali CN"));  // long a, a grave, o acute
    const DocumentFontConversion::Result r =
        DocumentFontConversion::convert(doc, PaliFontKind::VriRomanPali, "Times_CSX+");
    EXPECT_EQ(r.document.text(), "ok\r\nx\xE0?y?");
    const std::vector<UnicodeReport::Character> expected = {{U'\u00E0', 2, 3}, {U'\u00F3', 2, 5}};
    EXPECT_EQ(r.report.listed(), expected);
    EXPECT_EQ(r.convertedCharacters, 5);
}

TEST(DocumentFontConversion, ADocumentWithoutTheSourceFontIsTheSameDocument) {
    const RichText doc = mixedDocument("Times_CSX+");
    const DocumentFontConversion::Result r =
        DocumentFontConversion::convert(doc, PaliFontKind::VriRomanPali, "SKT Times");
    EXPECT_TRUE(r.document == doc);
    EXPECT_EQ(r.convertedCharacters, 0);
}

}  // namespace
}  // namespace sorvel
