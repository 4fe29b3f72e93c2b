#include <gtest/gtest.h>

#include "docformat/RtfTokenizer.h"

namespace sorvel {
namespace {

// The tokens of some RTF, one word each: { } \name \name=N \sym 'hh bin(data) "text".
std::string tokens(std::string_view rtf) {
    using Kind = RtfTokenizer::Kind;
    RtfTokenizer tokenizer(rtf);
    std::string out;
    for (RtfTokenizer::Token t = tokenizer.next(); t.kind != Kind::End; t = tokenizer.next()) {
        out += out.empty() ? "" : " ";
        switch (t.kind) {
            case Kind::GroupOpen:
                out += "{";
                break;
            case Kind::GroupClose:
                out += "}";
                break;
            case Kind::ControlWord:
                out +=
                    "\\" + std::string(t.text) + (t.hasParam ? "=" + std::to_string(t.param) : "");
                break;
            case Kind::ControlSymbol:
                out += "\\sym" + std::to_string(t.byte);
                break;
            case Kind::Hex:
                out += "'" + std::to_string(t.byte);
                break;
            case Kind::Binary:
                out += "bin(" + std::string(t.text) + ")";
                break;
            case Kind::Text:
                out += "\"" + std::string(t.text) + "\"";
                break;
            case Kind::End:
                break;
        }
    }
    return out;
}

struct TokenCase {
    const char* name;
    std::string rtf;
    std::string tokens;
    friend void PrintTo(const TokenCase& c, std::ostream* os) { *os << c.name; }
};

class RtfTokens : public ::testing::TestWithParam<TokenCase> {};

TEST_P(RtfTokens, AreCutAsRtfSays) {
    EXPECT_EQ(tokens(GetParam().rtf), GetParam().tokens);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfTokens,
    ::testing::Values(
        TokenCase{"GroupsWordsAndText", "{\\rtf1\\b bold\\b0  two}",
                  "{ \\rtf=1 \\b \"bold\" \\b=0 \" two\" }"},
        TokenCase{"OnlyOneBlankBelongsToTheWord", "\\par  x\\par-x", "\\par \" x\" \\par \"-x\""},
        TokenCase{"NegativeAndHugeParameters", "\\li-720\\fs99999999999 \\u-3913?",
                  "\\li=-720 \\fs=2147483647 \\u=-3913 \"?\""},
        TokenCase{"LineEndsAreNoText", "a\r\nb\rc\n", "\"a\" \"b\" \"c\""},
        TokenCase{"OtherControlBytesStandAlone", "a\x01\tb\x1F", "\"a\" \"\x01\" \"\tb\" \"\x1F\""},
        TokenCase{"SymbolsAndHex", "\\~\\{\\'e9\\'4", "\\sym126 \\sym123 '233 \"4\""},
        TokenCase{"BackslashLineEndIsASymbol", "\\\r\n", "\\sym13"},
        TokenCase{"BinaryHoldsAnything", "\\bin5 {\\}\r\n}x", "bin({\\}\r\n) } \"x\""},
        TokenCase{"BinaryCutAtTheEnd", "\\bin99 ab", "bin(ab)"},
        TokenCase{"BinaryNegativeIsEmpty", "\\bin-2 ab", "bin() \"ab\""},
        TokenCase{"LongNamesStayWhole", "\\" + std::string(40, 'x') + " y",
                  "\\" + std::string(40, 'x') + " \"y\""},
        TokenCase{"BackslashAtTheEnd", "a\\", "\"a\""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sorvel
