#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QClipboard>
#include <QListWidget>
#include <QLocalServer>
#include <QMenu>
#include <QTimer>
#include <chrono>
#include <fstream>
#include <future>
#include <set>

#include "app/DocumentWindow.h"
#include "app/FindReplaceDialog.h"
#include "app/ShellFixture.h"
#include "app/SingleInstance.h"
#include "app/SorvelApplication.h"
#include "app/WindowListDialog.h"
#include "shell/CommandIds.h"
#include "shell/CommandTable.h"

namespace sorvel::testing {
namespace {

// --- the title's mark ------------------------------------------------------------

TEST_F(ShellCommand, TheTitleMarksUnsavedChangesInEveryWindowUntilSavedOrUndone) {
    choose(command::WindowNew);
    const QList<DocumentWindow*> windows = frame->documentArea()->documentWindows();
    ASSERT_EQ(windows.size(), 2);
    auto marked = [&] {
        EXPECT_EQ(windows[0]->isWindowModified(), windows[1]->isWindowModified());
        return shownTitle(frame.get());
    };
    EXPECT_EQ(marked(), QStringLiteral("Sorvel - RuvoVIR1"));
    QTest::keyClicks(frame->activeView(), QStringLiteral("abc"));
    EXPECT_EQ(marked(), QStringLiteral("Sorvel - RuvoVIR1 *"));
    EXPECT_TRUE(windows[0]->isWindowModified());
    EXPECT_EQ(windows[1]->windowTitle(), QStringLiteral("RuvoVIR1:2 [*]"));

    choose(command::EditUndo);
    EXPECT_EQ(s().getWindowText(), "");
    EXPECT_EQ(marked(), QStringLiteral("Sorvel - RuvoVIR1"));
    EXPECT_FALSE(windows[0]->isWindowModified());
    choose(command::EditRedo);
    EXPECT_EQ(marked(), QStringLiteral("Sorvel - RuvoVIR1 *"));

    platform.expectFileDialog(dir.file("mark.rtf"));
    choose(command::FileSave);
    EXPECT_EQ(marked(), QStringLiteral("Sorvel - mark.rtf"));
    EXPECT_FALSE(windows[1]->isWindowModified());
}

// --- redo, quit and help --------------------------------------------------------------

TEST_F(ShellCommand, RedoComesAfterUndoWithItsKeysWhenThereIsSomethingToRedo) {
    QAction* redo = action(command::EditRedo);
    EXPECT_EQ(redo->text(), QStringLiteral("&Redo\tCtrl+Y"));
    EXPECT_EQ(redo->statusTip(), QStringLiteral("Redo the previously undone action"));
    QTest::keyClicks(frame->activeView(), QStringLiteral("dhamma"));
    frame->updateCommands();
    EXPECT_FALSE(redo->isEnabled());
    for (const QKeyCombination key :
         {QKeyCombination(Qt::ControlModifier, Qt::Key_Y),
          QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z)}) {
        QTest::keyClick(frame->activeView(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(s().getWindowText(), "");
        frame->updateCommands();
        EXPECT_TRUE(redo->isEnabled());
        QTest::keyClick(frame->activeView(), key.key(), key.keyboardModifiers());
        EXPECT_EQ(s().getWindowText(), "dhamma");
        frame->updateCommands();
        EXPECT_FALSE(redo->isEnabled());
    }
}

TEST_F(Shell, CtrlQQuitsAndF1OpensTheTopicToReadFirst) {
    frame->newDocument();
    frame->updateCommands();  // as the event loop does once the window is there
    QTest::keyClick(frame->activeView(), Qt::Key_F1);
    ASSERT_EQ(help.shown.size(), 1u);
    EXPECT_EQ(help.shown[0].first, "Important! Please read this!");
    EXPECT_EQ(action(command::AppExit)->text(), QStringLiteral("E&xit\tCtrl+Q"));
    QTest::keyClick(frame->activeView(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(frame->isVisible());
}

// --- the Window menu ------------------------------------------------------------

// The rows of the window list: label, with "*" for the check mark.
std::vector<std::string> windowRows(MainWindow& frame) {
    frame.updateCommands();
    std::vector<std::string> rows;
    for (QAction* a : frame.commands().windowListActions()) {
        if (!a->isSeparator()) {
            rows.push_back(a->text().toStdString() + (a->isChecked() ? "*" : ""));
        }
    }
    return rows;
}

TEST_F(Shell, TheWindowMenuListsTheWindowsAndActivatesTheOneChosen) {
    for (int i = 0; i < 3; ++i) {
        frame->newDocument();
    }
    EXPECT_EQ(windowRows(*frame),
              (std::vector<std::string>{"&1 RuvoVIR1", "&2 RuvoVIR2", "&3 RuvoVIR3*"}));
    QMenu* window = frame->commands().menus(true).at(6);
    ASSERT_EQ(window->title(), QStringLiteral("&Window"));
    EXPECT_TRUE(window->actions().contains(frame->commands().windowListActions().at(1)));
    frame->commands().windowListActions().at(1)->trigger();
    EXPECT_EQ(shownTitle(frame.get()), QStringLiteral("Sorvel - RuvoVIR1"));
    EXPECT_EQ(windowRows(*frame),
              (std::vector<std::string>{"&1 RuvoVIR1*", "&2 RuvoVIR2", "&3 RuvoVIR3"}));

    // Past nine windows: More Windows..., and its dialog activates any.
    for (int i = 0; i < 8; ++i) {
        frame->newDocument();
    }
    std::vector<std::string> rows = windowRows(*frame);
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[8], "&9 RuvoVIR11*");
    EXPECT_EQ(rows[9], "More Windows...");
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<WindowListDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Select Window"));
        EXPECT_EQ(dialog->list()->count(), 11);
        EXPECT_EQ(dialog->chosen(), 10) << "the active window is chosen at first";
        dialog->list()->setCurrentRow(9);
        dialog->accept();
    });
    frame->commands().windowListActions().back()->trigger();
    EXPECT_EQ(shownTitle(frame.get()), QStringLiteral("Sorvel - RuvoVIR10"));
}

// --- which commands can be chosen ---------------------------------------------------

TEST_F(Shell, OnlyTheTrueTogglesAreCheckable) {
    const std::set<int> toggles = {command::Bold,
                                   command::Italic,
                                   command::Underline,
                                   command::StrikeOut,
                                   command::AlignLeft,
                                   command::AlignCenter,
                                   command::AlignRight,
                                   command::Bullets,
                                   command::ToggleUserTable,
                                   command::TogglePaliEntry,
                                   command::ViewToolbar,
                                   command::ViewStatusBar};
    for (const Command& c : commandTable()) {
        ASSERT_NE(action(c.id), nullptr) << c.id;
        EXPECT_EQ(action(c.id)->isCheckable(), toggles.count(c.id) == 1) << c.id;
    }
}

TEST_F(ShellCommand, PasteFollowsTheClipboardAndTheSearchCommandsNeedTextAndASearch) {
    auto enabled = [this](int id) {
        frame->updateCommands();
        return action(id)->isEnabled();
    };
    QApplication::clipboard()->clear();
    EXPECT_FALSE(enabled(command::EditPaste));
    EXPECT_FALSE(enabled(command::EditPasteSpecial));
    QApplication::clipboard()->setText(QStringLiteral("sati"));
    EXPECT_TRUE(enabled(command::EditPaste));
    EXPECT_TRUE(enabled(command::EditPasteSpecial));

    for (const int id :
         {command::EditSelectAll, command::EditFind, command::EditReplace, command::EditFindNext}) {
        EXPECT_FALSE(enabled(id)) << id << " in an empty document";
    }
    setText("sati sampajanna");
    for (const int id : {command::EditSelectAll, command::EditFind, command::EditReplace}) {
        EXPECT_TRUE(enabled(id)) << id;
    }
    EXPECT_FALSE(enabled(command::EditFindNext)) << "nothing looked for yet";
    choose(command::EditFind);
    ASSERT_NE(frame->findDialog(), nullptr);
    frame->findDialog()->setFindWhat("sati");
    emit frame->findDialog()->findNextRequested();
    EXPECT_TRUE(enabled(command::EditFindNext));
}

// --- files from the command line and from later starts ---------------------------------

void writeFile(const std::string& path) {
    std::ofstream(path, std::ios::binary) << "{\\rtf1\\ansi text\\par}";
}

TEST(SorvelApplication, EveryFileOpensInItsOwnWindowAndLaterStartsAddTheirs) {
    TempDirectory dir;
    ScriptedPlatform platform;
    TransliterationState state;
    QSettings settings(QString::fromStdString(dir.file("s.ini")), QSettings::IniFormat);
    writeFile(dir.file("a.rtf"));
    writeFile(dir.file("b.rtf"));
    writeFile(dir.file("c.rtf"));
    SorvelApplication app(&platform, &settings, &state);
    platform.expectMessage(dir.file("none.rtf") +
                           "\nCannot find this file.\nPlease verify that the correct path and "
                           "file name are given.");
    ASSERT_TRUE(app.initInstance({dir.file("a.rtf"), dir.file("none.rtf"), dir.file("b.rtf")}));
    EXPECT_TRUE(platform.scriptDone());
    EXPECT_EQ(app.mainWindow()->documents().size(), 2);
    EXPECT_EQ(shownTitle(app.mainWindow()), QStringLiteral("Sorvel - b.rtf"));

    app.mainWindow()->showMinimized();
    app.takeRequest({{dir.file("c.rtf")}});
    EXPECT_EQ(shownTitle(app.mainWindow()), QStringLiteral("Sorvel - c.rtf"));
    EXPECT_FALSE(app.mainWindow()->isMinimized());
    app.takeRequest({});
    EXPECT_EQ(shownTitle(app.mainWindow()), QStringLiteral("Sorvel - RuvoVIR1"));
    EXPECT_EQ(app.mainWindow()->documents().size(), 4);
}

// A request handed over from another thread, as a later start hands it over
// from another process, while this one runs its event loop.
bool handOverFromElsewhere(const QString& name, const InstanceRequest& request) {
    std::future<bool> done = std::async(std::launch::async, [name, request] {
        return SingleInstance(name).handOver(request, 5000);
    });
    while (done.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
        QCoreApplication::processEvents();
    }
    return done.get();
}

TEST(SingleInstance, ALaterStartHandsItsRequestToTheOneListening) {
    TempDirectory dir;
    const QString name = QString::fromStdString(dir.file("sock"));
    SingleInstance running(name);
    ASSERT_TRUE(running.listen());
    std::vector<InstanceRequest> received;
    QObject::connect(&running, &SingleInstance::requested,
                     [&](const InstanceRequest& r) { received.push_back(r); });
    const InstanceRequest request{{"/home/ann/a.rtf", "/home/ann/b c.rtf"}};
    EXPECT_TRUE(handOverFromElsewhere(name, request));
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0], request);
    EXPECT_FALSE(SingleInstance(name).listen()) << "one listens already";
}

TEST(SingleInstance, ASilentProgramCountsAsNotThereAndIsLeftAlone) {
    TempDirectory dir;
    const QString name = QString::fromStdString(dir.file("sock"));
    QLocalServer silent;  // accepts, but this thread never reads
    ASSERT_TRUE(silent.listen(name));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(SingleInstance(name).handOver({{"/a.rtf"}}));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    SingleInstance second(name);
    EXPECT_FALSE(second.listen());
    EXPECT_TRUE(silent.isListening());
}

TEST(SingleInstance, ASocketLeftByACrashIsTakenOver) {
    TempDirectory dir;
    const std::string path = dir.file("sock");
    // A socket file with no program behind it, as a crash leaves it.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    const QString name = QString::fromStdString(path);
    EXPECT_FALSE(SingleInstance(name).handOver({{"/a.rtf"}}));
    SingleInstance running(name);
    ASSERT_TRUE(running.listen());
    EXPECT_TRUE(handOverFromElsewhere(name, {}));
}

}  // namespace
}  // namespace sorvel::testing
