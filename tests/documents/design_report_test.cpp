// The report names the design, holds every figure once under its group, and
// says which models the figures rest on; its HTML shows texts, never markup.
#include <gtest/gtest.h>

#include <string>

#include "documents/design_report.h"
#include "presentation/figure_table.h"
#include "presentation/workbench_texts.h"

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
        const bool saysNoCurve = html.find(workbench::kNoCurve) != std::string::npos;
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

TEST(DesignReport, HtmlEscapesItsTexts) {
    DesignReport r;
    r.title = "<b>A&B</b>";
    r.notes = {"x < y"};
    const std::string html = DesignReportHtml(r);
    EXPECT_NE(html.find("&lt;b&gt;A&amp;B&lt;/b&gt;"), std::string::npos);
    EXPECT_NE(html.find("x &lt; y"), std::string::npos);
    EXPECT_EQ(html.find("<b>"), std::string::npos);
}

}  // namespace
}  // namespace zova
