// What every window does alike: Enter presses a focused button, a box keeps a
// pasted text whole, and a screen reader names each box by its label.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <memory>

#include "support/named_case.h"
#include "tests/ui/widget_lookup.h"
#include "ui/frm_about.h"
#include "ui/frm_choise.h"
#include "ui/frm_diangan.h"

namespace zova::ui {
namespace {

using Factory = std::function<std::unique_ptr<QWidget>()>;
template <typename W>
Factory Make() {
    return [] { return std::make_unique<W>(); };
}

std::unique_ptr<QWidget> Shown(const Factory& make) {
    std::unique_ptr<QWidget> window = make();
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return window;
}

struct ButtonCase {
    const char* name;
    Factory window;
    const char* button;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};
ZOVA_PRINT_CASE_NAME(ButtonCase)

class EnterOnAButton : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(EnterOnAButton, PressesItOnce) {
    const auto& c = GetParam();
    const std::unique_ptr<QWidget> window = Shown(c.window);
    auto* button = test::Find<QPushButton>(window.get(), c.button);
    // Only the press is under test, not what the window does with it.
    QObject::disconnect(button, &QPushButton::clicked, nullptr, nullptr);
    QSignalSpy clicks(button, &QPushButton::clicked);
    button->setFocus();
    QTest::keyClick(button, c.key, c.modifiers);
    EXPECT_EQ(clicks.count(), 1);
    if (window->objectName() != QLatin1String("frmAbout")) {
        EXPECT_FALSE(button->isDefault());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ui, EnterOnAButton,
    ::testing::Values(ButtonCase{"selectionRun", Make<FrmChoise>(), "cmdJiSuan", Qt::Key_Return, {}},
                      ButtonCase{"selectionSample", Make<FrmChoise>(), "cmdRequestSample", Qt::Key_Return, {}},
                      ButtonCase{"selectionKeypad", Make<FrmChoise>(), "cmdJiSuan", Qt::Key_Enter,
                                 Qt::KeypadModifier},
                      ButtonCase{"calculator", Make<FrmDiangan>(), "cmdJiSuan", Qt::Key_Return, {}},
                      ButtonCase{"about", Make<FrmAbout>(), "cmdOK", Qt::Key_Return, {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct BoxCase {
    const char* name;
    Factory window;
    const char* box;
    const char* label;  // the caption a screen reader names the box by
};
ZOVA_PRINT_CASE_NAME(BoxCase)

class NumberBox : public ::testing::TestWithParam<BoxCase> {};

QLineEdit* EditOf(QWidget* box) {
    if (auto* combo = qobject_cast<QComboBox*>(box)) return combo->lineEdit();
    return static_cast<QLineEdit*>(box);
}

TEST_P(NumberBox, KeepsAPastedTextWhole) {
    const auto& c = GetParam();
    const std::unique_ptr<QWidget> window = Shown(c.window);
    QLineEdit* edit = EditOf(test::Find<QWidget>(window.get(), c.box));
    const QString pasted(40000, QLatin1Char('1'));
    edit->setText(pasted);
    EXPECT_EQ(edit->text().size(), pasted.size());
}

TEST_P(NumberBox, IsNamedByItsLabel) {
    const auto& c = GetParam();
    const std::unique_ptr<QWidget> window = Shown(c.window);
    QWidget* box = test::Find<QWidget>(window.get(), c.box);
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(box);
    ASSERT_NE(read, nullptr);
    // Its label comes first; a frame's title may follow as a second label.
    const auto labels = read->relations(QAccessible::Label);
    ASSERT_FALSE(labels.empty());
    EXPECT_EQ(labels.front().first->text(QAccessible::Name), QString::fromUtf8(c.label));
    if (qobject_cast<QLineEdit*>(box) != nullptr) {
        EXPECT_EQ(read->text(QAccessible::Name), QString::fromUtf8(c.label));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ui, NumberBox,
    ::testing::Values(BoxCase{"selectionCurrent", Make<FrmChoise>(), "txtDianliu", "峰值电流(A)"},
                      BoxCase{"selectionInductance", Make<FrmChoise>(), "txtDianganliang", "电感量(μH)"},
                      BoxCase{"selectionStack", Make<FrmChoise>(), "cmbCoreCount", "磁芯个数"},
                      BoxCase{"calculatorSearch", Make<FrmDiangan>(), "txtSearch", "磁芯料号"},
                      BoxCase{"calculatorTurns", Make<FrmDiangan>(), "txtXianquanN", "绕线圈数"},
                      BoxCase{"calculatorCurrent", Make<FrmDiangan>(), "txtDianliu", "电流大小(A)"},
                      BoxCase{"calculatorStack", Make<FrmDiangan>(), "cmbCoreCount", "磁芯个数"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zova::ui
