#include "app/CommandTable.h"

#include <algorithm>
#include <array>
#include <deque>
#include <string>

#include "app/CommandIds.h"
#include "help/HelpMenuLayout.h"
#include "help/HelpTopics.h"
#include "palifont/DefaultPaliFont.h"
#include "translit/CscdPaste.h"
#include "translit/PaliFontConversion.h"
#include "translit/StandardConversion.h"
#include "usertable/FontCodeReference.h"
#include "usertable/LoadTable.h"
#include "usertable/TableAuthoring.h"
#include "view/EditCommands.h"
#include "view/FormattingCommands.h"

namespace sorvel {

namespace {

using F = FormattingCommands;
using E = EditCommands;
using S = ShellCommands;

void updatePaliEntry(ViewContext& view, CommandStatus& status) {
    updatePaliEntryCommand(view.state, status);
}

void updateUserTable(ViewContext& view, CommandStatus& status) {
    updateUserTransliterationCommand(view.state, status);
}

template <ExampleTable example>
void insertExample(ViewContext& view) {
    insertExampleTable(view, example);
}

constexpr std::string_view kNoObjects =
    "Not available: a Sorvel document holds text and its formats, no embedded objects";

// The rows of every menu but Help in menu order, then the Help menu's rows
// that are not help topics, then the commands without a menu row. The help
// topics of the File and General Transliteration menus stand here with an
// empty label (the topic's title is the label); the Help menu's topics are
// added from the topic table.
const std::array kRows = {
    // File
    Command{.id = 32835, .menu = Menu::File, .route = Route::HelpTopic},
    Command{.id = command::FileNew,
            .label = "&New\tCtrl+N",
            .menu = Menu::File,
            .separatorBefore = true,
            .withoutDocument = true,
            .toolbar = 1,
            .icon = "new",
            .keys = "Ctrl+N",
            .strings = "Create a new document\nNew",
            .route = Route::Shell,
            .shell = &S::fileNew},
    Command{.id = command::FileOpen,
            .label = "&Open...\tCtrl+O",
            .menu = Menu::File,
            .withoutDocument = true,
            .toolbar = 2,
            .icon = "open",
            .keys = "Ctrl+O",
            .strings = "Open an existing document\nOpen",
            .route = Route::Shell,
            .shell = &S::fileOpen},
    Command{.id = command::FileClose,
            .label = "&Close",
            .menu = Menu::File,
            .strings = "Close the active document\nClose",
            .route = Route::Shell,
            .shell = &S::fileClose},
    Command{.id = command::FileSave,
            .label = "&Save\tCtrl+S",
            .menu = Menu::File,
            .toolbar = 3,
            .icon = "save",
            .keys = "Ctrl+S",
            .strings = "Save the active document\nSave",
            .route = Route::Shell,
            .shell = &S::fileSave},
    Command{.id = command::FileSaveAs,
            .label = "Save &As...",
            .menu = Menu::File,
            .strings = "Save the active document with a new name\nSave As",
            .route = Route::Shell,
            .shell = &S::fileSaveAs},
    Command{.id = command::FilePrint,
            .label = "&Print...\tCtrl+P",
            .menu = Menu::File,
            .separatorBefore = true,
            .toolbar = 5,
            .icon = "print",
            .keys = "Ctrl+P",
            .strings = "Print the active document\nPrint",
            .route = Route::Shell,
            .shell = &S::filePrint},
    Command{.id = command::FilePrintPreview,
            .label = "Print Pre&view",
            .menu = Menu::File,
            .toolbar = 4,
            .toolbarSeparatorBefore = true,
            .icon = "preview",
            .strings = "Display full pages\nPrint Preview",
            .route = Route::Shell,
            .shell = &S::filePrintPreview},
    Command{.id = command::FilePrintSetup,
            .label = "P&rint Setup...",
            .menu = Menu::File,
            .withoutDocument = true,
            .strings = "Change the printer and printing options\nPrint Setup",
            .route = Route::Shell,
            .shell = &S::filePrintSetup},
    Command{.id = command::RecentFirst,
            .label = "Recent File",
            .menu = Menu::File,
            .separatorBefore = true,
            .withoutDocument = true,
            .strings = "Open this document",
            .route = Route::Shell},
    Command{.id = command::AppExit,
            .label = "E&xit",
            .menu = Menu::File,
            .separatorBefore = true,
            .withoutDocument = true,
            .strings = "Quit the application; prompts to save documents\nExit",
            .route = Route::Shell,
            .shell = &S::appExit},
    // Edit
    Command{.id = command::EditUndo,
            .label = "&Undo\tCtrl+Z",
            .menu = Menu::Edit,
            .keys = "Ctrl+Z; Alt+Backspace",
            .strings = "Undo the last action\nUndo",
            .run = E::undo,
            .update = E::updateUndo},
    Command{.id = command::EditSelectAll,
            .label = "Select A&ll\tCtrl+A",
            .menu = Menu::Edit,
            .separatorBefore = true,
            .toolbar = 6,
            .toolbarSeparatorBefore = true,
            .icon = "selectall",
            .keys = "Ctrl+A",
            .strings = "Select the entire document\nSelect All",
            .run = E::selectAll},
    Command{.id = command::EditCut,
            .label = "Cu&t\tCtrl+X",
            .menu = Menu::Edit,
            .toolbar = 7,
            .icon = "cut",
            .keys = "Ctrl+X; Shift+Del",
            .strings = "Cut the selection and put it on the Clipboard\nCut",
            .run = E::cut,
            .update = E::updateSelection},
    Command{.id = command::EditCopy,
            .label = "&Copy\tCtrl+C",
            .menu = Menu::Edit,
            .toolbar = 8,
            .icon = "copy",
            .keys = "Ctrl+C; Ctrl+Ins",
            .strings = "Copy the selection and put it on the Clipboard\nCopy",
            .run = E::copy,
            .update = E::updateSelection},
    Command{.id = command::EditPaste,
            .label = "&Paste\tCtrl+V",
            .menu = Menu::Edit,
            .toolbar = 9,
            .icon = "paste",
            .keys = "Ctrl+V; Shift+Ins",
            .strings = "Insert Clipboard contents\nPaste",
            .run = E::paste},
    Command{.id = command::EditPasteSpecial,
            .label = "Paste &Special...",
            .menu = Menu::Edit,
            .strings = "Insert Clipboard contents with options\nPaste Special",
            .route = Route::Shell,
            .shell = &S::editPasteSpecial},
    Command{.id = command::CopyAllText,
            .label = "Copy All Text To Clipboard\tCtrl-W",
            .menu = Menu::Edit,
            .separatorBefore = true,
            .toolbar = 10,
            .toolbarSeparatorBefore = true,
            .icon = "copyall",
            .keys = "Ctrl+W",
            .documentKeys = true,
            .strings = "Copy All Text to Clipboard\nCopy All Text to Clipboard (Ctrl-W)",
            .run = F::copyAllText},
    Command{.id = command::EditFind,
            .label = "&Find...\tCtrl+F",
            .menu = Menu::Edit,
            .separatorBefore = true,
            .keys = "Ctrl+F",
            .strings = "Find the specified text\nFind",
            .route = Route::Shell,
            .shell = &S::editFind},
    Command{.id = command::EditFindNext,
            .label = "F&ind Next\tF3",
            .menu = Menu::Edit,
            .keys = "F3",
            .strings = "Repeat the last action\nRepeat",
            .route = Route::Shell,
            .shell = &S::editFindNext,
            .shellUpdate = &S::updateFindNext},
    Command{.id = command::EditReplace,
            .label = "R&eplace\tCtrl+H",
            .menu = Menu::Edit,
            .keys = "Ctrl+H",
            .strings = "Replace specific text with different text\nReplace",
            .route = Route::Shell,
            .shell = &S::editReplace},
    Command{.id = command::InsertObject,
            .label = "Insert &New Object...",
            .menu = Menu::Edit,
            .separatorBefore = true,
            .strings = "Not available: a Sorvel document holds text and its formats, no embedded "
                       "objects\nInsert New Object (not available: documents hold text only)",
            .route = Route::Shell,
            .unavailable = kNoObjects},
    Command{.id = command::EditLinks,
            .label = "Lin&ks...",
            .menu = Menu::Edit,
            .strings = "Not available: a Sorvel document holds no linked objects\nLinks (not "
                       "available: documents hold text only)",
            .route = Route::Shell,
            .unavailable = kNoObjects},
    Command{.id = command::ObjectProperties,
            .label = "Object P&roperties\tAlt+Enter",
            .menu = Menu::Edit,
            .keys = "Alt+Return; Alt+Enter",
            .strings = "Not available: a Sorvel document holds no objects whose properties "
                       "could be shown\nObject Properties (not available: documents hold text "
                       "only)",
            .route = Route::Shell,
            .unavailable = kNoObjects},
    Command{.id = command::ObjectVerbs,
            .label = "&Object",
            .menu = Menu::Edit,
            .strings = "Not available: no object is selected, a Sorvel document holds text "
                       "only\nObject (not available)",
            .route = Route::Shell,
            .unavailable = kNoObjects},
    // Format
    Command{.id = command::SetDefaultFont,
            .label = "Set Default Font - NO Transliteration",
            .menu = Menu::Format,
            .toolbar = 21,
            .toolbarSeparatorBefore = true,
            .icon = "plainfont",
            .strings = "Set Default Font - NO Transliteration\nSet Default Font - NO "
                       "Transliteration",
            .run = F::setDefaultFont},
    Command{.id = command::ChangeSelectionFont,
            .label = "Change Font of Selected Text\tCtrl+Shift+F",
            .menu = Menu::Format,
            .toolbar = 22,
            .icon = "selectionfont",
            .keys = "Ctrl+Shift+F",
            .documentKeys = true,
            .strings = "Change Font of Selected Text (Ctrl-Shift-F)\nChange Font of Selected "
                       "Text (Ctrl+Shift+F)",
            .run = F::changeSelectionFont},
    // General Transliteration
    Command{.id = 32819, .menu = Menu::GeneralTransliteration, .route = Route::HelpTopic},
    Command{.id = 32826,
            .menu = Menu::GeneralTransliteration,
            .separatorBefore = true,
            .route = Route::HelpTopic},
    Command{.id = command::FontCodeReference,
            .label = "Make a font code reference table",
            .menu = Menu::GeneralTransliteration,
            .strings = "Make a font code reference table\nMake a font code reference table",
            .run = makeFontCodeReferenceTable},
    Command{.id = 32825,
            .menu = Menu::GeneralTransliteration,
            .separatorBefore = true,
            .route = Route::HelpTopic},
    Command{.id = command::ExampleNorwegian,
            .label = "Example: Norwegian",
            .menu = Menu::GeneralTransliteration,
            .strings = "Example: Norwegian\nExample: Norwegian",
            .run = insertExample<ExampleTable::Norwegian>},
    Command{.id = command::ExampleSinhalese,
            .label = "Example: Sinhalese",
            .menu = Menu::GeneralTransliteration,
            .strings = "Example: Sinhalese\nExample: Sinhalese",
            .run = insertExample<ExampleTable::Sinhalese>},
    Command{.id = command::ExampleWestern,
            .label = "Example: 12 Western Languages",
            .menu = Menu::GeneralTransliteration,
            .strings = "Example: 12 Western Languages\nExample: 12 Western Languages",
            .run = insertExample<ExampleTable::WesternLanguages>},
    Command{.id = command::TableInstructions,
            .label = "Show me the Transliteration instructions",
            .menu = Menu::GeneralTransliteration,
            .separatorBefore = true,
            .strings = "Show me the Transliteration instructions\nShow me the Transliteration "
                       "instructions",
            .run = showTableInstructions},
    Command{.id = command::CreateTable,
            .label = "Create a Transliteration Table",
            .menu = Menu::GeneralTransliteration,
            .strings = "Create a Transliteration Table\nCreate a Transliteration Table",
            .run = createTransliterationTable},
    Command{.id = command::SaveTable,
            .label = "Save a Transliteration Table",
            .menu = Menu::GeneralTransliteration,
            .strings = "Save a Transliteration Table\nSave a Transliteration Table",
            .run = saveTransliterationTable},
    Command{.id = command::OpenTableForEditing,
            .label = "Open a Transliteration Table for Editing",
            .menu = Menu::GeneralTransliteration,
            .strings = "Open a Transliteration Table for Editing\nOpen a Transliteration Table "
                       "for Editing",
            .run = openTableForEditing},
    Command{.id = command::LoadTable,
            .label = "Load a Transliteration Table",
            .menu = Menu::GeneralTransliteration,
            .strings = "Load a Transliteration Table\nLoad a Transliteration Table",
            .run = loadTransliterationTable},
    Command{.id = command::UnloadTable,
            .label = "Unload Your Transliteration Table",
            .menu = Menu::GeneralTransliteration,
            .strings = "Unload Your Transliteration Table\nUnload Your Transliteration Table",
            .run = unloadTransliterationTable},
    // Pali
    Command{.id = command::TogglePaliEntry,
            .label = "Activate or Deactivate Pali Transliteration\tCtrl+J",
            .menu = Menu::Pali,
            .toolbar = 24,
            .toolbarSeparatorBefore = true,
            .icon = "palientry",
            .keys = "Ctrl+J",
            .documentKeys = true,
            .strings = "Activate or Deactivate Pali Transliteration\nActivate or Deactivate "
                       "Pali Transliteration (Ctrl+J)",
            .run = togglePaliEntry,
            .update = updatePaliEntry},
    Command{.id = command::ChangeDefaultPaliFont,
            .label = "Change Default Pali Font",
            .menu = Menu::Pali,
            .toolbar = 25,
            .icon = "palifont",
            .strings = "Change Pali font for Transliteraton\nChange Default Pali Font",
            .run = changeDefaultPaliFont},
    Command{.id = command::PasteFromCscd,
            .label = "Paste from CSCD",
            .menu = Menu::Pali,
            .toolbar = 26,
            .icon = "cscd",
            .strings = "Paste Text From CSCD\nPaste from CSCD",
            .run = pasteFromCscd},
    Command{.id = command::ConvertPaliFont,
            .label = "Convert Pali Font of Selected Text",
            .menu = Menu::Pali,
            .toolbar = 27,
            .icon = "convertpali",
            .strings = "Convert Pali Font of Selected Text\nConvert Pali Font of Selected Text",
            .run = convertPaliFontOfSelection},
    Command{.id = command::PaliFontToStandard,
            .label = "Pali Font to Standard Transliteration",
            .menu = Menu::Pali,
            .separatorBefore = true,
            .toolbar = 28,
            .toolbarSeparatorBefore = true,
            .icon = "palitostandard",
            .strings = "Pali Font to Standard Transliteration\nPali Font to Standard "
                       "Transliteration",
            .run = paliFontToStandard},
    Command{.id = command::StandardToPaliFont,
            .label = "Standard transliteration to Pali Font",
            .menu = Menu::Pali,
            .toolbar = 29,
            .icon = "standardtopali",
            .strings = "Standard transliteration to Pali Font\nStandard transliteration to "
                       "Pali Font",
            .run = standardToPaliFont},
    Command{.id = command::CopyAsUnicode,
            .label = "Copy as Unicode",
            .menu = Menu::Pali,
            .separatorBefore = true,
            .toolbar = 30,
            .toolbarSeparatorBefore = true,
            .icon = "copyunicode",
            .strings = "Copy the selected text to the clipboard in Unicode, for other "
                       "programs\nCopy as Unicode",
            .route = Route::Shell,
            .shell = &S::copyAsUnicode,
            .shellUpdate = &S::updateCopyAsUnicode},
    Command{.id = command::PasteUnicodePali,
            .label = "Paste Unicode Pali",
            .menu = Menu::Pali,
            .toolbar = 31,
            .icon = "pasteunicode",
            .strings = "Paste Unicode text from the clipboard in the default Pali font\nPaste "
                       "Unicode Pali",
            .route = Route::Shell,
            .shell = &S::pasteUnicodePali},
    Command{.id = command::ExportAsUnicode,
            .label = "Export as Unicode...",
            .menu = Menu::Pali,
            .toolbar = 32,
            .icon = "exportunicode",
            .strings = "Save a copy of the whole document in Unicode, as UTF-8 text or RTF\nExport "
                       "as Unicode",
            .route = Route::Shell,
            .shell = &S::exportAsUnicode},
    Command{.id = command::ChangeUnicodeFont,
            .label = "Change Unicode Font",
            .menu = Menu::Pali,
            .strings = "Change the Unicode font in which Pali text is copied and exported\nChange "
                       "Unicode Font",
            .route = Route::Shell,
            .shell = &S::changeUnicodeFont},
    // View
    Command{.id = command::ViewToolbar,
            .label = "&Toolbar",
            .menu = Menu::View,
            .withoutDocument = true,
            .strings = "Show or hide the toolbar\nToggle ToolBar",
            .route = Route::Shell,
            .shell = &S::viewToolbar,
            .shellUpdate = &S::updateViewToolbar},
    Command{.id = command::ViewStatusBar,
            .label = "&Status Bar",
            .menu = Menu::View,
            .withoutDocument = true,
            .strings = "Show or hide the status bar\nToggle StatusBar",
            .route = Route::Shell,
            .shell = &S::viewStatusBar,
            .shellUpdate = &S::updateViewStatusBar},
    // Window
    Command{.id = command::WindowNew,
            .label = "&New Window",
            .menu = Menu::Window,
            .strings = "Open another window for the active document\nNew Window",
            .route = Route::Shell,
            .shell = &S::windowNew},
    Command{.id = command::WindowCascade,
            .label = "&Cascade",
            .menu = Menu::Window,
            .strings = "Arrange windows so they overlap\nCascade Windows",
            .route = Route::Shell,
            .shell = &S::windowCascade},
    Command{.id = command::WindowTile,
            .label = "&Tile",
            .menu = Menu::Window,
            .strings = "Arrange windows as non-overlapping tiles\nTile Windows",
            .route = Route::Shell,
            .shell = &S::windowTile},
    Command{.id = command::WindowArrange,
            .label = "&Arrange Icons",
            .menu = Menu::Window,
            .strings = "Arrange icons at the bottom of the window\nArrange Icons",
            .route = Route::Shell,
            .shell = &S::windowArrange},
    // Help: the About box; the topics follow from the topic table.
    Command{.id = command::AppAbout,
            .label = kAboutLabel,
            .menu = Menu::Help,
            .separatorBefore = true,
            .withoutDocument = true,
            .toolbar = 34,
            .icon = "about",
            .strings = "Display program information, version number and copyright\nAbout",
            .route = Route::Shell,
            .shell = &S::appAbout},
    // Toolbar buttons and keys without a menu row.
    Command{.id = command::Bold,
            .toolbar = 11,
            .toolbarSeparatorBefore = true,
            .icon = "bold",
            .keys = "Ctrl+B",
            .documentKeys = true,
            .strings = "Set the current selection to Bold\nBold (Ctrl+B)",
            .run = F::toggleBold,
            .update = F::updateBold},
    Command{.id = command::Italic,
            .toolbar = 12,
            .icon = "italic",
            .keys = "Ctrl+I",
            .documentKeys = true,
            .strings = "Set the current selection to Italicf\nItalic (Ctrl+I)",
            .run = F::toggleItalic,
            .update = F::updateItalic},
    Command{.id = command::Underline,
            .toolbar = 13,
            .icon = "underline",
            .keys = "Ctrl+U",
            .documentKeys = true,
            .strings = "Underline the current selectionf\nUnderline (Ctrl+U)",
            .run = F::toggleUnderline,
            .update = F::updateUnderline},
    Command{.id = command::StrikeOut,
            .toolbar = 14,
            .icon = "strikeout",
            .keys = "Ctrl+Shift+S",
            .documentKeys = true,
            .strings = "Strikethrough the current selection\nStrikethrough (Ctrl+Shift+S)",
            .run = F::toggleStrikeout,
            .update = F::updateStrikeout},
    Command{.id = command::AlignLeft,
            .toolbar = 15,
            .toolbarSeparatorBefore = true,
            .icon = "left",
            .keys = "Ctrl+L",
            .documentKeys = true,
            .strings = "Left Align Paragraph\nLeft Align (Ctrl+L)",
            .run = F::alignLeft,
            .update = F::updateAlignLeft},
    Command{.id = command::AlignCenter,
            .toolbar = 16,
            .icon = "center",
            .keys = "Ctrl+E",
            .documentKeys = true,
            .strings = "Center align paragraph text\nCenter (Ctrl+E)",
            .run = F::alignCenter,
            .update = F::updateAlignCenter},
    Command{.id = command::AlignRight,
            .toolbar = 17,
            .icon = "right",
            .keys = "Ctrl+R",
            .documentKeys = true,
            .strings = "Right align paragraph text\nRight (Ctrl+R)",
            .run = F::alignRight,
            .update = F::updateAlignRight},
    Command{.id = command::Bullets,
            .toolbar = 18,
            .toolbarSeparatorBefore = true,
            .icon = "bullets",
            .keys = "Ctrl+Shift+B",
            .documentKeys = true,
            .strings = "Set the current paragraph to bullet style\nBullets (Ctrl+Shift+B)",
            .run = F::toggleBullets,
            .update = F::updateBullets},
    Command{.id = command::IncreaseIndent,
            .toolbar = 19,
            .toolbarSeparatorBefore = true,
            .icon = "indent",
            .keys = "Ctrl+T",
            .documentKeys = true,
            .strings = "Increase Indent of the selected paragraph\nIncrease Indent (Ctrl+T)",
            .run = F::increaseIndent},
    Command{.id = command::DecreaseIndent,
            .toolbar = 20,
            .icon = "outdent",
            .keys = "Ctrl+Shift+T",
            .documentKeys = true,
            .strings = "Decrease Indent of the selected paragraph\nDecrease Indent "
                       "(Ctrl+Shift+T)",
            .run = F::decreaseIndent},
    Command{.id = command::ToggleUserTable,
            .toolbar = 23,
            .toolbarSeparatorBefore = true,
            .icon = "usertable",
            .strings = "Turn User Defined transliteration On / Off\nTurn User Defined "
                       "Transliteration On/Off",
            .run = toggleUserTransliteration,
            .update = updateUserTable},
};

// What the string table says of a help topic's command, where it says
// anything; other topics show their title.
struct TopicExtras {
    int id;
    std::string_view strings;
    int toolbar;
    std::string_view icon;
};
constexpr std::array kTopicExtras = {
    TopicExtras{32834, "Test\nTest", 0, ""},
    TopicExtras{command::RightSpeech,
                "Right Speech - The Ultimate Grammar Checker\nRight Speech - The Ultimate "
                "Grammar Checker",
                33, "rightspeech"},
    TopicExtras{32852, "How you can help everyone!\nHow you can help everyone!", 0, ""},
};

// The title of a topic as both prompt and tooltip, kept for the table's life.
std::string_view titleStrings(const HelpTopic& topic) {
    static std::deque<std::string> store;  // a deque keeps its strings in place
    store.push_back(std::string(topic.title) + "\n" + std::string(topic.title));
    return store.back();
}

void describeTopic(Command& row, const HelpTopic& topic) {
    row.label = topic.title;
    row.route = Route::HelpTopic;
    row.strings = titleStrings(topic);
    for (const TopicExtras& extra : kTopicExtras) {
        if (extra.id == topic.commandId) {
            row.strings = extra.strings;
            row.toolbar = extra.toolbar;
            row.toolbarSeparatorBefore = extra.toolbar != 0;
            row.icon = extra.icon;
        }
    }
}

std::vector<Command> buildTable() {
    std::vector<Command> table(kRows.begin(), kRows.end());
    for (Command& row : table) {
        if (row.route == Route::HelpTopic) {
            describeTopic(row, *findHelpTopic(row.id));
        }
    }
    // The Help menu's topics go before About, in the menu's order.
    auto about = std::find_if(table.begin(), table.end(),
                              [](const Command& c) { return c.id == command::AppAbout; });
    std::vector<Command> topics;
    for (const HelpTopic& topic : helpTopics()) {
        if (findHelpTopic(topic.commandId) == &topic &&
            std::none_of(table.begin(), table.end(),
                         [&](const Command& c) { return c.id == topic.commandId; })) {
            Command row{.id = topic.commandId, .menu = Menu::Help};
            describeTopic(row, topic);
            topics.push_back(row);
        }
    }
    table.insert(about, topics.begin(), topics.end());
    return table;
}

}  // namespace

const std::vector<Command>& commandTable() {
    static const std::vector<Command> table = buildTable();
    return table;
}

const Command* findCommand(int id) {
    for (const Command& c : commandTable()) {
        if (c.id == id) {
            return &c;
        }
    }
    return nullptr;
}

std::vector<const Command*> toolbarCommands() {
    std::vector<const Command*> out;
    for (const Command& c : commandTable()) {
        if (c.toolbar > 0) {
            out.push_back(&c);
        }
    }
    std::sort(out.begin(), out.end(),
              [](const Command* a, const Command* b) { return a->toolbar < b->toolbar; });
    return out;
}

std::vector<const Command*> menuCommands(Menu menu) {
    std::vector<const Command*> out;
    for (const Command& c : commandTable()) {
        if (c.menu == menu) {
            out.push_back(&c);
        }
    }
    return out;
}

std::string_view menuTitle(Menu menu) {
    switch (menu) {
        case Menu::File:
            return "&File";
        case Menu::Edit:
            return "&Edit";
        case Menu::Format:
            return "F&ormat";
        case Menu::GeneralTransliteration:
            return "General &Transliteration";
        case Menu::Pali:
            return "&Pali";
        case Menu::View:
            return "&View";
        case Menu::Window:
            return "&Window";
        case Menu::Help:
            return "&Help";
        case Menu::None:
            break;
    }
    return {};
}

}  // namespace sorvel
