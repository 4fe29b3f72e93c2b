#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "app/DocumentWindow.h"
#include "app/EditorView.h"
#include "app/ShellFixture.h"
#include "shell/CommandIds.h"

namespace sorvel::testing {
namespace {

// A menu as rows of text: "label|id" for a command, "-" for a separator,
// "> title" ... "<" around a sub-menu. Hidden rows are left out.
void flatten(const QMenu* menu, std::vector<std::string>& out) {
    for (QAction* a : menu->actions()) {
        if (!a->isVisible()) {
            continue;
        }
        if (a->isSeparator()) {
            out.push_back("-");
        } else if (a->menu()) {
            out.push_back("> " + a->text().toStdString());
            flatten(a->menu(), out);
            out.push_back("<");
        } else {
            out.push_back(a->text().toStdString() + "|" + std::to_string(a->data().toInt()));
        }
    }
}

std::vector<std::string> menuBar(QMenuBar* bar) {
    std::vector<std::string> out;
    for (QAction* a : bar->actions()) {
        out.push_back("# " + a->text().toStdString());
        flatten(a->menu(), out);
    }
    return out;
}

// The document window's menu, row by row.
const std::vector<std::string> kMenu129 = {
    "# &File",
    "Using Unformatted .txt Files|32835",
    "-",
    "&New\tCtrl+N|57600",
    "&Open...\tCtrl+O|57601",
    "&Close|57602",
    "&Save\tCtrl+S|57603",
    "Save &As...|57604",
    "-",
    "&Print...\tCtrl+P|57607",
    "Print Pre&view|57609",
    "P&rint Setup...|57606",
    "-",
    "Recent File|57616",
    "-",
    "E&xit\tCtrl+Q|57665",
    "# &Edit",
    "&Undo\tCtrl+Z|57643",
    "&Redo\tCtrl+Y|57644",
    "-",
    "Select A&ll\tCtrl+A|57642",
    "Cu&t\tCtrl+X|57635",
    "&Copy\tCtrl+C|57634",
    "&Paste\tCtrl+V|57637",
    "Paste &Special...|57639",
    "-",
    "Copy All Text To Clipboard\tCtrl+W|32841",
    "-",
    "&Find...\tCtrl+F|57636",
    "F&ind Next\tF3|57640",
    "R&eplace\tCtrl+H|57641",
    "-",
    "Insert &New Object...|57856",
    "Lin&ks...|57857",
    "Object P&roperties\tAlt+Enter|57860",
    "&Object|57872",
    "# F&ormat",
    "Set Default Font - NO Transliteration|57696",
    "Change Font of Selected Text\tCtrl+Shift+F|32838",
    "# General &Transliteration",
    "What is Transliteration?|32819",
    "-",
    "How can I get the codes for any font?|32826",
    "Make a font code reference table|32827",
    "-",
    "What are the examples?|32825",
    "Example: Norwegian|32822",
    "Example: Sinhalese|32823",
    "Example: 12 Western Languages|32824",
    "-",
    "Show me the Transliteration instructions|32820",
    "Create a Transliteration Table|32814",
    "Save a Transliteration Table|32815",
    "Open a Transliteration Table for Editing|32836",
    "Load a Transliteration Table|32816",
    "Unload Your Transliteration Table|32817",
    "# &Pali",
    "Activate or Deactivate Pali Transliteration\tCtrl+J|32833",
    "Change Default Pali Font|32832",
    "Paste from CSCD|32784",
    "Convert Pali Font of Selected Text|32783",
    "-",
    "Pali Font to Standard Transliteration|32845",
    "Standard transliteration to Pali Font|32846",
    "-",
    "Copy as Unicode|32860",
    "Paste Unicode Pali|32861",
    "Export as Unicode...|32862",
    "Change Unicode Font|32863",
    "# &View",
    "&Toolbar|59392",
    "&Status Bar|59393",
    "# &Window",
    "&New Window|57648",
    "&Cascade|57650",
    "&Tile|57651",
    "&Arrange Icons|57649",
    "-",
    "&1 RuvoVIR1|0",
    "# &Help",
    "Important! Please read this!\tF1|32806",
    "Install or Remove Sorvel|32809",
    "Sorvel Latest Version|32810",
    "Customize Transliteration|32828",
    "-",
    "> Special Pali features",
    "Easy Pali Text Entry|32798",
    "Entering Pali Text|32834",
    "Overdot m character|32813",
    "-",
    "Supported Pali Fonts|32799",
    "Convert Pali Font of Selected Text|32795",
    "Conversion: Pali <-> Standard Transliteraton|32849",
    "What font right now?|32818",
    "'SKT Times' Pali Font|32808",
    "-",
    "Paste from CSCD|32796",
    "Find and Replace Tip|32805",
    "<",
    "> Other Pali Resources",
    "The Paliwords Pali Dictionary|32802",
    "Useful Pali Resources in the Internet|32812",
    "<",
    "-",
    "No Unicode support|32797",
    "No Page Breaks|32811",
    "-",
    "Copy and Paste|32803",
    "Drag and Drop|32794",
    "-",
    "Multiple Documents|32807",
    "The RTF file format|32800",
    "Printing Your Document|32793",
    "-",
    "Program Source Code|32801",
    "-",
    "Right Speech|32851",
    "How you can help everyone!|32852",
    "-",
    "&About Sorvel...|57664",
};

// The menu while no document window is active.
const std::vector<std::string> kMenu128 = {
    "# &File",
    "&New\tCtrl+N|57600",
    "&Open...\tCtrl+O|57601",
    "-",
    "P&rint Setup...|57606",
    "-",
    "Recent File|57616",
    "-",
    "E&xit\tCtrl+Q|57665",
    "# &View",
    "&Toolbar|59392",
    "&Status Bar|59393",
    "# &Help",
    "&About Sorvel...|57664",
};

TEST_F(Shell, WithoutADocumentTheShortMenuShows) {
    EXPECT_EQ(menuBar(frame->menuBar()), kMenu128);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Sorvel"));
}

TEST_F(Shell, TheMenuSwitchesAsADocumentWindowOpensAndTheLastCloses) {
    DocumentWindow* child = frame->newDocument();
    EXPECT_EQ(menuBar(frame->menuBar()), kMenu129);
    EXPECT_EQ(shownTitle(frame.get()), QStringLiteral("Sorvel - RuvoVIR1"));
    child->close();
    QApplication::processEvents();
    EXPECT_EQ(menuBar(frame->menuBar()), kMenu128);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Sorvel"));
}

struct KeyCase {
    const char* key;
    int id;
};

// Every key of the accelerator tables with its command.
const KeyCase kKeys[] = {
    {"Ctrl+B", 32773},        {"Ctrl+Shift+B", 32782},
    {"Ctrl+E", 32780},        {"Ctrl+Shift+F", 32838},
    {"Ctrl+I", 32774},        {"Ctrl+J", 32833},
    {"Ctrl+L", 32779},        {"Ctrl+R", 32781},
    {"Ctrl+Shift+S", 32778},  {"Ctrl+T", 32790},
    {"Ctrl+Shift+T", 32791},  {"Ctrl+U", 32777},
    {"Ctrl+W", 32841},        {"Ctrl+N", 57600},
    {"Ctrl+O", 57601},        {"Ctrl+S", 57603},
    {"Ctrl+P", 57607},        {"Ctrl+Z", 57643},
    {"Alt+Backspace", 57643}, {"Ctrl+X", 57635},
    {"Shift+Del", 57635},     {"Ctrl+C", 57634},
    {"Ctrl+Ins", 57634},      {"Ctrl+V", 57637},
    {"Shift+Ins", 57637},     {"Ctrl+A", 57642},
    {"Ctrl+F", 57636},        {"F3", 57640},
    {"Ctrl+H", 57641},        {"Alt+Return", 57860},
    {"Ctrl+Y", 57644},        {"Ctrl+Shift+Z", 57644},
    {"Ctrl+Q", 57665},        {"F1", 32806},
};

TEST_F(Shell, EveryKeyOfTheAcceleratorTablesIsItsCommandsShortcut) {
    for (const KeyCase& k : kKeys) {
        QAction* a = action(k.id);
        ASSERT_NE(a, nullptr) << k.id;
        EXPECT_TRUE(a->shortcuts().contains(QKeySequence(QString::fromLatin1(k.key))))
            << k.key << " for " << k.id;
    }
}

TEST_F(Shell, PromptsAndTooltipsComeFromTheStringTable) {
    frame->newDocument();
    EXPECT_EQ(action(32774)->statusTip(), QStringLiteral("Set the current selection to Italicf"));
    EXPECT_EQ(action(32774)->toolTip(), QStringLiteral("Italic (Ctrl+I)"));
    EXPECT_EQ(action(32832)->statusTip(), QStringLiteral("Change Pali font for Transliteraton"));
    EXPECT_EQ(frame->messagePane()->text(), QStringLiteral("Ready"));
    EXPECT_FALSE(action(57856)->isEnabled()) << "no objects to insert";
    EXPECT_TRUE(action(57856)->toolTip().contains(QStringLiteral("not available")));
}

TEST_F(Shell, TheToolbarHasEveryButtonWithAnImage) {
    QToolBar* bar = frame->commands().toolBar();
    int buttons = 0;
    int separators = 0;
    for (QAction* a : bar->actions()) {
        if (a->isSeparator()) {
            ++separators;
            continue;
        }
        ++buttons;
        EXPECT_FALSE(a->icon().pixmap(16, 16).isNull()) << a->data().toInt() << " has an image";
    }
    EXPECT_EQ(buttons, 34);
    EXPECT_EQ(separators, 13);
}

TEST_F(Shell, TheDocumentKeysActOnlyWithADocumentWindow) {
    // No document: Ctrl+J, Ctrl+W and Ctrl+Shift+F do nothing (no dialog
    // comes up, which the script would refuse).
    QTest::keyClick(frame.get(), Qt::Key_J, Qt::ControlModifier);
    QTest::keyClick(frame.get(), Qt::Key_W, Qt::ControlModifier);
    QTest::keyClick(frame.get(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(state.paliEntryOn);
    EXPECT_TRUE(frame->documentArea()->subWindowList().isEmpty());

    // Ctrl+O and Ctrl+N act without one.
    platform.expectFileDialog(std::nullopt);
    QTest::keyClick(frame.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(platform.scriptDone());
    QTest::keyClick(frame.get(), Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(frame->documentArea()->subWindowList().size(), 1);

    // With the document window the same keys act.
    state.paliEntryOn = false;
    state.defaultPaliFormat.faceName = "VriRomanPali CN";
    QTest::keyClick(frame->activeView(), Qt::Key_J, Qt::ControlModifier);
    EXPECT_TRUE(state.paliEntryOn);
}

TEST_F(Shell, ToolbarAndStatusBarSwitchWithCheckMarks) {
    frame->updateCommands();
    EXPECT_TRUE(action(59392)->isChecked());
    choose(59392);
    frame->updateCommands();
    EXPECT_FALSE(frame->commands().toolBar()->isVisible());
    EXPECT_FALSE(action(59392)->isChecked());
    choose(59393);
    frame->updateCommands();
    EXPECT_FALSE(frame->statusBar()->isVisible());
    EXPECT_FALSE(action(59393)->isChecked());
    choose(59393);
    frame->updateCommands();
    EXPECT_TRUE(action(59393)->isChecked());
}

TEST_F(Shell, FormattingButtonsShowTheSelectionsState) {
    frame->newDocument();
    QtSurface& s = frame->activeView()->surface();
    s.setWindowText("one two");
    s.setSel(0, 3);
    choose(command::Bold);
    frame->updateCommands();
    EXPECT_TRUE(action(command::Bold)->isChecked());
    s.setSel(4, 7);
    frame->updateCommands();
    EXPECT_FALSE(action(command::Bold)->isChecked());
}

}  // namespace
}  // namespace sorvel::testing
