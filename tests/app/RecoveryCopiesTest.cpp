#include <QSettings>
#include <QTest>
#include <algorithm>
#include <filesystem>

#include "app/Document.h"
#include "app/DocumentWindow.h"
#include "app/EditorView.h"
#include "app/RecoveryCopies.h"
#include "app/ShellFixture.h"
#include "app/SorvelApplication.h"
#include "common/TextFiles.h"
#include "docformat/DocumentFile.h"
#include "recovery/RecoveryInfo.h"

namespace sorvel::testing {
namespace {

namespace fs = std::filesystem;

// The copies in a folder: the text of each document copy.
std::vector<std::string> copiedTexts(const std::string& folder) {
    std::vector<std::string> texts;
    for (const auto& e : fs::directory_iterator(folder)) {
        if (e.path().extension() == ".rtf") {
            DocumentFile::Opened copy = DocumentFile::open(e.path().string());
            texts.push_back(copy ? copy.document->text() : "<damaged>");
        }
    }
    return texts;
}

TEST_F(Shell, ChangedDocumentsAreCopiedEveryFewSecondsAndStayUnsaved) {
    // A main window that reads a short interval from its settings.
    settings->setValue("Settings/AutoRecoverySeconds", 1);
    frame = std::make_unique<MainWindow>(platform, state, settings.get());
    frame->show();
    const std::string original = dir.file("kept.rtf");
    ASSERT_TRUE(writeFileAtomically(original, "{\\rtf1 kept}"));
    ASSERT_EQ(frame->startRecovery(dir.file("recovery")), 0);
    ASSERT_EQ(frame->recovery()->intervalSeconds(), 1);
    const std::string folder = frame->recovery()->store().folder();

    DocumentWindow* file = frame->openDocument(original);
    QTest::keyClicks(file->view(), "more ");
    frame->newDocument();
    QTest::keyClicks(frame->activeView(), "typed");
    frame->newDocument();  // unchanged: no copy
    EXPECT_TRUE(QTest::qWaitFor([&] { return copiedTexts(folder).size() == 2; }, 10000));
    std::vector<std::string> texts = copiedTexts(folder);
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts, (std::vector<std::string>{"more kept", "typed"}));
    EXPECT_TRUE(file->document()->isModified());
    EXPECT_EQ(readWholeFile(original), "{\\rtf1 kept}") << "the document's own file untouched";

    // Closing normally takes the copies with it.
    platform.expectYesNoCancel("Save changes to kept.rtf?", Answer::No);
    platform.expectYesNoCancel("Save changes to RuvoVIR1?", Answer::No);
    frame->close();
    EXPECT_FALSE(fs::exists(folder));
}

TEST(SorvelApplication, AfterACrashTheNextStartOffersTheDocumentsAndRestoresThem) {
    TempDirectory dir;
    ScriptedPlatform platform;
    TransliterationState state;
    QSettings settings(QString::fromStdString(dir.file("s.ini")), QSettings::IniFormat);
    std::string folder;
    {
        SorvelApplication crashed(&platform, &settings, &state);
        ASSERT_TRUE(crashed.initInstance({}));
        QTest::keyClicks(crashed.mainWindow()->activeView(), "unsaved words");
        crashed.mainWindow()->recovery()->writeNow();
        folder = crashed.mainWindow()->recovery()->store().folder();
        // Gone without closing, as a killed program goes.
    }
    ASSERT_TRUE(fs::exists(folder));
    std::string info;
    for (const auto& e : fs::directory_iterator(folder)) {
        if (e.path().extension() == ".info") {
            info = readWholeFile(e.path().string()).value_or("");
        }
    }
    const std::optional<RecoveryInfo> copy = RecoveryInfo::parse(info);
    ASSERT_TRUE(copy.has_value()) << info;

    platform.expectYesNo(std::string(DocumentRecovery::kQuestion) + "\n\n" + copy->describe(),
                         true);
    SorvelApplication next(&platform, &settings, &state);
    ASSERT_TRUE(next.initInstance({}));
    // The recovered document, and no new empty one beside it.
    const QList<Document*> docs = next.mainWindow()->documents();
    ASSERT_EQ(docs.size(), 1);
    EXPECT_EQ(docs[0]->title(), "RuvoVIR1");
    EXPECT_TRUE(docs[0]->isModified());
    EXPECT_EQ(docs[0]->text()->toPlainText(), QStringLiteral("unsaved words"));
    // Marked as changed in the title too.
    EXPECT_EQ(next.mainWindow()->windowTitle(), QStringLiteral("Sorvel - RuvoVIR1[*]"));
    EXPECT_TRUE(next.mainWindow()->isWindowModified());
    EXPECT_FALSE(fs::exists(folder));
}

}  // namespace
}  // namespace sorvel::testing
