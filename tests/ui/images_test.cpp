#include <gtest/gtest.h>

#include "ui/images.h"

namespace zova::ui {
namespace {

TEST(Images, StoredWithTheProgram) {
    const QPixmap logo = LogoPixmap();
    ASSERT_FALSE(logo.isNull());
    EXPECT_EQ(logo.size(), QSize(184, 142));
    EXPECT_EQ(SmallLogoPixmap().size(), QSize(84, 34));  // the About box's picture box
    EXPECT_FALSE(AppIcon().isNull());
    const QCursor hand = LinkCursor();
    EXPECT_EQ(hand.shape(), Qt::BitmapCursor);
    EXPECT_EQ(hand.pixmap().size(), QSize(32, 32));
    EXPECT_EQ(hand.hotSpot(), QPoint(9, 1));
}

}  // namespace
}  // namespace zova::ui
