// The report names the design, holds every figure once under its group, and
// says which models the figures rest on; its HTML shows texts, never markup.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "documents/design_report.h"
#include "language/texts.h"
#include "language/language.h"
#include "presentation/figure_table.h"
#include "presentation/workbench_texts.h"
#include "support/chinese_text.h"
#include "support/named_case.h"

namespace zova {
namespace {

TEST(DesignReport, HoldsEveryFigureOnceAndItsModels) {
    DesignInputs in;
    in.core = "KTB106147";
    in.turns = 20;
    in.current = 5;
    in.frequency = 100;
    in.ripple = 1;
    const DesignOutcome o = DesignAsTyped("KTB106147", "20", "5", "1", {"100", "1", ""});
    ASSERT_EQ(o.end, DesignEnd::Found) << o.message;
    const DesignReport r = DesignReportOf(in, o, "2026-12-09");
    EXPECT_EQ(r.title, "电感设计报告：KTB106147，20 圈");
    EXPECT_EQ(r.subtitle, "2026-12-09 · zovamagnetic 1.0");
    ASSERT_EQ(r.figures.size(), 4u);
    std::size_t rows = 0;
    for (const ReportSection& s : r.figures) rows += s.rows.size();
    EXPECT_EQ(rows, Figures().size() - 1);  // all but the roll-off, which is drawn
    EXPECT_EQ(r.summary[0].rows[1].value, "KTB（铁硅铝）");
    // A 147 μ core borrows the nearest published fit, and the notes say so.
    bool named = false;
    for (const std::string& note : r.notes) named |= note.find("本磁芯 147μ") != std::string::npos;
    EXPECT_TRUE(named);
}

// KTB135160, 151 turns at 14 A: 86.7 K, 2.03 % of its permeability left and
// 0.847 of saturation (tests/design/flux_reference.py) raise three warnings,
// which the report lists in a section of their own; at 2 A it lists none.
TEST(DesignReport, ListsTheWarningsOfItsMargins) {
    for (const auto& [current, count] : {std::pair{"14", 3u}, std::pair{"2", 1u}}) {
        const DesignOutcome o = DesignAsTyped("KTB135160", "151", current, "1", {}, {"", "100", "1"});
        ASSERT_EQ(o.end, DesignEnd::Found) << o.message;
        DesignInputs in = InputsOf(o, current);
        const DesignReport r = DesignReportOf(in, o, "2026-12-09");
        // At 100 K and 1 %, only the flux density is warned of at 14 A; nothing at 2 A.
        EXPECT_EQ(r.warnings.size(), count == 3u ? 1u : 0u) << current << " A";
        const DesignOutcome defaults = DesignAsTyped("KTB135160", "151", current, "1");
        EXPECT_EQ(DesignReportOf(InputsOf(defaults, current), defaults, "2026-12-09").warnings.size(), count)
            << current << " A at the default margins";
        EXPECT_EQ(DesignReportHtml(r).find("<h2 class=\"warning\">警告</h2>") != std::string::npos, !r.warnings.empty());
    }
}

// A core with a bias curve gets both charts at the design's operating point
// (54 turns at 10 A on KTA092060 give 100.283 µH) and the caller's slot for
// them; KRA037125 (no maker's curve for KRA 125) gets the sentence saying why
// there are none.
TEST(DesignReport, ChartsOnlyForACoreWithABiasCurve) {
    struct Case {
        const char* name;
        const char* core;
        const char* turns;
        const char* current;
        double inductance;  // µH at the operating current; 0 for no charts
    };
    const Case cases[] = {
        {"withCurve", "KTA092060", "54", "10", 100.283},
        {"withoutCurve", "KRA037125", "40", "0.01", 0.0},
    };
    const std::string slot = "<p>SLOT</p>";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DesignInputs in;
        in.core = c.core;
        const DesignOutcome o = DesignAsTyped(c.core, c.turns, c.current, "1");
        ASSERT_EQ(o.end, DesignEnd::Found) << o.message;
        const DesignReport r = DesignReportOf(in, o, "2026-12-09");
        const std::string html = DesignReportHtml(r, slot);
        const bool saysNoCurve = html.find(Say(texts::workbench::noCurve)) != std::string::npos;
        if (c.inductance == 0.0) {
            EXPECT_FALSE(r.charts.has_value());
            EXPECT_TRUE(saysNoCurve);
            EXPECT_EQ(html.find(slot), std::string::npos);
            continue;
        }
        ASSERT_TRUE(r.charts.has_value());
        EXPECT_EQ(r.charts->inductance.operating.x, 10.0);
        EXPECT_NEAR(r.charts->inductance.operating.y, c.inductance, 0.0005);
        const PermeabilityChart& mu = r.charts->permeability;
        EXPECT_TRUE(mu.operating.x >= mu.fieldFrom && mu.operating.x <= mu.fieldTo);
        EXPECT_FALSE(saysNoCurve);
        EXPECT_NE(html.find(slot), std::string::npos);
    }
}

// KTA092060, 54 turns, 10 A at 100 kHz with 3 A of ripple, from a buck.
DesignInputs FromABuck() {
    DesignInputs in;
    in.core = "KTA092060";
    in.turns = 54;
    in.current = 10;
    in.frequency = 100;
    in.ripple = 3;
    in.converter = ConverterInputs{"buck", 48, 12, 10, 100, 0.3, std::nullopt};
    return in;
}

DesignReport ReportOf(const DesignInputs& in) {
    const DesignOutcome o = DesignAsTyped(in.core, "54", "10", "1", {"100", "3", ""});
    EXPECT_EQ(o.end, DesignEnd::Found) << o.message;
    return DesignReportOf(in, o, "2026-12-09");
}

// A review reads each row and each heading once: the summary says what the
// design was given, the groups what was worked out.
TEST(DesignReport, NamesNoRowAndNoHeadingTwice) {
    const DesignReport r = ReportOf(FromABuck());
    std::map<std::string, int> rows, headings;
    for (const auto* sections : {&r.summary, &r.figures})
        for (const ReportSection& s : *sections) {
            ++headings[s.heading];
            for (const FigureRow& row : s.rows) ++rows[row.name];
        }
    for (const auto& [name, count] : rows) EXPECT_EQ(count, 1) << name;
    for (const auto& [name, count] : headings) EXPECT_EQ(count, 1) << name;
    EXPECT_EQ(rows.count("有效截面积 Ae (cm²)"), 1u);
}

struct ConverterCase {
    const char* name;
    ConverterInputs converter;
    const char* line;
};
ZOVA_PRINT_CASE_NAME(ConverterCase)

// Worked by hand from volt-second balance (CCM, ideal switches; f in kHz, λ in V·µs):
//  buck 48 → 12 V, 10 A, 100 kHz, r 0.3: D = 12/48 = 0.25, I_L = 10 A,
//    λ = (48 − 12) × 0.25 × 1000/100 = 90, L = 90/(0.3 × 10) = 30 µH.
//  boost 12 → 48 V, 2 A, 50 kHz, L 100 µH: D = 1 − 12/48 = 0.75, I_L = 2/0.25 = 8 A,
//    λ = 12 × 0.75 × 1000/50 = 180, r = 180/(100 × 8) = 0.225.
//  buck-boost 24 → 12 V, 3 A, 200 kHz, neither r nor L (the default r 0.3):
//    D = 12/36 = 0.333, I_L = 3/(2/3) = 4.5 A, λ = 24 × (1/3) × 1000/200 = 40,
//    L = 40/(0.3 × 4.5) = 29.630 µH.
const ConverterCase kConverterCases[] = {
    {"buckByRatio", {"buck", 48, 12, 10, 100, 0.3, std::nullopt},
     "变换器：buck，48 V → 12 V，10 A，100 kHz，占空比 0.250，纹波率 0.300，目标电感量 30.000 μH"},
    {"boostByInductance", {"boost", 12, 48, 2, 50, std::nullopt, 100.0},
     "变换器：boost，12 V → 48 V，2 A，50 kHz，占空比 0.750，纹波率 0.225，目标电感量 100.000 μH"},
    {"buckBoostByDefault", {"buck-boost", 24, 12, 3, 200, std::nullopt, std::nullopt},
     "变换器：buck-boost，24 V → 12 V，3 A，200 kHz，占空比 0.333，纹波率 0.300，目标电感量 29.630 μH"},
};

class ConverterLine : public ::testing::TestWithParam<ConverterCase> {};

TEST_P(ConverterLine, NamesTheConvertersOperatingPoint) {
    DesignInputs in = FromABuck();
    in.converter = GetParam().converter;
    const DesignReport r = ReportOf(in);
    EXPECT_EQ(r.converter, GetParam().line);
    EXPECT_NE(DesignReportHtml(r).find(GetParam().line), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Converters, ConverterLine, ::testing::ValuesIn(kConverterCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DesignReport, HasNoConverterLineForADesignOfItsOwn) {
    DesignInputs in = FromABuck();
    in.converter.reset();
    EXPECT_EQ(ReportOf(in).converter, "");
}

TEST(DesignReport, HtmlEscapesItsTexts) {
    DesignReport r;
    r.title = "<b>A&B</b>";
    r.notes = {"x < y"};
    const std::string html = DesignReportHtml(r);
    EXPECT_NE(html.find("&lt;b&gt;A&amp;B&lt;/b&gt;"), std::string::npos);
    EXPECT_NE(html.find("x &lt; y"), std::string::npos);
    EXPECT_EQ(html.find("<b>"), std::string::npos);
}

// KTB130060, 50 turns at 5 A with 1 A of ripple at 100 kHz, from a buck.
DesignReport Ktb130060Report(std::string& html, std::string& coreLossModel) {
    DesignInputs in;
    in.core = "KTB130060";
    in.turns = 50;
    in.current = 5;
    in.frequency = 100;
    in.ripple = 1;
    in.converter = ConverterInputs{"buck", 48, 12, 5, 100, 0.2, std::nullopt};
    const DesignOutcome o = DesignAsTyped("KTB130060", "50", "5", "1", {"100", "1", ""});
    EXPECT_EQ(o.end, DesignEnd::Found) << o.message;
    const DesignReport r = DesignReportOf(in, o, "2026-12-09");
    html = DesignReportHtml(r);
    coreLossModel = CoreLossModelText(*o.figures);
    return r;
}

struct LanguageCase {
    const char* name;
    Language language;
    const char* htmlStart;
    const char* title;
    const char* series;
    const char* pointHeading;
    const char* converterStart;
};
ZOVA_PRINT_CASE_NAME(LanguageCase)

class ReportLanguage : public ::testing::TestWithParam<LanguageCase> {};

// The report is made in the language of the moment, and its page says which.
TEST_P(ReportLanguage, TitlesHeadingsAndPageLanguage) {
    const LanguageCase& c = GetParam();
    const LanguageScope scope(c.language);
    std::string html, model;
    const DesignReport r = Ktb130060Report(html, model);
    EXPECT_TRUE(html.starts_with(c.htmlStart)) << html.substr(0, 40);
    EXPECT_EQ(r.title, c.title);
    EXPECT_NE(html.find(std::string("<title>") + c.title + "</title>"), std::string::npos);
    EXPECT_EQ(r.summary[0].rows[1].value, c.series);
    EXPECT_EQ(r.summary[1].heading, c.pointHeading);
    EXPECT_TRUE(r.converter.starts_with(c.converterStart)) << r.converter;
}

INSTANTIATE_TEST_SUITE_P(
    Languages, ReportLanguage,
    ::testing::Values(LanguageCase{"chinese", Language::Chinese, "<html lang=\"zh-CN\"><head>",
                                   "电感设计报告：KTB130060，50 圈", "KTB（铁硅铝）", "圈数与工作点",
                                   "变换器：buck，48 V → 12 V，5 A，100 kHz，占空比 "},
                      LanguageCase{"english", Language::English, "<html lang=\"en\"><head>",
                                   "Inductor design report: KTB130060, 50 turns", "KTB (Sendust)",
                                   "Turns and operating point", "Converter: buck, 48 V → 12 V, 5 A, 100 kHz, "}),
    [](const auto& info) { return std::string(info.param.name); });

// The English report holds no Chinese: its own texts, the figures' names and
// values, the warnings, the core loss model and the disclaimer alike.
TEST(DesignReport, InEnglishHoldsNoChinese) {
    const LanguageScope english(Language::English);
    std::string html, model;
    Ktb130060Report(html, model);
    const std::size_t chinese = test::FirstChinese(html);
    EXPECT_EQ(chinese, std::string::npos) << html.substr(chinese < 80 ? 0 : chinese - 80, 160);
}

}  // namespace
}  // namespace zova
