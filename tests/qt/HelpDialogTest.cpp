#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextLayout>
#include <QTimer>
#include <functional>
#include <ostream>

#include "help/HelpDialogTemplate.h"
#include "help/HelpTopics.h"
#include "help/ShowHelpTopic.h"
#include "qt/HelpTopicDialog.h"
#include "qt/QtHelpWindow.h"

namespace sorvel {
namespace {

// The test binary's main makes the one application object.
QApplication& application() {
    return *qApp;
}

int openHelpDialogs() {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        count += qobject_cast<HelpTopicDialog*>(w) != nullptr ? 1 : 0;
    }
    return count;
}

// Runs `command` (which opens the help window modally) and, once the window
// is up, `inspect` on it; then closes it with `close` (Esc by default). Gives
// whether the window was seen. A window left open is closed all the same, so
// that a failing test cannot hang.
bool whileOpen(const std::function<void()>& command,
               const std::function<void(HelpTopicDialog&)>& inspect,
               const std::function<void(HelpTopicDialog&)>& close = {}) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<HelpTopicDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "no help window is open";
            return;
        }
        seen = true;
        inspect(*dialog);
        if (close) {
            close(*dialog);
        } else {
            QTest::keyClick(dialog->okButton(), Qt::Key_Escape);
        }
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the help window did not close";
            dialog->reject();
        }
    });
    command();
    return seen;
}

class HelpDialog : public ::testing::Test {
  protected:
    void SetUp() override { application(); }
};

// ---- Every topic, in the real window.

struct DialogTopicCase {
    int id;
    friend void PrintTo(const DialogTopicCase& c, std::ostream* os) { *os << c.id; }
};

class HelpDialogTopic : public ::testing::TestWithParam<DialogTopicCase> {
  protected:
    void SetUp() override { application(); }
};

TEST_P(HelpDialogTopic, OpensWithItsTitleAndItsTextFromTheSecondLine) {
    const HelpTopic& topic = *findHelpTopic(GetParam().id);
    QtHelpWindow window;
    std::string viewHelpText;
    const bool seen =
        whileOpen([&] { EXPECT_TRUE(runHelpTopicCommand(topic.commandId, viewHelpText, window)); },
                  [&](HelpTopicDialog& dialog) {
                      EXPECT_EQ(dialog.title(), topic.title);
                      EXPECT_EQ(dialog.windowTitle().toStdString(), std::string(topic.title));
                      EXPECT_EQ(dialog.text(), "\r\n" + topic.text);
                      const QTextDocument* document = dialog.textBox()->document();
                      EXPECT_TRUE(document->firstBlock().text().isEmpty());
                      const std::string firstLine = topic.text.substr(0, topic.text.find("\r\n"));
                      EXPECT_EQ(document->firstBlock().next().text().toStdString(), firstLine);
                      EXPECT_EQ(dialog.focusWidget(), dialog.okButton());
                      EXPECT_FALSE(dialog.textBox()->textCursor().hasSelection());
                  });
    EXPECT_TRUE(seen);
    EXPECT_EQ(viewHelpText, topic.text);
    EXPECT_EQ(openHelpDialogs(), 0);
}

std::vector<DialogTopicCase> allTopics() {
    std::vector<DialogTopicCase> cases;
    for (const HelpTopic& t : helpTopics()) {
        cases.push_back({t.commandId});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(AllTopics, HelpDialogTopic, ::testing::ValuesIn(allTopics()),
                         [](const auto& info) {
                             return "Command" + std::to_string(info.param.id);
                         });

// ---- Closing, and what the user types.

TEST_F(HelpDialog, EditsInTheTextBoxAreGoneAtTheNextOpening) {
    const HelpTopic& topic = *findHelpTopic(32798);
    QtHelpWindow window;
    std::string field;
    whileOpen([&] { runHelpTopicCommand(topic.commandId, field, window); },
              [&](HelpTopicDialog& dialog) {
                  dialog.textBox()->setFocus();
                  QTest::keyClicks(dialog.textBox(), "XYZ");
                  QTest::keyClick(dialog.textBox(), Qt::Key_Return);
                  EXPECT_TRUE(dialog.isVisible()) << "Enter in the text box closed the window";
                  EXPECT_EQ(dialog.text(), "XYZ\r\n\r\n" + topic.text);
              });
    whileOpen([&] { runHelpTopicCommand(topic.commandId, field, window); },
              [&](HelpTopicDialog& dialog) { EXPECT_EQ(dialog.text(), "\r\n" + topic.text); });
    const HelpTopic& other = *findHelpTopic(32851);
    whileOpen([&] { runHelpTopicCommand(other.commandId, field, window); },
              [&](HelpTopicDialog& dialog) { EXPECT_EQ(dialog.text(), "\r\n" + other.text); });
    EXPECT_EQ(field, other.text);
}

TEST_F(HelpDialog, EscInTheTextBoxClosesTheWindow) {
    QtHelpWindow window;
    const bool seen = whileOpen([&] { window.run("Caption", "\r\nText"); }, [](HelpTopicDialog&) {},
                                [](HelpTopicDialog& dialog) {
                                    dialog.textBox()->setFocus();
                                    QTest::keyClick(dialog.textBox(), Qt::Key_Escape);
                                });
    EXPECT_TRUE(seen);
    EXPECT_EQ(openHelpDialogs(), 0);
}

TEST_F(HelpDialog, OkClosesTheWindowByClickAndByEnter) {
    QtHelpWindow window;
    EXPECT_TRUE(whileOpen(
        [&] { window.run("Caption", "\r\nText"); }, [](HelpTopicDialog&) {},
        [](HelpTopicDialog& dialog) { QTest::mouseClick(dialog.okButton(), Qt::LeftButton); }));
    EXPECT_TRUE(whileOpen(
        [&] { window.run("Caption", "\r\nText"); }, [](HelpTopicDialog&) {},
        [](HelpTopicDialog& dialog) { QTest::keyClick(dialog.okButton(), Qt::Key_Return); }));
    EXPECT_EQ(openHelpDialogs(), 0);
}

// ---- The window's make-up.

TEST_F(HelpDialog, IsLaidOutInDialogUnitsOfItsFont) {
    HelpTopicDialog dialog;
    const DialogUnits& u = dialog.units();
    const auto rect = [&](const DialogRect& r) {
        const DialogRect p = u.toPixels(r);
        return QRect(p.x, p.y, p.width, p.height);
    };
    EXPECT_EQ(dialog.size(), rect(helpdialog::kClient).size());
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "the window is not to be resized";
    EXPECT_EQ(dialog.note()->geometry(), rect(helpdialog::kNoteRect));
    EXPECT_EQ(dialog.okButton()->geometry(), rect(helpdialog::kOkRect));
    EXPECT_EQ(dialog.textBox()->geometry(), rect(helpdialog::kTextBoxRect));
    // Proportions as designed: about 1.5 pixels per horizontal unit and 1.6 per
    // vertical one with the classic font, more with a larger one.
    EXPECT_GE(u.baseX(), 5);
    EXPECT_GE(u.baseY(), 10);
}

TEST_F(HelpDialog, HasTheNoteOkAndAnEditableWrappingTextBox) {
    HelpTopicDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Sorvel Help");
    EXPECT_EQ(dialog.note()->text().toStdString(),
              "To copy the text below, (1) select the text, and\n(2) press Ctrl-C or right-click "
              "and from the pop-up menu, choose Copy.");
    EXPECT_TRUE(dialog.note()->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(dialog.okButton()->text(), "OK");
    EXPECT_TRUE(dialog.okButton()->isDefault());
    EXPECT_EQ(dialog.okButton()->property("controlId").toInt(), 1);
    EXPECT_EQ(dialog.textBox()->property("controlId").toInt(), 1000);
    EXPECT_FALSE(dialog.textBox()->isReadOnly());
    EXPECT_EQ(dialog.textBox()->lineWrapMode(), QTextEdit::WidgetWidth);
    EXPECT_EQ(dialog.textBox()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_FALSE(dialog.textBox()->acceptRichText());
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(dialog.isModal());
}

TEST_F(HelpDialog, TheTextHasEightPixelsOfRoomLeftAndRight) {
    HelpTopicDialog dialog;
    dialog.setText("\r\n" + findHelpTopic(32806)->text);
    dialog.show();
    QTextEdit* box = dialog.textBox();
    const QTextFrameFormat frame = box->document()->rootFrame()->frameFormat();
    EXPECT_EQ(frame.leftMargin(), 8.0);
    EXPECT_EQ(frame.rightMargin(), 8.0);
    // Where the text really starts in the box, and how wide its lines may be.
    QTextCursor start(box->document());
    EXPECT_NEAR(box->cursorRect(start).center().x(), 8 - box->horizontalScrollBar()->value(), 1);
    QTextBlock longest = box->document()->firstBlock();
    for (QTextBlock b = longest; b.isValid(); b = b.next()) {
        longest = b.length() > longest.length() ? b : longest;
    }
    ASSERT_GT(longest.length(), 200);
    EXPECT_NEAR(longest.layout()->lineAt(0).width(), box->viewport()->width() - 16, 1);
    // Long paragraphs wrap instead of running off to the right.
    EXPECT_GT(longest.layout()->lineCount(), 1);
    dialog.hide();
}

TEST_F(HelpDialog, CarriesWindows1252TextBothWays) {
    HelpTopicDialog dialog;
    dialog.setTitle("Caf\xE9");
    dialog.setText("\r\nGar\xE7on\tna\xEFve\r\n\xB1");
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Caf\u00e9"));
    EXPECT_EQ(dialog.textBox()->document()->blockCount(), 3);
    EXPECT_EQ(dialog.textBox()->document()->findBlockByNumber(1).text(),
              QString::fromUtf8("Gar\u00e7on\tna\u00efve"));
    EXPECT_EQ(dialog.title(), "Caf\xE9");
    EXPECT_EQ(dialog.text(), "\r\nGar\xE7on\tna\xEFve\r\n\xB1");
}

}  // namespace
}  // namespace sorvel
