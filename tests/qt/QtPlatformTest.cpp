#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <functional>

#include "qt/QtPlatform.h"

namespace sorvel::testing {
namespace {

// Runs `look` on the modal dialog that the next call opens, then lets `close`
// end it.
void whenModal(std::function<void(QWidget*)> look) {
    QTimer::singleShot(0, [look] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        look(dialog);
    });
}

TEST(QtPlatform, MessageBoxesAreTitledSorvelWithTheWarningIcon) {
    QtPlatform platform;
    whenModal([](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Sorvel"));
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        EXPECT_EQ(box->text(), QStringLiteral("Line one\nline two \u00F1"));
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        box->accept();
    });
    platform.messageBox("Line one\r\nline two \xF1");

    whenModal([](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(platform.askYesNo("Save?"));
}

TEST(QtPlatform, AUtf8MessageShowsItsCharactersBeyondTheCodePage) {
    QtPlatform platform;
    whenModal([](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Sorvel"));
        EXPECT_EQ(box->text(), QStringLiteral("U+03B1 \"\u03B1\" \u0101"));
        box->accept();
    });
    platform.messageBoxUtf8("U+03B1 \"\u03B1\" \u0101");
}

TEST(QtPlatform, AUtf8QuestionHasTheDefaultButtonItNames) {
    QtPlatform platform;
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        whenModal([answer](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->text(), QStringLiteral("Keep \u03B1?"));
            ASSERT_NE(box->defaultButton(), nullptr);
            EXPECT_EQ(box->standardButton(box->defaultButton()),
                      answer == Answer::No ? QMessageBox::No : QMessageBox::Yes);
            box->defaultButton()->click();  // as Enter does
        });
        EXPECT_EQ(platform.askYesNoUtf8("Keep \u03B1?", answer), answer == Answer::Yes);
    }
}

// A name typed without an extension takes that of the filter chosen in a
// save dialog.
struct FilterCase {
    const char* name;
    int filter;         // the filter chosen
    const char* typed;  // the name typed
    const char* given;  // the file name the dialog gives
    friend void PrintTo(const FilterCase& c, std::ostream* os) { *os << c.name; }
};

class SaveFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(SaveFilter, GivesATypedNameItsExtension) {
    const FilterCase& c = GetParam();
    const QString folder = QDir::tempPath();
    QtPlatform platform;
    FileDialogRequest request;
    request.save = true;
    request.filters = {{"Text", "*.txt"}, {"Rich text", "*.rtf"}, {"All Files", "*.*"}};
    request.defaultExtension = "txt";
    request.initialName = (folder + QStringLiteral("/sorvel-filter-test.txt")).toStdString();
    whenModal([&c](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        const QString filter = dialog->nameFilters().at(c.filter);
        dialog->selectNameFilter(filter);
        emit dialog->filterSelected(filter);  // as choosing it in the dialog does
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(QString::fromLatin1(c.typed));
        static_cast<QDialog*>(dialog)->accept();  // as the Save button does
    });
    const std::optional<FileChoice> chosen = platform.chooseFileAndType(request);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(QFileInfo(QString::fromStdString(chosen->path)).fileName(),
              QString::fromLatin1(c.given));
    EXPECT_EQ(chosen->filter, static_cast<std::size_t>(c.filter)) << "the type chosen";
}

INSTANTIATE_TEST_SUITE_P(
    Filters, SaveFilter,
    ::testing::Values(FilterCase{"TextFilter", 0, "sorvel-a", "sorvel-a.txt"},
                      FilterCase{"RtfFilter", 1, "sorvel-a", "sorvel-a.rtf"},
                      FilterCase{"AllFilesKeepsTheDefault", 2, "sorvel-a", "sorvel-a.txt"},
                      FilterCase{"TypedExtensionStays", 1, "sorvel-a.txt", "sorvel-a.txt"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QtPlatform, TheFontDialogOffersOnlyTheRequestedGroups) {
    QtPlatform platform;
    FontDialogRequest request;
    request.initial.faceName = "Times New Roman";
    request.initial.height = 280;
    request.initial.charSet = 2;
    request.offerStyle = false;
    request.offerEffects = false;
    whenModal([](QWidget* dialog) {
        for (QGroupBox* box : dialog->findChildren<QGroupBox*>()) {
            const bool effects = !box->findChildren<QCheckBox*>().isEmpty();
            EXPECT_EQ(box->isHidden(), effects) << box->title().toStdString();
        }
        const QList<QListView*> lists = dialog->findChildren<QListView*>();
        ASSERT_EQ(lists.size(), 3);
        EXPECT_FALSE(lists[1]->isEnabled()) << "no style list";
        static_cast<QDialog*>(dialog)->accept();
    });
    const std::optional<FontChoice> choice = platform.chooseFont(request);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->pointSizeTenths, 140);
    EXPECT_EQ(choice->charSet, 2) << "not offered, so unchanged";
    EXPECT_FALSE(choice->faceName.empty());

    request.offerEffects = true;
    whenModal([](QWidget* dialog) {
        bool colour = false;
        for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
            colour = colour || b->text().contains(QStringLiteral("Colour"));
        }
        EXPECT_TRUE(colour);
        static_cast<QDialog*>(dialog)->reject();
    });
    EXPECT_FALSE(platform.chooseFont(request));
}

TEST(QtPlatform, AStatusNoteShowsInTheStatusBarGiven) {
    QtPlatform platform;
    platform.showStatus("nowhere to go");  // no status bar: nothing happens
    QStatusBar bar;
    platform.setStatusBar(&bar);
    platform.showStatus("Exported to /tmp/sara\u1E47a.txt");
    EXPECT_EQ(bar.currentMessage(), QStringLiteral("Exported to /tmp/sara\u1E47a.txt"));
}

// Typing a family's name into the font dialog's family list and pressing
// Enter: a name that no font has is never taken silently as the family that
// happened to stay selected; the user is asked whether to keep it as typed.
struct TypedFamily {
    const char* name;
    const char* typed;
    bool arrowAfterTyping;  // then picks the next family with the Down key
    bool asked;             // OK asks whether to use a font that is not there
    bool answerYes;         // and the user answers Yes: the name as typed
    friend void PrintTo(const TypedFamily& c, std::ostream* os) { *os << c.name; }
};

class FontDialogTyping : public ::testing::TestWithParam<TypedFamily> {};

TEST_P(FontDialogTyping, TakesAFamilyThatExistsOrTheNameAsTypedWhenTheUserSaysSo) {
    const TypedFamily& c = GetParam();
    QtPlatform platform;
    FontDialogRequest request;
    request.initial.faceName = "DejaVu Sans";
    request.initial.height = 240;
    QString question;
    QString selected;
    bool openAfterOk = false;
    whenModal([&](QWidget* dialog) {
        QListView* families = dialog->findChildren<QListView*>().value(0);
        ASSERT_NE(families, nullptr);
        families->setFocus();
        // As a keyboard types: Shift goes down before a capital letter.
        for (const QChar ch : QString::fromUtf8(c.typed)) {
            if (ch.isUpper()) {
                QTest::keyPress(families, Qt::Key_Shift);
            }
            QTest::keyClicks(families, QString(ch));
            if (ch.isUpper()) {
                QTest::keyRelease(families, Qt::Key_Shift);
            }
        }
        if (c.arrowAfterTyping) {
            QTest::keyClick(families, Qt::Key_Down);
        }
        selected = families->currentIndex().data().toString();
        QTimer::singleShot(0, [&question, &c] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                EXPECT_EQ(box->windowTitle(), QStringLiteral("Sorvel"));
                EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
                question = box->text();
                box->button(c.answerYes ? QMessageBox::Yes : QMessageBox::No)->click();
            }
        });
        QTest::keyClick(families, Qt::Key_Return);
        openAfterOk = dialog->isVisible();
        if (openAfterOk) {
            static_cast<QDialog*>(dialog)->reject();
        }
    });
    const std::optional<FontChoice> choice = platform.chooseFont(request);
    if (c.asked) {
        EXPECT_TRUE(question.startsWith(
            QStringLiteral("There is no font named \"%1\" on this computer.").arg(c.typed)))
            << question.toStdString();
    } else {
        EXPECT_TRUE(question.isEmpty()) << question.toStdString();
    }
    if (c.asked && !c.answerYes) {
        EXPECT_TRUE(openAfterOk) << "the dialog stays open for another choice";
        EXPECT_FALSE(choice);
    } else if (c.asked) {
        ASSERT_TRUE(choice);
        EXPECT_EQ(choice->faceName, c.typed);
    } else {
        ASSERT_TRUE(choice);
        EXPECT_EQ(QString::fromStdString(choice->faceName), selected);
        if (!c.arrowAfterTyping) {
            EXPECT_TRUE(selected.startsWith(QString::fromUtf8(c.typed), Qt::CaseInsensitive));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, FontDialogTyping,
    ::testing::Values(
        TypedFamily{"AFamilyThatExists", "DejaVu Serif", false, false, false},
        TypedFamily{"TheBeginningOfOne", "dejavu se", false, false, false},
        TypedFamily{"NoSuchFamilyAnsweredNo", "Nosuch Pali Font", false, true, false},
        TypedFamily{"NoSuchFamilyTakenAsTyped", "Nosuch Pali Font", false, true, true},
        TypedFamily{"NoSuchFamilyThenOnePicked", "Nosuch Pali Font", true, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QtPlatform, CursorShapesGoToTheViewUnderThePointer) {
    QtPlatform platform;
    QTextEdit view;
    platform.setCursorWidget(&view);
    platform.setCursorShape(CursorShape::SizeNS);
    EXPECT_EQ(view.viewport()->cursor().shape(), Qt::SizeVerCursor);
    EXPECT_EQ(view.cursor().shape(), Qt::SizeVerCursor);
    platform.setCursorShape(CursorShape::Cross);
    EXPECT_EQ(view.viewport()->cursor().shape(), Qt::CrossCursor);
    platform.setCursorShape(CursorShape::Arrow);
    EXPECT_EQ(view.viewport()->cursor().shape(), Qt::ArrowCursor);
}

TEST(QtPlatform, ThePointerIsHiddenWhileTheCountIsBelowZero) {
    QtPlatform platform;
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(platform.showCursor(false), -1);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BlankCursor);
    EXPECT_EQ(platform.showCursor(false), -2);
    EXPECT_EQ(platform.showCursor(true), -1);
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(platform.showCursor(true), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(platform.showCursor(true), 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace sorvel::testing
