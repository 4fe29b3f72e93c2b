#include <gtest/gtest.h>

#include "docformat/CodePage.h"
#include "docformat/RtfReader.h"
#include "docformat/RtfWriter.h"
#include "support/SampleDocuments.h"

namespace sorvel {
namespace {

using testing::fontOf;
using testing::paraOf;

struct WriteCase {
    const char* name;
    std::string bytes;  // the document's text, in Times New Roman
    std::u32string characters;
    std::string written;  // what the text becomes in the RTF
    friend void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }
};

class UnicodeRtfWriting : public ::testing::TestWithParam<WriteCase> {};

TEST_P(UnicodeRtfWriting, WritesEachCharacterAsItsByteOrAsUnicode) {
    RichText doc;
    doc.append(GetParam().bytes, fontOf("Times New Roman"));
    const std::string rtf = RtfWriter::write(doc, GetParam().characters);
    EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{")) << rtf;
    EXPECT_NE(rtf.find("\\cf0 " + GetParam().written + "\\par"), std::string::npos) << rtf;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnicodeRtfWriting,
    ::testing::Values(WriteCase{"Ascii", "abc", U"abc", "abc"},
                      WriteCase{"Windows1252AsBytes", "xxx", U"\u00E9\u20AC{", "\\'e9\\'80\\{"},
                      WriteCase{"PaliLetters", "xx", U"\u0101\u1E43", "\\u257?\\u7747?"},
                      WriteCase{"AboveSignedSixteenBits", "x", U"\uFB01", "\\u-1279?"},
                      WriteCase{"BeyondTheBasicPlane", "x", U"\U0001F600", "\\u-10179?\\u-8704?"},
                      WriteCase{"ContinuationWritesNothing", "xy", U"\u65E5\uFFFF", "\\u26085?"},
                      WriteCase{"ShortCharactersLeaveTheBytes", "a\xE9z", U"\u0101",
                                "\\u257?\\'e9z"},
                      WriteCase{"LoneSurrogateIsNoCharacter", "x",
                                std::u32string(1, char32_t{0xD800}), "\\u-3?"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UnicodeRtf, OtherCharacterSetsTakeTheirOwnBytesOrUnicode) {
    RichText doc;
    doc.append("xy\x98", fontOf("Courier New Cyr", 240, 204));
    doc.append("\x93\xFA\x93\xFA", fontOf("MS Mincho", 240, 128));
    const std::u32string chars = std::u32string(U"\u20AC\u03B1\uFFFD") + U"\u65E5" +
                                 CodePage::kContinuation + U"\u4E2D" + CodePage::kContinuation;
    const std::string rtf = RtfWriter::write(doc, chars);
    // The euro sign is 0x88 in Windows-1251; alpha is not there at all; the
    // byte that stands for nothing stays. The first double-byte character
    // is what its bytes say; the second is not.
    EXPECT_NE(rtf.find("\\'88\\u945?\\'98\\f1 \\'93\\'fa\\u20013?\\f2\\par"), std::string::npos)
        << rtf;
}

TEST(UnicodeRtf, PlainWritingHasNoUnicodeHeader) {
    RichText doc;
    doc.append("a", fontOf("Arial"));
    EXPECT_EQ(RtfWriter::write(doc).find("\\uc1"), std::string::npos);
}

TEST(UnicodeRtf, TheReaderGivesBackEveryUnicodeCharacterAtItsPosition) {
    RichText doc;
    doc.append("ab", fontOf("Gentium Plus"));
    doc.appendBreak(fontOf("Gentium Plus"), paraOf(alignment::Left));
    doc.append("cde", fontOf("Arial", 300));
    doc.appendBreak(fontOf("Arial"), paraOf(alignment::Right));
    std::u32string chars = U"\u0101b\r\nc\U0001F600\u1E6D\r\n";
    const std::string rtf = RtfWriter::write(doc, chars);
    std::vector<RtfReader::UnicodeCharacter> unicode;
    const std::optional<RichText> read = RtfReader::read(rtf, &unicode);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->text(), "?b\r\nc??\r\n");
    const std::vector<RtfReader::UnicodeCharacter> expected = {
        {0, U'\u0101'}, {5, U'\U0001F600'}, {6, U'\u1E6D'}};
    EXPECT_EQ(unicode, expected);
    // Without the list, the same document.
    EXPECT_TRUE(*RtfReader::read(rtf) == *read);
}

TEST(UnicodeRtf, ThePlainReaderPutsPaliLettersInAPaliFontAsItsBytes) {
    RichText doc;
    doc.append("xx", fontOf("VriRomanPali CN"));
    const std::optional<RichText> read = RtfReader::read(RtfWriter::write(doc, U"\u0101\u1E41"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->text(), "\xB1\xBD");
}

TEST(UnicodeRtf, FontTableCharactersAreNotText) {
    std::vector<RtfReader::UnicodeCharacter> unicode;
    const std::optional<RichText> read =
        RtfReader::read("{\\rtf1{\\fonttbl{\\f0 Caf\\u233?;}}\\f0 \\u257?}", &unicode);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->formatAt(0).faceName, "Caf\xE9");
    ASSERT_EQ(unicode.size(), 1u);
    EXPECT_EQ(unicode[0], (RtfReader::UnicodeCharacter{0, U'\u0101'}));
}

TEST(CodePage, DecodesEveryByteToOneCharacter) {
    std::u32string out;
    CodePage::of(1251).decode("\xE0z\x98", out);
    EXPECT_EQ(out, U"\u0430z\uFFFD");  // 0x98 is unassigned in Windows-1251
    out.clear();
    CodePage::of(932).decode("a\x93\xFA\xB1\x81", out);
    EXPECT_EQ(out, std::u32string(U"a\u65E5") + CodePage::kContinuation + U"\uFF71\uFFFD");
    out.clear();
    CodePage::of(1252).decode("\x80\x81", out);
    EXPECT_EQ(out, U"\u20AC\u0081");
}

}  // namespace
}  // namespace sorvel
