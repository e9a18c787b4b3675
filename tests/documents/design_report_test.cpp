// The report names the design, holds every figure once under its group, and
// says which models the figures rest on; its HTML shows texts, never markup.
#include <gtest/gtest.h>

#include <string>

#include "documents/design_report.h"
#include "presentation/figure_table.h"

namespace zova {
namespace {

TEST(DesignReport, HoldsEveryFigureOnceAndItsModels) {
    DesignInputs in;
    in.core = "KTB106147";
    in.turns = 20;
    in.current = 5;
    in.frequency = 100;
    in.ripple = 1;
    const DesignOutcome o = DesignWinding("KTB106147", "20", "5", "1", {"100", "1", ""});
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
