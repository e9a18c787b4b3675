// SelectCores skips turn counts it can prove hopeless; the plain scan tries them
// all. Over currents from a few milliamperes to the field-strength overflow and
// inductances from 1 nH to 1 H both must end the same way: same lines, same
// message, and an out-of-range failure exactly where the plain scan fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "catalogue/catalogue.h"
#include "commands/selection_command.h"
#include "support/named_case.h"

namespace zova {
namespace {

TEST(SelectionScan, PrunedScanMatchesThePlainScan) {
    // 25.1328 A: the stranded-wire threshold. From about 1e35 A the field of the
    // smaller cores overflows before 350 turns; at 1e37 A every core fails.
    const char* currents[] = {"0.01", "0.35", "1", "3.3", "10", "25.1328", "50", "400",
                              "1e4",  "1e30", "3e35", "1e36", "3e36",   "1e37"};
    const char* inductances[] = {"0.001", "0.1", "1", "10", "47", "100", "330", "2200", "1e4", "1e5", "1e6"};
    const char* stacks[] = {"1", "3", "6"};
    int found = 0, none = 0, failed = 0;
    for (const char* current : currents)
        for (const char* inductance : inductances)
            for (const char* stack : stacks) {
                const SelectionOutcome fast = SelectCores(current, inductance, stack);
                const SelectionOutcome plain = SelectCoresPlainScan(current, inductance, stack);
                ASSERT_EQ(fast, plain) << current << " A, " << inductance << " µH, stack " << stack;
                found += fast.end == SelectionEnd::Found;
                none += fast.end == SelectionEnd::NoResult;
                failed += fast.end == SelectionEnd::OutOfRange;
            }
    // The grid reaches every way a scan can end, failures in mid-scan included.
    EXPECT_GT(found, 100);
    EXPECT_GT(none, 20);
    EXPECT_GT(failed, 20);
}

TEST(SelectionScan, TinyTargetsAreReachedAtOneTurn) {
    // The inductance bound must not skip the first turn count.
    const SelectionOutcome fast = SelectCores("0.01", "0.001", "1");
    ASSERT_EQ(fast, SelectCoresPlainScan("0.01", "0.001", "1"));
    ASSERT_FALSE(fast.lines.empty());
    for (const auto& line : fast.lines) EXPECT_NE(line.find("\t\t1\t\t>"), std::string::npos) << line;
}

// Targets between the inductance rounded once and the one rounded after each
// product: the first turn count that reaches them moves by one, and the bound
// of the pruned scan must still let it through. Rows from
// selection_threshold_reference.py.
struct ThresholdRow {
    const char* name;
    const char* current;
    const char* inductance;
    const char* partNo;
    std::int16_t turns;
};
ZOVA_PRINT_CASE_NAME(ThresholdRow)

class ThresholdTargets : public ::testing::TestWithParam<ThresholdRow> {};

TEST_P(ThresholdTargets, FirstTurnCountReachingTheTarget) {
    const ThresholdRow& r = GetParam();
    const SelectionOutcome fast = SelectCores(r.current, r.inductance, "1");
    ASSERT_EQ(fast, SelectCoresPlainScan(r.current, r.inductance, "1"));
    const auto found = std::ranges::find_if(
        fast.cores, [&](const SelectedCore& c) { return CoreCatalogue(c.row).PartNo == r.partNo; });
    ASSERT_NE(found, fast.cores.end());
    EXPECT_EQ(found->turns, r.turns);
}

INSTANTIATE_TEST_SUITE_P(SelectionScan, ThresholdTargets,
                         ::testing::Values(ThresholdRow{"justAboveTheRightValue", "1.5", "1052.3265", "KTA106090", 101},
                                           ThresholdRow{"atTheRightValue", "0.5", "4273.9209", "KTA200090", 200}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zova
