#include <gtest/gtest.h>

#include "docformat/RtfReader.h"
#include "pali/PaliLetters.h"

namespace sorvel {
namespace {

RichText readOk(std::string_view rtf) {
    std::optional<RichText> doc = RtfReader::read(rtf);
    EXPECT_TRUE(doc.has_value()) << rtf;
    return doc ? std::move(*doc) : RichText();
}

struct TextCase {
    const char* name;
    std::string rtf;
    std::string text;
    friend void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }
};

class RtfReaderText : public ::testing::TestWithParam<TextCase> {};

TEST_P(RtfReaderText, GivesTheDocumentsText) {
    EXPECT_EQ(readOk(GetParam().rtf).text(), GetParam().text);
}

std::string nested(int depth, std::string_view inner) {
    return std::string(static_cast<std::size_t>(depth), '{') + std::string(inner) +
           std::string(static_cast<std::size_t>(depth), '}');
}

std::string paliByte(int letter, PaliFontKind kind) {
    return std::string(1, static_cast<char>(fontCharacter(letter, kind)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfReaderText,
    ::testing::Values(
        TextCase{"Empty", "{\\rtf1}", ""}, TextCase{"OneParOnly", "{\\rtf1\\par}", ""},
        TextCase{"TwoPars", "{\\rtf1\\par\\par}", "\r\n"},
        TextCase{"RichEditStyle",
                 "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 "
                 "Arial;}}\r\n\\viewkind4\\uc1\\pard\\f0\\fs20 Hello\\par\r\nWorld\\par\r\n}\r\n\0",
                 "Hello\r\nWorld"},
        TextCase{"NoFinalPar", "{\\rtf1 abc}", "abc"},
        TextCase{"MissingFinalBrace", "{\\rtf1 abc\\par def", "abc\r\ndef"},
        TextCase{"NothingAfterTheLastBrace", "{\\rtf1 abc}def{\\b x}", "abc"},
        TextCase{"ByteOrderMarkAndBlanks", "\xEF\xBB\xBF \r\n{\\rtf1 a}", "a"},
        TextCase{"RawEightBitBytes", "{\\rtf1 caf\xE9 \x80}", "caf\xE9 \x80"},
        TextCase{"RawLineEndsAreNoText", "{\\rtf1 a\r\nb\rc\nd}", "abcd"},
        TextCase{"BackslashLineEndIsAParagraph", "{\\rtf1 a\\\r\nb}", "a\r\nb"},
        TextCase{"UnicodeWithFallback", "{\\rtf1\\uc1 caf\\u233?}", "caf\xE9"},
        TextCase{"UnicodeNegative", "{\\rtf1 \\u-3913?}", "\xB7"},
        TextCase{"UcZeroSkipsNothing", "{\\rtf1\\uc0 \\u233 x}", "\xE9x"},
        TextCase{"UcTwoSkipsHexBytes", "{\\rtf1\\uc2 \\u8364\\'80\\'80 y}", "\x80 y"},
        TextCase{"UcBelongsToItsGroup", "{\\rtf1{\\uc3 \\u233 abc}\\u233 d}", "\xE9\xE9"},
        TextCase{"FallbackEndsAtABrace", "{\\rtf1\\uc5 \\u233{}ab}",
                 "\xE9"
                 "ab"},
        TextCase{"SurrogatePairIsOneCharacter", "{\\rtf1\\uc1 \\u-10179?\\u-8704?x}", "?x"},
        TextCase{"LoneHighSurrogate", "{\\rtf1\\uc1 \\u-10179?ab}", "?ab"},
        TextCase{"LoneLowSurrogate", "{\\rtf1\\uc1 \\u-8704?ab}", "?ab"},
        TextCase{"UnicodeThatWindows1252LacksIsAQuestionMark", "{\\rtf1 \\u1046?\\u257?}", "??"},
        TextCase{"PaliLetterInAPaliFont",
                 "{\\rtf1{\\fonttbl{\\f0 VriRomanPali CN;}{\\f1\\fcharset2 Times_CSX+;}}"
                 "\\f0\\u257?\\u7693?\\f1\\u7749?\\u241?}",
                 paliByte(1, PaliFontKind::VriRomanPali) + paliByte(7, PaliFontKind::VriRomanPali) +
                     paliByte(20, PaliFontKind::TimesCsxPlus) + "\xF1"},
        TextCase{"PaliLetterInAnotherFont", "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\u257?}", "?"},
        TextCase{"PrivateUseSymbolCharacters",
                 "{\\rtf1{\\fonttbl{\\f0\\fcharset2 Symbol;}{\\f1 Times_Norman;}}"
                 "\\f0\\u-3913?\\u61472?\\f1\\u-3871?}",
                 "\xB7 \xE1"},
        TextCase{"UndefinedWindows1252BytesInPrivateUse",
                 "{\\rtf1 \\u61825?\\u61837?\\u61839?\\u61840?\\u61853?\\u61826?}",
                 "\x81\x8D\x8F\x90\x9D?"},
        TextCase{"UnicodeInTheFontsCodePage",
                 "{\\rtf1{\\fonttbl{\\f0\\fcharset204 Arial;}{\\f1\\fcharset238 Arial;}}"
                 "\\f0\\u1046?\\f1\\u260?\\u233?}",
                 "\xC6\xA5\xE9"},
        TextCase{"HexBytesStayBytes",
                 "{\\rtf1{\\fonttbl{\\f0\\fcharset204 Arial;}{\\f1\\fcharset128 MS Mincho;}}"
                 "\\f0\\'c6\\f1\\'82\\'a0}",
                 "\xC6\x82\xA0"},
        TextCase{"SkippedDestinations",
                 "{\\rtf1{\\info{\\title T}{\\author W}}{\\stylesheet{\\s0 Normal;}}{\\header H}"
                 "{\\footer F}A{\\footnote N}B{\\pict\\wmetafile8 0102}C{\\object{\\*\\objdata 01}"
                 "{\\result R}}D{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}E"
                 "{\\*\\unknown U{\\b V}}F{\\pntext\\'b7\\tab}G{\\listtext 1.\\tab}H"
                 "{\\*\\bkmkstart b}{\\fldinst PAGE}I{\\*\\pgdsctbl{\\pgdsc0 Default;}}J}",
                 "ABCDlinkEFGHIJ"},
        TextCase{"BinaryDataMayHoldBraces", "{\\rtf1 a{\\pict\\bin4 }}{{}b}", "ab"},
        TextCase{"BinaryDataInText", "{\\rtf1 a\\bin3 xyzb}", "ab"},
        TextCase{"BinaryLongerThanTheFile", "{\\rtf1 a\\bin99999999999 xyz", "a"},
        TextCase{"BinaryNegative", "{\\rtf1 a\\bin-5 b}", "ab"},
        TextCase{"SpecialCharacters",
                 "{\\rtf1 a\\tab b\\~c\\-d\\_e\\emdash\\endash\\lquote\\rquote\\ldblquote"
                 "\\rdblquote\\bullet\\emspace\\enspace\\{\\}\\\\\\:\\|}",
                 "a\tb\xA0"
                 "c\xAD"
                 "d-e\x97\x96\x91\x92\x93\x94\x95  {}\\"},
        TextCase{"LineIsABreak", "{\\rtf1 a\\line b}", "a\r\nb"},
        TextCase{"PageBreaks", "{\\rtf1 a\\page b\\par\\page c}", "a\r\nb\r\nc"},
        TextCase{"TableCells", "{\\rtf1\\trowd a\\cell b\\cell\\row c}", "a\tb\t\r\nc"},
        TextCase{"HiddenText", "{\\rtf1 a{\\v hidden}b\\v c\\v0 d}", "abd"},
        TextCase{"LongControlWordIsUnknown",
                 "{\\rtf1 \\abcdefghijklmnopqrstuvwxyzabcdefghijklmnop b}", "b"},
        TextCase{"UnknownControlWordsIgnored", "{\\rtf1 a\\foo12 b\\bar c}", "abc"},
        TextCase{"BadHexEscape", "{\\rtf1 a\\'zzb\\'4}", "azzb4"},
        TextCase{"BackslashAtTheEnd", "{\\rtf1 a\\", "a"},
        TextCase{"DepthAtTheCapIsRead", "{\\rtf1 " + nested(998, "x") + "}", "x"},
        TextCase{"DeeperThanTheCapIsSkipped", "{\\rtf1 a" + nested(5000, "x") + "b}", "ab"},
        TextCase{"UnclosedDeepGroups", "{\\rtf1 a" + std::string(100000, '{') + "x", "a"}));

TEST(RtfReader, RefusesWhatIsNoRtf) {
    using namespace std::string_literals;
    for (const std::string& bytes : {""s, "hello"s, "{\\rt"s, " {rtf1}"s, "\0{\\rtf1}"s}) {
        EXPECT_FALSE(RtfReader::read(bytes)) << bytes;
    }
    EXPECT_TRUE(RtfReader::isRtf("{\\rtf1}"));
}

TEST(RtfReader, FontTableGivesFaceCharacterSetPitchAndFamily) {
    const RichText doc = readOk(
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman\\fcharset0\\fprq2{\\*\\panose "
        "02020603050405020304}Times New Roman{\\*\\falt Times};}{\\f1\\fswiss\\fcharset238\\fprq2 "
        "Arial CE;}\r\n{\\f2\\fnil\\fcharset2 Symbol;}{\\f3\\fmodern\\fprq1 Courier "
        "New;}{\\f4\\ftech Wingdings;}}\\f1 x\\f2 y\\f0 z\\f3 w\\f4 v\\f99 u}");
    ASSERT_EQ(doc.text(), "xyzwvu");
    struct Want {
        const char* face;
        uint8_t charSet;
        uint8_t pitchAndFamily;
    };
    const Want want[] = {{"Arial CE", 238, 0x22},      {"Symbol", 2, 0x00},
                         {"Times New Roman", 0, 0x12}, {"Courier New", 0, 0x31},
                         {"Wingdings", 0, 0x50},       {"Times New Roman", 0, 0x12}};
    for (long i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(doc.formatAt(i).faceName, want[i].face);
        EXPECT_EQ(doc.formatAt(i).charSet, want[i].charSet);
        EXPECT_EQ(doc.formatAt(i).pitchAndFamily, want[i].pitchAndFamily);
    }
}

TEST(RtfReader, FontTableWithoutGroupsAndCharacterSetFromTheCodePage) {
    const RichText doc = readOk(
        "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl\\f0\\fswiss Helvetica;\\f1\\fmodern Courier;}"
        "\\f1 a\\f0 b}");
    EXPECT_EQ(doc.formatAt(0).faceName, "Courier");
    EXPECT_EQ(doc.formatAt(1).faceName, "Helvetica");
    EXPECT_EQ(doc.formatAt(1).charSet, 204);  // the document's Cyrillic code page
}

TEST(RtfReader, NoFontTableGivesTheStandardFace) {
    const RichText doc = readOk("{\\rtf1 a}");
    EXPECT_EQ(doc.formatAt(0).faceName, RichText::standardFormat().faceName);
    EXPECT_EQ(doc.formatAt(0).height, 240);
    EXPECT_EQ(doc.formatAt(0).mask, charmask::All);
}

TEST(RtfReader, ColourTablesWithAndWithoutTheEmptyFirstEntry) {
    const RichText withEmpty = readOk(
        "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue255;}\\cf1 a\\cf0 "
        "b\\cf2 c\\cf9 d}");
    EXPECT_EQ(withEmpty.formatAt(0).color, 0x0000FFu);
    EXPECT_FALSE(withEmpty.formatAt(0).effects & chareffect::AutoColor);
    EXPECT_TRUE(withEmpty.formatAt(1).effects & chareffect::AutoColor);
    EXPECT_EQ(withEmpty.formatAt(2).color, 0xFF8000u);
    EXPECT_TRUE(withEmpty.formatAt(3).effects & chareffect::AutoColor);

    const RichText withoutEmpty =
        readOk("{\\rtf1{\\colortbl\\red0\\green0\\blue255;\\red0\\green0\\blue0;}\\cf0 a\\cf1 b}");
    EXPECT_EQ(withoutEmpty.formatAt(0).color, 0xFF0000u);
    EXPECT_FALSE(withoutEmpty.formatAt(0).effects & chareffect::AutoColor);
    EXPECT_EQ(withoutEmpty.formatAt(1).color, 0u);
    EXPECT_FALSE(withoutEmpty.formatAt(1).effects & chareffect::AutoColor);
}

TEST(RtfReader, EffectsToggleAndGroupsRestoreThem) {
    const RichText doc = readOk(
        "{\\rtf1 {\\b\\i\\ul\\strike a}b\\b c\\b0 d\\ul e\\ulnone f\\uldb g\\ul0 h\\strike "
        "i\\plain j\\i1 k}");
    ASSERT_EQ(doc.text(), "abcdefghijk");
    using namespace chareffect;
    const uint32_t want[] = {Bold | Italic | Underline | StrikeOut,
                             0,
                             Bold,
                             0,
                             Underline,
                             0,
                             Underline,
                             0,
                             StrikeOut,
                             0,
                             Italic};
    for (long i = 0; i < 11; ++i) {
        EXPECT_EQ(doc.formatAt(i).effects & ~AutoColor, want[i]) << "at " << i;
    }
}

TEST(RtfReader, SizesAndOffsetsInHalfPointsBecomeTwips) {
    const RichText doc = readOk(
        "{\\rtf1\\fs20 a\\up6 b\\dn4 c\\up0 d\\fs e\\up f\\fs99999999999999999999 g\\up-999999 "
        "h\\super i\\nosupersub j}");
    ASSERT_EQ(doc.text(), "abcdefghij");
    const int32_t heights[] = {200, 200, 200, 200, 240, 240, 327670, 327670, 327670, 327670};
    const int32_t offsets[] = {0, 60, -40, 0, 0, 60, 60, -327670, 60, 0};
    for (long i = 0; i < 10; ++i) {
        EXPECT_EQ(doc.formatAt(i).height, heights[i]) << "at " << i;
        EXPECT_EQ(doc.formatAt(i).offset, offsets[i]) << "at " << i;
    }
}

TEST(RtfReader, ParagraphAlignmentAndIndents) {
    const RichText doc = readOk(
        "{\\rtf1\\pard\\qc\\li720\\fi-360 a\\par\\pard\\qr b\\par\\qj c\\par\\pard\\li-99999999999 "
        "d}");
    ASSERT_EQ(doc.paragraphCount(), 4);
    EXPECT_EQ(doc.paraFormat(0).alignment, alignment::Center);
    EXPECT_EQ(doc.paraFormat(0).startIndent, 360);  // the first line: \li + \fi
    EXPECT_EQ(doc.paraFormat(0).offset, 360);       // the other lines, relative to it
    EXPECT_EQ(doc.paraFormat(1).alignment, alignment::Right);
    EXPECT_EQ(doc.paraFormat(1).startIndent, 0);
    EXPECT_EQ(doc.paraFormat(2).alignment, alignment::Left);
    EXPECT_EQ(doc.paraFormat(3).startIndent, -((1 << 30) - 1));
    EXPECT_EQ(doc.paraFormat(3).mask, paramask::All);
}

TEST(RtfReader, RichEditBullets) {
    const RichText doc = readOk(
        "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}\\pard{\\pntext\\f1\\'B7\\tab}"
        "{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}\\fi-360\\li360 "
        "one\\par{\\pntext\\f1\\'"
        "B7\\tab}two\\par\\pard{\\*\\pn\\pnlvlbody\\pndec{\\pntxta.}}three\\par\\pard four}");
    ASSERT_EQ(doc.text(), "one\r\ntwo\r\nthree\r\nfour");
    EXPECT_EQ(doc.paraFormat(0).numbering, numbering::Bullet);
    EXPECT_EQ(doc.paraFormat(0).startIndent, 0);
    EXPECT_EQ(doc.paraFormat(0).offset, 360);
    EXPECT_EQ(doc.paraFormat(1).numbering, numbering::Bullet);
    EXPECT_EQ(doc.paraFormat(2).numbering, numbering::None);  // a numbered list
    EXPECT_EQ(doc.paraFormat(3).numbering, numbering::None);
    EXPECT_EQ(doc.formatAt(0).faceName, "Arial");  // \pntext's font stays in its group
}

TEST(RtfReader, ListTableBullets) {
    const RichText doc = readOk(
        "{\\rtf1{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc23{\\leveltext\\'01"
        "\\u-3913 ?;}{\\levelnumbers;}}{\\listlevel\\levelnfc0{\\leveltext\\'02\\'01.;}}"
        "\\listid11}{\\list{\\listlevel\\levelnfc0\\levelnfcn0{\\leveltext\\'02\\'00.;}}{"
        "\\listname "
        "x;}\\listid22}}{\\*\\listoverridetable{\\listoverride\\listid11\\listoverridecount0\\ls1}"
        "{\\listoverride\\listid22\\listoverridecount0\\ls2}}{\\listtext\\'b7\\tab}\\pard\\ls1 "
        "a\\par\\pard\\ls1\\ilvl1 b\\par\\pard\\ls2 c\\par\\pard\\ls9 d\\par\\pard e}");
    ASSERT_EQ(doc.text(), "a\r\nb\r\nc\r\nd\r\ne");
    EXPECT_EQ(doc.paraFormat(0).numbering, numbering::Bullet);
    EXPECT_EQ(doc.paraFormat(1).numbering, numbering::None);  // level 1 is numbered
    EXPECT_EQ(doc.paraFormat(2).numbering, numbering::None);
    EXPECT_EQ(doc.paraFormat(3).numbering, numbering::Bullet);  // a list the tables lack
    EXPECT_EQ(doc.paraFormat(4).numbering, numbering::None);
}

TEST(RtfReader, BreaksAndTheDefaultFormatTakeTheFormatAtTheirPar) {
    const RichText doc = readOk("{\\rtf1 a{\\b\\par}b\\i\\par}");
    ASSERT_EQ(doc.text(), "a\r\nb");
    EXPECT_TRUE(doc.formatAt(1).effects & chareffect::Bold);
    EXPECT_FALSE(doc.formatAt(3).effects & chareffect::Bold);
    EXPECT_TRUE(doc.defaultFormat().effects & chareffect::Italic);

    const RichText open = readOk("{\\rtf1\\pard\\qr a\\fs40 ");
    EXPECT_EQ(open.defaultFormat().height, 400);
    EXPECT_EQ(open.paraFormat(0).alignment, alignment::Right);
}

}  // namespace
}  // namespace sorvel
