// Every face reads a design's texts alike: the workbench session (which the
// desktop window and the page draw), the tool's design command, and a design
// file saved from the session and opened again. The cases and their expected
// words and figures are in design_cases.json, which the Python module's and
// the page's tests read too.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/tool_runner.h"
#include "session/workbench_session.h"
#include "support/json_reader.h"

namespace zova {
namespace {

test::Json cases() {
    std::ifstream in(ZOVA_DESIGN_CASES);
    std::stringstream text;
    text << in.rdbuf();
    return test::ParseJson(text.str())["cases"];
}

std::string box(const test::Json& c, std::string_view key) {
    for (const test::JsonMember& m : c["boxes"].members)
        if (m.first == key) return m.second.str();
    return {};
}

std::vector<std::string> toolArguments(const test::Json& c) {
    std::vector<std::string> args = {"design"};
    const std::pair<std::string_view, std::string_view> options[] = {
        {"core", "--core"},       {"turns", "--turns"},   {"current", "--current"},
        {"stack", "--stack"},     {"frequency", "--frequency"}, {"ripple", "--ripple"},
        {"lossCoefficients", "--loss-coefficients"}, {"alTolerance", "--al-tolerance"},
        {"hotLimit", "--hot-limit"},  {"rollOffLimit", "--rolloff-limit"}};
    for (const auto& [key, option] : options)
        if (const std::string text = box(c, key); !text.empty() || key == "core" || key == "turns" || key == "current") {
            args.emplace_back(option);
            args.push_back(text);
        }
    args.insert(args.end(), {"--format", "json"});
    return args;
}

// The session with the case's boxes typed in the order a person fills them.
void typeInto(WorkbenchSession& session, const test::Json& c) {
    for (const test::JsonMember& m : c["boxes"].members) {
        const std::optional<SessionBox> b = SessionBoxNamed(m.first);
        ASSERT_TRUE(b) << m.first;
        session.Type(*b, m.second.str());
    }
}

std::string valueShown(const DesignView& v, std::string_view caption) {
    for (const FigureSection& s : v.sections)
        for (const FigureRow& row : s.rows)
            if (row.name == caption) return row.value;
    return "(no row)";
}

TEST(DesignFaces, AcceptRefuseAndComputeAlike) {
    for (const test::Json& c : cases().items) {
        const std::string& name = c["name"].str();
        SCOPED_TRACE(name);
        WorkbenchSession session;
        typeInto(session, c);
        const DesignView v = session.View();
        const test::ToolRun tool = test::RunTool(toolArguments(c));
        const bool refused = std::any_of(c.members.begin(), c.members.end(),
                                         [](const test::JsonMember& m) { return m.first == "refused"; });
        if (refused) {
            ASSERT_NE(v.end, DesignEnd::Found);
            ASSERT_TRUE(v.refused);
            EXPECT_EQ(KeyOf(*v.refused), c["refused"].str());
            EXPECT_EQ(v.message, c["words"].str());
            EXPECT_EQ(tool.exitCode, 2);
            EXPECT_EQ(tool.err, c["words"].str() + "\n");
            EXPECT_FALSE(session.SaveText().message.empty());
            continue;
        }
        ASSERT_EQ(v.end, DesignEnd::Found) << v.message;
        for (const test::JsonMember& m : c["shown"].members) {
            EXPECT_EQ(valueShown(v, m.first), m.second.str()) << m.first;
        }

        // The tool's figures are the file's, number for number.
        const FileText file = session.SaveText();
        ASSERT_TRUE(file.message.empty()) << file.message;
        const test::Json figures = test::ParseJson(file.text)["figures"];
        const test::Json json = test::JsonOf(tool);
        std::vector<std::string> keys = json.keys();
        ASSERT_EQ(keys.back(), "warnings");  // the tool's, after the figures
        keys.pop_back();
        ASSERT_EQ(keys, figures.keys());
        for (const std::string& key : figures.keys()) {
            if (figures[key].kind == test::Json::Kind::Number) {
                EXPECT_EQ(json[key].text, figures[key].text) << key;
            }
        }

        // Saved and opened again: the same boxes and the same file.
        WorkbenchSession reopened;
        ASSERT_TRUE(reopened.Open(file.text, "case.json").opened);
        EXPECT_EQ(reopened.SaveText().text, file.text);
        EXPECT_FALSE(reopened.Unsaved());
    }
}

}  // namespace
}  // namespace zova
