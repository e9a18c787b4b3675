// The workbench in English, and back. The captions are written out by hand as
// an English-speaking engineer reads them; the Chinese after a switch is
// compared with the Chinese before it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "language/language.h"
#include "presentation/workbench_texts.h"
#include "session/workbench_session.h"
#include "support/chinese_text.h"

namespace zova {
namespace {

using test::HoldsChinese;

using S = SessionBox;

std::vector<std::string> NamesOf(const FigureSection& section) {
    std::vector<std::string> names;
    for (const FigureRow& row : section.rows) names.push_back(row.name);
    return names;
}

TEST(WorkbenchInEnglish, ADesignsKeyFiguresAndHeadings) {
    LanguageScope english(Language::English);
    WorkbenchSession s;
    s.Type(S::Core, "KTB130060");
    s.Type(S::Turns, "50");
    s.Type(S::Current, "5");
    ASSERT_TRUE(s.HasDesign());
    const DesignView v = s.View();
    ASSERT_EQ(v.sections.size(), 5u);
    EXPECT_EQ(v.sections[0].heading, "Key figures");
    EXPECT_EQ(NamesOf(v.sections[0]),
              (std::vector<std::string>{"Inductance (μH)", "Permeability retained (%)", "Total loss (W)",
                                        "Total temperature rise (K)", "Window fill (%)", "Layers"}));
    const std::vector<std::string> headings = {v.sections[1].heading, v.sections[2].heading, v.sections[3].heading,
                                               v.sections[4].heading};
    EXPECT_EQ(headings, (std::vector<std::string>{"Inductance and field", "Winding", "Losses and temperature",
                                                  "Wound size"}));
    // The fill, 11.8 %, is well within the selection's 55 %.
    const std::vector<FigureRow>& winding = v.sections[2].rows;
    EXPECT_NE(std::find(winding.begin(), winding.end(), FigureRow{"Window fill within 55%", "yes"}), winding.end());
    EXPECT_EQ(v.chartTitle, "KTB130060, 50 turns, 5 A, stack of 1");
    EXPECT_EQ(s.Title(), "Design workbench *");
}

using Texts = std::vector<std::pair<std::string, std::string>>;

// Everything the workbench shows of a converter's run, labelled; all but the
// result sentence, which the commands say.
Texts Shown(const WorkbenchSession& s) {
    Texts t;
    const DesignView v = s.View();
    for (const FigureSection& section : v.sections) {
        t.emplace_back("heading", section.heading);
        for (const FigureRow& row : section.rows) t.emplace_back(row.name, row.value);
    }
    t.emplace_back("warning", v.warning);
    t.emplace_back("chartTitle", v.chartTitle);
    t.emplace_back("converter", s.Converter().text);
    t.emplace_back("status", s.CandidatesStatus());
    for (std::size_t c = 0; c < kCandidateColumns; ++c) t.emplace_back("caption", CandidateCaption(c));
    for (const CandidateRow& row : s.Candidates())
        for (const CandidateCell& cell : row.cells) t.emplace_back("cell", cell.text);
    for (const workbench::ChartTexts& chart : {workbench::InductanceChartTexts(), workbench::PermeabilityChartTexts()})
        for (const std::string& text : {chart.xAxis, chart.yAxis, chart.curve, chart.reference, chart.operating,
                                        chart.band, chart.name})
            t.emplace_back("chart", text);
    t.emplace_back("title", s.Title());
    t.emplace_back("candidatesFile", s.CandidatesFileName());
    t.emplace_back("chartFile", s.FileNameFor(workbench::InductanceChartTexts().name));
    return t;
}

TEST(WorkbenchInEnglish, ABuckRunBeforeTheSwitchIsShownInEnglishThenInChineseAgain) {
    WorkbenchSession s;
    s.Type(S::Vin, "48");
    s.Type(S::Vout, "12");
    s.Type(S::Iout, "10");
    s.Type(S::ConverterFrequency, "100");
    s.Type(S::RippleRatio, "0.3");
    s.RunConverter();
    ASSERT_FALSE(s.Converter().failed) << s.Converter().text;
    ASSERT_FALSE(s.Candidates().empty());
    // Some candidates raise warnings, so their cells name them; hidden, the status says how many.
    ASSERT_TRUE(std::any_of(s.Candidates().begin(), s.Candidates().end(),
                            [](const CandidateRow& row) { return !row.warnings.empty(); }));
    s.HideWarned(true);
    s.Type(S::Vin, "50");  // the run is now old: both of its marks are shown
    ASSERT_TRUE(s.Converter().stale);

    const Texts chinese = Shown(s);
    {
        LanguageScope english(Language::English);
        const Texts shown = Shown(s);
        ASSERT_EQ(shown.size(), chinese.size());
        for (const auto& [label, text] : shown) EXPECT_FALSE(HoldsChinese(text)) << label << ": " << text;
        EXPECT_NE(shown, chinese);
    }
    EXPECT_EQ(Shown(s), chinese);
}

}  // namespace
}  // namespace zova
