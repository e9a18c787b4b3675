#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "commands/core_list.h"
#include "support/named_case.h"

namespace zova {
namespace {

struct FilterCase {
    const char* name;
    const char* search;
    std::size_t count;
    const char* first;  // "" when the list is empty
};
ZOVA_PRINT_CASE_NAME(FilterCase)

class Filter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(Filter, ListsMatchingOfferedRowsInRowOrder) {
    const auto& c = GetParam();
    const auto items = FilterCoreList(c.search);
    ASSERT_EQ(items.size(), c.count);
    if (c.count > 0) {
        EXPECT_EQ(items.front(), c.first);
    }
}

// Counts from the catalogue's row tables: KTA05 only matches size 050 (5 permeabilities);
// 125 is carried by every KTA and KTB size (30 each)
// and by KRA037 alone in KRA; KRB and KWC are never listed.
INSTANTIATE_TEST_SUITE_P(
    Commands, Filter,
    ::testing::Values(FilterCase{"empty", "", 469, "KTA014060"}, FilterCase{"kta05Lower", "kta05", 5, "KTA050026"},
                      FilterCase{"kta05Upper", "KTA05", 5, "KTA050026"},
                      FilterCase{"wholeSeries", "KTB", 202, "KTB014060"},
                      FilterCase{"permOnly125", "125", 30 + 30 + 1, "KTA014125"},
                      FilterCase{"kra125", "KRA037125", 1, "KRA037125"},
                      FilterCase{"krbNeverListed", "KRB", 0, ""}, FilterCase{"kwcNeverListed", "KWC", 0, ""},
                      FilterCase{"untrimmedBlankMatchesNothing", " kta05 ", 0, ""},
                      FilterCase{"chinese", "磁芯", 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CoreList, EmptySearchListsRowsOneToCoreCountInOrder) {
    const auto items = FilterCoreList("");
    ASSERT_EQ(items.size(), static_cast<std::size_t>(CoreCount()));
    for (int r = 1; r <= CoreCount(); ++r) EXPECT_EQ(items[static_cast<std::size_t>(r - 1)], CoreCatalogue(r).PartNo);
}

TEST(CoreList, DetailsOfTheFirstCore) {
    EXPECT_EQ(CoreDetailsText("KTA014060"),
              "磁芯料号：KTA014060\r涂层后外径：3.76 mm\r涂层后内径：1.52 mm\r涂层后高度：1.73 mm\r"
              "电感系数：13 nH \r有效磁路长度：0.817 cm");
    EXPECT_EQ(CoreDetailsLines("KTA014060"),
              (std::vector<std::string>{"磁芯料号：KTA014060", "涂层后外径：3.76 mm", "涂层后内径：1.52 mm",
                                        "涂层后高度：1.73 mm", "电感系数：13 nH ", "有效磁路长度：0.817 cm"}));
}

TEST(CoreList, DetailsLookUpTheTrimmedItemButShowItAsItStands) {
    EXPECT_EQ(CoreDetailsText(" KTA135060 "),
              "磁芯料号： KTA135060 \r涂层后外径：35.1 mm\r涂层后内径：22.56 mm\r涂层后高度：9.83 mm\r"
              "电感系数：38 nH \r有效磁路长度：8.950 cm");
}

TEST(CoreList, DetailsOfAnUnknownItemShowTheZeroCore) {
    EXPECT_EQ(CoreDetailsText("KRB050060"),
              "磁芯料号：KRB050060\r涂层后外径：0 mm\r涂层后内径：0 mm\r涂层后高度：0 mm\r"
              "电感系数：0 nH \r有效磁路长度：0.000 cm");
}

TEST(CoreList, HelpTextHasSixLinesJoinedByLineFeedCarriageReturn) {
    EXPECT_EQ(CalculatorHelpText(),
              "磁芯电感量计算步骤：\n\r1、从左边磁芯料号列表中选择您使用的磁芯\n\r"
              "      （您可以在文本框内输入内容搜索）；\n\r2、输入绕线圈数；\n\r3、输入峰值电流；\n\r"
              "4、点击  [计算]  按钮。");
}

}  // namespace
}  // namespace zova
