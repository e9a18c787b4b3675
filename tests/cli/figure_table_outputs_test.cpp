// The figure table drives every output: a figure added to it appears in the
// tool's JSON and CSV under its key, in the tool's text table and the
// workbench's rows under its caption, and may stand as a candidate column.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "cli/commands.h"
#include "presentation/candidate_table.h"
#include "presentation/figure_rows.h"
#include "presentation/figure_table.h"
#include "support/json_reader.h"

namespace zova::cli {
namespace {

CliResult run(std::vector<std::string> args) { return RunCli(args); }

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        out.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return out;
}

bool hasLineStarting(const std::vector<std::string>& all, const std::string& start) {
    return std::ranges::any_of(all, [&](const std::string& line) { return line.starts_with(start); });
}

TEST(FigureTable, EveryFigureReachesEveryOutput) {
    const std::vector<std::string> design = {"design", "--core", "KTB130060", "--turns", "50", "--current", "5"};
    std::vector<std::string> designJson = design;
    designJson.insert(designJson.end(), {"--format", "json"});
    const test::Json json = test::ParseJson(run(designJson).out);
    const std::vector<std::string> text = lines(run(design).out);
    const std::string csv = run({"select", "--current", "10", "--inductance", "100", "--format", "csv", "--figures"}).out;
    const std::string csvHeader = csv.substr(0, csv.find('\n'));
    std::vector<std::string> rowCaptions;
    for (const FigureRow& row : FigureRows(ComputeDesignFigures(FindCore("KTB130060"), 50, 5.0f, 1)))
        rowCaptions.push_back(row.name);

    ASSERT_FALSE(Figures().empty());
    for (const Figure& figure : Figures()) {
        const std::string key(figure.key);
        EXPECT_NO_THROW(json[key]) << key;
        EXPECT_NE(("," + csvHeader + ",").find("," + key + ","), std::string::npos) << key;
        if (figure.kind != FigureKind::Points) {
            EXPECT_TRUE(hasLineStarting(text, Caption(figure) + "\t")) << key;
        }
        const bool inRows = std::ranges::find(rowCaptions, Caption(figure)) != rowCaptions.end();
        EXPECT_EQ(inRows, figure.row) << key;
    }
    EXPECT_EQ(json.keys().size(), Figures().size() + 1);  // and the warnings
    EXPECT_EQ(json.keys().back(), "warnings");
    for (std::size_t c = 0; c < kCandidateColumns; ++c) EXPECT_NO_THROW(CandidateCaption(c)) << c;
}

// One name per figure: the workbench's, with the unit it is shown in.
TEST(FigureTable, NamesAreTheWorkbenchs) {
    const std::vector<std::string> text = lines(run({"design", "--core", "KTB130060", "--turns", "50", "--current", "5"}).out);
    for (const char* caption : {"磁导率保持 (%)", "窗口占用率 (%)", "直流电阻 20 °C (mΩ)", "窗口占用率不超过 55%"})
        EXPECT_TRUE(hasLineStarting(text, std::string(caption) + "\t")) << caption;
}

}  // namespace
}  // namespace zova::cli
