// Unicode RTF against a real peer: what this program writes opens in
// LibreOffice with the Unicode Pali letters in the chosen Unicode font, and
// what LibreOffice writes of it comes back into the Pali font. LibreOffice
// runs a fixed, small number of times for the whole suite.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <sstream>

#include "common/TextFiles.h"
#include "common/Utf8.h"
#include "pali/PaliLetters.h"
#include "support/OfficePeer.h"
#include "support/SampleDocuments.h"
#include "support/TempDir.h"
#include "unicode/UnicodeExport.h"
#include "unicode/UnicodeImport.h"

#ifndef SORVEL_INTEROP_DIR
#error "SORVEL_INTEROP_DIR names the folder of the helper scripts"
#endif

namespace sorvel {
namespace {

using testing::fontOf;
using testing::OfficePeer;
using testing::paraOf;
using testing::TempDir;

const std::map<std::string, std::string>& fontsByName() {
    static const std::map<std::string, std::string> fonts = {{"vri", "VriRomanPali CN"},
                                                             {"csx", "Times_CSX+"},
                                                             {"skt", "SKT Times"},
                                                             {"norman", "Times_Norman"},
                                                             {"leeds", "LeedsBit PaliTranslit"}};
    return fonts;
}

// All 21 letters of a Pali font in a sentence, between runs of Times New
// Roman holding Windows-1252 characters above 127.
RichText paliDocument(std::string_view face) {
    const PaliFontKind kind = paliFontByPrefix(face);
    std::string letters;
    for (int n = 1; n <= kPaliLetterCount; ++n) {
        letters += static_cast<char>(fontCharacter(n, kind));
        letters += n % 7 == 0 ? ' ' : '-';
    }
    RichText doc;
    doc.append("Caf\xE9 \x80 \xB1 ", fontOf("Times New Roman"));
    FontDescription bold = fontOf(face, 280);
    bold.effects |= chareffect::Bold;
    doc.append(letters, bold);
    doc.appendBreak(fontOf("Times New Roman"), paraOf(alignment::Left));
    doc.append("Buddha", fontOf(face));
    doc.append(std::string(1, static_cast<char>(fontCharacter(11, kind))), fontOf(face));
    doc.append(" \xAB\xBB", fontOf("Arial"));
    return doc;
}

// What LibreOffice holds of a paragraph: runs of (face, UTF-8 text).
struct PeerRun {
    std::string face;
    std::string text;
};

std::vector<std::vector<PeerRun>> parseSummary(const std::vector<std::vector<std::string>>& lines) {
    std::vector<std::vector<PeerRun>> paras;
    for (const std::vector<std::string>& f : lines) {
        if (f[0] == "P") {
            paras.emplace_back();
        } else if (f[0] == "R" && f.size() == 7 && !paras.empty()) {
            paras.back().push_back({f[1], OfficePeer::fromHex(f[6])});
        }
    }
    return paras;
}

class UnicodeInterop : public testing::OfficePeerSuite<UnicodeInterop> {
  protected:
    static void SetUpTestSuite() {
        if (!start(false, SORVEL_INTEROP_DIR)) {
            return;
        }
        std::vector<std::string> files;
        for (const auto& [name, face] : fontsByName()) {
            const std::string path = dir_->file(name + ".rtf");
            ASSERT_TRUE(writeFileAtomically(path, UnicodeExport::toRtf(paliDocument(face))));
            files.push_back(path);
        }
        ASSERT_TRUE(peer_->convert(files));
    }
    static std::vector<std::vector<PeerRun>> summary(const std::string& fodt) {
        return parseSummary(peer_->summary(fodt));
    }
};

// The UTF-8 text of each paragraph, as this program exports it.
std::vector<std::string> ourLines(const RichText& doc) {
    UnicodeExportOptions lf;
    lf.lfBreaks = true;
    std::vector<std::string> lines;
    std::istringstream in(UnicodeExport::toUtf8(doc, lf));
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST_F(UnicodeInterop, LibreOfficeReadsTheUnicodeLetters) {
    for (const auto& [name, face] : fontsByName()) {
        SCOPED_TRACE(face);
        std::string text = readWholeFile(dir_->file("txt/" + name + ".txt")).value_or("");
        text = std::string(Utf8::withoutByteOrderMark(text));
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            lines.push_back(line);
        }
        EXPECT_EQ(lines, ourLines(paliDocument(face)));
        // The letters written out here, not taken from the code under test.
        EXPECT_NE(text.find("Buddha\xE1\xB9\x83 \xC2\xAB\xC2\xBB"), std::string::npos) << text;
    }
}

TEST_F(UnicodeInterop, LibreOfficeShowsThePaliTextInTheUnicodeFontAndTheRestInTheirOwn) {
    for (const auto& [name, face] : fontsByName()) {
        SCOPED_TRACE(face);
        const RichText doc = paliDocument(face);
        const std::vector<std::vector<PeerRun>> peer =
            summary(dir_->file("fodt/" + name + ".fodt"));
        ASSERT_EQ(static_cast<int>(peer.size()), doc.paragraphCount());
        for (int p = 0; p < doc.paragraphCount(); ++p) {
            SCOPED_TRACE("paragraph " + std::to_string(p));
            // Our characters and the face each should show in, one by one.
            std::vector<std::pair<std::string, std::string>> expected;
            doc.forEachRun(doc.paragraphStart(p), doc.paragraphEnd(p),
                           [&](const RichText::Run& run) {
                               const RichText piece = doc.slice(run.start, run.end);
                               const std::u32string chars = UnicodeExport::characters(piece);
                               const bool pali = isPaliFont(paliFontByPrefix(run.format->faceName));
                               for (const char32_t c : chars) {
                                   std::string u;
                                   Utf8::append(u, c);
                                   expected.emplace_back(
                                       pali ? "Gentium Plus" : run.format->faceName.str(), u);
                               }
                           });
            std::vector<std::pair<std::string, std::string>> got;
            for (const PeerRun& run : peer[static_cast<std::size_t>(p)]) {
                for (const char32_t c : Utf8::toUtf32(run.text)) {
                    std::string u;
                    Utf8::append(u, c);
                    got.emplace_back(run.face, u);
                }
            }
            EXPECT_EQ(got, expected);
        }
    }
}

TEST_F(UnicodeInterop, LibreOfficesRtfComesBackIntoThePaliFont) {
    for (const auto& [name, face] : fontsByName()) {
        SCOPED_TRACE(face);
        const RichText doc = paliDocument(face);
        const std::string rtf = readWholeFile(dir_->file("peer/" + name + ".rtf")).value_or("");
        UnicodeImportOptions options;
        options.paliFormat = fontOf(face);
        const std::optional<UnicodeImport::Result> back = UnicodeImport::fromRtf(rtf, options);
        ASSERT_TRUE(back);
        EXPECT_TRUE(back->report.empty()) << back->report.describe(face);
        EXPECT_EQ(back->document.text(), doc.text());
        for (long i = 0; i < doc.length(); ++i) {
            if (doc.text()[static_cast<std::size_t>(i)] == '\r' ||
                doc.text()[static_cast<std::size_t>(i)] == '\n') {
                continue;
            }
            EXPECT_EQ(back->document.formatAt(i).faceName, doc.formatAt(i).faceName) << i;
            EXPECT_EQ(back->document.formatAt(i).effects & chareffect::Bold,
                      doc.formatAt(i).effects & chareffect::Bold)
                << i;
        }
    }
}

}  // namespace
}  // namespace sorvel
