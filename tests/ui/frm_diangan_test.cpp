#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <string>

#include "catalogue/catalogue.h"
#include "commands/core_list.h"
#include "commands/inductance_command.h"
#include "commands/maker_info.h"
#include "commands/messages.h"
#include "support/named_case.h"
#include "tests/ui/modal_watcher.h"
#include "tests/ui/url_recorder.h"
#include "tests/ui/widget_lookup.h"
#include "tests/ui/window_fixture.h"
#include "ui/frm_diangan.h"
#include "ui/qt_text.h"

namespace zova::ui {
namespace {

const char* const kCore = "KTA014060";  // the first catalogue core

// The label text after a calculation through the command the window must use.
QString Calculated(const char* turns, const char* current, const char* stack, const char* core = kCore) {
    const InductanceOutcome outcome = CalculateInductance(core, turns, current, stack);
    EXPECT_NE(outcome.end, InductanceEnd::OutOfRange);
    return q(outcome.resultText);
}

// The offered part numbers containing `pattern`, in catalogue order.
QStringList PartNumbersContaining(const std::string& pattern) {
    QStringList found;
    for (int row = 1; row <= CoreCount(); ++row)
        if (CoreCatalogue(row).PartNo.find(pattern) != std::string::npos) found << q(CoreCatalogue(row).PartNo);
    return found;
}

class Calculator : public test::WindowFixture<FrmDiangan> {
public:
    QLineEdit* search() { return get<QLineEdit>("txtSearch"); }
    QListWidget* list() { return get<QListWidget>("lstCoreList"); }
    QLineEdit* turns() { return get<QLineEdit>("txtXianquanN"); }
    QLineEdit* current() { return get<QLineEdit>("txtDianliu"); }
    QComboBox* stack() { return get<QComboBox>("cmbCoreCount"); }
    QString result() { return get<QLabel>("labResult")->text(); }
    QString details() { return get<QLabel>("labCoreInfo")->text(); }

    QStringList items() { return ItemTexts(list()); }

    // Clicks the item as a user would.
    void clickCore(const char* partNo) {
        const QList<QListWidgetItem*> found = list()->findItems(QString::fromLatin1(partNo), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << partNo;
        list()->scrollToItem(found.first());
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(found.first()).center());
        ASSERT_TRUE(found.first()->isSelected());
    }

    void typeInto(QWidget* box, const char* typed) { QTest::keyClicks(box, QString::fromUtf8(typed)); }

    // Picks item `index` from the open stack drop-down with the keyboard.
    void pickStack(int index) {
        stack()->showPopup();
        QAbstractItemView* view = stack()->view();
        view->setCurrentIndex(stack()->model()->index(index, 0));
        QTest::keyClick(view, Qt::Key_Return);
    }

};

TEST_F(Calculator, OpensWithEveryOfferedCoreAndTheHelpText) {
    ASSERT_EQ(list()->count(), 469);
    for (int row = 1; row <= CoreCount(); ++row)
        ASSERT_EQ(list()->item(row - 1)->text(), q(CoreCatalogue(row).PartNo)) << "row " << row;
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    EXPECT_EQ(result(), q(CalculatorHelpText()));
    EXPECT_EQ(details(), QString());

    EXPECT_EQ(search()->text(), QString());
    EXPECT_EQ(turns()->text(), QString());
    EXPECT_EQ(current()->text(), QStringLiteral("0"));
    EXPECT_TRUE(stack()->isEditable());
    EXPECT_EQ(stack()->insertPolicy(), QComboBox::NoInsert);
    EXPECT_EQ(stack()->currentText(), QStringLiteral("1"));
    QStringList stackItems;
    for (int i = 0; i < stack()->count(); ++i) stackItems << stack()->itemText(i);
    EXPECT_EQ(stackItems, QStringList({"1", "2", "3", "4", "5", "6"}));

    EXPECT_EQ(window.objectName(), QStringLiteral("frmDiangan"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("环形磁芯电感计算"));
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_EQ(window.size(), QSize(692, 491));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(get<QPushButton>("cmdJiSuan")->isDefault());
    EXPECT_FALSE(get<QPushButton>("cmdJiSuan")->autoDefault());
    EXPECT_EQ(QApplication::focusWidget(), search());
}

struct SearchCase {
    const char* name;
    const char* typed;
    std::string pattern;  // what the listed part numbers contain
};
ZOVA_PRINT_CASE_NAME(SearchCase)

class Searching : public Calculator, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(Searching, ListsTheMatchingPartNumbersInCatalogueOrder) {
    const auto& c = GetParam();
    typeInto(search(), c.typed);
    EXPECT_EQ(items(), PartNumbersContaining(c.pattern));
    EXPECT_TRUE(list()->selectedItems().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Ui, Searching,
                         ::testing::Values(SearchCase{"lowerCase", "kta05", "KTA05"},
                                           SearchCase{"spacesAround", " kta05 ", "KTA05"},
                                           SearchCase{"permeabilityCode", "125", "125"},
                                           SearchCase{"onlySpaces", "   ", ""},
                                           SearchCase{"matchesNothing", "kta05x", "KTA05X"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Calculator, SearchKta05FindsSomeButNotAllCores) {
    typeInto(search(), "kta05");
    EXPECT_GT(list()->count(), 0);
    EXPECT_LT(list()->count(), 469);
}

TEST_F(Calculator, ClearingTheSearchListsEveryCoreAgainWithoutSelection) {
    typeInto(search(), "kta05");
    clickCore("KTA050060");
    const QString shown = details();
    search()->selectAll();
    QTest::keyClick(search(), Qt::Key_Backspace);
    EXPECT_EQ(list()->count(), 469);
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    EXPECT_EQ(details(), shown);
}

TEST_F(Calculator, SearchMatchingNothingKeepsTheShownTextsUntilTheNextCalculation) {
    typeInto(turns(), "50");
    clickCore(kCore);
    const QString shownResult = result();
    const QString shownDetails = details();
    ASSERT_EQ(shownResult, Calculated("50", "0", "1"));

    typeInto(search(), "zz");
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(result(), shownResult);
    EXPECT_EQ(details(), shownDetails);

    // Nothing is selected any more: the calculation asks for a core, and an
    // edit of the turns clears the result as it does whenever no core is selected.
    QTest::mouseClick(get<QPushButton>("cmdJiSuan"), Qt::LeftButton);
    EXPECT_EQ(result(), q(Say(texts::messages::selectCore)));
    typeInto(turns(), "1");
    EXPECT_EQ(result(), QString());
}

TEST_F(Calculator, ClickingTheFirstCoreShowsItsSixDetailLines) {
    clickCore(kCore);
    EXPECT_EQ(details(), QStringLiteral("磁芯料号：KTA014060\r涂层后外径：3.76 mm\r涂层后内径：1.52 mm\r"
                                        "涂层后高度：1.73 mm\r电感系数：13 nH \r有效磁路长度：0.817 cm"));
}

struct ClickCase {
    const char* name;
    const char* turns;
    const char* current;
    bool calculates;
};
ZOVA_PRINT_CASE_NAME(ClickCase)

class ClickingACore : public Calculator, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(ClickingACore, ShowsDetailsAndCalculatesOnlyWithTurnsAndCurrent) {
    const auto& c = GetParam();
    turns()->setText(QString::fromLatin1(c.turns));
    current()->setText(QString::fromLatin1(c.current));
    const QString before = result();
    clickCore("KTB130060");
    EXPECT_EQ(details(), q(CoreDetailsText("KTB130060")));
    EXPECT_EQ(result(), c.calculates ? Calculated(c.turns, c.current, "1", "KTB130060") : before);
}

INSTANTIATE_TEST_SUITE_P(Ui, ClickingACore,
                         ::testing::Values(ClickCase{"noTurns", "", "0", false},
                                           ClickCase{"blankTurns", "  ", "0", false},
                                           ClickCase{"turnsAndZeroCurrent", "50", "0", true},
                                           ClickCase{"turnsAndCurrent", "50", "5", true},
                                           ClickCase{"blankCurrent", "50", " ", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Calculator, CurrentBoxEmptiesOnFocusAndGetsZeroBackOnLeaving) {
    typeInto(turns(), "50");
    clickCore(kCore);
    turns()->setFocus(Qt::TabFocusReason);

    current()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(current()->text(), QString());
    EXPECT_EQ(result(), q(Say(texts::messages::enterCurrent)));

    turns()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(current()->text(), QStringLiteral("0"));
    EXPECT_EQ(result(), Calculated("50", "0", "1"));
}

TEST_F(Calculator, EmptyingTheCurrentWithoutTurnsClearsTheResult) {
    clickCore(kCore);
    current()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(current()->text(), QString());
    EXPECT_EQ(result(), QString());
}

TEST_F(Calculator, CurrentOtherThanZeroStaysOnFocusAndEmptyStaysOnLeaving) {
    current()->setText(QStringLiteral("5"));
    current()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(current()->text(), QStringLiteral("5"));
    current()->setText(QString());
    // The context menu (for a paste) takes the focus only for a moment.
    QFocusEvent toMenu(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(current(), &toMenu);
    EXPECT_EQ(current()->text(), QString());
    search()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(current()->text(), QStringLiteral("0"));
}

struct TypingCase {
    const char* name;
    const char* box;
    const char* typed;
    const char* kept;
};
ZOVA_PRINT_CASE_NAME(TypingCase)

class TypingIntoANumberBox : public Calculator, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(TypingIntoANumberBox, KeepsOnlyTheAllowedCharacters) {
    const auto& c = GetParam();
    QWidget* box = get<QWidget>(c.box);
    if (auto* combo = qobject_cast<QComboBox*>(box))
        combo->setEditText(QString());
    else
        static_cast<QLineEdit*>(box)->setText(QString());
    typeInto(box, c.typed);
    if (auto* combo = qobject_cast<QComboBox*>(box))
        EXPECT_EQ(combo->currentText(), QString::fromUtf8(c.kept));
    else
        EXPECT_EQ(static_cast<QLineEdit*>(box)->text(), QString::fromUtf8(c.kept));
}

INSTANTIATE_TEST_SUITE_P(
    Ui, TypingIntoANumberBox,
    ::testing::Values(TypingCase{"turnsRefusesLettersMinusComma", "txtXianquanN", "1a-,B2", "12"},
                      TypingCase{"turnsRefusesThePoint", "txtXianquanN", "2.5", "25"},
                      TypingCase{"stackRefusesLettersMinusComma", "cmbCoreCount", "1a-,B2", "12"},
                      TypingCase{"stackRefusesThePoint", "cmbCoreCount", "2.5", "25"},
                      TypingCase{"currentTakesASecondPoint", "txtDianliu", "1.5.", "1.5."},
                      TypingCase{"currentRefusesLettersMinusComma", "txtDianliu", "-1,e5", "15"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Calculator, EnterIsRefusedInTheTurnsAndStackBoxes) {
    QSignalSpy turnsEnter(turns(), &QLineEdit::returnPressed);
    typeInto(turns(), "5");
    QTest::keyClick(turns(), Qt::Key_Return);
    EXPECT_EQ(turnsEnter.count(), 0);

    // Enter on the text of an item would pick that item.
    QSignalSpy picked(stack(), &QComboBox::activated);
    stack()->setEditText(QString());
    typeInto(stack(), "3");
    QTest::keyClick(stack(), Qt::Key_Return);
    EXPECT_EQ(picked.count(), 0);
    EXPECT_EQ(stack()->currentIndex(), 0);
    EXPECT_EQ(stack()->count(), 6);
}

TEST_F(Calculator, PickingSixCoresMultipliesTheResult) {
    clickCore(kCore);
    typeInto(turns(), "50");
    current()->setText(QStringLiteral("5"));
    pickStack(5);
    EXPECT_EQ(stack()->currentText(), QStringLiteral("6"));
    EXPECT_EQ(result(), Calculated("50", "5", "6"));
}

TEST_F(Calculator, ChangingTheStackWithoutTurnsLeavesTheResult) {
    clickCore(kCore);
    pickStack(2);
    typeInto(stack(), "4");
    EXPECT_EQ(result(), q(CalculatorHelpText()));
}

// Each way of changing the stack count calculates exactly once: with turns that
// overflow, each calculation shows one out-of-range box.
struct StackChangeCase {
    const char* name;
    void (*prepare)(Calculator&);  // may be null
    void (*change)(Calculator&);
};
ZOVA_PRINT_CASE_NAME(StackChangeCase)

class ChangingTheStack : public Calculator, public ::testing::WithParamInterface<StackChangeCase> {};

TEST_P(ChangingTheStack, CalculatesOnce) {
    const auto& c = GetParam();
    clickCore(kCore);
    {
        test::ModalWatcher watcher;
        turns()->setText(QStringLiteral("40000"));
        ASSERT_EQ(watcher.boxes().size(), 1u);
        if (c.prepare != nullptr) c.prepare(*this);
    }
    test::ModalWatcher watcher;
    c.change(*this);
    EXPECT_EQ(watcher.boxes().size(), 1u);
}

void TypeThree(Calculator& t) {
    t.stack()->lineEdit()->selectAll();
    t.typeInto(t.stack(), "3");
}

INSTANTIATE_TEST_SUITE_P(
    Ui, ChangingTheStack,
    ::testing::Values(StackChangeCase{"pickAnotherItem", nullptr, [](Calculator& t) { t.pickStack(5); }},
                      StackChangeCase{"pickTheCurrentItem", nullptr, [](Calculator& t) { t.pickStack(0); }},
                      StackChangeCase{"pickTheCurrentItemOverATypedText", &TypeThree,
                                      [](Calculator& t) { t.pickStack(0); }},
                      StackChangeCase{"pickTheTypedItem", &TypeThree, [](Calculator& t) { t.pickStack(2); }},
                      StackChangeCase{"arrowKeyOnTheClosedList", nullptr,
                                      [](Calculator& t) { QTest::keyClick(t.stack(), Qt::Key_Down); }},
                      StackChangeCase{"typeADigit", nullptr, [](Calculator& t) { t.typeInto(t.stack(), "2"); }},
                      StackChangeCase{"pickWithTheMouse", nullptr,
                                      [](Calculator& t) {
                                          QComboBox* combo = t.stack();
                                          combo->showPopup();
                                          // The drop-down ignores a release right after it opens.
                                          QTest::qWait(QApplication::doubleClickInterval() + 100);
                                          QAbstractItemView* view = combo->view();
                                          const QPoint at = view->visualRect(combo->model()->index(3, 0)).center();
                                          QTest::mouseMove(view->viewport(), at);
                                          QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
                                      }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Calculator, OutOfRangeKeepsThePreviousResultAndShowsOneBox) {
    clickCore(kCore);
    typeInto(turns(), "50");
    const QString before = result();
    ASSERT_EQ(before, Calculated("50", "0", "1"));

    test::ModalWatcher watcher;
    turns()->setText(QStringLiteral("40000"));
    ASSERT_EQ(watcher.boxes().size(), 1u);
    const auto& box = watcher.boxes().front();
    EXPECT_EQ(box.text, q(Say(texts::messages::outOfRange)));
    EXPECT_EQ(box.caption, QStringLiteral("ZOVAMagnetic"));
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_EQ(box.buttons, QStringList{QStringLiteral("确定")});
    EXPECT_TRUE(box.modal);
    EXPECT_EQ(result(), before);
    EXPECT_EQ(turns()->text(), QStringLiteral("40000"));
}

TEST_F(Calculator, CalculateButtonConvertsTheStackBeforeAnythingIsChecked) {
    test::ModalWatcher watcher;
    QTest::mouseClick(get<QPushButton>("cmdJiSuan"), Qt::LeftButton);
    EXPECT_EQ(result(), q(Say(texts::messages::selectCore)));
    stack()->setEditText(QStringLiteral("99999"));
    QTest::mouseClick(get<QPushButton>("cmdJiSuan"), Qt::LeftButton);
    EXPECT_EQ(watcher.boxes().size(), 1u);
    EXPECT_EQ(result(), q(Say(texts::messages::selectCore)));
}

// The window hands the texts as they stand to the calculator command.
struct InputCase {
    const char* name;
    const char* turns;
    const char* current;
    const char* stack;
};
ZOVA_PRINT_CASE_NAME(InputCase)

class CalculatingFromTheBoxes : public Calculator, public ::testing::WithParamInterface<InputCase> {};

TEST_P(CalculatingFromTheBoxes, ShowsWhatTheCommandReturns) {
    const auto& c = GetParam();
    clickCore("KRA080090");
    turns()->setText(QString::fromLatin1(c.turns));
    current()->setText(QString::fromLatin1(c.current));
    stack()->setEditText(QString::fromLatin1(c.stack));
    get<QLabel>("labResult")->setText(QString());
    QTest::mouseClick(get<QPushButton>("cmdJiSuan"), Qt::LeftButton);
    EXPECT_EQ(result(), Calculated(c.turns, c.current, c.stack, "KRA080090"));
}

INSTANTIATE_TEST_SUITE_P(Ui, CalculatingFromTheBoxes,
                         ::testing::Values(InputCase{"plain", "50", "5", "1"},
                                           InputCase{"spacesAroundTurns", " 35 ", "2.5", "1"},
                                           InputCase{"pastedHalfTurns", "2.5", "1", "1"},
                                           InputCase{"twoCores", "50", "5", "2"},
                                           InputCase{"emptyStack", "50", "5", ""},
                                           InputCase{"turnsNotANumber", "abc", "5", "1"},
                                           InputCase{"emptyTurns", "", "5", "1"},
                                           InputCase{"emptyCurrent", "50", "", "1"},
                                           InputCase{"currentWithTwoPoints", "50", "1.2.3", "3"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Calculator, LinkOpensTheHomePage) {
    test::UrlRecorder urls;
    auto* link = get<QLabel>("Label7");
    const QString prefix = QStringLiteral("更多磁芯资料请登陆 ");
    ASSERT_TRUE(link->text().startsWith(prefix));
    // The address the click opens, as the About box shows it.
    EXPECT_EQ(link->text().mid(prefix.size()), q(maker::kHomePage));
    EXPECT_EQ(link->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(link->cursor().pixmap().size(), QSize(32, 32));
    const QString before = result();
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(urls.opened().size(), 1);
    EXPECT_EQ(urls.opened().front(), QUrl(q(maker::kHomePage)));
    EXPECT_EQ(result(), before);
}

// Positions in twips, as designed (15 to a pixel); labels size themselves, so
// their width and height are left at 0.
struct PlaceCase {
    const char* name;
    const char* parent;
    int left, top, width, height;
};
ZOVA_PRINT_CASE_NAME(PlaceCase)

class Layout : public Calculator, public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(Layout, ControlSitsWhereDesigned) {
    const auto& c = GetParam();
    auto* control = get<QWidget>(c.name);
    EXPECT_EQ(control->parentWidget()->objectName(), QString::fromLatin1(c.parent));
    EXPECT_EQ(control->pos(), QPoint(c.left / 15, c.top / 15));
    if (c.width != 0) {
        EXPECT_EQ(control->size(), QSize(c.width / 15, c.height / 15));
    }
}

INSTANTIATE_TEST_SUITE_P(Ui, Layout,
                         ::testing::Values(PlaceCase{"Label1", "frmDiangan", 600, 480, 0, 0},
                                           PlaceCase{"txtSearch", "frmDiangan", 1680, 360, 2775, 360},
                                           PlaceCase{"lstCoreList", "frmDiangan", 1680, 720, 2775, 3570},
                                           PlaceCase{"txtDianliu", "frmDiangan", 1680, 5040, 2775, 360},
                                           PlaceCase{"cmbCoreCount", "frmDiangan", 1680, 5520, 2775, 315},
                                           PlaceCase{"cmdJiSuan", "frmDiangan", 2760, 6240, 1695, 495},
                                           PlaceCase{"fraResult", "frmDiangan", 5400, 240, 4575, 1935},
                                           PlaceCase{"labResult", "fraResult", 120, 360, 0, 0},
                                           PlaceCase{"fraCoreNote", "frmDiangan", 5400, 2280, 4575, 4455},
                                           PlaceCase{"labCoreInfo", "fraCoreNote", 120, 360, 0, 0},
                                           PlaceCase{"labNote_01_01", "fraCoreNote", 360, 2760, 0, 0},
                                           PlaceCase{"Label7", "fraCoreNote", 120, 4080, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Calculator, EveryLabelFitsItsTextAndItsFrame) {
    clickCore(CoreCatalogue(CoreCount()).PartNo.c_str());  // the largest core: long figures
    for (QLabel* label : window.findChildren<QLabel*>()) {
        EXPECT_EQ(label->size(), label->sizeHint()) << label->objectName().toStdString();
        EXPECT_TRUE(label->parentWidget()->rect().contains(label->geometry())) << label->objectName().toStdString();
    }
}

TEST_F(Calculator, TabVisitsTheInputsInOrder) {
    const char* const order[] = {"lstCoreList", "txtXianquanN", "txtDianliu", "cmdJiSuan", "cmbCoreCount",
                                 "txtSearch"};
    ASSERT_EQ(QApplication::focusWidget(), search());
    for (const char* name : order) EXPECT_EQ(test::TabToNextControl(), QString::fromLatin1(name));
}

// A multi-line label must show one line per line of its text, whatever breaks
// them, with nothing else: it must look exactly like a label whose lines are
// joined by plain line feeds.
struct RenderCase {
    const char* name;
    const char* label;
    const char* separator;
};
ZOVA_PRINT_CASE_NAME(RenderCase)

class MultiLineLabel : public Calculator, public ::testing::WithParamInterface<RenderCase> {};

TEST_P(MultiLineLabel, ShowsSixSeparateLines) {
    const auto& c = GetParam();
    clickCore(kCore);
    auto* label = get<QLabel>(c.label);
    const QStringList lines = label->text().split(QString::fromLatin1(c.separator));
    ASSERT_EQ(lines.size(), 6);

    QLabel reference(lines.join(QLatin1Char('\n')), label->parentWidget());
    reference.adjustSize();
    EXPECT_EQ(label->size(), reference.size());
    EXPECT_TRUE(label->grab().toImage() == reference.grab().toImage());

    // Ink in each of six line-high bands.
    const QImage shot = label->grab().toImage().convertToFormat(QImage::Format_Grayscale8);
    const int lineHeight = label->fontMetrics().lineSpacing();
    for (int line = 0; line < 6; ++line) {
        bool ink = false;
        for (int y = line * lineHeight; y < (line + 1) * lineHeight && y < shot.height() && !ink; ++y)
            for (int x = 0; x < shot.width() && !ink; ++x) ink = qGray(shot.pixel(x, y)) < 128;
        EXPECT_TRUE(ink) << "line " << line + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Ui, MultiLineLabel,
                         ::testing::Values(RenderCase{"helpText", "labResult", "\n\r"},
                                           RenderCase{"coreDetails", "labCoreInfo", "\r"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zova::ui
