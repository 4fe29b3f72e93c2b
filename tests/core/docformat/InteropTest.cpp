// Interoperability with a real peer: documents go from this program to
// LibreOffice and back, and LibreOffice's own documents come to this program;
// compound files are checked by olefile. The peers run as separate
// processes; the whole suite runs them a fixed, small number of times.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

#include "common/Cp1252.h"
#include "common/TextFiles.h"
#include "docformat/CompoundFile.h"
#include "docformat/DocumentFile.h"
#include "docformat/RtfWriter.h"
#include "support/OfficePeer.h"
#include "support/SampleDocuments.h"
#include "support/TempDir.h"

#ifndef SORVEL_INTEROP_DIR
#error "SORVEL_INTEROP_DIR names the folder of the helper scripts"
#endif

namespace sorvel {
namespace {

using testing::fontOf;
using testing::OfficePeer;
using testing::paraOf;
using testing::TempDir;

// A UTF-8 string of LibreOffice's as 8-bit text: private-use characters of
// symbol fonts back to their bytes, the rest through Windows-1252.
std::string toBytes(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b0 = static_cast<uint8_t>(utf8[i]);
        char32_t c = b0;
        int extra = b0 >= 0xF0 ? 3 : b0 >= 0xE0 ? 2 : b0 >= 0xC0 ? 1 : 0;
        c = extra == 3 ? b0 & 0x07 : extra == 2 ? b0 & 0x0F : extra == 1 ? b0 & 0x1F : b0;
        ++i;
        for (; extra > 0 && i < utf8.size(); --extra, ++i) {
            c = (c << 6) | (static_cast<uint8_t>(utf8[i]) & 0x3F);
        }
        if (c >= 0xF020 && c <= 0xF0FF) {
            out += static_cast<char>(c - 0xF000);
        } else if (c >= 0xF181 && c <= 0xF19D) {
            out += static_cast<char>(c - 0xF100);
        } else {
            out += static_cast<char>(Cp1252::fromUnicode(c).value_or('?'));
        }
    }
    return out;
}

// What LibreOffice made of a document, from the ODT summary script.
struct PeerRun {
    std::string face;
    int height;
    uint32_t effects;  // bold, italic, underline
    std::string bytes;
};
struct PeerParagraph {
    char align;
    int left;
    int first;
    bool bullet;
    std::vector<PeerRun> runs;
    std::string text() const {
        std::string t;
        for (const PeerRun& r : runs) {
            t += r.bytes;
        }
        return t;
    }
};

std::vector<PeerParagraph> parseSummary(const std::vector<std::vector<std::string>>& lines) {
    std::vector<PeerParagraph> paras;
    for (const std::vector<std::string>& f : lines) {
        if (f[0] == "P" && f.size() == 5) {
            paras.push_back({f[1][0], std::stoi(f[2]), std::stoi(f[3]), f[4] == "1", {}});
        } else if (f[0] == "R" && f.size() == 7 && !paras.empty()) {
            const uint32_t effects = (f[3] == "1" ? chareffect::Bold : 0) |
                                     (f[4] == "1" ? chareffect::Italic : 0) |
                                     (f[5] == "1" ? chareffect::Underline : 0);
            paras.back().runs.push_back(
                {f[1], std::stoi(f[2]), effects, toBytes(OfficePeer::fromHex(f[6]))});
        }
    }
    return paras;
}

constexpr uint32_t kCompared = chareffect::Bold | chareffect::Italic | chareffect::Underline;

char alignOf(const ParaFormat& p) {
    return p.alignment == alignment::Center ? 'c' : p.alignment == alignment::Right ? 'r' : 'l';
}

// The documents this program writes for LibreOffice.
std::map<std::string, RichText> sorvelDocuments() {
    std::map<std::string, RichText> docs;
    std::string high;
    for (int b = 0x80; b < 0x100; ++b) {
        high += static_cast<char>(b);
    }
    std::string printable;
    for (int b = 0x21; b < 0x7F; ++b) {
        printable += static_cast<char>(b);
    }
    {
        RichText doc;
        FontDescription f = fontOf("Times New Roman");
        doc.append("Plain ", f);
        f.effects |= chareffect::Bold;
        doc.append("bold", f);
        f.effects = chareffect::AutoColor | chareffect::Italic;
        doc.append(" italic", f);
        f.effects = chareffect::AutoColor | chareffect::Underline;
        doc.append(" under", f);
        FontDescription all = fontOf("Arial", 200, 0, 0x22);
        all.effects |= chareffect::Bold | chareffect::Italic | chareffect::Underline;
        doc.append(" all", all);
        doc.appendBreak(all, paraOf(alignment::Left));
        FontDescription red = fontOf("Courier New", 280, 0, 0x31);
        red.effects = 0;
        red.color = 0x0000FF;
        doc.append("centred and indented", red);
        doc.appendBreak(red, paraOf(alignment::Center, 720));
        doc.append("right", fontOf("Arial", 400, 0, 0x22));
        doc.appendBreak(fontOf("Arial"), paraOf(alignment::Right));
        doc.append("hanging indent of a quarter inch after half an inch", fontOf("Georgia"));
        doc.appendBreak(fontOf("Georgia"), paraOf(alignment::Left, 360, 360));
        doc.append("first line indented", fontOf("Georgia", 220));
        doc.setParaFormat(4, paraOf(alignment::Left, 1440, -720));
        docs.emplace("formats", std::move(doc));
    }
    {
        RichText doc;
        doc.append(high, fontOf("VriRomanPali CN", 240, 0, 0x02));
        doc.appendBreak(fontOf("VriRomanPali CN"), paraOf(alignment::Left));
        doc.append(high, fontOf("Times_CSX+", 240, 2, 0x02));
        doc.appendBreak(fontOf("Times_CSX+", 240, 2, 0x02), paraOf(alignment::Left));
        doc.append(printable, fontOf("Times_CSX+", 240, 2, 0x02));
        doc.appendBreak(fontOf("Times_CSX+", 240, 2, 0x02), paraOf(alignment::Center));
        doc.append("Buddha\xB9 sara\xBD\xB9 gacch\xE2mi", fontOf("VriRomanPali CN", 320, 0, 0x02));
        docs.emplace("pali", std::move(doc));
    }
    {
        RichText doc;
        for (const char* item : {"first point", "second point", "third point"}) {
            doc.append(item, fontOf("Times New Roman"));
            doc.appendBreak(fontOf("Times New Roman"), paraOf(alignment::Left, 0, 360, true));
        }
        doc.append("after the list", fontOf("Times New Roman"));
        docs.emplace("bullets", std::move(doc));
    }
    return docs;
}

class Interop : public testing::OfficePeerSuite<Interop> {
  protected:
    static void SetUpTestSuite() {
        if (!start(true, SORVEL_INTEROP_DIR)) {
            return;
        }
        docs_ = sorvelDocuments();
        std::vector<std::string> rtfs;
        // Saved as the window saves a new document: plain RTF.
        for (const auto& [name, doc] : docs_) {
            const std::string path = dir_->file(name + ".rtf");
            ASSERT_TRUE(DocumentFile::save(doc, path, DocumentFile::Format::Rtf).ok());
            rtfs.push_back(path);
        }
        ASSERT_TRUE(peer_->convert(rtfs, {std::string(SORVEL_INTEROP_DIR) + "/authored.fodt"}));
    }
    static std::vector<PeerParagraph> summary(const std::string& fodt) {
        return parseSummary(peer_->summary(fodt));
    }

    static std::map<std::string, RichText> docs_;
};

std::map<std::string, RichText> Interop::docs_;

// Compares a document of ours with what LibreOffice holds of it: paragraph
// by paragraph, and character by character for face, size and effects.
void expectSameAsPeer(const RichText& doc, const std::vector<PeerParagraph>& peer) {
    ASSERT_EQ(static_cast<int>(peer.size()), doc.paragraphCount());
    for (int p = 0; p < doc.paragraphCount(); ++p) {
        SCOPED_TRACE("paragraph " + std::to_string(p));
        const ParaFormat& ours = doc.paraFormat(p);
        EXPECT_EQ(peer[p].align, alignOf(ours));
        EXPECT_EQ(peer[p].left, ours.startIndent + ours.offset);
        EXPECT_EQ(peer[p].first, -ours.offset);
        EXPECT_EQ(peer[p].bullet, ours.numbering == numbering::Bullet);
        const long start = doc.paragraphStart(p);
        ASSERT_EQ(peer[p].text(), doc.textRange(start, doc.paragraphEnd(p)));
        long at = start;
        for (const PeerRun& run : peer[p].runs) {
            for (std::size_t k = 0; k < run.bytes.size(); ++k, ++at) {
                const FontDescription& f = doc.formatAt(at);
                if (f.faceName.view() != run.face || f.height != run.height ||
                    (f.effects & kCompared) != run.effects) {
                    ADD_FAILURE() << "at " << at << ": ours " << f.faceName.str() << " " << f.height
                                  << " " << (f.effects & kCompared) << ", peer's " << run.face
                                  << " " << run.height << " " << run.effects;
                    return;
                }
            }
        }
    }
}

TEST_F(Interop, OurRtfOpensInTheLibreOfficeTextExportWithTheSameText) {
    for (const auto& [name, doc] : docs_) {
        SCOPED_TRACE(name);
        std::string text = readWholeFile(dir_->file("txt/" + name + ".txt")).value_or("");
        if (text.starts_with("\xEF\xBB\xBF")) {
            text.erase(0, 3);
        }
        std::vector<std::string> lines;
        std::istringstream in(toBytes(text));
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            lines.push_back(line);
        }
        ASSERT_EQ(static_cast<int>(lines.size()), doc.paragraphCount());
        for (int p = 0; p < doc.paragraphCount(); ++p) {
            std::string line = lines[static_cast<std::size_t>(p)];
            if (doc.paraFormat(p).numbering == numbering::Bullet) {
                // The export shows the bullet (U+2022, byte 0x95) before the text.
                const std::size_t bullet = line.find('\x95');
                ASSERT_NE(bullet, std::string::npos) << line;
                line.erase(0, line.find_first_not_of(" \t", bullet + 1));
            }
            EXPECT_EQ(line, doc.textRange(doc.paragraphStart(p), doc.paragraphEnd(p)))
                << "paragraph " << p;
        }
    }
}

TEST_F(Interop, OurRtfOpensInLibreOfficeWithTheSameFormats) {
    for (const auto& [name, doc] : docs_) {
        SCOPED_TRACE(name);
        expectSameAsPeer(doc, summary(dir_->file("fodt/" + name + ".fodt")));
    }
}

TEST_F(Interop, LibreOfficesRtfOfOurDocumentsOpensTheSame) {
    for (const auto& [name, doc] : docs_) {
        SCOPED_TRACE(name);
        const DocumentFile::Opened back = DocumentFile::open(dir_->file("peer/" + name + ".rtf"));
        ASSERT_TRUE(back) << back.error.detail;
        const RichText& got = *back.document;
        ASSERT_EQ(got.text(), doc.text());
        for (long i = 0; i < doc.length(); ++i) {
            if (doc.text()[static_cast<std::size_t>(i)] == '\r' ||
                doc.text()[static_cast<std::size_t>(i)] == '\n') {
                continue;  // a paragraph mark's format shows nowhere
            }
            const FontDescription& a = doc.formatAt(i);
            const FontDescription& b = got.formatAt(i);
            ASSERT_TRUE(a.faceName == b.faceName && a.height == b.height &&
                        (a.effects & kCompared) == (b.effects & kCompared))
                << "at " << i << ": " << a.faceName.str() << " " << a.height << " / "
                << b.faceName.str() << " " << b.height;
        }
        for (int p = 0; p < doc.paragraphCount(); ++p) {
            EXPECT_EQ(got.paraFormat(p), doc.paraFormat(p)) << "paragraph " << p;
        }
    }
}

TEST_F(Interop, LibreOfficesOwnDocumentOpensWithItsTextAndFormats) {
    const std::vector<PeerParagraph> source =
        summary(std::string(SORVEL_INTEROP_DIR) + "/authored.fodt");
    ASSERT_EQ(source.size(), 4u);
    const DocumentFile::Opened opened = DocumentFile::open(dir_->file("peer/authored.rtf"));
    ASSERT_TRUE(opened) << opened.error.detail;
    expectSameAsPeer(*opened.document, source);
}

// A document whose RTF is exactly `size` bytes long.
RichText documentOfRtfSize(std::size_t size) {
    RichText doc;
    const std::size_t base = RtfWriter::write(doc).size();
    doc.append("x", fontOf("Times New Roman"));
    const std::size_t one = RtfWriter::write(doc).size();
    doc.clear();
    if (size > base) {
        doc.append(std::string(size - one + 1, 'x'), fontOf("Times New Roman"));
    }
    return doc;
}

TEST_F(Interop, CompoundFilesPassOlefilesStrictCheck) {
    std::map<std::string, std::string> expected;  // path -> Contents
    const std::string empty = dir_->file("empty.doc");
    ASSERT_TRUE(writeFileAtomically(empty, *CompoundFile::writeContents("")));
    expected[empty] = "";
    for (const std::size_t size : {std::size_t{4095}, std::size_t{4096}, std::size_t{4097}}) {
        const RichText doc = documentOfRtfSize(size);
        const std::string rtf = RtfWriter::write(doc);
        ASSERT_EQ(rtf.size(), size);
        const std::string path = dir_->file("size" + std::to_string(size) + ".doc");
        ASSERT_TRUE(DocumentFile::save(doc, path).ok());
        expected[path] = rtf;
    }
    const RichText large = testing::largeDocument(10 << 20);
    const std::string path = dir_->file("large.doc");
    ASSERT_TRUE(DocumentFile::save(large, path).ok());
    expected[path] = RtfWriter::write(large);
    ASSERT_GE(expected[path].size(), 10u << 20);

    std::vector<std::string> files;
    for (const auto& [file, contents] : expected) {
        files.push_back(file);
    }
    const std::string report = dir_->file("ole.txt");
    ASSERT_TRUE(peer_->script("ole_check.py", files, report));
    const std::string lines = readWholeFile(report).value_or("");
    for (const auto& [file, contents] : expected) {
        EXPECT_NE(lines.find("ok " + file + "\n"), std::string::npos) << lines;
        EXPECT_TRUE(readWholeFile(file + ".contents") == contents) << file;
    }
}

}  // namespace
}  // namespace sorvel
