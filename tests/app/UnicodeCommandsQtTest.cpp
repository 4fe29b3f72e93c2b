#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QToolBar>

#include "app/EditorView.h"
#include "app/ShellFixture.h"
#include "docformat/RtfReader.h"
#include "shell/CommandIds.h"
#include "shell/CommandTable.h"
#include "support/TestView.h"

namespace sorvel::testing {
namespace {

// A document window with Pali text in "VriRomanPali CN", the default Pali
// font, between ordinary text.
class UnicodeShell : public ShellCommand {
  protected:
    void SetUp() override {
        ShellCommand::SetUp();
        s().setWindowText("Namo \xB1\xBD end");
        s().setSel(5, 7);
        FontDescription f = face("VriRomanPali CN");
        f.mask = charmask::Face;
        s().setCharFormat(f);
    }
    const QMimeData& clipboard() { return *QApplication::clipboard()->mimeData(); }
};

TEST_F(UnicodeShell, CopyAsUnicodePutsPlainTextAndRtfOnTheClipboard) {
    s().setSel(0, -1);
    choose(command::CopyAsUnicode);
    EXPECT_EQ(clipboard().text(), QStringLiteral("Namo \u0101\u1E43 end"));
    for (const char* type : {"text/rtf", "application/rtf"}) {
        ASSERT_TRUE(clipboard().hasFormat(QString::fromLatin1(type))) << type;
        const QByteArray rtf = clipboard().data(QString::fromLatin1(type));
        std::vector<RtfReader::UnicodeCharacter> unicode;
        const std::optional<RichText> read =
            RtfReader::read(std::string_view(rtf.constData(), rtf.size()), &unicode);
        ASSERT_TRUE(read) << type;
        EXPECT_EQ(read->formatAt(5).faceName, "Gentium Plus");
        EXPECT_EQ(unicode,
                  (std::vector<RtfReader::UnicodeCharacter>{{5, U'\u0101'}, {6, U'\u1E43'}}));
    }

    // A plain Paste inside the program takes the 8-bit text as it was.
    s().setSel(s().getTextLength(), -1);
    choose(command::EditPaste);
    EXPECT_EQ(s().getWindowText(), "Namo \xB1\xBD endNamo \xB1\xBD end");
    EXPECT_EQ(s().getRichTextRange(16, 18).formatAt(0).faceName, "VriRomanPali CN");
}

TEST_F(UnicodeShell, CopyAsUnicodeIsEnabledOnlyWithASelection) {
    s().setSel(2, 2);
    frame->updateCommands();
    EXPECT_FALSE(action(command::CopyAsUnicode)->isEnabled());
    s().setSel(2, 4);
    frame->updateCommands();
    EXPECT_TRUE(action(command::CopyAsUnicode)->isEnabled());
}

TEST_F(UnicodeShell, PasteUnicodePaliTakesAnotherProgramsText) {
    auto* data = new QMimeData;
    data->setText(QStringLiteral("sara\u1E47a\u1E43 \u03B1"));
    QApplication::clipboard()->setMimeData(data);
    s().setSel(0, 4);
    platform.expectMessage(
        "1 character that VriRomanPali CN cannot show: U+03B1 \"\u03B1\" at line 1, column 9\n\n"
        "It was pasted as a question mark (?).");
    choose(command::PasteUnicodePali);
    EXPECT_EQ(s().getWindowText(),
              "sara\xBA"
              "a\xBD ? \xB1\xBD end");
    EXPECT_EQ(s().getRichTextRange(0, 1).formatAt(0).faceName, "VriRomanPali CN");
    EXPECT_TRUE(platform.scriptDone());
}

TEST_F(UnicodeShell, TheUnicodeFontIsChosenAndKeptInTheSettings) {
    platform.expectFontDialog(fontChoice("DejaVu Serif"), [](const FontDialogRequest& request) {
        EXPECT_EQ(request.initial.faceName, "Gentium Plus");
    });
    choose(command::ChangeUnicodeFont);
    EXPECT_EQ(frame->unicodeFace(), "DejaVu Serif");
    EXPECT_EQ(settings->value(QStringLiteral("Settings/UnicodeFont")).toString(),
              QStringLiteral("DejaVu Serif"));

    s().setSel(5, 7);
    choose(command::CopyAsUnicode);
    EXPECT_TRUE(clipboard().data(QStringLiteral("text/rtf")).contains("DejaVu Serif"));

    // A new main window on the same settings starts with it.
    MainWindow again(platform, state, settings.get());
    EXPECT_EQ(again.unicodeFace(), "DejaVu Serif");
}

TEST_F(UnicodeShell, ExportAsUnicodeWritesTheFileTheDialogNames) {
    const std::string path = dir.file("export.txt");
    platform.expectFileDialog(path);
    choose(command::ExportAsUnicode);
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("Namo \u0101\u1E43 end"));
}

TEST_F(Shell, TheUnicodeCommandsAreInThePaliMenuAndOnTheToolbar) {
    frame->newDocument();
    QMenu* pali = nullptr;
    for (QMenu* menu : frame->commands().menus(true)) {
        if (menu->title() == QStringLiteral("&Pali")) {
            pali = menu;
        }
    }
    ASSERT_NE(pali, nullptr);
    const QList<QAction*> toolbar = frame->commands().toolBar()->actions();
    for (const int id : {command::CopyAsUnicode, command::PasteUnicodePali,
                         command::ExportAsUnicode, command::ChangeUnicodeFont}) {
        QAction* a = action(id);
        ASSERT_NE(a, nullptr) << id;
        EXPECT_TRUE(pali->actions().contains(a)) << id << " is in the Pali menu";
        EXPECT_FALSE(a->statusTip().isEmpty()) << id << " has a prompt";
        if (id != command::ChangeUnicodeFont) {
            EXPECT_TRUE(toolbar.contains(a)) << id << " is on the toolbar";
            EXPECT_FALSE(a->icon().pixmap(16, 16).isNull()) << id << " has an image";
            EXPECT_FALSE(a->toolTip().isEmpty()) << id << " has a tooltip";
        }
    }
    EXPECT_EQ(action(command::CopyAsUnicode)->text(), QStringLiteral("Copy as Unicode"));
    EXPECT_EQ(action(command::PasteUnicodePali)->toolTip(), QStringLiteral("Paste Unicode Pali"));
}

}  // namespace
}  // namespace sorvel::testing
