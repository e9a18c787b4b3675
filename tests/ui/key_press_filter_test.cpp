#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include "commands/key_filters.h"
#include "support/named_case.h"
#include "ui/key_press_filter.h"

namespace zova::ui {
namespace {

struct FilterCase {
    const char* name;
    bool decimal;
    const char* typed;
    const char* result;
};
ZOVA_PRINT_CASE_NAME(FilterCase)

class TypedIntoABox : public ::testing::TestWithParam<FilterCase> {};

TEST_P(TypedIntoABox, KeepsOnlyAllowedCharacters) {
    const auto& c = GetParam();
    QLineEdit box;
    KeyPressFilter::install(&box, c.decimal ? &DecimalKeyFilter : &IntegerKeyFilter);
    QTest::keyClicks(&box, QString::fromUtf8(c.typed));
    EXPECT_EQ(box.text(), QString::fromUtf8(c.result));
}

INSTANTIATE_TEST_SUITE_P(
    Ui, TypedIntoABox,
    ::testing::Values(FilterCase{"integerDigits", false, "0123456789", "0123456789"},
                      FilterCase{"integerRefusesLetters", false, "1a2B3", "123"},
                      FilterCase{"integerRefusesMinusPointComma", false, "-1.2,3 ", "123"},
                      FilterCase{"decimalKeepsPoints", true, "1.5.", "1.5."},
                      FilterCase{"decimalRefusesMinusAndLetters", true, "-2e3", "23"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeyPressFilter, CharactersBeyondAsciiAreRefused) {
    QLineEdit box;
    KeyPressFilter::install(&box, &DecimalKeyFilter);
    for (const QString& typed : {QStringLiteral("１"), QStringLiteral("。"), QStringLiteral("7")}) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, typed);
        QApplication::sendEvent(&box, &press);
    }
    EXPECT_EQ(box.text(), QStringLiteral("7"));
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("５"));
    QApplication::sendEvent(&box, &commit);
    EXPECT_EQ(box.text(), QStringLiteral("7"));
}

TEST(KeyPressFilter, KeysThatTypeNothingPass) {
    QLineEdit box;
    KeyPressFilter::install(&box, &IntegerKeyFilter);
    QTest::keyClicks(&box, QStringLiteral("1234"));
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), QStringLiteral("123"));
    QTest::keyClick(&box, Qt::Key_Home);
    QTest::keyClick(&box, Qt::Key_Delete);
    EXPECT_EQ(box.text(), QStringLiteral("23"));
    QTest::keyClick(&box, Qt::Key_End);
    QTest::keyClick(&box, Qt::Key_Left);
    QTest::keyClick(&box, Qt::Key_9);
    EXPECT_EQ(box.text(), QStringLiteral("293"));
}

TEST(KeyPressFilter, EnterAndPasteShortcutAreCancelledButPastedTextIsNot) {
    QLineEdit box;
    KeyPressFilter::install(&box, &IntegerKeyFilter);
    int returns = 0;
    QObject::connect(&box, &QLineEdit::returnPressed, [&] { ++returns; });
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(returns, 0);
    box.setText(QStringLiteral("abc"));  // as a paste from the context menu would
    EXPECT_EQ(box.text(), QStringLiteral("abc"));
}

TEST(KeyPressFilter, TabStillMovesTheFocus) {
    QWidget form;
    auto* first = new QLineEdit(&form);
    auto* second = new QLineEdit(&form);
    KeyPressFilter::install(first, &IntegerKeyFilter);
    KeyPressFilter::install(second, &DecimalKeyFilter);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Tab);  // sent with the text "\t", as on Windows
    EXPECT_EQ(QApplication::focusWidget(), second);
    QTest::keyClick(second, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), first);
}

TEST(KeyPressFilter, EditableComboBoxIsFilteredToo) {
    QComboBox combo;
    combo.setEditable(true);
    combo.setEditText(QString());
    KeyPressFilter::install(&combo, &IntegerKeyFilter);
    QTest::keyClicks(&combo, QStringLiteral("4.x2"));
    EXPECT_EQ(combo.currentText(), QStringLiteral("42"));
}

}  // namespace
}  // namespace zova::ui
