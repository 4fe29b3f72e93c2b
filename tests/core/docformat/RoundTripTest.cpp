#include <gtest/gtest.h>

#include "docformat/RtfReader.h"
#include "docformat/RtfWriter.h"
#include "support/SampleDocuments.h"

namespace sorvel {
namespace {

using testing::fontOf;
using testing::paraOf;

// Says where two documents first differ, for a readable failure.
std::string firstDifference(const RichText& a, const RichText& b) {
    if (a.text() != b.text()) {
        std::size_t i = 0;
        while (i < a.text().size() && i < b.text().size() && a.text()[i] == b.text()[i]) {
            ++i;
        }
        return "text differs at " + std::to_string(i) + " (lengths " + std::to_string(a.length()) +
               ", " + std::to_string(b.length()) + ")";
    }
    for (long i = 0; i < a.length(); ++i) {
        const FontDescription& x = a.formatAt(i);
        const FontDescription& y = b.formatAt(i);
        if (!(x == y)) {
            return "format differs at " + std::to_string(i) + ": face '" + x.faceName.str() +
                   "'/'" + y.faceName.str() + "' effects " + std::to_string(x.effects) + "/" +
                   std::to_string(y.effects) + " height " + std::to_string(x.height) + "/" +
                   std::to_string(y.height) + " offset " + std::to_string(x.offset) + "/" +
                   std::to_string(y.offset) + " color " + std::to_string(x.color) + "/" +
                   std::to_string(y.color) + " charset " + std::to_string(x.charSet) + "/" +
                   std::to_string(y.charSet) + " pf " + std::to_string(x.pitchAndFamily) + "/" +
                   std::to_string(y.pitchAndFamily);
        }
    }
    for (int p = 0; p < a.paragraphCount(); ++p) {
        const ParaFormat& x = a.paraFormat(p);
        const ParaFormat& y = b.paraFormat(p);
        if (!(x == y)) {
            return "paragraph " + std::to_string(p) + " differs: align " +
                   std::to_string(x.alignment) + "/" + std::to_string(y.alignment) + " start " +
                   std::to_string(x.startIndent) + "/" + std::to_string(y.startIndent) +
                   " offset " + std::to_string(x.offset) + "/" + std::to_string(y.offset) +
                   " numbering " + std::to_string(x.numbering) + "/" + std::to_string(y.numbering);
        }
    }
    return "documents differ";
}

void expectRoundTrip(const RichText& doc) {
    const std::string rtf = RtfWriter::write(doc);
    const std::optional<RichText> back = RtfReader::read(rtf);
    ASSERT_TRUE(back.has_value());
    EXPECT_TRUE(*back == doc) << firstDifference(doc, *back) << "\n" << rtf.substr(0, 2000);
    EXPECT_EQ(back->defaultFormat(), doc.defaultFormat());
}

struct RoundTripCase {
    std::string name;
    RichText doc;
    friend void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }
};

RichText withText(std::string_view text, const FontDescription& f = fontOf("Times New Roman")) {
    RichText doc(f);
    doc.append(text, f);
    return doc;
}

std::string everyByteButBreaks() {
    std::string s;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n') {
            s += static_cast<char>(b);
        }
    }
    return s;
}

std::vector<RoundTripCase> roundTripCases() {
    std::vector<RoundTripCase> cases;
    cases.push_back({"Empty", RichText()});
    {
        RichText doc;
        doc.setParaFormat(0, paraOf(alignment::Center, 720, -360, true));
        cases.push_back({"EmptyBulletedCentred", doc});
    }
    {
        RichText doc(fontOf("VriRomanPali CN", 320));
        cases.push_back({"EmptyKeepsItsTypingFormat", doc});
    }
    cases.push_back({"EveryByteInAnAnsiFont", withText(everyByteButBreaks())});
    cases.push_back({"EveryByteInASymbolFont",
                     withText(everyByteButBreaks(), fontOf("VriRomanPali CB", 240, 2, 0x02))});
    cases.push_back({"EveryByteInACyrillicFont",
                     withText(everyByteButBreaks(), fontOf("Arial", 240, 204, 0x22))});
    cases.push_back({"RtfSpecialsAndControlWordLookalikes",
                     withText("\\par {\\b} \\'41 ; \\u1234? \t tab  double  space ")});
    {
        RichText doc = withText("one");
        doc.appendBreak(fontOf("Arial"), paraOf(alignment::Right, 100, 200));
        cases.push_back({"EndsWithABreak", doc});
        doc.appendBreak(fontOf("Arial", 480), paraOf(alignment::Left));
        doc.appendBreak(fontOf("Symbol", 200, 2, 0x00), paraOf(alignment::Center, 0, 0, true));
        cases.push_back({"EmptyParagraphsAtTheEnd", doc});
    }
    {
        RichText doc;
        for (int pf = 0; pf < 256; ++pf) {
            doc.append(
                "x", fontOf("Face", 240, static_cast<uint8_t>(255 - pf), static_cast<uint8_t>(pf)));
        }
        cases.push_back({"EveryPitchAndFamilyAndCharacterSet", doc});
    }
    {
        RichText doc;
        for (const int32_t h : {1, 5, 9, 10, 15, 239, 240, 241, 0, -20, -7, 327675, 2000000001}) {
            FontDescription f = fontOf("Times New Roman", h);
            doc.append("h", f);
            f.offset = h / 3;
            doc.append("o", f);
            f.offset = -h;
            doc.append("d", f);
        }
        cases.push_back({"HeightsAndOffsetsInTwips", doc});
    }
    {
        RichText doc;
        FontDescription f = fontOf("A face name of 31 characters..");
        f.effects = chareffect::Bold | chareffect::Underline;
        f.color = 0x00FF8000;
        doc.append("colour", f);
        f.effects = chareffect::Italic | chareffect::StrikeOut | chareffect::AutoColor;
        f.color = 0;
        doc.append("auto", f);
        f.effects = chareffect::StrikeOut;
        f.color = 0;  // black, which is not the automatic colour
        doc.append("black", f);
        cases.push_back({"EffectsAndColours", doc});
    }
    {
        RichText doc;
        doc.append("a", fontOf("A;B"));
        doc.append("b", fontOf("{braced}\\"));
        doc.append("c", fontOf(" leading and trailing "));
        doc.append("d", fontOf("\xE9\xFC\x80"));
        doc.append("e", fontOf(""));
        doc.append("f", fontOf("tab\there\x01"));
        cases.push_back({"FaceNamesThatNeedEscaping", doc});
    }
    {
        RichText doc;
        const int32_t indents[][2] = {{0, 0}, {720, 0}, {0, 360}, {720, -360}, {-100, 50}};
        for (const auto& in : indents) {
            doc.append("p", fontOf("Arial"));
            doc.appendBreak(fontOf("Arial"), paraOf(alignment::Left, in[0], in[1]));
        }
        doc.append("last", fontOf("Arial"));
        doc.setParaFormat(doc.paragraphCount() - 1, paraOf(alignment::Right, 1440, 1440, true));
        cases.push_back({"IndentsAndOffsets", doc});
    }
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        cases.push_back(
            {"Random" + std::to_string(seed), testing::randomDocument(seed, 1 + seed % 9)});
    }
    return cases;
}

class RtfRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RtfRoundTrip, ReadsBackWhatItWrote) {
    expectRoundTrip(GetParam().doc);
}

INSTANTIATE_TEST_SUITE_P(Documents, RtfRoundTrip, ::testing::ValuesIn(roundTripCases()),
                         [](const auto& info) { return info.param.name; });

TEST(RtfRoundTrip, WritingIsStableAfterOneReading) {
    const RichText doc = testing::randomDocument(77, 40);
    const std::string once = RtfWriter::write(doc);
    EXPECT_EQ(RtfWriter::write(*RtfReader::read(once)), once);
}

}  // namespace
}  // namespace sorvel
