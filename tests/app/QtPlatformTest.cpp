#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <functional>

#include "app/QtPlatform.h"

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
