#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/DocumentHost.h"
#include "shell/DocumentManager.h"
#include "shell/ManagedDocument.h"
#include "shell/RecentFileStore.h"
#include "support/ScriptedPlatform.h"

namespace sorvel::testing {
namespace {

const std::string kNotFound =
    "\nCannot find this file.\nPlease verify that the correct path and file name are given.";

std::string fileName(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

// A document in memory. Saving into /readonly/ fails.
class FakeDocument : public ManagedDocument {
  public:
    FakeDocument(std::string title, std::string path)
        : title_(std::move(title)), path_(std::move(path)) {}
    std::string title() const override { return title_; }
    const std::string& path() const override { return path_; }
    bool isModified() const override { return modified; }
    int windowCount() const override { return windows; }
    DocumentError save(const std::string& path) override {
        if (path.starts_with("/readonly/")) {
            return {DocumentError::Kind::SaveFailed, path, {}};
        }
        path_ = path;
        title_ = fileName(path);
        modified = false;
        return {};
    }

    bool modified = false;
    int windows = 0;

  private:
    std::string title_;
    std::string path_;
};

// Windows as a count per document, and a log of what the manager asked.
// The files under /docs/ can be opened.
class FakeHost : public DocumentHost {
  public:
    ManagedDocument& createDocument(const std::string& title) override {
        return *docs.emplace_back(std::make_unique<FakeDocument>(title, ""));
    }
    ManagedDocument* readDocument(const std::string& path, DocumentError& error) override {
        if (!path.starts_with("/docs/")) {
            error = {DocumentError::Kind::NotFound, path, {}};
            return nullptr;
        }
        return docs.emplace_back(std::make_unique<FakeDocument>(fileName(path), path)).get();
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
    // The file dialog's answer (nothing = Cancel), when a dialog comes.
    std::optional<std::optional<std::string>> dialog;
    const char* savedTo;  // empty when nothing is saved
    friend void PrintTo(const SaveCase& c, std::ostream* os) { *os << c.name; }
};

class Saving : public Documents, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(Saving, SavesWhereTheDocumentOrTheUserSays) {
    const SaveCase& c = GetParam();
    FakeDocument& doc =
        std::string(c.ownPath).empty() ? changedNew() : FakeHost::fake(*start().open(c.ownPath));
    doc.modified = true;
    const std::vector<std::string> recentBefore = manager->recentFiles().files();
    if (c.dialog) {
        platform.expectFileDialog(*c.dialog, [&](const FileDialogRequest& r) {
            EXPECT_TRUE(r.save);
            EXPECT_EQ(r.initialName, std::string(c.ownPath).empty() ? "RuvoVIR1" : c.ownPath);
            EXPECT_EQ(r.defaultExtension, "rtf");
            ASSERT_EQ(r.filters.size(), 2u);
            EXPECT_EQ(r.filters[0].pattern, "*.rtf");
            // Every file, also one without a dot in its name.
            EXPECT_EQ(r.filters[1].shown(), "All Files (*)");
        });
    }
    const std::string savedTo = c.savedTo;
    EXPECT_EQ(manager->save(doc, c.saveAs), !savedTo.empty());
    EXPECT_EQ(doc.isModified(), savedTo.empty());
    if (savedTo.empty()) {
        EXPECT_EQ(manager->recentFiles().files(), recentBefore);
    } else {
        EXPECT_EQ(doc.path(), savedTo);
        EXPECT_EQ(manager->recentFiles().files().front(), savedTo);
        EXPECT_EQ(store.files.front(), savedTo);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Saving,
    ::testing::Values(
        SaveCase{"UnderItsOwnName", "/docs/a.rtf", false, std::nullopt, "/docs/a.rtf"},
        SaveCase{"ANewOneAsksForANameAndAddsRtf", "", false, "/docs/refuge", "/docs/refuge.rtf"},
        SaveCase{"ANameWithAnExtensionKeepsIt", "", false, "/docs/v1/notes.txt",
                 "/docs/v1/notes.txt"},
        SaveCase{"SaveAsAsksAlsoWithAName", "/docs/a.rtf", true, "/docs/b.rtf", "/docs/b.rtf"},
        SaveCase{"CancelInTheDialogSavesNothing", "", false, std::optional<std::string>(), ""}),
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

}  // namespace
}  // namespace sorvel::testing
