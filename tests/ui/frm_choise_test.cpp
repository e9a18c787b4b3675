#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <string>

#include "commands/maker_info.h"
#include "commands/messages.h"
#include "commands/selection_command.h"
#include "support/named_case.h"
#include "tests/ui/modal_watcher.h"
#include "tests/ui/url_recorder.h"
#include "tests/ui/widget_lookup.h"
#include "tests/ui/window_fixture.h"
#include "ui/frm_choise.h"
#include "ui/qt_text.h"
#include "ui/tab_columns_delegate.h"

namespace zova::ui {
namespace {

const char* const kCaptions[] = {"Label12", "Label13", "Label14", "Label15", "Label16", "Label17"};

class Selection : public test::WindowFixture<FrmChoise> {
public:
    QLineEdit* current() { return get<QLineEdit>("txtDianliu"); }
    QLineEdit* inductance() { return get<QLineEdit>("txtDianganliang"); }
    QComboBox* stack() { return get<QComboBox>("cmbCoreCount"); }
    QListWidget* list() { return get<QListWidget>("lstResut"); }

    QStringList items() { return ItemTexts(list()); }

    // Fills in the three boxes as a paste would (unfiltered) and presses the button.
    void run(const char* amps, const char* microhenries, const char* cores) {
        current()->setText(QString::fromUtf8(amps));
        inductance()->setText(QString::fromUtf8(microhenries));
        stack()->setEditText(QString::fromUtf8(cores));
        QTest::mouseClick(get<QPushButton>("cmdJiSuan"), Qt::LeftButton);
    }

};

QStringList LinesOf(const SelectionOutcome& outcome) {
    QStringList lines;
    for (const std::string& line : outcome.lines) lines << q(line);
    return lines;
}

TEST_F(Selection, OpensEmptyWithTheFocusInTheCurrentBox) {
    EXPECT_EQ(window.objectName(), QStringLiteral("frmChoise"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("环形磁芯选型"));
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_EQ(window.minimumSize(), QSize(789, 628));
    EXPECT_EQ(window.maximumSize(), QSize(789, 628));

    EXPECT_EQ(QApplication::focusWidget(), current());
    EXPECT_TRUE(current()->text().isEmpty());
    EXPECT_TRUE(inductance()->text().isEmpty());
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(list()->selectionMode(), QAbstractItemView::SingleSelection);

    EXPECT_TRUE(stack()->isEditable());
    EXPECT_EQ(stack()->insertPolicy(), QComboBox::NoInsert);
    EXPECT_EQ(stack()->currentText(), QStringLiteral("1"));
    QStringList choices;
    for (int i = 0; i < stack()->count(); ++i) choices << stack()->itemText(i);
    EXPECT_EQ(choices.join(QLatin1Char(',')), QStringLiteral("1,2,3,4,5,6"));

    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        EXPECT_FALSE(button->isDefault()) << button->objectName().toStdString();
        EXPECT_FALSE(button->autoDefault()) << button->objectName().toStdString();
    }
}

TEST_F(Selection, TabVisitsTheControlsInOrder) {
    const char* const order[] = {"txtDianganliang", "cmbCoreCount",     "cmdJiSuan", "lstResut",
                                 "cmdRequestSample", "picLogo", "txtDianliu"};
    for (const char* name : order) EXPECT_EQ(test::TabToNextControl(), QString::fromLatin1(name));
}

struct TypingCase {
    const char* name;
    const char* box;
    const char* typed;
    const char* shown;
};
ZOVA_PRINT_CASE_NAME(TypingCase)

class TypingIntoABox : public Selection, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(TypingIntoABox, KeepsOnlyWhatTheBoxAccepts) {
    const TypingCase& c = GetParam();
    QWidget* box = get<QWidget>(c.box);
    if (auto* combo = qobject_cast<QComboBox*>(box)) combo->setEditText(QString());
    QTest::keyClicks(box, QString::fromUtf8(c.typed));
    const QString shown = qobject_cast<QComboBox*>(box) ? stack()->currentText() : get<QLineEdit>(c.box)->text();
    EXPECT_EQ(shown, QString::fromUtf8(c.shown));
}

INSTANTIATE_TEST_SUITE_P(
    Ui, TypingIntoABox,
    ::testing::Values(TypingCase{"currentTakesADecimal", "txtDianliu", "1.5", "1.5"},
                      TypingCase{"currentRefusesLettersAndMinus", "txtDianliu", "a-1x0", "10"},
                      TypingCase{"inductanceTakesADecimal", "txtDianganliang", "47.5", "47.5"},
                      TypingCase{"inductanceRefusesLettersAndMinus", "txtDianganliang", "-1e5", "15"},
                      TypingCase{"stackRefusesThePoint", "cmbCoreCount", "2.5", "25"},
                      TypingCase{"stackRefusesLetters", "cmbCoreCount", "x3", "3"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Selection, EnterIsRefusedInTheInputBoxes) {
    for (QLineEdit* box : {current(), inductance()}) {
        QSignalSpy entered(box, &QLineEdit::returnPressed);
        QTest::keyClicks(box, QStringLiteral("5"));
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_EQ(entered.count(), 0) << box->objectName().toStdString();
    }
    QSignalSpy picked(stack(), &QComboBox::activated);
    stack()->setEditText(QString());
    QTest::keyClicks(stack(), QStringLiteral("3"));
    QTest::keyClick(stack(), Qt::Key_Return);
    EXPECT_EQ(picked.count(), 0);
    EXPECT_TRUE(items().isEmpty());
}

struct FocusCase {
    const char* name;
    const char* before;
    const char* after;
};
ZOVA_PRINT_CASE_NAME(FocusCase)

class EnteringTheCurrentBox : public Selection, public ::testing::WithParamInterface<FocusCase> {};

TEST_P(EnteringTheCurrentBox, EmptiesOnlyALoneZero) {
    inductance()->setFocus(Qt::TabFocusReason);
    current()->setText(QString::fromUtf8(GetParam().before));
    QTest::mouseClick(current(), Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), current());
    EXPECT_EQ(current()->text(), QString::fromUtf8(GetParam().after));
}

INSTANTIATE_TEST_SUITE_P(Ui, EnteringTheCurrentBox,
                         ::testing::Values(FocusCase{"zero", "0", ""}, FocusCase{"blankZero", " 0", " 0"},
                                           FocusCase{"zeroPointZero", "0.0", "0.0"},
                                           FocusCase{"ten", "10", "10"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Selection, ARunListsTheCommandsLines) {
    test::ModalWatcher boxes;
    QTest::keyClicks(current(), QStringLiteral("10"));
    QTest::keyClicks(inductance(), QStringLiteral("100"));
    QTest::mouseClick(get<QPushButton>("cmdJiSuan"), Qt::LeftButton);
    EXPECT_TRUE(boxes.boxes().empty());
    ASSERT_EQ(list()->count(), 203);
    EXPECT_EQ(items(), LinesOf(SelectCores("10", "100", "1")));
    EXPECT_EQ(items().front(), QStringLiteral("KTA092060\t\t24.28\t\t13.77\t\t9.7\t\t54\t\t>1.26"));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);  // the wait cursor is gone again
}

TEST_F(Selection, EachRunOpensItsListAtTheFirstLine) {
    run("10", "100", "1");
    list()->scrollToBottom();
    ASSERT_GT(list()->verticalScrollBar()->value(), 0);
    run("5", "50", "1");
    EXPECT_EQ(list()->verticalScrollBar()->value(), 0);
}

TEST_F(Selection, TheRulesFirstLineKeepsTheFramesMargin) {
    auto* frame = get<QGroupBox>("fraRules");
    EXPECT_GE(get<QLabel>("Label1")->y(), frame->contentsRect().top());
    EXPECT_LT(get<QLabel>("Label1")->geometry().bottom(), get<QLabel>("Label2")->y());
}

TEST_F(Selection, PickingSixFromTheStackListIsUsedByTheNextRun) {
    stack()->showPopup();
    QAbstractItemView* view = stack()->view();
    view->setCurrentIndex(stack()->model()->index(5, 0));
    QTest::keyClick(view, Qt::Key_Return);
    ASSERT_EQ(stack()->currentText(), QStringLiteral("6"));

    current()->setText(QStringLiteral("10"));
    inductance()->setText(QStringLiteral("100"));
    QTest::mouseClick(get<QPushButton>("cmdJiSuan"), Qt::LeftButton);
    const QStringList six = LinesOf(SelectCores("10", "100", "6"));
    EXPECT_EQ(items(), six);
    EXPECT_NE(six, LinesOf(SelectCores("10", "100", "1")));
}

struct MessageCase {
    const char* name;
    const char* current;
    const char* inductance;
    const char* stack;
    std::string_view caption;
    std::string_view text;
};
ZOVA_PRINT_CASE_NAME(MessageCase)

class ARunWithAMessage : public Selection, public ::testing::WithParamInterface<MessageCase> {};

TEST_P(ARunWithAMessage, ShowsOnePlainBoxAndEmptiesTheList) {
    const MessageCase& c = GetParam();
    run("10", "100", "1");  // a full list first: every run starts by emptying it
    ASSERT_EQ(list()->count(), 203);

    test::ModalWatcher boxes;
    run(c.current, c.inductance, c.stack);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    const test::ModalWatcher::Box& box = boxes.boxes().front();
    EXPECT_EQ(box.caption, q(c.caption));
    EXPECT_EQ(box.text, q(c.text));
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_EQ(box.buttons, QStringList{QStringLiteral("确定")});
    EXPECT_EQ(list()->count(), 0);
    // The inputs stay as they were.
    EXPECT_EQ(current()->text(), QString::fromUtf8(c.current));
    EXPECT_EQ(stack()->currentText(), QString::fromUtf8(c.stack));
}

INSTANTIATE_TEST_SUITE_P(
    Ui, ARunWithAMessage,
    ::testing::Values(
        MessageCase{"noCurrent", "", "100", "1", Say(texts::messages::errorCaption), Say(texts::messages::enterCurrent)},
        MessageCase{"currentNotANumber", "1.2.3", "100", "1", Say(texts::messages::errorCaption), Say(texts::messages::currentNotNumeric)},
        MessageCase{"noInductance", "10", "", "1", Say(texts::messages::errorCaption), Say(texts::messages::enterInductance)},
        MessageCase{"zeroInductance", "10", "0", "1", Say(texts::messages::errorCaption), Say(texts::messages::inductanceNotPositive)},
        MessageCase{"nothingReaches", "10", "100000", "1", Say(texts::messages::appTitle), Say(texts::messages::noCoreFound)},
        MessageCase{"emptyStack", "10", "100", "", Say(texts::messages::appTitle), Say(texts::messages::outOfRange)},
        MessageCase{"hugeCurrent", "1e37", "100", "1", Say(texts::messages::appTitle), Say(texts::messages::outOfRange)}),
    [](const auto& info) { return std::string(info.param.name); });

struct LinkCase {
    const char* name;
    const char* control;
    std::string_view address;
};
ZOVA_PRINT_CASE_NAME(LinkCase)

class ClickingALink : public Selection, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(ClickingALink, OpensItsPageAndChangesNothingElse) {
    run("10", "100", "2");
    const QStringList before = items();
    test::UrlRecorder urls;
    QTest::mouseClick(get<QWidget>(GetParam().control), Qt::LeftButton);
    ASSERT_EQ(urls.opened().size(), 1);
    EXPECT_EQ(urls.opened().front(), QUrl(q(GetParam().address)));
    EXPECT_EQ(items(), before);
    EXPECT_EQ(current()->text(), QStringLiteral("10"));
    EXPECT_EQ(stack()->currentText(), QStringLiteral("2"));
}

INSTANTIATE_TEST_SUITE_P(Ui, ClickingALink,
                         ::testing::Values(LinkCase{"urlLabel", "labURL", maker::kHomePage},
                                           LinkCase{"logo", "picLogo", maker::kHomePage},
                                           LinkCase{"requestSample", "cmdRequestSample", maker::kSampleRequestPage}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Selection, LinksShowTheHandPointer) {
    for (const char* name : {"labURL", "picLogo"})
        EXPECT_EQ(get<QWidget>(name)->cursor().shape(), Qt::BitmapCursor) << name;
    EXPECT_FALSE(get<QLabel>("picLogo")->pixmap().isNull());
    EXPECT_EQ(get<QLabel>("labURL")->text(), QStringLiteral("更多磁芯资料请登陆 ") + q(maker::kHomePage));
}

// Positions from the twips table (twips / 15), relative to the container.
struct PlaceCase {
    const char* name;
    QRect where;  // a zero width and height: only the position is fixed
};
ZOVA_PRINT_CASE_NAME(PlaceCase)

class ControlPlacement : public Selection, public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(ControlPlacement, FollowsTheLayoutInTwips) {
    const PlaceCase& c = GetParam();
    const QRect got = get<QWidget>(c.name)->geometry();
    if (c.where.isEmpty())
        EXPECT_EQ(got.topLeft(), c.where.topLeft());
    else
        EXPECT_EQ(got, c.where);
}

INSTANTIATE_TEST_SUITE_P(Ui, ControlPlacement,
                         ::testing::Values(PlaceCase{"cmdRequestSample", {472, 16, 112, 33}},
                                           PlaceCase{"cmdJiSuan", {472, 96, 112, 33}},
                                           PlaceCase{"picLogo", {592, 0, 184, 142}},
                                           PlaceCase{"fraInput", {8, 8, 457, 121}},
                                           PlaceCase{"txtDianliu", {80, 24, 145, 24}},
                                           PlaceCase{"cmbCoreCount", {80, 88, 145, 21}},
                                           PlaceCase{"fraResult", {8, 144, 769, 273}},
                                           PlaceCase{"lstResut", {8, 48, 753, 212}},
                                           PlaceCase{"Label13", {144, 32, 0, 0}},
                                           PlaceCase{"Label17", {536, 32, 0, 0}},
                                           PlaceCase{"fraRules", {8, 432, 481, 177}},
                                           PlaceCase{"Label10", {16, 136, 0, 0}},
                                           PlaceCase{"fraCoreNote", {496, 432, 281, 177}},
                                           PlaceCase{"labURL", {8, 144, 0, 0}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Selection, FramesAndLabelsShowTheirCaptionsWhole) {
    const std::pair<const char*, const char*> frames[] = {{"fraInput", "用户输入"},
                                                          {"fraResult", "计算结果："},
                                                          {"fraRules", "ZOVA环形磁芯选型说明"},
                                                          {"fraCoreNote", "磁芯料号说明"}};
    for (const auto& [name, title] : frames) EXPECT_EQ(get<QGroupBox>(name)->title(), QString::fromUtf8(title));
    EXPECT_EQ(get<QLabel>("labDianganliang")->text(), QStringLiteral("电感量(μH)"));
    EXPECT_EQ(get<QLabel>("Label17")->text(), QStringLiteral("线径(mm)"));

    // One line each, as wide as the text, inside its frame.
    int labels = 0;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->objectName() == QLatin1String("picLogo") || label->parentWidget() == &window) continue;
        ++labels;
        const std::string name = label->objectName().toStdString();
        EXPECT_FALSE(label->wordWrap()) << name;
        EXPECT_EQ(label->size(), label->sizeHint()) << name;
        EXPECT_TRUE(label->parentWidget()->rect().adjusted(1, 1, -1, -1).contains(label->geometry())) << name;
    }
    EXPECT_EQ(labels, 25);
}

// The first dark pixel column of a widget's text, in window coordinates, within
// the rows [top, bottom) and the columns [from, to) of a window image.
int FirstInk(const QImage& image, int top, int bottom, int from, int to) {
    for (int x = std::max(0, from); x < std::min(to, image.width()); ++x)
        for (int y = std::max(0, top); y < std::min(bottom, image.height()); ++y)
            if (qGray(image.pixel(x, y)) < 110) return x;
    return -1;
}

TEST_F(Selection, ColumnsLineUpUnderTheirCaptionsEvenAfterAWideField) {
    run("10", "100", "1");
    // A part number far wider than its column, as no catalogue core has.
    list()->insertItem(1, QStringLiteral("KTA092060-A-VERY-WIDE-PART-NUMBER\t\t24.28\t\t13.77\t\t9.7\t\t54\t\t>1.26"));
    list()->insertItem(2, QStringLiteral("KRA306090\t\t178.94\t\t147.96\t\t117.15\t\t329\t\t>2.19 建议多股线"));
    const QImage image = window.grab().toImage();
    const qreal scale = image.devicePixelRatio();
    ASSERT_EQ(scale, 1.0);

    QList<int> captionInk;
    for (const char* name : kCaptions) {
        QLabel* caption = get<QLabel>(name);
        const QRect r(caption->mapTo(&window, QPoint(0, 0)), caption->size());
        captionInk << FirstInk(image, r.top(), r.bottom() + 1, r.left(), r.right() + 1);
        ASSERT_GE(captionInk.back(), r.left()) << name;
    }

    QWidget* viewport = list()->viewport();
    for (int row : {0, 1, 2, 3}) {
        const QRect item = list()->visualItemRect(list()->item(row));
        const QPoint origin = viewport->mapTo(&window, item.topLeft());
        const int top = origin.y(), bottom = origin.y() + item.height();
        for (int k = 0; k < 6; ++k) {
            // The column is blank just before its caption and its field starts under it.
            EXPECT_EQ(FirstInk(image, top, bottom, captionInk[k] - 3, captionInk[k]), -1) << "row " << row << " column " << k;
            const int ink = FirstInk(image, top, bottom, captionInk[k], captionInk[k] + 40);
            EXPECT_GE(ink, captionInk[k]) << "row " << row << " column " << k;
            EXPECT_LE(ink, captionInk[k] + 2) << "row " << row << " column " << k;
        }
    }
    // The item texts are left exactly as the command wrote them.
    EXPECT_EQ(list()->item(0)->text(), q(SelectCores("10", "100", "1").lines.front()));
}

TEST_F(Selection, TheListsDelegateTakesItsColumnsFromTheCaptions) {
    auto* delegate = qobject_cast<TabColumnsDelegate*>(list()->itemDelegate());
    ASSERT_NE(delegate, nullptr);
    QList<int> expected;
    for (const char* name : kCaptions) {
        QLabel* caption = get<QLabel>(name);
        expected << caption->mapTo(&window, QPoint(0, 0)).x() - list()->viewport()->mapTo(&window, QPoint(0, 0)).x();
    }
    EXPECT_EQ(delegate->ColumnStarts(), expected);
}

}  // namespace
}  // namespace zova::ui
