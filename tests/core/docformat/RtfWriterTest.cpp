#include <gtest/gtest.h>

#include "docformat/RtfWriter.h"
#include "support/SampleDocuments.h"

namespace sorvel {
namespace {

using testing::fontOf;
using testing::paraOf;

bool contains(const std::string& haystack, std::string_view needle) {
    return haystack.find(needle) != std::string::npos;
}

TEST(RtfWriter, WritesWindows1252RtfWithEveryHighByteAsHex) {
    RichText doc;
    doc.append("sa\xF1gha \x80\xFF", fontOf("VriRomanPali CN"));
    const std::string rtf = RtfWriter::write(doc);
    EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_TRUE(contains(rtf, "sa\\'f1gha \\'80\\'ff"));
    for (const char c : rtf) {
        EXPECT_LT(static_cast<unsigned char>(c), 0x80) << "a raw 8-bit byte in the output";
    }
}

TEST(RtfWriter, FontTableCarriesFamilyPitchAndCharacterSet) {
    RichText doc;
    doc.append("a", fontOf("Arial", 240, 0, 0x22));
    doc.append("b", fontOf("Times_CSX+", 240, 2, 0x00));
    doc.append("c", fontOf("Courier New", 240, 204, 0x31));
    const std::string rtf = RtfWriter::write(doc);
    EXPECT_TRUE(contains(rtf, "\\fswiss\\fprq2\\fcharset0 Arial;}")) << rtf;
    EXPECT_TRUE(contains(rtf, "\\fnil\\fprq0\\fcharset2 Times_CSX+;}")) << rtf;
    EXPECT_TRUE(contains(rtf, "\\fmodern\\fprq1\\fcharset204 Courier New;}")) << rtf;
    EXPECT_FALSE(contains(rtf, "\\sorvel"));  // nothing that standard RTF cannot say
}

TEST(RtfWriter, AutomaticColourIsTheEmptyFirstEntry) {
    RichText doc;
    FontDescription red = fontOf("Arial");
    red.effects = 0;
    red.color = 0x0000FF;
    doc.append("auto", fontOf("Arial"));
    doc.append("red", red);
    const std::string rtf = RtfWriter::write(doc);
    EXPECT_TRUE(contains(rtf, "{\\colortbl ;\\red255\\green0\\blue0;}")) << rtf;
    EXPECT_TRUE(contains(rtf, "\\cf0 auto\\cf1 red")) << rtf;
}

TEST(RtfWriter, BulletsAsTheRichEditControlWritesThem) {
    RichText doc;
    doc.append("point", fontOf("Arial"));
    doc.setParaFormat(0, paraOf(alignment::Left, 0, 360, true));
    const std::string rtf = RtfWriter::write(doc);
    const std::size_t symbol = rtf.find("\\fnil\\fprq0\\fcharset2 Symbol;}");
    ASSERT_NE(symbol, std::string::npos) << rtf;
    const std::size_t number = rtf.rfind("{\\f", symbol) + 3;
    const std::string n = rtf.substr(number, symbol - number);
    EXPECT_TRUE(contains(rtf, "\\pard{\\pntext\\f" + n + "\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf" + n +
                                  "\\pnindent0{\\pntxtb\\'b7}}"))
        << rtf;
}

struct IndentCase {
    const char* name;
    int32_t startIndent;
    int32_t offset;
    std::string words;  // what the paragraph's header holds
    friend void PrintTo(const IndentCase& c, std::ostream* os) { *os << c.name; }
};

class RtfWriterIndents : public ::testing::TestWithParam<IndentCase> {};

// Our first-line indent and the offset of the other lines become RTF's
// indent of all lines (\li) and the first line's indent relative to it (\fi).
TEST_P(RtfWriterIndents, BecomeLeftAndFirstLineIndents) {
    RichText doc;
    doc.append("x", fontOf("Arial"));
    doc.setParaFormat(0, paraOf(alignment::Right, GetParam().startIndent, GetParam().offset));
    EXPECT_TRUE(contains(RtfWriter::write(doc), "\\pard\\qr" + GetParam().words + "\\f"))
        << RtfWriter::write(doc);
}

INSTANTIATE_TEST_SUITE_P(Cases, RtfWriterIndents,
                         ::testing::Values(IndentCase{"None", 0, 0, ""},
                                           IndentCase{"Block", 720, 0, "\\li720"},
                                           IndentCase{"Hanging", 0, 360, "\\li360\\fi-360"},
                                           IndentCase{"FirstLine", 720, -720, "\\fi720"},
                                           IndentCase{"Both", 360, 360, "\\li720\\fi-360"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RtfWriter, SizesAndOffsetsInHalfPoints) {
    RichText doc;
    FontDescription f = fontOf("Arial", 200);
    f.offset = 60;
    doc.append("up", f);
    f.offset = -40;
    doc.append("down", f);
    f.offset = 0;
    doc.append("base", f);
    const std::string rtf = RtfWriter::write(doc);
    EXPECT_TRUE(contains(rtf, "\\fs20\\up6\\cf0 up\\dn4 down\\up0 base")) << rtf;
}

}  // namespace
}  // namespace sorvel
