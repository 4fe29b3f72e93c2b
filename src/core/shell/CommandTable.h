#pragma once

#include <string_view>
#include <vector>

#include "editor/CommandStatus.h"
#include "editor/ViewContext.h"
#include "shell/ShellCommands.h"

namespace sorvel {

// The menus of the main window's menu bar.
enum class Menu { None, File, Edit, Format, GeneralTransliteration, Pali, View, Window, Help };

// Who runs a command: the active editor view (with a handler of its own or as
// a help topic), or the shell.
enum class Route { View, HelpTopic, Shell };

// One command of the program: where it stands in the menus and on the
// toolbar, its keys, its status-bar prompt and tooltip, and its handler.
//
// The rows of a menu stand in the table's order. The Help menu is laid out
// by the help topics (helpMenuLayout); its rows are in the table as well,
// one per topic, so that every command has its row.
struct Command {
    int id = 0;
    // The menu row's text: "&" marks the access key, "\t" the shortcut text.
    std::string_view label{};
    Menu menu = Menu::None;
    bool separatorBefore = false;
    // Also in the menu shown while no document window is active, and usable
    // then; every other command needs a document window.
    bool withoutDocument = false;
    int toolbar = 0;  // the button's place from 1 on the left; 0 for none
    bool toolbarSeparatorBefore = false;
    std::string_view icon{};  // the toolbar image's name
    // The keys, in portable text, alternatives separated by "; ".
    std::string_view keys{};
    // The keys are the document window's own: they act only while one is
    // active, and the editor view takes them before any other binding.
    bool documentKeys = false;
    // The status-bar prompt, "\n", and the tooltip.
    std::string_view strings{};
    Route route = Route::View;
    void (*run)(ViewContext& view) = nullptr;
    void (*update)(ViewContext& view, CommandStatus& status) = nullptr;
    void (ShellCommands::*shell)() = nullptr;
    void (ShellCommands::*shellUpdate)(CommandStatus& status) = nullptr;
    // A true toggle: its menu row shows a check mark and its toolbar button
    // stays pressed while its update handler says it is on. Other commands
    // with an update handler are only enabled and greyed by it.
    bool checkable = false;
    // Set for a command that stays in its place but can never be chosen: why.
    std::string_view unavailable{};

    std::string_view prompt() const { return strings.substr(0, strings.find('\n')); }
    std::string_view tooltip() const {
        const std::size_t at = strings.find('\n');
        return at == std::string_view::npos ? std::string_view() : strings.substr(at + 1);
    }
};

// Every command, File menu first; each menu's rows in menu order, then the
// help topics of the Help menu, then the commands that have no menu row.
const std::vector<Command>& commandTable();
// The row of `id`, or none.
const Command* findCommand(int id);
// The toolbar's commands from left to right.
std::vector<const Command*> toolbarCommands();
// The rows of one menu in order (for the Help menu, its topics and About).
std::vector<const Command*> menuCommands(Menu menu);
// The menu's title in the menu bar.
std::string_view menuTitle(Menu menu);

// The number of recent files the File menu keeps.
inline constexpr int kRecentFileCount = 16;
// The prompt of a recent file's row.
inline constexpr std::string_view kRecentFilePrompt = "Open this document";
// The status bar's prompt while nothing is being pointed at.
inline constexpr std::string_view kIdlePrompt = "Ready";

}  // namespace sorvel
