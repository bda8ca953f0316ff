// The Qt side of the control's input paths against the real toolkit (offscreen platform):
// the desktop clipboard in both formats, a real QMenu and the real dialog, each driven once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstring>

#include "editctl/qt/CKEQtCharFontDialog.h"
#include "editctl/qt/CKEQtClipboard.h"
#include "editctl/qt/CKEQtPopupMenu.h"
#include "editctl/window/CKEMenu.h"

namespace {

std::vector<std::byte> Block(const void* data, std::size_t bytes) {
    const auto* raw = static_cast<const std::byte*>(data);
    return std::vector<std::byte>(raw, raw + bytes);
}

TEST(QtClipboard, PlainTextIsTheUnicodeFormatAndCp932StandsBesideIt) {
    CKEQtClipboard clipboard;
    ASSERT_TRUE(clipboard.open(nullptr));
    EXPECT_FALSE(clipboard.open(nullptr));  // opened once
    clipboard.empty();
    const char16_t wide[] = u"a\u3042";
    clipboard.setData(CF_UNICODETEXT, Block(wide, sizeof wide));
    clipboard.setData(CF_TEXT, Block("a\x82\xa0", 4));
    ASSERT_TRUE(clipboard.close());
    // Another program sees plain text.
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    EXPECT_EQ(mime->text(), QString::fromUtf16(u"a\u3042"));
    EXPECT_EQ(mime->data(CKEQtClipboard::kAnsiMimeType), QByteArray("a\x82\xa0"));

    // Text another program copies comes back as CF_UNICODETEXT only, 0-terminated.
    QGuiApplication::clipboard()->setText(QStringLiteral("xy"));
    EXPECT_TRUE(clipboard.isFormatAvailable(CF_UNICODETEXT));
    EXPECT_FALSE(clipboard.isFormatAvailable(CF_TEXT));
    EXPECT_FALSE(clipboard.getData(CF_UNICODETEXT).has_value());  // only while open
    ASSERT_TRUE(clipboard.open(nullptr));
    const auto block = clipboard.getData(CF_UNICODETEXT);
    ASSERT_TRUE(block.has_value());
    ASSERT_EQ(block->size(), 6U);
    EXPECT_EQ(std::memcmp(block->data(), u"xy", 6), 0);
    // Emptied and closed: the desktop clipboard holds nothing of ours.
    clipboard.empty();
    clipboard.close();
    EXPECT_FALSE(clipboard.isFormatAvailable(CF_UNICODETEXT));
}

TEST(QtMenu, ARealMenuReturnsTheChosenCommandAndNoneWhenDismissed) {
    CKEMenu menu;
    menu.appendItem(32771, "元に戻す(&U)", MF_GRAYED);
    menu.appendSeparator();
    menu.appendItem(32773, "ｺﾋﾟｰ(&C)");
    QTimer::singleShot(0, [] {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(popup, nullptr);
        ASSERT_EQ(popup->actions().size(), 3);
        EXPECT_FALSE(popup->actions()[0]->isEnabled());
        popup->setActiveAction(popup->actions()[2]);
        QTest::keyClick(popup, Qt::Key_Return);
    });
    EXPECT_EQ(CKEQtPopupMenu::track(menu, QPoint(20, 20)), 32773U);
    QTimer::singleShot(0,
                       [] { QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape); });
    EXPECT_EQ(CKEQtPopupMenu::track(menu, QPoint(20, 20)), 0U);
}

TEST(QtDialog, TextsAreNotClippedAndOkReturnsTheChoice) {
    const std::vector<std::string> entries{"(\x95\xcf\x8d\x58\x82\xb5\x82\xc8\x82\xa2)", "Beta",
                                           "Zeta"};
    CKEQtCharFontDialog dialog(entries, 0);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("文字の変更"));
    EXPECT_EQ(dialog.list()->itemText(0), QString::fromUtf8("(変更しない)"));
    EXPECT_EQ(dialog.list()->currentIndex(), 0);
    for (QWidget* child : dialog.findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(child) != nullptr || qobject_cast<QPushButton*>(child)) {
            EXPECT_GE(child->width(), child->sizeHint().width());
            EXPECT_GE(child->height(), child->sizeHint().height());
            EXPECT_LE(child->geometry().right(), dialog.width());
        }
    }
    QTimer::singleShot(0, [&dialog] {
        dialog.list()->setCurrentIndex(2);
        dialog.okButton()->click();
    });
    EXPECT_EQ(dialog.run(), 2);
    QTimer::singleShot(0, [&dialog] { dialog.reject(); });
    EXPECT_EQ(dialog.run(), -2);
}

}  // namespace
