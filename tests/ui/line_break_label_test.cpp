#include <gtest/gtest.h>

#include "ui/line_break_label.h"

namespace zova::ui {
namespace {

TEST(LineBreakLabel, KeepsItsTextButDrawsEachBreakOnce) {
    LineBreakLabel label(QStringLiteral("a\rb\n\rc\r\nd\ne"));
    EXPECT_EQ(label.text(), QStringLiteral("a\rb\n\rc\r\nd\ne"));
    EXPECT_EQ(LineBreakLabel::displayText(label.text()), QStringLiteral("a\nb\nc\nd\ne"));
}

}  // namespace
}  // namespace zova::ui
