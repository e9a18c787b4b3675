// How a curve look-up ends, from the texts the tool passes through.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/curve_lookup.h"
#include "support/named_case.h"

namespace zova {
namespace {

struct LookupCase {
    const char* name;
    const char* series;
    const char* perm;
    std::vector<std::string> fields;
    CurveLookupEnd end;
    std::size_t points;
    const char* badText;
};
ZOVA_PRINT_CASE_NAME(LookupCase)

class CurveLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(CurveLookup, EndsAsItsInputsSay) {
    const auto& c = GetParam();
    const CurveLookupOutcome got = LookUpCurve(c.series, c.perm, c.fields);
    EXPECT_EQ(got.end, c.end);
    EXPECT_EQ(got.points.size(), c.points);
    EXPECT_EQ(got.badText, c.badText);
    EXPECT_EQ(got.curve != nullptr, c.end != CurveLookupEnd::UnknownCurve);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CurveLookup,
    ::testing::Values(LookupCase{"wholeCurve", "KTA", "060", {}, CurveLookupEnd::Found, 45, ""},
                      LookupCase{"twoFields", "KTB", "060", {"10", " 20"}, CurveLookupEnd::Found, 2, ""},
                      LookupCase{"seriesIsCaseSensitive", "kta", "060", {}, CurveLookupEnd::UnknownCurve, 0, ""},
                      LookupCase{"secondFieldNotNumeric", "KTA", "060", {"10", "x1"}, CurveLookupEnd::NotNumeric,
                                 0, "x1"},
                      LookupCase{"fieldBeyondSingle", "KTA", "060", {"10", "1e39"}, CurveLookupEnd::OutOfRange, 0,
                                 ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zova
