#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QSettings>
#include <QTest>
#include <QWindow>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/CommandActions.h"
#include "app/EditorView.h"
#include "app/MainWindow.h"
#include "editor/TransliterationState.h"
#include "help/HelpWindow.h"
#include "qt/QtSurface.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDirectory.h"
#include "support/TestView.h"

namespace sorvel::testing {

// The title that the desktop shows for a top-level window: the mark of
// unsaved changes put in or left out.
inline QString shownTitle(QWidget* window) {
    return window->windowHandle() ? window->windowHandle()->title() : QString();
}

// A help window that records what it was asked to show.
class RecordingHelp : public HelpWindow {
  public:
    void run(const std::string& caption, const std::string& text) override {
        shown.emplace_back(caption, text);
    }
    std::vector<std::pair<std::string, std::string>> shown;
};

// The main window as the program makes it, with a scripted platform, a
// settings store in a temporary folder (also the working directory) and a
// transliteration state of its own; no document window yet.
class Shell : public ::testing::Test {
  protected:
    void SetUp() override {
        settings = std::make_unique<QSettings>(QString::fromStdString(dir.file("settings.ini")),
                                               QSettings::IniFormat);
        frame = std::make_unique<MainWindow>(platform, state, settings.get());
        frame->setHelpWindow(&help);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        QApplication::setActiveWindow(frame.get());
    }

    QAction* action(int id) { return frame->commands().action(id); }
    // Runs a command from its menu row, as a click on it does.
    void choose(int id) {
        frame->updateCommands();
        QAction* a = action(id);
        ASSERT_NE(a, nullptr) << id;
        ASSERT_TRUE(a->isEnabled()) << id << " is enabled";
        a->trigger();
    }

    TempDirectory dir;
    ScriptedPlatform platform;
    TransliterationState state;
    RecordingHelp help;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<MainWindow> frame;
};

// A document window whose text is in "VriRomanPali CN", with that font as
// the default Pali font.
class ShellCommand : public Shell {
  protected:
    void SetUp() override {
        Shell::SetUp();
        frame->newDocument();
        state.defaultPaliFormat = face("VriRomanPali CN");
        state.defaultPaliFormat.mask = charmask::All;
    }
    QtSurface& s() { return frame->activeView()->surface(); }
    void setText(std::string_view text, std::string_view faceName = "VriRomanPali CN") {
        s().setWindowText(text);
        s().setSel(0, -1);
        FontDescription f = face(faceName);
        f.mask = charmask::Face;
        s().setCharFormat(f);
    }
};

}  // namespace sorvel::testing
