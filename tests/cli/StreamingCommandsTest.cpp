// The text commands read standard input and files piece by piece: what they
// write is what the whole input gave, and a failure still writes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>

#include "cli/ConvertTool.h"
#include "common/TextFiles.h"
#include "support/ScriptedPlatform.h"
#include "support/StreamCases.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace sorvel {
namespace {

namespace fs = std::filesystem;
using testing::ToolRun;

// Standard input that hands out at most `piece` bytes at each read, as a
// pipe does when the writer is slow.
class PieceBuffer : public std::streambuf {
  public:
    PieceBuffer(std::string data, std::size_t piece) : data_(std::move(data)), piece_(piece) {}

  protected:
    std::streamsize xsgetn(char* s, std::streamsize n) override {
        const std::size_t k = std::min({static_cast<std::size_t>(n), piece_, data_.size() - at_});
        data_.copy(s, k, at_);
        at_ += k;
        return static_cast<std::streamsize>(k);
    }
    int_type underflow() override {
        return at_ < data_.size() ? traits_type::to_int_type(data_[at_]) : traits_type::eof();
    }
    int_type uflow() override {
        return at_ < data_.size() ? traits_type::to_int_type(data_[at_++]) : traits_type::eof();
    }

  private:
    std::string data_;
    std::size_t piece_;
    std::size_t at_ = 0;
};

ToolRun runInPieces(const std::vector<std::string>& args, const std::string& input,
                    std::size_t piece) {
    PieceBuffer buffer(input, piece);
    std::istream in(&buffer);
    std::ostringstream out;
    std::ostringstream err;
    ConvertTool tool;
    const int status = tool.run(args, {in, out, err, false});
    return {status, out.str(), err.str()};
}

std::string typedWithPaliEntry(std::string_view text, PaliFontKind kind) {
    FontDescription format = RichText::standardFormat();
    format.faceName = std::string(paliFontName(kind));
    MemorySurface surface(nullptr, format);
    testing::ScriptedPlatform platform;
    TransliterationState state;
    state.paliEntryOn = true;
    ViewContext view{surface, platform, state};
    return testing::typedInDocument(text, view);
}

std::string sampleText(std::mt19937& rng, std::size_t size) {
    static const std::string kAlphabet =
        "aAdDlLmMnNtTiu .~!\"[&P]-\r\n\xB1\xB9\xBD\xBA\xE0\xF1\x85\xC4\x81\xCC\x84";
    std::string text;
    while (text.size() < size) {
        text += kAlphabet[rng() % kAlphabet.size()];
    }
    return text;
}

TEST(StreamingCommandsTest, StandardInputInPiecesGivesWhatTheWholeInputGave) {
    const PaliFontKind vri = PaliFontKind::VriRomanPali;
    const PaliFontKind csx = PaliFontKind::TimesCsxPlus;
    std::mt19937 rng(15);
    std::vector<std::string> inputs = {"", "\r", "Buddha.m sara.na.m gacchaami\r\n"};
    for (int i = 0; i < 6; ++i) {
        inputs.push_back(sampleText(rng, 1 + rng() % 3000));
    }
    for (const bool lf : {false, true}) {
        std::vector<std::pair<std::vector<std::string>, testing::StreamCase>> commands;
        for (testing::StreamCase& c : testing::streamCases(vri, csx, lf)) {
            const std::string name = c.name.substr(0, c.name.find(' '));
            std::vector<std::string> args = {name};
            if (name == "font") {
                args.insert(args.end(), {"--from", "VriRomanPali CN", "--to", "Times_CSX+"});
            } else if (name == "to-standard" || name == "unicode") {
                args.insert(args.end(), {name == "unicode" ? "--from" : "--font", "VriRomanPali"});
            } else if (name == "from-standard") {
                args.insert(args.end(), {"--font", "Times_CSX+"});
            } else if (name == "from-unicode") {
                args.insert(args.end(), {"--font", "Times_CSX+", "--lossy"});
            }
            if (lf && name != "from-unicode") {
                args.push_back("--lf");
            }
            commands.emplace_back(args, c);
        }
        testing::StreamCase typing{"type",
                                   [lf](std::string_view t) {
                                       std::string typed = typedWithPaliEntry(t, vri);
                                       return lf ? testing::wholeFile(
                                                       typed, true, [](std::string s) { return s; })
                                                 : typed;
                                   },
                                   {}};
        std::vector<std::string> typeArgs = {"type", "--font", "VriRomanPali"};
        if (lf) {
            typeArgs.push_back("--lf");
        }
        commands.emplace_back(typeArgs, typing);
        for (const auto& [args, c] : commands) {
            for (std::string input : inputs) {
                if (args[0] == "from-unicode") {
                    input = UnicodeText::fromFontToUtf8(input, vri);  // UTF-8 to take in
                }
                const std::string expected = c.whole(input);
                for (const std::size_t piece : {1, 7, 1 << 20}) {
                    const ToolRun r = runInPieces(args, input, piece);
                    ASSERT_EQ(r.status, 0) << args[0] << ": " << r.err;
                    ASSERT_EQ(r.out, expected)
                        << args[0] << (lf ? " --lf" : "") << ", pieces of " << piece;
                }
            }
        }
    }
}

TEST(StreamingCommandsTest, AFailureAfterOutputBeganWritesNothing) {
    testing::TempDir dir;
    const std::string out = dir.file("out.txt");
    ASSERT_TRUE(writeFileAtomically(out, "before"));
    // The Greek alpha near the end has no place in the font: the file fails
    // only when most of it has been converted.
    const std::string input = std::string(3 << 20, 'a') + "\xCE\xB1" + "aa";
    for (const bool toFile : {false, true}) {
        std::vector<std::string> args = {"from-unicode", "--font", "Times_CSX+"};
        if (toFile) {
            args.insert(args.end(), {"-o", out});
        }
        const ToolRun r = runInPieces(args, input, 1 << 16);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_NE(r.err.find("U+03B1"), std::string::npos) << r.err;
    }
    EXPECT_EQ(readWholeFile(out), "before");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(StreamingCommandsTest, AnOutputThatIsTheInputGetsTheWholeConversion) {
    testing::TempDir dir;
    const std::string file = dir.file("text.txt");
    const std::string text = std::string(5 << 20, 'x') + "sa\xEFgha\r\n";
    ASSERT_TRUE(writeFileAtomically(file, text));
    const ToolRun r =
        testing::runConvertTool({"to-standard", "--font", "Times_CSX+", "-o", file, file});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readWholeFile(file), std::string(5 << 20, 'x') + "sa\"ngha\r\n");
}

TEST(StreamingCommandsTest, BlanksOfAnyLengthBeforeRtfStillMakeADocument) {
    // More blanks than are looked ahead in memory: the rest wait in a file.
    const std::string blanks(9 << 20, '\n');
    const std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 VriRomanPali CN;}}\\f0 \\'b1\\par}";
    const ToolRun doc =
        runInPieces({"unicode", "--from", "VriRomanPali", "--lf"}, blanks + rtf, 1 << 20);
    ASSERT_EQ(doc.status, 0) << doc.err;
    EXPECT_EQ(doc.out.substr(0, 2), "\xC4\x81");  // the document's text: long a
    const ToolRun text =
        runInPieces({"unicode", "--from", "VriRomanPali", "--lf"}, blanks + "\xB1", 1 << 20);
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out, blanks + "\xC4\x81");
}

TEST(StreamingCommandsTest, TypingThatEatsBackIntoWrittenTextGetsItBack) {
    // Each a after two x's leaves one x: the a's of the second half eat
    // back through megabytes of text that was long put away.
    testing::TempDir dir;
    const std::string table = dir.file("eat.txt");
    ASSERT_TRUE(writeFileAtomically(table, "FONT: Times\n0120\txxa\nEND OF TRANSLITERATION\n"));
    const std::string input = std::string(6 << 20, 'x') + std::string((6 << 20) - 5, 'a');
    const ToolRun piped = runInPieces({"type", "--table", table}, input, 1 << 16);
    ASSERT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(piped.out, "xxxxx");
    const std::string out = dir.file("out.txt");
    const ToolRun toFile =
        runInPieces({"type", "--lf", "--table", table, "-o", out}, input + "\r\n", 1 << 20);
    ASSERT_EQ(toFile.status, 0) << toFile.err;
    EXPECT_EQ(readWholeFile(out), "xxxxx\n");
}

}  // namespace
}  // namespace sorvel
