#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/TextFiles.h"
#include "recovery/RecoveryStore.h"
#include "shell/DocumentHost.h"
#include "shell/DocumentManager.h"
#include "shell/DocumentRecovery.h"
#include "shell/ManagedDocument.h"
#include "shell/RecentFileStore.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

namespace sorvel::testing {
namespace {

const std::string kNotFound =
    "\nCannot find this file.\nPlease verify that the correct path and file name are given.";

std::string fileName(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

// A document in memory. Saving into /readonly/ fails; saving anywhere but
// /docs/ writes its text to the file.
class FakeDocument : public ManagedDocument {
  public:
    FakeDocument(std::string title, std::string path)
        : title_(std::move(title)), path_(std::move(path)) {}
    std::string title() const override { return title_; }
    const std::string& path() const override { return path_; }
    bool isModified() const override { return modified; }
    int windowCount() const override { return windows; }
    std::uint64_t changeCount() const override { return changes; }
    std::function<RichText()> snapshot() const override {
        return [text = text] {
            RichText r;
            r.append(text, RichText::standardFormat());
            return r;
        };
    }
    // Typing: a change not saved.
    void type(const std::string& more) {
        text += more;
        modified = true;
        ++changes;
    }
    DocumentError save(const std::string& path, DocumentFile::Format format) override {
        if (path.starts_with("/readonly/")) {
            return {DocumentError::Kind::SaveFailed, path, {}};
        }
        if (!path.starts_with("/docs/") && !writeFileAtomically(path, text)) {
            return {DocumentError::Kind::WriteDenied, path, {}};
        }
        writes.push_back({path, format});
        path_ = path;
        title_ = fileName(path);
        modified = false;
        return {};
    }

    bool modified = false;
    int windows = 0;
    std::string text;
    std::uint64_t changes = 0;
    std::vector<std::pair<std::string, DocumentFile::Format>> writes;

  private:
    std::string title_;
    std::string path_;
};

// Windows as a count per document, and a log of what the manager asked.
// The files under /docs/ can be opened, and those in `realFolder`; those
// under /docs/sorvel/ are compound files, and a file of `reports` comes
// with that report.
class FakeHost : public DocumentHost {
  public:
    ManagedDocument& createDocument(const std::string& title) override {
        return *docs.emplace_back(std::make_unique<FakeDocument>(title, ""));
    }
    ManagedDocument* readDocument(const std::string& path, DocumentError& error) override {
        if (!path.starts_with("/docs/") && (realFolder.empty() || !path.starts_with(realFolder))) {
            error = {DocumentError::Kind::NotFound, path, {}};
            return nullptr;
        }
        auto& doc = *docs.emplace_back(std::make_unique<FakeDocument>(fileName(path), path));
        doc.setFileFormat(path.starts_with("/docs/sorvel/") ? DocumentFile::Format::Compound
                                                            : DocumentFile::Format::Rtf);
        if (auto it = reports.find(path); it != reports.end()) {
            doc.setLeftOut(it->second);
        }
        return &doc;
    }
    ManagedDocument& restoreDocument(const RichText& text, const std::string& path,
                                     const std::string& title) override {
        FakeDocument& doc = *docs.emplace_back(std::make_unique<FakeDocument>(title, path));
        doc.text = text.text();
        doc.modified = true;
        return doc;
    }
    void openWindow(ManagedDocument& doc) override {
        ++fake(doc).windows;
        active = &doc;
        log.push_back("window " + doc.title());
    }
    void activate(ManagedDocument& doc) override {
        active = &doc;
        log.push_back("activate " + doc.title());
    }
    // Each window asks before it closes, as the real ones do.
    void closeWindows(ManagedDocument& doc) override {
        while (fake(doc).windows > 0 && closeWindow(doc)) {
        }
    }
    ManagedDocument* activeDocument() const override { return active; }
    void showRecentFiles(const RecentFileList& files) override { shownRecent = files.files(); }

    // Closes one window of `doc`, as its close button does; false when it stays.
    bool closeWindow(ManagedDocument& doc) {
        if (!manager->mayCloseWindow(doc)) {
            return false;
        }
        if (--fake(doc).windows == 0) {
            log.push_back("closed " + doc.title());
            active = active == &doc ? nullptr : active;
            manager->documentClosed(doc);
        }
        return true;
    }
    static FakeDocument& fake(ManagedDocument& doc) { return static_cast<FakeDocument&>(doc); }

    DocumentManager* manager = nullptr;
    std::vector<std::unique_ptr<FakeDocument>> docs;
    ManagedDocument* active = nullptr;
    std::vector<std::string> log;
    std::vector<std::string> shownRecent;
    std::string realFolder;
    std::map<std::string, DocumentReport> reports;
};

class FakeStore : public RecentFileStore {
  public:
    std::vector<std::string> loadRecentFiles() override { return files; }
    void storeRecentFiles(const std::vector<std::string>& stored) override {
        files = stored;
        ++stores;
    }
    std::vector<std::string> files;
    int stores = 0;
};

class Documents : public ::testing::Test {
  protected:
    // A manager on the store as it is now.
    DocumentManager& start() {
        manager = std::make_unique<DocumentManager>(platform, host, &store);
        host.manager = manager.get();
        return *manager;
    }
    FakeDocument& changedNew() {
        auto& doc = FakeHost::fake(start().newDocument());
        doc.modified = true;
        return doc;
    }
    const FileDialogRequest& lastFileDialog() const {
        return platform.events().back().file.value();
    }

    ScriptedPlatform platform;
    FakeHost host;
    FakeStore store;
    std::unique_ptr<DocumentManager> manager;
};

TEST_F(Documents, NewDocumentsAreNumberedOnAndNumbersAreNotReused) {
    start();
    manager->newDocument();
    ManagedDocument& second = manager->newDocument();
    host.closeWindow(second);
    EXPECT_EQ(manager->newDocument().title(), "RuvoVIR3");
    EXPECT_EQ(host.log, (std::vector<std::string>{"window RuvoVIR1", "window RuvoVIR2",
                                                  "closed RuvoVIR2", "window RuvoVIR3"}));
    ASSERT_EQ(manager->documents().size(), 2u);
    EXPECT_EQ(manager->activeDocument()->title(), "RuvoVIR3");
}

TEST_F(Documents, OpeningAnOpenFileAgainActivatesItsWindow) {
    ManagedDocument* a = start().open("/docs/a.rtf");
    ASSERT_NE(a, nullptr);
    manager->open("/docs/b.rtf");
    EXPECT_EQ(manager->open("/docs/x/../a.rtf"), a);
    EXPECT_EQ(host.log.back(), "activate a.rtf");
    EXPECT_EQ(manager->documents().size(), 2u);
    EXPECT_EQ(manager->recentFiles().files(),
              (std::vector<std::string>{"/docs/b.rtf", "/docs/a.rtf"}));
}

TEST_F(Documents, AFileThatCannotBeOpenedIsNamedInAMessageAndMakesNoDocument) {
    start();
    platform.expectMessage("/gone/a.rtf" + kNotFound);
    EXPECT_EQ(manager->open("/gone/a.rtf"), nullptr);
    EXPECT_TRUE(manager->documents().empty());
    EXPECT_EQ(store.stores, 0);
}

TEST_F(Documents, EveryFileOfACommandLineOpensInItsOwnWindowTheLastActive) {
    start();
    platform.expectMessage("/gone/b.rtf" + kNotFound);
    EXPECT_EQ(manager->openFiles({"/docs/a.rtf", "/gone/b.rtf", "/docs/c.rtf"}), 2u);
    EXPECT_EQ(host.log, (std::vector<std::string>{"window a.rtf", "window c.rtf"}));
    EXPECT_EQ(manager->activeDocument()->title(), "c.rtf");
    EXPECT_TRUE(platform.scriptDone());

    // A file already open comes to the front; no files make a new document.
    EXPECT_EQ(manager->openFiles({"/docs/a.rtf"}), 1u);
    EXPECT_EQ(manager->activeDocument()->title(), "a.rtf");
    EXPECT_EQ(manager->openFiles({}), 0u);
    EXPECT_EQ(manager->activeDocument()->title(), "RuvoVIR1");
    EXPECT_EQ(manager->documents().size(), 3u);
}

TEST_F(Documents, OpenAsksForAFileAndOpensIt_CancelOpensNothing) {
    start();
    platform.expectFileDialog(std::nullopt);
    EXPECT_EQ(manager->openChosen(), nullptr);
    EXPECT_FALSE(lastFileDialog().save);
    platform.expectFileDialog("/docs/a.rtf");
    ASSERT_NE(manager->openChosen(), nullptr);
    EXPECT_EQ(manager->activeDocument()->path(), "/docs/a.rtf");
}

struct SaveCase {
    const char* name;
    const char* ownPath;  // empty for a new document
    bool saveAs;
    // The file dialog's answer (nothing = Cancel), when a dialog comes, and
    // the type chosen in it (nothing: the one it opened with).
    std::optional<std::optional<std::string>> dialog;
    std::optional<std::size_t> type;
    const char* savedTo;  // empty when nothing is saved
    DocumentFile::Format form = DocumentFile::Format::Rtf;
    friend void PrintTo(const SaveCase& c, std::ostream* os) { *os << c.name; }
};

class Saving : public Documents, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(Saving, SavesWhereAndInTheFormTheDocumentOrTheUserSays) {
    const SaveCase& c = GetParam();
    FakeDocument& doc =
        std::string(c.ownPath).empty() ? changedNew() : FakeHost::fake(*start().open(c.ownPath));
    doc.modified = true;
    const std::vector<std::string> recentBefore = manager->recentFiles().files();
    if (c.dialog) {
        auto check = [&](const FileDialogRequest& r) {
            EXPECT_TRUE(r.save);
            EXPECT_EQ(r.initialName, std::string(c.ownPath).empty() ? "RuvoVIR1" : c.ownPath);
            EXPECT_EQ(r.defaultExtension, "rtf");
            ASSERT_EQ(r.filters.size(), 3u);
            EXPECT_EQ(r.filters[0].shown(), "RTF (Rich Text Format) Files (*.rtf)");
            EXPECT_EQ(r.filters[1].shown(), "Sorvel Document (RTF in a compound file) (*.rtf)");
            // Every file, also one without a dot in its name.
            EXPECT_EQ(r.filters[2].shown(), "All Files (*)");
            EXPECT_EQ(r.selectedFilter, 0u) << "plain RTF is the type chosen at first";
        };
        if (c.type) {
            platform.expectFileDialogOfType(*c.dialog, *c.type, check);
        } else {
            platform.expectFileDialog(*c.dialog, check);
        }
    }
    const std::string savedTo = c.savedTo;
    EXPECT_EQ(manager->save(doc, c.saveAs), !savedTo.empty());
    EXPECT_EQ(doc.isModified(), savedTo.empty());
    if (savedTo.empty()) {
        EXPECT_TRUE(doc.writes.empty());
        EXPECT_EQ(manager->recentFiles().files(), recentBefore);
        return;
    }
    EXPECT_EQ(doc.path(), savedTo);
    EXPECT_EQ(manager->recentFiles().files().front(), savedTo);
    EXPECT_EQ(store.files.front(), savedTo);
    // The next Save keeps the form just written.
    doc.modified = true;
    EXPECT_TRUE(manager->save(doc, false));
    using W = std::pair<std::string, DocumentFile::Format>;
    EXPECT_EQ(doc.writes, (std::vector<W>{{savedTo, c.form}, {savedTo, c.form}}));
}

constexpr auto kCompound = DocumentFile::Format::Compound;
constexpr auto kRtf = DocumentFile::Format::Rtf;

INSTANTIATE_TEST_SUITE_P(
    Cases, Saving,
    ::testing::Values(
        SaveCase{"PlainRtfStaysPlain", "/docs/a.rtf", false, std::nullopt, {}, "/docs/a.rtf", kRtf},
        SaveCase{"ACompoundFileStaysCompound",
                 "/docs/sorvel/a.rtf",
                 false,
                 std::nullopt,
                 {},
                 "/docs/sorvel/a.rtf",
                 kCompound},
        SaveCase{"ANewOneAsksForANameAndAddsRtf",
                 "",
                 false,
                 "/docs/refuge",
                 {},
                 "/docs/refuge.rtf",
                 kRtf},
        SaveCase{"ANameWithAnExtensionKeepsIt",
                 "",
                 false,
                 "/docs/v1/notes.txt",
                 {},
                 "/docs/v1/notes.txt",
                 kRtf},
        SaveCase{
            "SaveAsAsksAlsoWithAName", "/docs/a.rtf", true, "/docs/b.rtf", {}, "/docs/b.rtf", kRtf},
        SaveCase{"SaveAsTheSorvelTypeWritesACompoundFile", "/docs/a.rtf", true, "/docs/b.rtf", 1,
                 "/docs/b.rtf", kCompound},
        SaveCase{"SaveAsOfACompoundFileWritesThePlainTypeChosen", "/docs/sorvel/a.rtf", true,
                 "/docs/b.rtf", 0, "/docs/b.rtf", kRtf},
        SaveCase{"AllFilesWritesPlainRtf", "", false, "/docs/c.rtf", 2, "/docs/c.rtf", kRtf},
        SaveCase{"CancelInTheDialogSavesNothing", "", false, std::optional<std::string>(), {}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Documents, AFailedSaveSaysSoAndLeavesTheDocumentChanged) {
    FakeDocument& doc = FakeHost::fake(*start().open("/docs/a.rtf"));
    doc.modified = true;
    platform.expectFileDialog("/readonly/a.rtf");
    platform.expectMessage("Failed to save document.");
    EXPECT_FALSE(manager->save(doc, true));
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.path(), "/docs/a.rtf");
    EXPECT_EQ(manager->recentFiles().files(), (std::vector<std::string>{"/docs/a.rtf"}));
}

struct PromptCase {
    const char* name;
    Answer answer;
    bool onExit;  // quitting the program, else closing the document
    bool closed;
    friend void PrintTo(const PromptCase& c, std::ostream* os) { *os << c.name; }
};

class SavePrompt : public Documents, public ::testing::WithParamInterface<PromptCase> {};

TEST_P(SavePrompt, YesSavesNoDiscardsCancelKeepsItOpen) {
    const PromptCase& c = GetParam();
    FakeDocument& doc = changedNew();
    manager->newDocument();  // unchanged: asks nothing
    platform.expectYesNoCancel("Save changes to RuvoVIR1?", c.answer);
    if (c.answer == Answer::Yes) {
        platform.expectFileDialog("/docs/kept.rtf");
    }
    if (c.onExit) {
        EXPECT_EQ(manager->closeAll(), c.closed);
    } else {
        manager->close(doc);
    }
    const std::size_t left = c.onExit ? 0u : 1u;
    EXPECT_EQ(manager->documents().size(), c.closed ? left : 2u);
    EXPECT_EQ(doc.path(), c.answer == Answer::Yes ? "/docs/kept.rtf" : "");
    // RuvoVIR2 was the active window: the one asked about comes to the front.
    const auto opened = std::find(host.log.begin(), host.log.end(), "window RuvoVIR2");
    EXPECT_NE(std::find(opened, host.log.end(), "activate RuvoVIR1"), host.log.end());
}

INSTANTIATE_TEST_SUITE_P(Answers, SavePrompt,
                         ::testing::Values(PromptCase{"CloseYes", Answer::Yes, false, true},
                                           PromptCase{"CloseNo", Answer::No, false, true},
                                           PromptCase{"CloseCancel", Answer::Cancel, false, false},
                                           PromptCase{"ExitYes", Answer::Yes, true, true},
                                           PromptCase{"ExitNo", Answer::No, true, true},
                                           PromptCase{"ExitCancel", Answer::Cancel, true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OpenFailure, AFileThatIsNoDocumentSaysWhatItIsNotAndWhereTextFilesOpen) {
    const std::string notADocument =
        "Unexpected file format.\n\nnotes.TXT is neither a Sorvel document nor an RTF file.";
    const std::string textFiles =
        "\n\nTo open a plain text file, such as a transliteration table, choose General "
        "Transliteration > Open a Transliteration Table for Editing.";
    EXPECT_EQ(DocumentManager::openFailureMessage(
                  {DocumentError::Kind::UnexpectedFormat, "/home/x/notes.TXT", {}}),
              notADocument + textFiles);
    EXPECT_EQ(DocumentManager::openFailureMessage(
                  {DocumentError::Kind::UnexpectedFormat, "/home/x/notes.doc", {}}),
              "Unexpected file format.\n\nnotes.doc is neither a Sorvel document nor an RTF file.");
    EXPECT_EQ(DocumentManager::openFailureMessage({DocumentError::Kind::NotFound, "/x/a.txt", {}}),
              "/x/a.txt" + kNotFound);
}

TEST_F(Documents, AYesWhoseSaveIsCancelledKeepsTheDocumentOpen) {
    FakeDocument& doc = changedNew();
    platform.expectYesNoCancel("Save changes to RuvoVIR1?", Answer::Yes);
    platform.expectFileDialog(std::nullopt);
    EXPECT_FALSE(manager->closeAll());
    EXPECT_EQ(doc.windows, 1);
}

TEST_F(Documents, OnlyTheLastWindowOfADocumentAsks) {
    FakeDocument& doc = changedNew();
    manager->newWindow(doc);
    EXPECT_EQ(doc.windows, 2);
    EXPECT_TRUE(host.closeWindow(doc));
    EXPECT_EQ(doc.windows, 1);
    platform.expectYesNoCancel("Save changes to RuvoVIR1?", Answer::No);
    EXPECT_TRUE(host.closeWindow(doc));
    EXPECT_TRUE(manager->documents().empty());
}

TEST_F(Documents, TheRecentFilesComeFromTheStoreAndEveryChangeGoesBack) {
    store.files = {"/docs/b.rtf", "/gone/x.rtf", "/docs/a.rtf"};
    start();
    EXPECT_EQ(manager->recentFiles().files(), store.files);
    ASSERT_NE(manager->openRecent(2), nullptr);
    EXPECT_EQ(store.files, (std::vector<std::string>{"/docs/a.rtf", "/docs/b.rtf", "/gone/x.rtf"}));
    // A file that cannot be opened leaves the list.
    platform.expectMessage("/gone/x.rtf" + kNotFound);
    EXPECT_EQ(manager->openRecent(2), nullptr);
    EXPECT_EQ(store.files, (std::vector<std::string>{"/docs/a.rtf", "/docs/b.rtf"}));
    EXPECT_EQ(host.shownRecent, store.files);
    EXPECT_EQ(manager->openRecent(2), nullptr) << "beyond the list";
    EXPECT_EQ(store.stores, 2);
}

TEST_F(Documents, TheRecentFileListKeepsTheSixteenNewest) {
    start();
    for (int i = 1; i <= 17; ++i) {
        host.closeWindow(*manager->open("/docs/f" + std::to_string(i) + ".rtf"));
    }
    ASSERT_EQ(store.files.size(), 16u);
    EXPECT_EQ(store.files.front(), "/docs/f17.rtf");
    EXPECT_EQ(store.files.back(), "/docs/f2.rtf");
}

// --- a file changed by another program ------------------------------------------

struct ChangeCase {
    const char* name;
    void (*change)(const std::string& path);  // what another program does to the file
    bool asks;
    friend void PrintTo(const ChangeCase& c, std::ostream* os) { *os << c.name; }
};

class ChangedOnDisk : public Documents, public ::testing::WithParamInterface<ChangeCase> {
  protected:
    TempDir dir;
};

TEST_P(ChangedOnDisk, SaveAsksBeforeWritingOverAnotherProgramsWork) {
    const ChangeCase& c = GetParam();
    host.realFolder = dir.path();
    const std::string path = dir.file("shared.rtf");
    ASSERT_TRUE(writeFileAtomically(path, "original"));
    FakeDocument& doc = FakeHost::fake(*start().open(path));
    doc.text = "original";
    // Saved once already: the program's own save is no change by another.
    doc.type(" mine");
    ASSERT_TRUE(manager->save(doc, false));
    doc.type(" more");
    c.change(path);
    const std::string before = readWholeFile(path).value_or("");
    const std::string question = path + " has been changed by another program. Save anyway?";
    if (c.asks) {
        platform.expectYesNo(question, false);
        EXPECT_FALSE(manager->save(doc, false));
        EXPECT_TRUE(doc.isModified());
        EXPECT_EQ(readWholeFile(path).value_or(""), before) << "No leaves their work";
        platform.expectYesNo(question, true);
    }
    EXPECT_TRUE(manager->save(doc, false));
    EXPECT_EQ(readWholeFile(path), "original mine more");
    // Saved over it: the next save does not ask again.
    doc.type("!");
    EXPECT_TRUE(manager->save(doc, false));
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ChangedOnDisk,
    ::testing::Values(
        ChangeCase{"Untouched", [](const std::string&) {}, false},
        ChangeCase{"ReplacedByAnAtomicSave",
                   [](const std::string& p) { ASSERT_TRUE(writeFileAtomically(p, "theirs")); },
                   true},
        ChangeCase{"WrittenInPlace",
                   [](const std::string& p) {
                       std::ofstream(p, std::ios::binary | std::ios::app) << " + theirs";
                   },
                   true},
        ChangeCase{"OnlyItsTimeChanged",
                   [](const std::string& p) {
                       std::filesystem::last_write_time(
                           p, std::filesystem::last_write_time(p) - std::chrono::hours(1));
                   },
                   true},
        // Nothing of another program's to lose: written again.
        ChangeCase{"Deleted", [](const std::string& p) { std::filesystem::remove(p); }, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Documents, SaveAsToAnotherFileDoesNotAskAboutTheOwnOne) {
    TempDir dir;
    host.realFolder = dir.path();
    ASSERT_TRUE(writeFileAtomically(dir.file("a.rtf"), "a"));
    FakeDocument& doc = FakeHost::fake(*start().open(dir.file("a.rtf")));
    doc.type("changed");
    ASSERT_TRUE(writeFileAtomically(dir.file("a.rtf"), "theirs"));
    platform.expectFileDialog(dir.file("b.rtf"));
    EXPECT_TRUE(manager->save(doc, true));
    EXPECT_EQ(readWholeFile(dir.file("a.rtf")), "theirs");
}

// --- recovery copies -----------------------------------------------------------

class Copies : public Documents {
  protected:
    void SetUp() override {
        ::setenv("TZ", "UTC", 1);
        ::tzset();
        host.realFolder = dir.path();
    }
    std::string root() const { return dir.file("recovery"); }
    // The program starts: a store of its own, and its copies.
    void startCopies() {
        store = std::make_unique<RecoveryStore>(root());
        ASSERT_TRUE(store->open());
        recovery = std::make_unique<DocumentRecovery>(*store);
        start().setRecovery(recovery.get());
    }
    // The program dies: its copies stay.
    void crash() {
        manager->setRecovery(nullptr);
        recovery.reset();
        store.reset();
    }
    // The ids of the whole copies (both files) in the store's folder, sorted.
    std::vector<std::string> copiesOnDisk() {
        recovery->wait();
        std::vector<std::string> ids;
        for (const auto& e : std::filesystem::directory_iterator(store->folder())) {
            const std::filesystem::path& p = e.path();
            if (p.extension() == ".info" &&
                std::filesystem::exists(std::filesystem::path(p).replace_extension(".rtf"))) {
                ids.push_back(p.stem().string());
            }
        }
        std::sort(ids.begin(), ids.end());
        return ids;
    }
    // Every copy under the root dated to one known moment, so that the
    // question naming them is known to the minute.
    void restamp() {
        for (const auto& run : std::filesystem::directory_iterator(root())) {
            for (const auto& f : std::filesystem::directory_iterator(run.path())) {
                if (f.path().extension() == ".info") {
                    std::string info = readWholeFile(f.path().string()).value();
                    const std::size_t at = info.find("written ");
                    info.replace(at, info.find('\n', at) - at, "written 1700000000");
                    ASSERT_TRUE(writeFileAtomically(f.path().string(), info));
                }
            }
        }
    }
    // The next start of the program, with nothing open yet.
    void restart() {
        host.active = nullptr;
        host.docs.clear();
        host.log.clear();
        startCopies();
    }
    static constexpr const char* kWhen = " (2023-11-14 22:13)";

    TempDir dir;
    std::unique_ptr<RecoveryStore> store;
    std::unique_ptr<DocumentRecovery> recovery;
};

TEST_F(Copies, OnlyChangedDocumentsAreCopiedAndSavingOrClosingRemovesTheCopy) {
    startCopies();
    FakeDocument& a = FakeHost::fake(manager->newDocument());
    FakeDocument& b = FakeHost::fake(manager->newDocument());
    FakeDocument& c = FakeHost::fake(manager->newDocument());
    a.type("alpha");
    c.type("gamma");
    recovery->writeCopies(manager->documents());
    EXPECT_EQ(copiesOnDisk(), (std::vector<std::string>{"doc-1", "doc-3"}));
    EXPECT_TRUE(a.isModified()) << "a copy is no save";
    EXPECT_EQ(b.path(), "");

    // Nothing new: the copy is not written again.
    const auto written = std::filesystem::last_write_time(store->folder() + "/doc-1.rtf");
    recovery->writeCopies(manager->documents());
    recovery->wait();
    EXPECT_EQ(std::filesystem::last_write_time(store->folder() + "/doc-1.rtf"), written);

    platform.expectFileDialog(dir.file("a.rtf"));
    ASSERT_TRUE(manager->save(a, false));
    EXPECT_EQ(copiesOnDisk(), (std::vector<std::string>{"doc-3"}));
    platform.expectYesNoCancel("Save changes to RuvoVIR3?", Answer::No);
    manager->close(c);
    EXPECT_TRUE(copiesOnDisk().empty());

    // Changes undone: no unsaved changes, no copy.
    b.type("beta");
    recovery->writeCopies(manager->documents());
    EXPECT_EQ(copiesOnDisk(), (std::vector<std::string>{"doc-2"}));
    b.modified = false;
    recovery->writeCopies(manager->documents());
    EXPECT_TRUE(copiesOnDisk().empty());

    b.type("again");
    recovery->writeCopies(manager->documents());
    const std::string folder = store->folder();
    recovery->endNormally();
    EXPECT_FALSE(std::filesystem::exists(folder));
}

struct RestoreCase {
    const char* name;
    bool yes;
    friend void PrintTo(const RestoreCase& c, std::ostream* os) { *os << c.name; }
};

class AfterACrash : public Copies, public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(AfterACrash, OneQuestionYesRestoresEachDocumentNoRemovesTheCopies) {
    // The first run: a new document and a file, both changed, then a crash.
    ASSERT_TRUE(writeFileAtomically(dir.file("story.rtf"), "on disk"));
    startCopies();
    FakeDocument& fresh = FakeHost::fake(manager->newDocument());
    fresh.type("typed into the new one");
    FakeDocument& story = FakeHost::fake(*manager->open(dir.file("story.rtf")));
    story.text = "on disk";
    story.type(", and more");
    recovery->writeCopies(manager->documents());
    recovery->wait();
    crash();
    restamp();
    restart();
    platform.expectYesNo(std::string(DocumentRecovery::kQuestion) + "\n\nRuvoVIR1" + kWhen + "\n" +
                             dir.file("story.rtf") + kWhen,
                         GetParam().yes);
    const int restored = recovery->recoverAbandoned(platform, *manager);
    if (!GetParam().yes) {
        EXPECT_EQ(restored, 0);
        EXPECT_TRUE(manager->documents().empty());
        EXPECT_TRUE(copiesOnDisk().empty());
        EXPECT_TRUE(recovery->recoverAbandoned(platform, *manager) == 0);
        return;
    }
    EXPECT_EQ(restored, 2);
    ASSERT_EQ(manager->documents().size(), 2u);
    auto& first = FakeHost::fake(*manager->documents()[0]);
    auto& second = FakeHost::fake(*manager->documents()[1]);
    EXPECT_EQ(first.title(), "RuvoVIR1");
    EXPECT_EQ(first.path(), "");
    EXPECT_EQ(first.text, "typed into the new one");
    EXPECT_EQ(second.title(), "story.rtf");
    EXPECT_EQ(second.path(), dir.file("story.rtf"));
    EXPECT_EQ(second.text, "on disk, and more");
    EXPECT_TRUE(first.isModified() && second.isModified());
    EXPECT_EQ(host.log, (std::vector<std::string>{"window RuvoVIR1", "window story.rtf"}));
    // Safe in this run's copies, and the old ones gone.
    EXPECT_EQ(copiesOnDisk().size(), 2u);
    EXPECT_TRUE(recovery->recoverAbandoned(platform, *manager) == 0);
    // New documents number on; the file is still the one it was.
    EXPECT_EQ(manager->newDocument().title(), "RuvoVIR2");
    EXPECT_TRUE(manager->save(second, false));
    EXPECT_EQ(readWholeFile(dir.file("story.rtf")), "on disk, and more");
}

INSTANTIATE_TEST_SUITE_P(Answers, AfterACrash,
                         ::testing::Values(RestoreCase{"Yes", true}, RestoreCase{"No", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Copies, ADamagedCopyIsNamedAndKeptAndTheOthersAreRestored) {
    startCopies();
    FakeHost::fake(manager->newDocument()).type("first");
    FakeHost::fake(manager->newDocument()).type("second");
    recovery->writeCopies(manager->documents());
    recovery->wait();
    const std::string folder = store->folder();
    crash();
    ASSERT_TRUE(writeFileAtomically(folder + "/doc-1.rtf", "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"));
    const std::string kept =
        root() + "/damaged/" + std::filesystem::path(folder).filename().string() + "-doc-1.rtf";

    restamp();
    restart();
    platform.expectYesNo(std::string(DocumentRecovery::kQuestion) + "\n\nRuvoVIR2" + kWhen, true);
    platform.expectMessage(
        "These recovery copies are damaged and could not be opened. They are kept for you "
        "here:\n\nRuvoVIR1" +
        std::string(kWhen) + ", kept as " + kept);
    EXPECT_EQ(recovery->recoverAbandoned(platform, *manager), 1);
    ASSERT_EQ(manager->documents().size(), 1u);
    EXPECT_EQ(FakeHost::fake(*manager->documents()[0]).text, "second");
    EXPECT_TRUE(std::filesystem::exists(kept));
}

// --- files that lost content on opening ---------------------------------------

DocumentReport footnotesAndAPicture() {
    DocumentReport r;
    r.add(DocumentReport::Content::Footnote, 2);
    r.add(DocumentReport::Content::Picture);
    return r;
}

const std::string kKeptAsItWas =
    "\n\nThe file itself is unchanged. Saving over it asks first; File > Save As under another "
    "name leaves it as it is.";

struct OpenReportCase {
    const char* name;
    DocumentReport report;
    std::string message;  // empty: none comes
    friend void PrintTo(const OpenReportCase& c, std::ostream* os) { *os << c.name; }
};

class OpenReport : public Documents, public ::testing::WithParamInterface<OpenReportCase> {};

TEST_P(OpenReport, OneMessageAfterTheDocumentOpensSaysWhatWasLeftOut) {
    const OpenReportCase& c = GetParam();
    host.reports["/docs/f.rtf"] = c.report;
    start();
    const std::string& message = c.message;
    if (!message.empty()) {
        platform.expectMessage(message);
    }
    ASSERT_NE(manager->open("/docs/f.rtf"), nullptr);
    EXPECT_TRUE(platform.scriptDone());
    if (!message.empty()) {
        EXPECT_TRUE(platform.events().back().utf8);
        // The document's window is there before the message.
        EXPECT_EQ(host.log, (std::vector<std::string>{"window f.rtf"}));
    }
    // Opening it again only brings its window to the front.
    EXPECT_NE(manager->open("/docs/f.rtf"), nullptr);
}

OpenReportCase openReportCase(const char* name, std::function<void(DocumentReport&)> fill,
                              std::string message) {
    OpenReportCase c{name, {}, std::move(message)};
    fill(c.report);
    return c;
}

INSTANTIATE_TEST_SUITE_P(
    Reports, OpenReport,
    ::testing::Values(
        openReportCase(
            "Content", [](DocumentReport& r) { r = footnotesAndAPicture(); },
            "Sorvel cannot keep everything that f.rtf holds. Left out: 2 footnotes, 1 "
            "picture." +
                kKeptAsItWas),
        openReportCase(
            "UnicodePaliOnly",
            [](DocumentReport& r) {
                r.add(DocumentReport::Formatting::PaliFont, 12);
                r.setPaliFace("Times_CSX+");
            },
            "In f.rtf, 12 Pali letters given in Unicode came into the Pali font Times_CSX+."),
        openReportCase(
            "CharactersAndPali",
            [](DocumentReport& r) {
                r.addCharacter(U'\u03B1', 2, 5, "Windows-1252");
                r.add(DocumentReport::Formatting::PaliFont, 1);
            },
            "Sorvel cannot keep everything that f.rtf holds. Left out: 1 character that "
            "Windows-1252 cannot show: \xCE\xB1 (U+03B1) at line 2, column 5.\n\nAlso, 1 Pali "
            "letter given in Unicode came into the Pali font VriRomanPali CN." +
                kKeptAsItWas),
        openReportCase(
            "FormattingOnlyIsNoMessage",
            [](DocumentReport& r) { r.add(DocumentReport::Formatting::Justified, 4); }, ""),
        openReportCase(
            "NothingLost", [](DocumentReport&) {}, "")),
    [](const auto& info) { return std::string(info.param.name); });

const std::string kSaveAnyway =
    "f.rtf was opened with content that Sorvel cannot keep (2 footnotes, 1 picture). Saving "
    "will "
    "replace the file without it. Save anyway?";

class LostContent : public Documents {
  protected:
    FakeDocument& openChanged(const std::string& path = "/docs/f.rtf") {
        host.reports[path] = footnotesAndAPicture();
        start();
        platform.expectMessage("Sorvel cannot keep everything that " + fileName(path) +
                               " holds. Left out: 2 footnotes, 1 picture." + kKeptAsItWas);
        FakeDocument& doc = FakeHost::fake(*manager->open(path));
        doc.modified = true;
        return doc;
    }
};

TEST_F(LostContent, SaveOverTheFileAsksFirst_NoWritesNothingAndAsksAgainNextTime) {
    FakeDocument& doc = openChanged();
    platform.expectYesNo(kSaveAnyway, false);
    EXPECT_FALSE(manager->save(doc, false));
    EXPECT_EQ(platform.lastDefaultAnswer(), Answer::No);
    EXPECT_TRUE(doc.writes.empty());
    EXPECT_TRUE(doc.isModified());
    platform.expectYesNo(kSaveAnyway, true);
    EXPECT_TRUE(manager->save(doc, false));
    EXPECT_EQ(doc.writes.size(), 1u);
    // Once saved, the file holds just what the document holds.
    EXPECT_FALSE(doc.leftOut().lostContent());
    doc.modified = true;
    EXPECT_TRUE(manager->save(doc, false));
    EXPECT_EQ(doc.writes.size(), 2u);
}

TEST_F(LostContent, SaveAsToAnotherNameDoesNotAskButToTheSameFileDoes) {
    FakeDocument& doc = openChanged("/docs/sorvel/f.rtf");
    platform.expectFileDialog("/docs/sorvel/x/../f.rtf");
    platform.expectYesNo(
        "f.rtf was opened with content that Sorvel cannot keep (2 footnotes, 1 picture). "
        "Saving "
        "will replace the file without it. Save anyway?",
        false);
    EXPECT_FALSE(manager->save(doc, true));
    EXPECT_TRUE(doc.writes.empty());
    platform.expectFileDialog("/docs/g.rtf");
    EXPECT_TRUE(manager->save(doc, true));
    EXPECT_EQ(doc.path(), "/docs/g.rtf");
    EXPECT_FALSE(doc.leftOut().lostContent());
    // The new file is the document's now: saving over it asks nothing.
    doc.modified = true;
    EXPECT_TRUE(manager->save(doc, false));
    EXPECT_EQ(doc.writes.size(), 2u);
}

TEST_F(LostContent, NoToTheQuestionOnClosingKeepsTheDocumentOpen) {
    FakeDocument& doc = openChanged();
    platform.expectYesNoCancel("Save changes to f.rtf?", Answer::Yes);
    platform.expectYesNo(kSaveAnyway, false);
    EXPECT_FALSE(manager->closeAll());
    EXPECT_EQ(doc.windows, 1);
    EXPECT_TRUE(doc.writes.empty());
    // Not saving it at all closes it, and the file stays as it was.
    platform.expectYesNoCancel("Save changes to f.rtf?", Answer::No);
    EXPECT_TRUE(manager->closeAll());
    EXPECT_TRUE(doc.writes.empty());
}

}  // namespace
}  // namespace sorvel::testing
