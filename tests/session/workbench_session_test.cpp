// The workbench session's own rules: a converter's design stays the
// converter's while its current and frequency are, its ripple following the
// converter's volt-seconds; any box on either page marks the design unsaved;
// a run whose boxes changed is marked old. Worked example: buck 48 V -> 12 V,
// 10 A, 100 kHz, r = 0.3: D = 0.25, λ = (48 − 12) × 0.25 ÷ 100 kHz = 90 V·µs,
// so every candidate's ripple is 90 ÷ L (µH) A peak to peak.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "session/workbench_session.h"
#include "support/json_reader.h"
#include "support/named_case.h"

namespace zova {
namespace {

using S = SessionBox;

constexpr double kVoltSeconds = 90.0;

std::string threeDecimals(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", v);
    return text;
}

void runBuck(WorkbenchSession& s) {
    s.Type(S::Vin, "48");
    s.Type(S::Vout, "12");
    s.Type(S::Iout, "10");
    s.Type(S::ConverterFrequency, "100");
    s.RunConverter();
    ASSERT_FALSE(s.Converter().failed) << s.Converter().text;
    ASSERT_TRUE(s.HasDesign());
}

bool keepsConverter(const WorkbenchSession& s) {
    return s.SaveText().text.find("\"converter\"") != std::string::npos;
}

TEST(WorkbenchSession, AConvertersDesignFollowsItsVoltSecondsUntilItsCurrentChanges) {
    WorkbenchSession s;
    runBuck(s);
    EXPECT_EQ(s.Text(S::Current), "10");
    EXPECT_EQ(s.Text(S::Frequency), "100");
    EXPECT_EQ(s.Text(S::Ripple), threeDecimals(kVoltSeconds / s.Design().figures->inductance));
    EXPECT_TRUE(keepsConverter(s));

    // Other turns on the same converter: the ripple is the converter's λ over the new L.
    s.Type(S::Turns, std::to_string(s.Design().turns + 3));
    const double ripple = kVoltSeconds / s.Design().figures->inductance;
    EXPECT_EQ(s.Text(S::Ripple), threeDecimals(ripple));
    EXPECT_TRUE(keepsConverter(s));

    // Another current is another design: no converter in its file, and the
    // ripple box still stands for the exact value behind its three decimals.
    s.Type(S::Current, "9");
    ASSERT_TRUE(s.HasDesign());
    EXPECT_FALSE(keepsConverter(s));
    EXPECT_EQ(s.Inputs().ripple, ripple);
}

// The line a face shows chosen is the session's: the ranked first after a
// run, then the one loaded; a line beyond the run changes nothing.
TEST(WorkbenchSession, TheChosenCandidateIsTheLineLoadedLast) {
    WorkbenchSession s;
    EXPECT_FALSE(s.ChosenCandidate());
    runBuck(s);
    while (s.ComputeCandidates(64)) {}
    const std::vector<std::size_t> order = s.CandidateOrder();
    ASSERT_GE(order.size(), 2u);
    EXPECT_EQ(s.ChosenCandidate(), order.front());
    for (const std::size_t line : {order.front(), order[1], s.CandidateTotal()}) {
        s.LoadCandidate(line);
        const std::size_t expected = line < s.CandidateTotal() ? line : order[1];
        EXPECT_EQ(s.ChosenCandidate(), expected) << line;
        EXPECT_EQ(s.Text(S::Turns), std::to_string(s.Candidates()[expected].core.turns)) << line;
    }
}

TEST(WorkbenchSession, AConvertersFileOpensAsTheConvertersDesign) {
    WorkbenchSession s;
    runBuck(s);
    const std::string file = s.SaveText().text;
    WorkbenchSession opened;
    ASSERT_TRUE(opened.Open(file, "/designs/buck.json").opened);
    EXPECT_EQ(opened.Title(), "设计分析 - buck.json");
    EXPECT_EQ(opened.Text(S::Vin), "48");
    EXPECT_EQ(opened.SaveText().text, file);
    opened.Type(S::Turns, std::to_string(opened.Design().turns + 3));
    EXPECT_EQ(opened.Text(S::Ripple), threeDecimals(kVoltSeconds / opened.Design().figures->inductance));
    EXPECT_EQ(opened.Title(), "设计分析 - buck.json *");
}

struct Edit {
    const char* name;
    S box;
    const char* text;
    bool stale;  // the converter run is old after it
};

const Edit kEdits[] = {
    {"inputVoltage", S::Vin, "50", true},
    {"converterStack", S::ConverterStack, "2", true},
    {"coefficients", S::Coefficients, "246.5,2.218,1.311", true},
    {"turnsOnly", S::Turns, "20", false},
    {"currentOnly", S::Current, "9", false},
};

ZOVA_PRINT_CASE_NAME(Edit)

class AfterARun : public ::testing::TestWithParam<Edit> {};

TEST_P(AfterARun, AnyBoxMarksTheDesignUnsavedAndTheConvertersOwnMarkTheRunOld) {
    const Edit& e = GetParam();
    WorkbenchSession s;
    runBuck(s);
    s.Saved("buck.json");
    ASSERT_FALSE(s.Unsaved());
    const std::string was = s.Text(e.box);
    s.Type(e.box, e.text);
    EXPECT_TRUE(s.Unsaved());
    EXPECT_EQ(s.Converter().stale, e.stale);
    EXPECT_EQ(s.CandidatesStatus().find("输入已改动") != std::string::npos, e.stale);
    s.Type(e.box, was);
    EXPECT_FALSE(s.Converter().stale);
}

INSTANTIATE_TEST_SUITE_P(Edits, AfterARun, ::testing::ValuesIn(kEdits),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WorkbenchSession, TypingOnTheConverterPageAloneIsWorthKeeping) {
    WorkbenchSession s;
    EXPECT_FALSE(s.Unsaved());
    s.Type(S::Vin, "48");
    EXPECT_TRUE(s.Unsaved());
    EXPECT_EQ(s.Title(), "设计分析 *");
}

}  // namespace
}  // namespace zova
