#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <algorithm>
#include <functional>

#include "app/DocumentPrinter.h"
#include "app/DocumentWindow.h"
#include "app/EditorView.h"
#include "app/MainWindow.h"
#include "palifont/DefaultPaliFont.h"
#include "palifont/PaliFontSettings.h"
#include "shell/CommandIds.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDirectory.h"
#include "support/TestView.h"

namespace sorvel::testing {
namespace {

// The main window with one document window, as the program starts.
class MainFrame : public ::testing::Test {
  protected:
    void SetUp() override {
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        child = frame.newDocument();
        view = child->view();
        ASSERT_NE(view, nullptr);
        QApplication::setActiveWindow(&frame);
    }

    QtSurface& s() { return view->surface(); }
    int check(int id) { return view->commandStatus(id).value().check; }

    // The settings file lives in the working directory: a fresh one per test.
    TempDirectory dir;
    ScriptedPlatform platform;
    TransliterationState state;
    MainWindow frame{platform, state};
    DocumentWindow* child = nullptr;
    EditorView* view = nullptr;
};

struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::function<void(MainFrame&)> before;
    std::function<void(MainFrame&)> after;
    friend void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }
};

class ViewKey : public MainFrame, public ::testing::WithParamInterface<KeyCase> {
  public:
    using MainFrame::check;
    using MainFrame::s;
    ScriptedPlatform& scripted() { return platform; }
    MainWindow& mainWindow() { return frame; }
    EditorView& theView() { return *view; }
};

TEST_P(ViewKey, RunsItsCommandInADocumentWindow) {
    const KeyCase& c = GetParam();
    s().setWindowText("one\r\ntwo");
    s().setSel(0, 7);
    if (c.before) {
        c.before(*this);
    }
    QTest::keyClick(view, c.key, c.modifiers);
    ASSERT_EQ(frame.documentArea()->subWindowList().size(), 1) << "the window stays open";
    c.after(*this);
}

void partlyBold(MainFrame& f) {
    auto& t = static_cast<ViewKey&>(f);
    t.s().setSel(0, 2);
    FontDescription bold;
    bold.mask = charmask::Bold;
    bold.effects = chareffect::Bold;
    t.s().setCharFormat(bold);
    t.s().setSel(0, 7);
    EXPECT_EQ(t.check(command::Bold), 2);
}

std::function<void(MainFrame&)> effectSet(int id, uint32_t bit) {
    return [id, bit](MainFrame& f) {
        auto& t = static_cast<ViewKey&>(f);
        const FontDescription got = t.s().getCharFormatSelection();
        EXPECT_TRUE(got.has(bit));
        EXPECT_TRUE(got.effects & bit);
        EXPECT_EQ(t.check(id), 1);
    };
}

std::function<void(MainFrame&)> aligned(int id, uint16_t value) {
    return [id, value](MainFrame& f) {
        auto& t = static_cast<ViewKey&>(f);
        const ParaFormat p = t.s().getParaFormatSelection();
        EXPECT_TRUE(p.mask & paramask::Alignment);
        EXPECT_EQ(p.alignment, value);
        EXPECT_EQ(t.check(id), 1);
    };
}

void centred(MainFrame& f) {
    auto& t = static_cast<ViewKey&>(f);
    ParaFormat p;
    p.mask = paramask::Alignment;
    p.alignment = alignment::Center;
    t.s().setParaFormat(p);
}

std::function<void(MainFrame&)> indentIs(int32_t twips) {
    return [twips](MainFrame& f) {
        auto& t = static_cast<ViewKey&>(f);
        const ParaFormat p = t.s().getParaFormatSelection();
        EXPECT_TRUE(p.mask & paramask::StartIndent);
        EXPECT_EQ(p.startIndent, twips);
    };
}

void indented600(MainFrame& f) {
    auto& t = static_cast<ViewKey&>(f);
    ParaFormat p;
    p.mask = paramask::StartIndent;
    p.startIndent = 600;
    t.s().setParaFormat(p);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ViewKey,
    ::testing::Values(KeyCase{"CtrlB", Qt::Key_B, Qt::ControlModifier, partlyBold,
                              effectSet(command::Bold, charmask::Bold)},
                      KeyCase{"CtrlI", Qt::Key_I, Qt::ControlModifier, nullptr,
                              effectSet(command::Italic, charmask::Italic)},
                      KeyCase{"CtrlU", Qt::Key_U, Qt::ControlModifier, nullptr,
                              effectSet(command::Underline, charmask::Underline)},
                      KeyCase{"CtrlShiftS", Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier,
                              nullptr, effectSet(command::StrikeOut, charmask::StrikeOut)},
                      KeyCase{"CtrlL", Qt::Key_L, Qt::ControlModifier, centred,
                              aligned(command::AlignLeft, alignment::Left)},
                      KeyCase{"CtrlE", Qt::Key_E, Qt::ControlModifier, nullptr,
                              aligned(command::AlignCenter, alignment::Center)},
                      KeyCase{"CtrlR", Qt::Key_R, Qt::ControlModifier, nullptr,
                              aligned(command::AlignRight, alignment::Right)},
                      KeyCase{"CtrlShiftB", Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier,
                              nullptr,
                              [](MainFrame& f) {
                                  auto& t = static_cast<ViewKey&>(f);
                                  const ParaFormat p = t.s().getParaFormatSelection();
                                  EXPECT_EQ(p.numbering, numbering::Bullet);
                                  EXPECT_EQ(p.offset, 360);
                                  EXPECT_EQ(t.check(command::Bullets), 1);
                              }},
                      KeyCase{"CtrlT", Qt::Key_T, Qt::ControlModifier, nullptr, indentIs(300)},
                      KeyCase{"CtrlShiftT", Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier,
                              indented600, indentIs(300)},
                      KeyCase{"CtrlW", Qt::Key_W, Qt::ControlModifier,
                              [](MainFrame&) { QApplication::clipboard()->clear(); },
                              [](MainFrame& f) {
                                  auto& t = static_cast<ViewKey&>(f);
                                  EXPECT_EQ(QApplication::clipboard()->text(),
                                            QStringLiteral("one\ntwo"));
                                  EXPECT_EQ(t.s().getSel(), (Selection{0, 0}));
                              }},
                      KeyCase{"CtrlShiftF", Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier,
                              [](MainFrame& f) {
                                  auto& t = static_cast<ViewKey&>(f);
                                  t.scripted().expectFontDialog(fontChoice("Times_CSX+"));
                              },
                              [](MainFrame& f) {
                                  auto& t = static_cast<ViewKey&>(f);
                                  EXPECT_EQ(t.s().getCharFormatSelection().faceName, "Times_CSX+");
                                  EXPECT_EQ(t.s().getCharFormatSelection().height, 240);
                              }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainFrame, CtrlWDoesNotCloseTheDocumentWindowEvenFromItsFrame) {
    child->setFocus();
    QTest::keyClick(child, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(frame.documentArea()->subWindowList().size(), 1);
}

TEST_F(MainFrame, InitialUpdateFillsThePlainFormatAndPutsItAtTheCaret) {
    const FontDescription& plain = state.plainFormat;
    EXPECT_EQ(plain.faceName, "Times New Roman");
    EXPECT_EQ(plain.height, 220);
    EXPECT_EQ(plain.mask, 0xE000000Fu);
    EXPECT_EQ(plain.color, 0u);
    const FontDescription caret = s().getCharFormatSelection();
    EXPECT_EQ(caret.faceName, "Times New Roman");
    EXPECT_EQ(caret.height, 220);
    EXPECT_EQ(caret.effects & (chareffect::Bold | chareffect::AutoColor), 0u);
    EXPECT_EQ(s().backgroundColor(), EditorView::kBackground);
    EXPECT_EQ(view->palette().color(QPalette::Base), QColor(251, 242, 230));
    EXPECT_EQ(view->printMargin(), 1440);
    EXPECT_EQ(view->bulletIndent(), 360);
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Sorvel - RuvoVIR1[*]"));
    EXPECT_FALSE(frame.isWindowModified()) << "setting the view up is no change";
}

TEST_F(MainFrame, ASecondWindowKeepsAChosenPlainFormatAndTakesTheModesFormat) {
    state.plainFormat = face("Arial");
    state.paliEntryOn = true;
    state.defaultPaliFormat = face("VriRomanPali CN");
    state.userTable[0] = CodePair{"x", "y"};
    DocumentWindow* second = frame.newDocument();
    EXPECT_EQ(state.plainFormat.faceName, "Arial");
    EXPECT_EQ(second->view()->surface().getCharFormatSelection().faceName, "VriRomanPali CN");
    EXPECT_EQ(state.userTable[0].code, kEndCode) << "no user table is loaded";
    EXPECT_EQ(second->windowTitle(), QStringLiteral("RuvoVIR2 [*]"));

    state.userTableOn = true;
    state.userTableFont = "Times New Roman";
    state.userTableFormat = face("Times New Roman");
    state.userTable[0] = CodePair{"x", "y"};
    DocumentWindow* third = frame.newDocument();
    EXPECT_EQ(third->view()->surface().getCharFormatSelection().faceName, "Times New Roman");
    EXPECT_EQ(state.userTable[0].code, "x");
}

TEST_F(MainFrame, EveryDocumentWindowOpensAtTheSamePlaceAndSizeInsideTheArea) {
    const QRect screen = frame.screen()->availableGeometry();
    const QSize area = frame.documentArea()->viewport()->size();
    const int menu = frame.menuBar()->sizeHint().height();
    const int border =
        child->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, child);
    // Four fifths of the screen wide, centred, six pixels from the top, as
    // high as the screen less four menu bars and the frame; but the screen
    // is larger than the document area, and the window stays inside it.
    const int width = screen.width() * 8 / 10;
    const int height = screen.height() + 6 - 4 * menu - border;
    ASSERT_GT(height, area.height() - 6) << "the screen's formula overreaches the area";
    const QRect first = child->geometry();
    EXPECT_TRUE(QRect(QPoint(0, 0), area).contains(first));
    EXPECT_EQ(first.width(), std::min(width, area.width()));
    EXPECT_EQ(first.height(), std::min(height, area.height()));
    child->setGeometry(10, 40, 200, 150);
    DocumentWindow* second = frame.newDocument();
    EXPECT_EQ(second->geometry(), first);
}

TEST(DocumentArea, AWindowOpenedBeforeTheMainWindowShowsFollowsTheAreaUntilMoved) {
    TempDirectory dir;
    ScriptedPlatform platform;
    TransliterationState state;
    MainWindow frame(platform, state);
    DocumentWindow* child = frame.newDocument();
    frame.resize(700, 450);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    EXPECT_TRUE(frame.documentArea()->viewport()->rect().contains(child->geometry()))
        << child->geometry().height() << " in " << frame.documentArea()->viewport()->height();
    // Still where it was placed, it follows the area as it grows (as when
    // the main window is maximised after the first window opened).
    const int small = child->height();
    frame.resize(1000, 800);
    QApplication::processEvents();
    EXPECT_GT(child->height(), small);
    EXPECT_TRUE(frame.documentArea()->viewport()->rect().contains(child->geometry()));
    // Moved by the user, it stays where the user put it.
    child->setGeometry(20, 30, 300, 200);
    frame.resize(900, 700);
    QApplication::processEvents();
    EXPECT_EQ(child->geometry(), QRect(20, 30, 300, 200));
}

TEST_F(MainFrame, CtrlF4ClosesTheActiveWindowAskingWhereItsDocumentWouldClose) {
    DocumentWindow* second = frame.newDocument();
    second->view()->surface().replaceSel("changed", true);
    frame.runCommand(command::WindowNew);  // a second window on RuvoVIR2
    QMdiArea& area = *frame.documentArea();
    ASSERT_EQ(area.subWindowList().size(), 3);
    QTest::keyClick(frame.activeView(), Qt::Key_F4, Qt::ControlModifier);
    ASSERT_EQ(area.subWindowList().size(), 2) << "one of two windows: nothing asked";
    area.setActiveSubWindow(second);
    platform.expectYesNoCancel("Save changes to RuvoVIR2?", Answer::Cancel);
    QTest::keyClick(second->view(), Qt::Key_F4, Qt::ControlModifier);
    ASSERT_EQ(area.subWindowList().size(), 2) << "kept open on Cancel";
    platform.expectYesNoCancel("Save changes to RuvoVIR2?", Answer::No);
    QTest::keyClick(second->view(), Qt::Key_F4, Qt::ControlModifier);
    QApplication::processEvents();
    ASSERT_EQ(area.subWindowList().size(), 1);
    QTest::keyClick(view, Qt::Key_F4, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_TRUE(area.subWindowList().isEmpty());
}

// Cascade and Tile keep every window inside the area and large enough to
// work in.
TEST_F(MainFrame, CascadeAndTileKeepTheWindowsUsable) {
    frame.newDocument();
    frame.newDocument();
    QMdiArea& area = *frame.documentArea();
    const QRect inside = area.viewport()->rect();
    for (const int id : {command::WindowCascade, command::WindowTile}) {
        SCOPED_TRACE(id);
        ASSERT_TRUE(frame.runCommand(id));
        for (QMdiSubWindow* w : area.subWindowList()) {
            EXPECT_TRUE(inside.contains(w->geometry())) << w->geometry().x();
            EXPECT_GE(w->width() * 3, inside.width()) << "a third of the area at least";
            EXPECT_GE(w->height() * 3, inside.height());
        }
    }
    // Cascaded, each window's title bar shows below the one before.
    frame.runCommand(command::WindowCascade);
    const QList<QMdiSubWindow*> windows = area.subWindowList(QMdiArea::CreationOrder);
    EXPECT_LT(windows[0]->y(), windows[1]->y());
    EXPECT_LT(windows[1]->y(), windows[2]->y());
    EXPECT_EQ(area.activeSubWindow(), windows[2]);
}

TEST(PrintPreview, TheCounterAndTheButtonsFollowPageUpAndPageDown) {
    QTextDocument doc;
    QString lines;
    for (int i = 1; i <= 400; ++i) {
        lines += QStringLiteral("line %1\n").arg(i);
    }
    doc.setPlainText(lines);
    QPrinter printer(QPrinter::HighResolution);
    DocumentPrinter::setUp(printer);
    ASSERT_GE(DocumentPrinter::pageCount(doc, printer), 5);
    const std::unique_ptr<QPrintPreviewDialog> dialog =
        DocumentPrinter::makePreview(doc, printer, 1, nullptr);
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    auto* preview = dialog->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(preview, nullptr);
    auto counterSays = [&dialog](const QString& page) {
        for (const QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
            if (edit->text() == page) {
                return true;
            }
        }
        return false;
    };
    auto enabled = [&dialog](const QString& text) {
        for (const QAction* action : dialog->findChildren<QAction*>()) {
            if (action->text() == text) {
                return action->isEnabled();
            }
        }
        ADD_FAILURE() << text.toStdString() << " not found";
        return false;
    };
    EXPECT_TRUE(counterSays(QStringLiteral("1")));
    EXPECT_FALSE(enabled(QStringLiteral("Previous page")));
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(preview, Qt::Key_PageDown);
    }
    EXPECT_EQ(preview->currentPage(), 4);
    EXPECT_TRUE(counterSays(QStringLiteral("4")));
    EXPECT_TRUE(enabled(QStringLiteral("Previous page")));
    EXPECT_TRUE(enabled(QStringLiteral("First page")));
    QTest::keyClick(preview, Qt::Key_PageUp);
    EXPECT_EQ(preview->currentPage(), 3);
    EXPECT_TRUE(counterSays(QStringLiteral("3")));
}

FontDescription paliFont() {
    FontDescription f = face("VriRomanPali CN");
    f.mask = charmask::All;
    f.height = 280;
    return f;
}

TEST_F(MainFrame, WithoutASettingsFilePaliEntryStaysOff) {
    EXPECT_FALSE(state.paliEntryOn);
    EXPECT_TRUE(state.defaultPaliFormat.faceName.empty());
}

TEST_F(MainFrame, EveryNewWindowReadsTheSettingsFileAndTurnsPaliEntryOn) {
    dir.write(PaliFontSettings::kFileName, PaliFontSettings::format(paliFont()));
    DocumentWindow* second = frame.newDocument();
    EXPECT_TRUE(state.paliEntryOn);
    EXPECT_EQ(state.defaultPaliFormat.faceName, "VriRomanPali CN");
    const FontDescription caret = second->view()->surface().getCharFormatSelection();
    EXPECT_EQ(caret.faceName, "VriRomanPali CN");
    EXPECT_EQ(caret.height, 280);

    state.paliEntryOn = false;  // the user turned it off
    frame.newDocument();
    EXPECT_TRUE(state.paliEntryOn);
}

TEST_F(MainFrame, CtrlJTurnsPaliEntryOnAndTheTypedCodeBecomesTheLetter) {
    state.defaultPaliFormat = paliFont();
    EXPECT_EQ(check(command::TogglePaliEntry), 0);
    QTest::keyClick(view, Qt::Key_J, Qt::ControlModifier);
    EXPECT_TRUE(state.paliEntryOn);
    EXPECT_EQ(check(command::TogglePaliEntry), 1);
    EXPECT_EQ(platform.cursorShape(), CursorShape::SizeNS);
    QTest::keyClicks(view, "B.d");
    EXPECT_EQ(s().getWindowText(), "B\xB9");
    EXPECT_EQ(s().getCharFormatSelection().faceName, "VriRomanPali CN");

    QTest::keyClick(view, Qt::Key_J, Qt::ControlModifier);
    EXPECT_FALSE(state.paliEntryOn);
    EXPECT_EQ(s().getCharFormatSelection().faceName, "Times New Roman");
    QTest::keyClicks(view, ".d");
    EXPECT_EQ(s().getWindowText(), "B\xB9.d");
}

TEST_F(MainFrame, TheFirstCtrlJAsksForTheDefaultPaliFontAndSavesIt) {
    platform.expectMessage(std::string(kNoPaliFontYetMessage));
    platform.expectMessage(std::string(kChooseOneOfFiveMessage));
    platform.expectFontDialog(fontChoice("VriRomanPali CN", 140));
    QTest::keyClick(view, Qt::Key_J, Qt::ControlModifier);
    EXPECT_TRUE(state.paliEntryOn);
    EXPECT_EQ(s().getCharFormatSelection().faceName, "VriRomanPali CN");
    EXPECT_EQ(s().getCharFormatSelection().height, 280);
    EXPECT_FALSE(dir.read(PaliFontSettings::kFileName).empty());
}

TEST_F(MainFrame, AMouseMoveShowsTheModeAndPutsItsFontAtTheCaret) {
    state.defaultPaliFormat = paliFont();
    state.paliEntryOn = true;
    s().setWindowText("abc");
    s().setSel(3, 3);
    s().setCharFormat(face("Arial"));
    QTest::mouseMove(view->viewport(), QPoint(20, 20));
    EXPECT_EQ(platform.cursorShape(), CursorShape::SizeNS);
    EXPECT_EQ(s().getCharFormatSelection().faceName, "VriRomanPali CN");

    // With text selected only the pointer changes.
    state.paliEntryOn = false;
    state.userTableOn = true;
    state.userTableFormat = face("Times_Norman");
    s().setSel(0, 2);
    QTest::mouseMove(view->viewport(), QPoint(30, 25));
    EXPECT_EQ(platform.cursorShape(), CursorShape::Cross);
    EXPECT_EQ(s().getCharFormatSelection().faceName, "Times New Roman");
}

TEST(Placement, FollowsTheFormulaWithTruncationInsideTheWorkspace) {
    const QRect r = EditorView::placement(1023, 700, 19, 3);
    EXPECT_EQ(r.width(), 818);
    EXPECT_EQ(r.left(), 511 - 409);
    EXPECT_EQ(r.top(), 6);
    EXPECT_EQ(r.height(), 700 + 6 - 76 - 3);
    EXPECT_EQ(EditorView::placement(1023, 700, 19, 3, QSize(1000, 700)), r) << "room enough";
    // A workspace of 900 by 500: as high as it, and moved left to end at its
    // right edge.
    EXPECT_EQ(EditorView::placement(1023, 700, 19, 3, QSize(900, 500)), QRect(82, 0, 818, 500));
    EXPECT_EQ(EditorView::placement(1023, 700, 19, 3, QSize(600, 300)), QRect(0, 0, 600, 300));
}

}  // namespace
}  // namespace sorvel::testing
