// Expected values: the worked example's texts from figure_rows_reference.py
// (KTB130060, 50 turns, 5 A, stack of 2), the catalogue's line for the core as
// the selection lists it, and orders worked out by hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "commands/converter_command.h"
#include "presentation/candidate_table.h"
#include "support/named_case.h"

namespace zova {
namespace {

int RowOf(const std::string& partNo) {
    for (int row = 1; row <= CoreCount(); ++row)
        if (CoreCatalogue(row).PartNo == partNo) return row;
    return 0;
}

std::vector<std::string> TextsOf(const CandidateRow& row) {
    std::vector<std::string> texts;
    for (const CandidateCell& cell : row.cells) texts.push_back(cell.text);
    return texts;
}

TEST(CandidateRows, ShowTheSelectedCoreWithItsFigures) {
    SelectionOutcome run;
    run.cores = {{RowOf("KTB130060"), 50}};
    run.current = 5.0f;
    run.stackSize = 2;
    run.bareDiameter = 0.892f;
    run.wireText = "0.89";
    const CandidateRowsOutcome out = CandidateRows(run, 0, 8);
    ASSERT_EQ(out.end, DesignEnd::Found);
    ASSERT_EQ(out.rows.size(), 1u);
    EXPECT_EQ(TextsOf(out.rows[0]),
              (std::vector<std::string>{"1", "KTB130060", "KTB", "33.83", "19.3", "11.61", "50", ">0.89", "253.840",
                                        "83.23", "11.8", "1", "115.88", "2.897", "26.3", "25.13",
                                        // DC alone: no core loss, the copper loss is all of it
                                        "0.000", "2.897", "26.3",
                                        // 26.3 K, 83 % left: nothing to warn of
                                        ""}));
    EXPECT_TRUE(out.rows[0].windingFits);
    EXPECT_TRUE(CandidateRows(run, 1, 8).rows.empty());  // past the run's end
}

CandidateRow Row(const char* series, std::optional<double> loss) {
    CandidateRow row;
    row.cells[CandidateColumn("series")] = {series, std::nullopt};
    row.cells[CandidateColumn("copperLoss100")] = loss ? CandidateCell{"x", loss} : CandidateCell{"—", std::nullopt};
    return row;
}

struct OrderCase {
    const char* name;
    std::size_t column;
    bool descending;
    std::vector<std::size_t> order;
};
ZOVA_PRINT_CASE_NAME(OrderCase)

// Rows: KTB 2.0 W, KTA without a loss, KTC 1.0 W, KTA 2.0 W.
const OrderCase kOrderCases[] = {
    {"lossRising", CandidateColumn("copperLoss100"), false, {2, 0, 3, 1}},
    // Ties keep the run's order; no value stays last.
    {"lossFalling", CandidateColumn("copperLoss100"), true, {0, 3, 2, 1}},
    {"seriesRising", CandidateColumn("series"), false, {1, 3, 0, 2}},
    {"seriesFalling", CandidateColumn("series"), true, {2, 0, 1, 3}},
};

class CandidateOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(CandidateOrder, PutsRowsWithoutAValueLast) {
    const std::vector<CandidateRow> rows = {Row("KTB", 2.0), Row("KTA", std::nullopt), Row("KTC", 1.0),
                                            Row("KTA", 2.0)};
    EXPECT_EQ(SortedOrder(rows, GetParam().column, GetParam().descending), GetParam().order);
}

INSTANTIATE_TEST_SUITE_P(Columns, CandidateOrder, ::testing::ValuesIn(kOrderCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct WireCase {
    const char* name;
    bool converterConditions;       // the run's rows at the converter's current and switching
    std::optional<float> current;   // else the rows at this current (none: the selection's)
    const char* wire;               // every row's wire column
};
ZOVA_PRINT_CASE_NAME(WireCase)

// A buck 48 → 12 V, 10 A, 100 kHz, ripple ratio 0.3 has I_L = 10 A and a peak
// of 10 × (1 + 0.3/2) = 11.5 A, which the selection sizes its wire at. The
// wire rule (8 A/mm², π taken as 3.1416): d = 2 √(I ÷ 8 ÷ 3.1416) mm, so
//   11.5 A: 2 √(1.4375 ÷ 3.1416) = 1.3529 mm, the selection's ">1.35";
//   10 A:   2 √(1.25 ÷ 3.1416)   = 1.2616 mm, the figures' bare wire "1.262".
const WireCase kWireCases[] = {
    {"converterRowsAtTheInductorCurrent", true, std::nullopt, "1.262"},
    {"selectionRowsAtThePeak", false, std::nullopt, ">1.35"},
    {"givenTheSelectionsOwnCurrent", false, 11.5f, ">1.35"},
};

class CandidateWire : public ::testing::TestWithParam<WireCase> {};

TEST_P(CandidateWire, IsTheWireTheRowsFiguresUse) {
    const ConverterOutcome run = RunConverter({"buck", "48", "12", "10", "100", "0.3", "", "1", ""});
    ASSERT_EQ(run.end, ConverterEnd::Found) << run.message;
    const WireCase& c = GetParam();
    CandidateConditions at;
    if (c.converterConditions) at = {run.current, run.options, run.limits};
    if (c.current) at.current = c.current;
    const CandidateRowsOutcome out = CandidateRows(run.selection, 0, 5, at);
    ASSERT_EQ(out.end, DesignEnd::Found);
    ASSERT_FALSE(out.rows.empty());
    for (const CandidateRow& row : out.rows) EXPECT_EQ(row.cells[CandidateColumn("wire")].text, c.wire);
}

INSTANTIATE_TEST_SUITE_P(Runs, CandidateWire, ::testing::ValuesIn(kWireCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CandidatesCsv, StartsWithAByteOrderMarkAndTheCaptions) {
    std::vector<CandidateRow> rows(2);
    rows[0].cells[CandidateColumn("partNo")].text = "KTA092060";
    rows[1].cells[CandidateColumn("partNo")].text = "A,B";
    const std::string csv = CandidatesCsv(rows, {1, 0});
    const std::string header =
        "\xEF\xBB\xBF序号,料号,系列,外径 (mm),内径 (mm),高度 (mm),圈数,线径 (mm),电感量 (μH),磁导率保持 (%),"
        "窗口占用率 (%),绕线层数,直流电阻 100 °C (mΩ),铜损 100 °C (W),温升估算 (K),绕后体积 (cm³),磁芯损耗 (W),"
        "总损耗 (W),总温升估算 (K),警告\n";
    EXPECT_EQ(csv, header + ",\"A,B\"" + std::string(18, ',') + "\n," + "KTA092060" + std::string(18, ',') + "\n");
}

}  // namespace
}  // namespace zova
