// Files from other programs in the window: the message on opening one that
// lost content, the question before saving over it, and the form each file
// keeps on Save.
#include <string>
#include <string_view>

#include "app/Document.h"
#include "app/DocumentWindow.h"
#include "app/EditorView.h"
#include "app/ShellFixture.h"
#include "docformat/CompoundFile.h"
#include "docformat/DocumentFile.h"
#include "shell/CommandIds.h"

namespace sorvel::testing {
namespace {

// RTF as another word processor writes it, with a footnote.
const char* kWithFootnote =
    "{\\rtf1\\ansi{\\fonttbl{\\f0\\froman Times New Roman;}}"
    "\\f0\\fs24 Namo{\\super\\chftn}{\\footnote\\pard\\plain{\\super\\chftn} The refuge.} "
    "tassa\\par}";

const char* kPlain =
    "{\\rtf1\\ansi{\\fonttbl{\\f0\\froman Times New Roman;}}\\f0\\fs24 Namo tassa\\par}";

const std::string kFootnoteMessage =
    "Sorvel cannot keep everything that note.rtf holds. Left out: 1 footnote.\n\nThe file "
    "itself is unchanged. Saving over it asks first; File > Save As under another name leaves "
    "it as it is.";

const std::string kFootnoteQuestion =
    "note.rtf was opened with content that Sorvel cannot keep (1 footnote). Saving will replace "
    "the file without it. Save anyway?";

bool isPlainRtf(const std::string& bytes) {
    return bytes.starts_with("{\\rtf") && !CompoundFile::isCompound(bytes);
}

QtSurface& surface(DocumentWindow* frame) {
    return frame->view()->surface();
}

void typeAtStart(DocumentWindow* frame, std::string_view text) {
    surface(frame).setSel(0, 0);
    surface(frame).replaceSel(text, true);
}

// A one-line text in Times New Roman, and the same saved as a Sorvel
// document (RTF in a compound file) under `path`.
RichText savedAsSorvel(const std::string& path, std::string_view words) {
    RichText text;
    text.append(words, face("Times New Roman"));
    EXPECT_TRUE(DocumentFile::save(text, path, DocumentFile::Format::Compound).ok());
    return text;
}

TEST_F(Shell, AFileThatLostContentSaysSo_SaveOverItAsksAndNoLeavesItAsItWas) {
    dir.write("note.rtf", kWithFootnote);
    platform.expectMessage(kFootnoteMessage);
    DocumentWindow* child = frame->openDocument(dir.file("note.rtf"));
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(platform.scriptDone()) << "the message comes as the document opens";
    EXPECT_EQ(surface(child).getWindowText().find("refuge"), std::string::npos);

    typeAtStart(child, "Om ");
    platform.expectYesNo(kFootnoteQuestion, false);
    choose(command::FileSave);
    EXPECT_EQ(platform.lastDefaultAnswer(), Answer::No);
    EXPECT_EQ(dir.read("note.rtf"), kWithFootnote);
    EXPECT_TRUE(child->document()->isModified());

    platform.expectYesNo(kFootnoteQuestion, true);
    choose(command::FileSave);
    const std::string saved = dir.read("note.rtf");
    EXPECT_TRUE(isPlainRtf(saved));
    EXPECT_FALSE(child->document()->isModified());
    DocumentFile::Opened back = DocumentFile::openBytes(saved, "note.rtf");
    ASSERT_TRUE(back);
    EXPECT_EQ(back.document->text(), "Om Namo tassa");
    EXPECT_FALSE(back.report.lostContent());

    // Saved, the document no longer stands for the footnote: no question.
    typeAtStart(child, "x");
    choose(command::FileSave);
    EXPECT_TRUE(dir.read("note.rtf").starts_with("{\\rtf"));
    EXPECT_FALSE(child->document()->isModified());
}

// A document recovered after a crash stands for its file as the opened one
// did: saved, it keeps the file's form, and saving over a file that holds
// what the document cannot keep asks first.
TEST_F(Shell, ARecoveredDocumentKeepsItsFilesFormAndAsksBeforeDroppingWhatTheFileHolds) {
    dir.write("note.rtf", kWithFootnote);
    const RichText text = savedAsSorvel(dir.file("sorvel.rtf"), "Om tassa");

    const auto note = Document::restore(text, dir.file("note.rtf"), "note.rtf");
    EXPECT_EQ(note->fileFormat(), DocumentFile::Format::Rtf);
    EXPECT_EQ(note->leftOut().describeContent(), "1 footnote");
    const auto compound = Document::restore(text, dir.file("sorvel.rtf"), "sorvel.rtf");
    EXPECT_EQ(compound->fileFormat(), DocumentFile::Format::Compound);
    EXPECT_FALSE(compound->leftOut().lostContent());
    const auto fresh = Document::restore(text, "", "RuvoVIR1");
    EXPECT_EQ(fresh->fileFormat(), DocumentFile::Format::Rtf);
}

TEST_F(Shell, EachFileKeepsItsFormOnSave_SaveAsWritesTheTypeChosen) {
    dir.write("plain.rtf", kPlain);
    savedAsSorvel(dir.file("sorvel.rtf"), "Namo tassa");

    DocumentWindow* plain = frame->openDocument(dir.file("plain.rtf"));
    DocumentWindow* compound = frame->openDocument(dir.file("sorvel.rtf"));
    ASSERT_TRUE(plain && compound);
    for (DocumentWindow* child : {plain, compound}) {
        typeAtStart(child, "Om ");
        frame->documentArea()->setActiveSubWindow(child);
        choose(command::FileSave);
        EXPECT_FALSE(child->document()->isModified());
    }
    EXPECT_TRUE(isPlainRtf(dir.read("plain.rtf")));
    EXPECT_TRUE(CompoundFile::isCompound(dir.read("sorvel.rtf")));
    EXPECT_EQ(DocumentFile::open(dir.file("sorvel.rtf")).document->text(), "Om Namo tassa");

    // The type chosen in Save As decides, and the next Save keeps it.
    frame->documentArea()->setActiveSubWindow(plain);
    platform.expectFileDialogOfType(dir.file("as-sorvel"), 1, [](const FileDialogRequest& r) {
        ASSERT_EQ(r.filters.size(), 3u);
        EXPECT_EQ(r.filters[0].shown(), "RTF (Rich Text Format) Files (*.rtf)");
        EXPECT_EQ(r.filters[1].shown(), "Sorvel Document (RTF in a compound file) (*.rtf)");
        EXPECT_EQ(r.selectedFilter, 0u);
    });
    choose(command::FileSaveAs);
    EXPECT_TRUE(CompoundFile::isCompound(dir.read("as-sorvel.rtf")));
    typeAtStart(plain, "x");
    choose(command::FileSave);
    EXPECT_TRUE(CompoundFile::isCompound(dir.read("as-sorvel.rtf")));

    frame->documentArea()->setActiveSubWindow(compound);
    platform.expectFileDialog(dir.file("as-plain.rtf"));  // the type it opens with
    choose(command::FileSaveAs);
    EXPECT_TRUE(isPlainRtf(dir.read("as-plain.rtf")));
}

// Sorvel's own Export as Unicode (RTF), opened again: every Pali letter comes
// back into the default Pali font, VriRomanPali CN when none is chosen.
struct ExportCase {
    const char* name;
    const char* defaultPaliFace;  // empty: none chosen
    const char* letters;          // long a and underdot m in the font that takes them
    const char* face;
    friend void PrintTo(const ExportCase& c, std::ostream* os) { *os << c.name; }
};

class ExportedUnicode : public Shell, public ::testing::WithParamInterface<ExportCase> {};

TEST_P(ExportedUnicode, OpensAgainLetterForLetter) {
    const ExportCase& c = GetParam();
    DocumentWindow* child = frame->newDocument();
    surface(child).setWindowText("Namo \xB1\xBD end");
    surface(child).setSel(5, 7);
    FontDescription vri = face("VriRomanPali CN");
    vri.mask = charmask::Face;
    surface(child).setCharFormat(vri);
    platform.expectFileDialog(dir.file("export.rtf"));
    choose(command::ExportAsUnicode);

    state.defaultPaliFormat = face(c.defaultPaliFace);
    platform.expectMessage(
        std::string("In export.rtf, 2 Pali letters given in Unicode came into the Pali font ") +
        c.face + ".");
    DocumentWindow* opened = frame->openDocument(dir.file("export.rtf"));
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(surface(opened).getWindowText(), std::string("Namo ") + c.letters + " end");
    surface(opened).setSel(5, 7);
    EXPECT_EQ(surface(opened).getCharFormatSelection().faceName, c.face);
    // Nothing was lost, so saving over it asks nothing.
    typeAtStart(opened, "x");
    choose(command::FileSave);
    EXPECT_TRUE(isPlainRtf(dir.read("export.rtf")));
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, ExportedUnicode,
    ::testing::Values(ExportCase{"NoneChosen", "", "\xB1\xBD", "VriRomanPali CN"},
                      ExportCase{"TimesCsx", "Times_CSX+", "\xE0\xFC", "Times_CSX+"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sorvel::testing
