#include <QMdiArea>
#include <QPrinter>
#include <QTextDocument>
#include <fstream>
#include <regex>
#include <sstream>

#include "app/Document.h"
#include "app/DocumentPrinter.h"
#include "app/DocumentWindow.h"
#include "app/EditorView.h"
#include "app/ShellFixture.h"
#include "app/SorvelApplication.h"
#include "docformat/CompoundFile.h"
#include "docformat/DocumentFile.h"
#include "palifont/PaliFontSettings.h"
#include "qt/QtRichText.h"
#include "shell/CommandIds.h"

namespace sorvel::testing {
namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

const char* kPlainRtf =
    "{\\rtf1\\ansi{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1 VriRomanPali CN;}}"
    "\\f0\\fs24 Namo \\b tassa\\b0\\par\\f1 Bhagavato \\'b9\\par}";

QtSurface& surface(DocumentWindow* frame) {
    return frame->view()->surface();
}

TEST_F(Shell, APlainRtfFileOpensAndIsSavedBackAsPlainRtf) {
    const std::string path = dir.file("other.rtf");
    writeFile(path, kPlainRtf);
    DocumentWindow* child = frame->openDocument(path);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(surface(child).getWindowText(), "Namo tassa\r\nBhagavato \xB9");
    EXPECT_EQ(shownTitle(frame.get()), QStringLiteral("Sorvel - other.rtf"));
    EXPECT_FALSE(child->document()->isModified());
    surface(child).setSel(5, 10);
    EXPECT_TRUE(surface(child).getCharFormatSelection().effects & chareffect::Bold);

    choose(command::FileSave);
    const std::string bytes = readFile(path);
    ASSERT_TRUE(bytes.starts_with("{\\rtf"));
    ASSERT_FALSE(CompoundFile::isCompound(bytes));
    DocumentFile::Opened back = DocumentFile::openBytes(bytes, path);
    ASSERT_TRUE(back);
    EXPECT_EQ(back.document->text(), "Namo tassa\r\nBhagavato \xB9");
    EXPECT_EQ(back.document->formatAt(12).faceName, "VriRomanPali CN");
    EXPECT_EQ(back.document->formatAt(6).effects & chareffect::Bold, chareffect::Bold);
}

TEST_F(Shell, ANewDocumentIsSavedUnderTheChosenNameWithRtfAdded) {
    DocumentWindow* child = frame->newDocument();
    surface(child).replaceSel("sabbe satta", true);
    platform.expectFileDialog(dir.file("refuge"), [](const FileDialogRequest& r) {
        EXPECT_TRUE(r.save);
        ASSERT_EQ(r.filters.size(), 3u);
        EXPECT_EQ(r.filters[0].label + " (" + r.filters[0].pattern + ")",
                  "RTF (Rich Text Format) Files (*.rtf)");
        EXPECT_EQ(r.filters[2].shown(), "All Files (*)");
        EXPECT_EQ(r.initialName, "RuvoVIR1");
    });
    choose(command::FileSave);
    EXPECT_TRUE(readFile(dir.file("refuge.rtf")).starts_with("{\\rtf"));
    EXPECT_EQ(child->windowTitle(), QStringLiteral("refuge.rtf [*]"));
    EXPECT_FALSE(child->document()->isModified());
    EXPECT_EQ(frame->recentFiles().files().front(), dir.file("refuge.rtf"));
}

TEST_F(Shell, AFailedOpenMakesNoDocument) {
    writeFile(dir.file("broken.doc"), std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + "xx");
    platform.expectMessage(
        "Unexpected file format.\n\nbroken.doc is neither a Sorvel document nor an RTF file.");
    EXPECT_EQ(frame->openDocument(dir.file("broken.doc")), nullptr);
    platform.expectMessage(dir.file("missing.rtf") +
                           "\nCannot find this file.\nPlease verify that the correct path and "
                           "file name are given.");
    EXPECT_EQ(frame->openDocument(dir.file("missing.rtf")), nullptr);
    EXPECT_TRUE(frame->documents().isEmpty());
    EXPECT_TRUE(frame->documentArea()->subWindowList().isEmpty());
}

TEST_F(Shell, AFailedSaveLeavesTheDocumentAndTheFileAsTheyWere) {
    const std::string path = dir.file("kept.rtf");
    writeFile(path, kPlainRtf);
    DocumentWindow* child = frame->openDocument(path);
    ASSERT_NE(child, nullptr);
    surface(child).setSel(0, 0);
    surface(child).replaceSel("changed ", true);
    // A folder where the file's new copy should go cannot be written.
    platform.expectFileDialog(dir.file("no-such-folder/x.rtf"));
    platform.expectMessage("Failed to save document.");
    choose(command::FileSaveAs);
    EXPECT_TRUE(child->document()->isModified());
    EXPECT_EQ(child->document()->path(), path);
    EXPECT_EQ(readFile(path), kPlainRtf);
}

TEST_F(Shell, ClosingAChangedDocumentAsksToSaveIt) {
    DocumentWindow* child = frame->newDocument();
    surface(child).replaceSel("text", true);
    platform.expectYesNoCancel("Save changes to RuvoVIR1?", Answer::Cancel);
    choose(command::FileClose);
    ASSERT_EQ(frame->documents().size(), 1) << "Cancel keeps it open";

    platform.expectYesNoCancel("Save changes to RuvoVIR1?", Answer::Yes);
    platform.expectFileDialog(dir.file("saved.rtf"));
    child->close();
    QApplication::processEvents();
    EXPECT_TRUE(frame->documents().isEmpty());
    EXPECT_TRUE(readFile(dir.file("saved.rtf")).starts_with("{\\rtf"));
}

TEST_F(Shell, QuittingAsksForEachChangedDocument) {
    surface(frame->newDocument()).replaceSel("one", true);
    frame->newDocument();  // unchanged: no question
    surface(frame->newDocument()).replaceSel("three", true);
    platform.expectYesNoCancel("Save changes to RuvoVIR1?", Answer::No);
    platform.expectYesNoCancel("Save changes to RuvoVIR3?", Answer::Cancel);
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(frame->documents().size(), 3);
    platform.expectYesNoCancel("Save changes to RuvoVIR1?", Answer::No);
    platform.expectYesNoCancel("Save changes to RuvoVIR3?", Answer::No);
    EXPECT_TRUE(frame->close());
}

TEST_F(Shell, NewWindowIsAFurtherViewOfTheSameDocumentWithItsOwnCaret) {
    DocumentWindow* first = frame->newDocument();
    surface(first).replaceSel("metta", true);
    choose(command::WindowNew);
    DocumentWindow* second = frame->activeWindow();
    ASSERT_NE(second, first);
    EXPECT_EQ(second->document(), first->document());
    EXPECT_EQ(first->windowTitle(), QStringLiteral("RuvoVIR1:1 [*]"));
    EXPECT_EQ(second->windowTitle(), QStringLiteral("RuvoVIR1:2 [*]"));
    // Each document window wears the program's icon, as the main window does
    // (an icon merely inherited from the main window is not drawn: the
    // sub-window then draws the toolkit's own).
    for (DocumentWindow* f : {first, second}) {
        ASSERT_TRUE(f->testAttribute(Qt::WA_SetWindowIcon));
        EXPECT_EQ(f->windowIcon().pixmap(16, 16).toImage(),
                  frame->windowIcon().pixmap(16, 16).toImage());
    }
    EXPECT_EQ(surface(second).getWindowText(), "metta");
    surface(second).setSel(0, 0);
    surface(second).replaceSel(">", true);
    EXPECT_EQ(surface(first).getWindowText(), ">metta");
    EXPECT_EQ(surface(first).getSel(), (Selection{6, 6})) << "each window keeps its caret";

    // Closing one of two windows asks nothing; the last one asks.
    second->close();
    QApplication::processEvents();
    EXPECT_EQ(first->windowTitle(), QStringLiteral("RuvoVIR1 [*]"));
    platform.expectYesNoCancel("Save changes to RuvoVIR1?", Answer::No);
    first->close();
}

TEST_F(Shell, TheRecentFileListKeepsSixteenAndIsWrittenToTheSettings) {
    for (int i = 1; i <= 17; ++i) {
        const std::string path = dir.file("doc" + std::to_string(i) + ".rtf");
        writeFile(path, kPlainRtf);
        DocumentWindow* child = frame->openDocument(path);
        ASSERT_NE(child, nullptr);
        child->close();
        QApplication::processEvents();
    }
    ASSERT_EQ(frame->recentFiles().files().size(), 16u);
    EXPECT_EQ(frame->recentFiles().files().front(), dir.file("doc17.rtf"));
    EXPECT_EQ(frame->recentFiles().files().back(), dir.file("doc2.rtf"));

    QSettings store(QString::fromStdString(dir.file("settings.ini")), QSettings::IniFormat);
    EXPECT_EQ(store.value("Recent File List/File1").toString().toStdString(),
              dir.file("doc17.rtf"));
    EXPECT_EQ(store.value("Recent File List/File16").toString().toStdString(),
              dir.file("doc2.rtf"));
    EXPECT_FALSE(store.contains("Recent File List/File17"));
    EXPECT_EQ(store.value("Settings/PreviewPages").toInt(), 1);

    // The menu rows, and a row opens its file.
    EXPECT_TRUE(action(command::RecentFirst + 15)->isVisible());
    EXPECT_TRUE(action(command::RecentFirst)->text().startsWith(QStringLiteral("&1 ")));
    action(command::RecentFirst + 1)->trigger();
    ASSERT_NE(frame->activeDocument(), nullptr);
    EXPECT_EQ(frame->activeDocument()->path(), dir.file("doc16.rtf"));

    // A new window reads the list back.
    MainWindow again(platform, state, settings.get());
    EXPECT_EQ(again.recentFiles().files(), frame->recentFiles().files());
}

int pdfPages(const std::string& path) {
    const std::string pdf = readFile(path);
    const std::regex page("/Type\\s*/Page[^s]");
    return static_cast<int>(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

TEST_F(Shell, ALongDocumentPrintsToPdfPageByPageWithInchMargins) {
    DocumentWindow* child = frame->newDocument();
    QtSurface& s = surface(child);
    // Lines so high that one fits on a page within one-inch margins (9 of
    // the 11 inches), and two would fit on a page without margins.
    FontDescription big;
    big.mask = charmask::Size | charmask::Face;
    big.height = 300 * 20;
    big.faceName = "DejaVu Sans";
    s.setCharFormat(big);
    s.replaceSel("A\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG", false);

    QPrinter printer(QPrinter::HighResolution);
    DocumentPrinter::setUp(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(dir.file("out.pdf")));
    EXPECT_EQ(printer.pageLayout().fullRectPoints().size(), QSize(612, 792)) << "Letter";
    EXPECT_EQ(DocumentPrinter::print(*child->document()->text(), printer), 7);
    EXPECT_EQ(pdfPages(dir.file("out.pdf")), 7);

    // Ordinary text: 400 lines of 12 points take several pages, not one.
    DocumentWindow* other = frame->newDocument();
    std::string text;
    for (int i = 0; i < 400; ++i) {
        text += "Line " + std::to_string(i) + "\r\n";
    }
    surface(other).replaceSel(text, false);
    printer.setOutputFileName(QString::fromStdString(dir.file("long.pdf")));
    const int pages = DocumentPrinter::print(*other->document()->text(), printer);
    EXPECT_GE(pages, 400 / 60);
    EXPECT_LE(pages, 400 / 30);
    EXPECT_EQ(pdfPages(dir.file("long.pdf")), pages);
}

TEST(SorvelApplication, WithNoArgumentTheProgramStartsWithRuvoVIR1Maximised) {
    TempDirectory dir;
    ScriptedPlatform platform;
    TransliterationState state;
    QSettings settings(QString::fromStdString(dir.file("s.ini")), QSettings::IniFormat);
    SorvelApplication app(&platform, &settings, &state);
    ASSERT_TRUE(app.initInstance({}));
    ASSERT_NE(app.mainWindow(), nullptr);
    EXPECT_TRUE(app.mainWindow()->isMaximized());
    EXPECT_EQ(shownTitle(app.mainWindow()), QStringLiteral("Sorvel - RuvoVIR1"));
    EXPECT_TRUE(app.mainWindow()->acceptDrops());
}

// The default Pali font lives beside the settings; a file that an earlier
// version left in the working directory is taken over at the first window.
TEST(SorvelApplication, TheDefaultPaliFontIsKeptInTheSettingsFolder) {
    TempDirectory dir;
    ScriptedPlatform platform;
    TransliterationState state;
    QSettings settings(QString::fromStdString(dir.file("config/Sorvel - Halvard/Sorvel.conf")),
                       QSettings::IniFormat);
    FontDescription pali = face("Times_CSX+");
    pali.mask = charmask::All;
    writeFile(dir.file("Sorvel Default Pali Font.txt"), PaliFontSettings::format(pali));
    SorvelApplication app(&platform, &settings, &state);
    ASSERT_TRUE(app.initInstance({}));
    EXPECT_EQ(state.settingsFolder, dir.file("config/Sorvel - Halvard"));
    EXPECT_TRUE(state.paliEntryOn);
    EXPECT_EQ(state.defaultPaliFormat.faceName, "Times_CSX+");
    EXPECT_EQ(readFile(dir.file("config/Sorvel - Halvard/Sorvel Default Pali Font.txt")),
              PaliFontSettings::format(pali));
}

TEST(SorvelApplication, AFileNameOpensIt_AFailedOpenEndsTheProgram) {
    TempDirectory dir;
    ScriptedPlatform platform;
    TransliterationState state;
    QSettings settings(QString::fromStdString(dir.file("s.ini")), QSettings::IniFormat);
    writeFile(dir.file("a.rtf"), kPlainRtf);
    {
        SorvelApplication app(&platform, &settings, &state);
        ASSERT_TRUE(app.initInstance({"/dde", dir.file("a.rtf")}));
        EXPECT_EQ(shownTitle(app.mainWindow()), QStringLiteral("Sorvel - a.rtf"));
    }
    SorvelApplication broken(&platform, &settings, &state);
    platform.expectMessage(dir.file("none.rtf") +
                           "\nCannot find this file.\nPlease verify that the correct path and "
                           "file name are given.");
    EXPECT_FALSE(broken.initInstance({dir.file("none.rtf")}));
    EXPECT_EQ(broken.exitCode(), 1);
}

TEST(SorvelApplication, PrintingToAPrinterThatIsNotThereEndsWithAFailure) {
    TempDirectory dir;
    ScriptedPlatform platform;
    TransliterationState state;
    QSettings settings(QString::fromStdString(dir.file("s.ini")), QSettings::IniFormat);
    writeFile(dir.file("a.rtf"), kPlainRtf);
    SorvelApplication app(&platform, &settings, &state);
    EXPECT_FALSE(app.initInstance({"/pt", dir.file("a.rtf"), "No Such Printer"}));
    EXPECT_EQ(app.exitCode(), 1);
}

}  // namespace
}  // namespace sorvel::testing
