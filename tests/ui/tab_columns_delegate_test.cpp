#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QWidget>

#include "support/named_case.h"
#include "ui/tab_columns_delegate.h"

namespace zova::ui {
namespace {

struct SplitCase {
    const char* name;
    const char* line;
    const char* fields;  // joined by "|"
};
ZOVA_PRINT_CASE_NAME(SplitCase)

class SplittingALine : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplittingALine, EndsAFieldAtEachRunOfTabs) {
    EXPECT_EQ(TabColumnsDelegate::Fields(QString::fromUtf8(GetParam().line)).join(QLatin1Char('|')),
              QString::fromUtf8(GetParam().fields));
}

INSTANTIATE_TEST_SUITE_P(
    Ui, SplittingALine,
    ::testing::Values(SplitCase{"resultLine", "KTA092060\t\t24.28\t\t13.77\t\t9.7\t\t54\t\t>1.26",
                                "KTA092060|24.28|13.77|9.7|54|>1.26"},
                      SplitCase{"singleAndTripleTabs", "a\tb\t\t\tc", "a|b|c"},
                      SplitCase{"leadingTabsLeaveTheFirstColumnEmpty", "\t\tb", "|b"},
                      SplitCase{"blanksStayInTheirField", "2.19 建议多股线", "2.19 建议多股线"},
                      SplitCase{"noTab", "KTA092060", "KTA092060"}),
    [](const auto& info) { return std::string(info.param.name); });

// Three captions above a list, in a container of their own as in the window.
class ThreeColumns : public ::testing::Test {
public:
    ThreeColumns() {
        window.resize(400, 200);
        for (int x : {20, 120, 230}) {
            auto* caption = new QLabel(QStringLiteral("caption"), &header);
            caption->move(x, 0);
            captions << caption;
        }
        header.setGeometry(10, 10, 380, 20);
        list.setGeometry(25, 40, 360, 150);
        delegate = new TabColumnsDelegate(&list, captions);
        list.setItemDelegate(delegate);
    }

    QWidget window;
    QWidget header{&window};
    QListWidget list{&window};
    QList<QWidget*> captions;
    TabColumnsDelegate* delegate;
};

TEST_F(ThreeColumns, ColumnsStartUnderTheCaptionsAndFollowThem) {
    const int viewportLeft = 25 + list.viewport()->x();
    EXPECT_EQ(delegate->ColumnStarts(), (QList<int>{30 - viewportLeft, 130 - viewportLeft, 240 - viewportLeft}));
    captions[1]->move(150, 0);
    EXPECT_EQ(delegate->ColumnStarts()[1], 160 - viewportLeft);
}

TEST_F(ThreeColumns, AWideFieldDoesNotMoveTheNextOne) {
    const QList<int> starts = delegate->ColumnStarts();
    const QRect item(0, 18, 300, 16);
    for (const char* line : {"a\t\tb\t\tc", "a-field-much-wider-than-its-column-of-one-hundred-pixels\t\tb\t\tc"}) {
        const QList<QRect> rects = delegate->FieldRects(QString::fromUtf8(line), item);
        ASSERT_EQ(rects.size(), 3) << line;
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(rects[k].left(), starts[k]) << line << " field " << k;
            EXPECT_EQ(rects[k].top(), 18);
            EXPECT_EQ(rects[k].height(), 16);
        }
        // A field is cut short before the next column; the last runs to the item's end.
        EXPECT_LT(rects[0].right(), starts[1]);
        EXPECT_LT(rects[1].right(), starts[2]);
        EXPECT_EQ(rects[2].right(), item.right());
    }
}

TEST_F(ThreeColumns, FieldsFollowAScrolledItemAndExtraFieldsShareTheLastColumn) {
    const QList<int> starts = delegate->ColumnStarts();
    const QList<QRect> rects = delegate->FieldRects(QStringLiteral("a\tb\tc\td"), QRect(-15, 0, 300, 16));
    ASSERT_EQ(rects.size(), 3);
    EXPECT_EQ(rects[0].left(), starts[0] - 15);
    EXPECT_EQ(rects[2].left(), starts[2] - 15);
    EXPECT_EQ(delegate->FieldRects(QStringLiteral("\t\tb"), QRect(0, 0, 300, 16)).size(), 2);
}

}  // namespace
}  // namespace zova::ui
