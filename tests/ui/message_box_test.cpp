#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "tests/ui/modal_watcher.h"
#include "ui/message_box.h"

namespace zova::ui {
namespace {

TEST(MessageBox, ModalOkOnlyNoIconWithAppTitleByDefault) {
    test::ModalWatcher watcher;
    ShowMessage(nullptr, QStringLiteral("超出计算范围，请您调整计算参数。"));
    ASSERT_EQ(watcher.boxes().size(), 1u);
    const auto& box = watcher.boxes().front();
    EXPECT_EQ(box.caption, QStringLiteral("ZOVAMagnetic"));
    EXPECT_EQ(box.text, QStringLiteral("超出计算范围，请您调整计算参数。"));
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_EQ(box.buttons, QStringList{QStringLiteral("确定")});
    EXPECT_TRUE(box.modal);
}

TEST(MessageBox, OwnCaption) {
    test::ModalWatcher watcher;
    ShowMessage(nullptr, QStringLiteral("对不起，请输入电流！"), QStringLiteral("错误提示"));
    ASSERT_EQ(watcher.boxes().size(), 1u);
    EXPECT_EQ(watcher.boxes().front().caption, QStringLiteral("错误提示"));
}

}  // namespace
}  // namespace zova::ui
