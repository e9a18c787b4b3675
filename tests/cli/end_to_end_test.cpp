// The built tool, run as a script runs it. Expected outputs come from the same
// library calls the windows make, so the tool is held to the windows' answers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "support/json_reader.h"
#include "cli/tool_runner.h"
#include "commands/core_list.h"
#include "commands/inductance_command.h"
#include "commands/messages.h"
#include "commands/selection_command.h"
#include "engine/bias_curves.h"
#include "engine/formulas.h"
#include "support/named_case.h"
#include "text/number_text.h"

namespace zova {
namespace {

using test::Json;
using test::JsonOf;
using test::LinesOf;
using test::ParseJson;
using test::RunTool;
using test::ToolRun;
using Args = std::vector<std::string>;

std::string line(std::string_view message) { return std::string(message) + "\n"; }

// --- One case per exit code of each command -------------------------------

struct ExitCase {
    const char* name;
    Args args;
    int exitCode;
    std::string out;  // exact standard output
    std::string err;  // exact standard error, or its start when errIsPrefix
    bool errIsPrefix = false;
};
ZOVA_PRINT_CASE_NAME(ExitCase)

class ExitCodes : public ::testing::TestWithParam<ExitCase> {};

TEST_P(ExitCodes, OutputsAndCode) {
    const ExitCase& c = GetParam();
    const ToolRun run = RunTool(c.args);
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_EQ(run.out, c.out);
    if (c.errIsPrefix)
        EXPECT_TRUE(run.err.starts_with(c.err)) << run.err;
    else
        EXPECT_EQ(run.err, c.err);
}

const std::string kUsagePrefix = "zovamagnetic-cli: ";
const std::string kKta014060Details =
    "磁芯料号：KTA014060\n涂层后外径：3.76 mm\n涂层后内径：1.52 mm\n涂层后高度：1.73 mm\n"
    "电感系数：13 nH \n有效磁路长度：0.817 cm\n";

INSTANTIATE_TEST_SUITE_P(
    Cli, ExitCodes,
    ::testing::Values(
        // inductance
        ExitCase{"inductanceResult", {"inductance", "--core", "KTB130060", "--turns", "50", "--current", "5"}, 0,
                 "电感量为：126.920μH\n", ""},
        ExitCase{"inductanceDefaultsZeroCurrentOneCore", {"inductance", "--core=KTB130060", "--turns=50"}, 0,
                 "电感量为：152.500μH\n", ""},
        ExitCase{"inductanceNoCore", {"inductance", "--core=", "--turns", "50"}, 2, "", line(Say(texts::messages::selectCore))},
        ExitCase{"inductanceTurnsNotNumeric", {"inductance", "--core", "KTB130060", "--turns", "abc"}, 2, "",
                 line(Say(texts::messages::turnsNotNumeric))},
        ExitCase{"inductanceUnknownCore", {"inductance", "--core", "kta014060", "--turns", "50"}, 2, "",
                 kUsagePrefix + "unknown part number 'kta014060'", true},
        ExitCase{"inductanceUnknownCoreNoTurns", {"inductance", "--core", "KRB050060", "--turns", ""}, 2, "",
                 kUsagePrefix + "unknown part number 'KRB050060'", true},
        ExitCase{"inductanceStackOverflowFirst", {"inductance", "--core", "", "--turns", "", "--stack", "99999"}, 3,
                 "", line(Say(texts::messages::outOfRange))},
        ExitCase{"inductanceStackOverflowBeforeUnknownCore",
                 {"inductance", "--core", "XYZ", "--turns", "50", "--stack", "99999"}, 3, "",
                 line(Say(texts::messages::outOfRange))},
        ExitCase{"inductanceTurnsOverflow", {"inductance", "--core", "KTB130060", "--turns", "40000"}, 3, "",
                 line(Say(texts::messages::outOfRange))},
        ExitCase{"inductanceMissingTurns", {"inductance", "--core", "KTB130060"}, 64, "",
                 kUsagePrefix + "missing --turns\nUsage: zovamagnetic-cli inductance ", true},
        ExitCase{"inductanceJsonOnly", {"inductance", "--core", "KTB130060", "--turns", "5", "--format", "csv"}, 64,
                 "", kUsagePrefix + "--format must be one of: text, json\n", true},
        // select (its 0 is the 203-line run below)
        ExitCase{"selectNoCurrent", {"select", "--current", "", "--inductance", "100"}, 2, "",
                 line(Say(texts::messages::enterCurrent))},
        ExitCase{"selectNegativeCurrent", {"select", "--current", "-2", "--inductance", "100"}, 2, "",
                 line(Say(texts::messages::currentNotPositive))},
        ExitCase{"selectNothingReaches", {"select", "--current", "10", "--inductance", "100000"}, 1, "",
                 line(Say(texts::messages::noCoreFound))},
        ExitCase{"selectEmptyStack", {"select", "--current", "10", "--inductance", "100", "--stack="}, 3, "",
                 line(Say(texts::messages::outOfRange))},
        ExitCase{"selectMissingInductance", {"select", "--current", "10"}, 64, "",
                 kUsagePrefix + "missing --inductance\n", true},
        // cores
        ExitCase{"coresMatchingNothing", {"cores", "--search", "KRB"}, 0, "", ""},
        ExitCase{"coresOperand", {"cores", "KTA"}, 64, "", kUsagePrefix + "unexpected argument 'KTA'\n", true},
        // core
        ExitCase{"coreDetails", {"core", "KTA014060"}, 0, kKta014060Details, ""},
        ExitCase{"coreNotOffered", {"core", "KRB050060"}, 2, "", kUsagePrefix + "unknown part number 'KRB050060'",
                 true},
        ExitCase{"coreUntrimmed", {"core", " KTA014060"}, 2, "", kUsagePrefix + "unknown part number", true},
        ExitCase{"coreMissing", {"core"}, 64, "", kUsagePrefix + "missing PARTNO\n", true},
        // curve
        ExitCase{"curveUnknown", {"curve", "KRB", "060"}, 2, "", kUsagePrefix + "no curve for series 'KRB'", true},
        ExitCase{"curveAtNotNumber", {"curve", "KTA", "060", "--at", "10", "abc"}, 2, "",
                 kUsagePrefix + "--at needs a number, not 'abc'\n"},
        ExitCase{"curveAtBeyondSingle", {"curve", "KTA", "060", "--at", "1e39"}, 3, "", line(Say(texts::messages::outOfRange))},
        ExitCase{"curveMissingPerm", {"curve", "KTA"}, 64, "", kUsagePrefix + "missing PERM\n", true},
        // the tool itself
        ExitCase{"noArguments", {}, 64, "", kUsagePrefix + "missing command\n", true},
        ExitCase{"unknownCommand", {"calc"}, 64, "", kUsagePrefix + "unknown command 'calc'\n", true},
        ExitCase{"unknownOption", {"select", "--current", "1", "--inductance", "1", "--turns", "5"}, 64, "",
                 kUsagePrefix + "unknown option '--turns'\n", true}),
    [](const auto& info) { return std::string(info.param.name); });

// The curve's 0: the top point answers for 1000 Oe and above.
TEST(CurveCommand, PercentagesAtTheFieldsGiven) {
    const BiasCurve* curve = FindBiasCurve("060", "KTA");
    ASSERT_NE(curve, nullptr);
    const ToolRun run = RunTool({"curve", "KTA", "060", "--at", "1000", "5000", "--at=-1", "12.5"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(LinesOf(run.out),
              (Args{text::GeneralForm(curve->percent[0]), text::GeneralForm(curve->percent[0]),
                    text::GeneralForm(BiasPercent("060", -1.0f, "KTA")),
                    text::GeneralForm(BiasPercent("060", 12.5f, "KTA"))}));
}

TEST(CurveCommand, FortyFivePointsInTwoColumns) {
    const BiasCurve* curve = FindBiasCurve("125", "KTB");
    ASSERT_NE(curve, nullptr);
    const ToolRun run = RunTool({"curve", "KTB", "125"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const Args lines = LinesOf(run.out);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kCurvePoints));
    for (int i = 0; i < kCurvePoints; ++i)
        EXPECT_EQ(lines[i], text::GeneralForm(curve->h[i]) + "\t" + text::GeneralForm(curve->percent[i]));
}

TEST(HelpCommand, EveryCommandDescribesItselfOnStandardOutput) {
    for (const char* command : {"inductance", "select", "cores", "core", "curve"}) {
        const ToolRun run = RunTool({command, "--help"});
        EXPECT_EQ(run.exitCode, 0) << command;
        EXPECT_TRUE(run.out.starts_with(std::string("Usage: zovamagnetic-cli ") + command + " ")) << run.out;
        EXPECT_EQ(run.err, "");
    }
    const ToolRun run = RunTool({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("Exit codes: 0 result, 1 no core found (select), 2 input refused, 3 out of\n"
                           "calculation range, 64 usage error, 74 output not written"),
              std::string::npos)
        << run.out;
}

// --- The calculator's outcome, byte for byte --------------------------------

struct CalcTexts {
    const char* name;
    const char* core;
    const char* turns;
    const char* current;
    const char* stack;
};
ZOVA_PRINT_CASE_NAME(CalcTexts)

class SameAsCalculator : public ::testing::TestWithParam<CalcTexts> {};

TEST_P(SameAsCalculator, TextAndExitCode) {
    const CalcTexts& c = GetParam();
    const InductanceOutcome window = CalculateInductance(c.core, c.turns, c.current, c.stack);
    const ToolRun run = RunTool({"inductance", "--core", c.core, "--turns", c.turns, "--current", c.current,
                                 "--stack=" + std::string(c.stack)});
    if (window.end == InductanceEnd::OutOfRange) {
        EXPECT_EQ(run.exitCode, 3);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, line(Say(texts::messages::outOfRange)));
    } else if (window.resultText.starts_with("电感量为：")) {
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out, window.resultText + "\n");
        EXPECT_EQ(run.err, "");
    } else {
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, window.resultText + "\n");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cli, SameAsCalculator,
    ::testing::Values(CalcTexts{"fiveAmps", "KTB130060", "50", "5", "1"},
                      CalcTexts{"paddedTexts", "KTB130060", " 50 ", " 5 ", "1"},
                      CalcTexts{"turnsRoundHalfEven", "KTB130060", "2.5", "0", "3.5"},
                      CalcTexts{"stackEmpty", "KTB130060", "50", "5", ""},
                      CalcTexts{"stackLetters", "KTB130060", "50", "5", "two"},
                      CalcTexts{"stackNegative", "KTB130060", "50", "0", "-1"},
                      CalcTexts{"negativeCurrent", "KTA014060", "10", "-2", "1"},
                      CalcTexts{"negativeTurns", "KTA014060", "-10", "1", "1"},
                      CalcTexts{"blankTurns", "KTA014060", "   ", "1", "1"},
                      CalcTexts{"currentEmpty", "KTA014060", "10", "", "1"},
                      CalcTexts{"currentTwoPoints", "KTA014060", "10", "1.2.3", "1"},
                      CalcTexts{"currentBeyondSingle", "KTA014060", "10", "1e39", "1"},
                      CalcTexts{"fieldBeyondSingle", "KTB130060", "30000", "1e36", "1"},
                      CalcTexts{"noCurveUnderBias", "KRA037125", "50", "1", "1"},
                      CalcTexts{"lastOfferedCore", "KRA306090", "29", "10", "2"},
                      CalcTexts{"noCoreAnyInputs", "", "x", "y", "2"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- The selection's outcome, byte for byte ---------------------------------

TEST(SelectCommand, TenAmpsHundredMicrohenriesLineByLine) {
    const SelectionOutcome window = SelectCores("10", "100", "1");
    const ToolRun run = RunTool({"select", "--current", "10", "--inductance", "100"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.out.ends_with('\n'));
    const Args lines = LinesOf(run.out);
    ASSERT_EQ(window.lines.size(), 203u);
    ASSERT_EQ(lines.size(), window.lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], window.lines[i]) << "line " << i + 1;
}

TEST(SelectCommand, CsvHasTheWindowsColumnsAndFields) {
    const SelectionOutcome window = SelectCores("30", "100", "2");
    const ToolRun run = RunTool({"select", "--current=30", "--inductance=100", "--stack=2", "--format=csv"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const Args rows = LinesOf(run.out);
    ASSERT_FALSE(window.lines.empty());
    ASSERT_EQ(rows.size(), window.lines.size() + 1);
    EXPECT_EQ(rows[0], "可选磁芯,磁芯外径(mm),磁芯内径(mm),磁芯高度(mm),绕线圈数,线径(mm)");
    for (std::size_t i = 0; i < window.lines.size(); ++i) {
        std::string joined = rows[i + 1];
        for (std::size_t p; (p = joined.find(',')) != std::string::npos;) joined.replace(p, 1, "\t\t");
        EXPECT_EQ(joined, window.lines[i]);
    }
}

// --- The part-number list ---------------------------------------------------

TEST(CoresCommand, ListsWhatTheCalculatorListShows) {
    std::string all;
    for (const std::string& partNo : FilterCoreList("")) all += partNo + "\n";
    std::string kta05;
    for (const std::string& partNo : FilterCoreList("KTA05")) kta05 += partNo + "\n";
    ASSERT_FALSE(kta05.empty());

    const ToolRun everything = RunTool({"cores"});
    EXPECT_EQ(everything.exitCode, 0);
    EXPECT_EQ(LinesOf(everything.out).size(), 469u);
    EXPECT_EQ(everything.out, all);
    EXPECT_EQ(RunTool({"cores", "--search", "  kta05 "}).out, kta05);
    EXPECT_EQ(RunTool({"cores", "--search="}).out, all);
}

// --- JSON: parses, and carries the values of the text form ------------------


TEST_P(SameAsCalculator, JsonCarriesTheResultAndItsNumbers) {
    const CalcTexts& c = GetParam();
    const auto figures = CalculateInductance(c.core, c.turns, c.current, c.stack).figures;
    const Args args = {"inductance", "--core", c.core, "--turns", c.turns, "--current", c.current, "--stack", c.stack};
    const ToolRun text = RunTool(args);
    Args jsonArgs = args;
    jsonArgs.insert(jsonArgs.end(), {"--format", "json"});
    const ToolRun json = RunTool(jsonArgs);
    if (!figures) {
        // No result: the same message and code as the text form, no document.
        EXPECT_NE(text.exitCode, 0);
        EXPECT_EQ(json.exitCode, text.exitCode);
        EXPECT_EQ(json.err, text.err);
        EXPECT_EQ(json.out, "");
        return;
    }
    EXPECT_EQ(json.exitCode, 0);
    const Json doc = JsonOf(json);
    EXPECT_EQ(doc.keys(), (Args{"core", "turnsText", "currentText", "stackText", "text", "turns", "current", "stack",
                                "perCore", "inductance"}));
    EXPECT_EQ(doc["core"].str(), c.core);
    EXPECT_EQ(doc["turnsText"].str(), c.turns);
    EXPECT_EQ(doc["stackText"].str(), c.stack);
    EXPECT_EQ(doc["text"].str() + "\n", text.out);
    EXPECT_EQ(doc["turns"].integer(), figures->turns);
    EXPECT_EQ(doc["current"].single(), figures->current);
    EXPECT_EQ(doc["stack"].integer(), figures->stackCount);
    EXPECT_EQ(doc["perCore"].single(), figures->perCore);
    EXPECT_EQ(doc["inductance"].single(), figures->total);
    EXPECT_EQ("电感量为：" + text::Format000(doc["inductance"].single()) + "μH",
              doc["text"].str());
}

TEST(JsonOutput, InvalidUtf8InAStackTextStillMakesValidJson) {
    const ToolRun run =
        RunTool({"inductance", "--core", "KTB130060", "--turns", "50", "--stack", "2\xFF", "--format", "json"});
    EXPECT_EQ(run.exitCode, 0);
    const Json doc = JsonOf(run);
    EXPECT_EQ(doc["stackText"].str(), "2\xEF\xBF\xBD");
    EXPECT_EQ(doc["stack"].integer(), 2);
}

TEST(JsonOutput, SelectionRowsMatchTheTextLines) {
    const Args args = {"select", "--current", "10", "--inductance", "100"};
    const Args textLines = LinesOf(RunTool(args).out);
    Args jsonArgs = args;
    jsonArgs.insert(jsonArgs.end(), {"--format", "json"});
    const ToolRun run = RunTool(jsonArgs);
    EXPECT_EQ(run.exitCode, 0);
    const Json doc = JsonOf(run);
    EXPECT_EQ(doc["end"].str(), "found");
    EXPECT_TRUE(doc["message"].isNull());
    EXPECT_EQ(doc["wireDiameter"].single(), WireDiameter(10.0f));
    EXPECT_EQ(text::Format00(doc["wireDiameter"].single()), "1.26");
    const Json& cores = doc["cores"];
    ASSERT_EQ(textLines.size(), 203u);
    ASSERT_EQ(cores.items.size(), textLines.size());
    for (std::size_t i = 0; i < textLines.size(); ++i) {
        const Json& row = cores[i];
        const CoreRecord record = FindCore(row["partNo"].str());
        EXPECT_EQ(row["line"].str(), textLines[i]);
        EXPECT_EQ(row["coatedOD"].single(), record.CoatedOD);
        EXPECT_EQ(row["coatedID"].single(), record.CoatedID);
        EXPECT_EQ(row["coatedHeight"].single(), record.CoatedHeight);
        // The numbers rebuild the text line.
        const std::string rebuilt = row["partNo"].str() + "\t\t" + text::GeneralForm(row["coatedOD"].single()) +
                                    "\t\t" + text::GeneralForm(row["coatedID"].single()) + "\t\t" +
                                    text::GeneralForm(row["coatedHeight"].single()) + "\t\t" +
                                    std::to_string(row["turns"].integer()) + "\t\t>" + row["wire"].str();
        EXPECT_EQ(rebuilt, textLines[i]);
    }
}

TEST(JsonOutput, SelectionOutOfRangeStillADocument) {
    const ToolRun run =
        RunTool({"select", "--current", "10", "--inductance", "100", "--stack", "", "--format", "json"});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.err, line(Say(texts::messages::outOfRange)));
    const Json doc = ParseJson(run.out);
    EXPECT_EQ(doc["end"].str(), "outOfRange");
    EXPECT_EQ(doc["message"].str(), Say(texts::messages::outOfRange));
    EXPECT_TRUE(doc["wireDiameter"].isNull());
    EXPECT_TRUE(doc["cores"].items.empty());
}

TEST(JsonOutput, CoreDetailsAndTheirNumbers) {
    const ToolRun run = RunTool({"core", "KTA135060", "--format", "json"});
    EXPECT_EQ(run.exitCode, 0);
    const Json doc = JsonOf(run);
    const CoreRecord record = FindCore("KTA135060");
    const Args textLines = LinesOf(RunTool({"core", "KTA135060"}).out);
    ASSERT_EQ(doc["lines"].items.size(), 6u);
    ASSERT_EQ(textLines.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(doc["lines"][i].str(), textLines[i]);
    EXPECT_EQ(doc["partNo"].str(), "KTA135060");
    EXPECT_EQ(doc["coatedOD"].single(), record.CoatedOD);
    EXPECT_EQ(doc["coatedID"].single(), record.CoatedID);
    EXPECT_EQ(doc["coatedHeight"].single(), record.CoatedHeight);
    EXPECT_EQ(doc["AL"].single(), record.AL);
    EXPECT_EQ(doc["pathLength"].single(), record.PathLength);
    EXPECT_EQ(textLines[1], "涂层后外径：" + text::GeneralForm(doc["coatedOD"].single()) + " mm");
    EXPECT_EQ(textLines[5], "有效磁路长度：" + text::Format000(doc["pathLength"].single()) + " cm");
}

TEST(JsonOutput, CurvePointsInTheOrderGiven) {
    const Args fields = {"12.5", " 3 ", "1000", "-1", "0"};
    Args args = {"curve", "KRA", "026", "--format", "json", "--at"};
    args.insert(args.end(), fields.begin(), fields.end());
    const ToolRun run = RunTool(args);
    EXPECT_EQ(run.exitCode, 0);
    const Json doc = JsonOf(run);
    EXPECT_EQ(doc.keys(), (Args{"series", "perm", "points"}));
    EXPECT_EQ(doc["series"].str(), "KRA");
    EXPECT_EQ(doc["perm"].str(), "026");
    Args textArgs = args;
    textArgs.erase(textArgs.begin() + 3, textArgs.begin() + 5);
    const Args textLines = LinesOf(RunTool(textArgs).out);
    const float h[] = {12.5f, 3.0f, 1000.0f, -1.0f, 0.0f};
    const Json& points = doc["points"];
    ASSERT_EQ(points.items.size(), 5u);
    ASSERT_EQ(textLines.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(points[i].keys(), (Args{"h", "percent"}));
        EXPECT_EQ(points[i]["h"].single(), h[i]);
        EXPECT_EQ(points[i]["percent"].single(), BiasPercent("026", h[i], "KRA"));
        EXPECT_EQ(text::GeneralForm(points[i]["percent"].single()), textLines[i]);
    }
}

TEST(JsonOutput, WholeCurveIsItsPoints) {
    const BiasCurve* curve = FindBiasCurve("090", "KTA");
    ASSERT_NE(curve, nullptr);
    const Json doc = JsonOf(RunTool({"curve", "KTA", "090", "--format=json"}));
    ASSERT_EQ(doc["points"].items.size(), static_cast<std::size_t>(kCurvePoints));
    for (int i = 0; i < kCurvePoints; ++i) {
        EXPECT_EQ(doc["points"][i]["h"].single(), curve->h[i]);
        EXPECT_EQ(doc["points"][i]["percent"].single(), curve->percent[i]);
    }
}

// --lang: the library's texts in the language asked for, Chinese when none is
// asked for, a code the tool does not know refused as a usage error. Each
// English sentence is written out here as an engineer reads it.
INSTANTIATE_TEST_SUITE_P(
    Language, ExitCodes,
    ::testing::Values(
        ExitCase{"inductanceNoTurns",
                     {"inductance", "--core", "KTB130060", "--turns", "", "--lang", "en"}, 2, "",
                     "Sorry, please enter the number of turns.\n"},
        // 50 turns on KTB130060 at 5 A give 126.920 µH; the number before its unit.
        ExitCase{"inductanceResultWithTheEqualsForm",
                     {"inductance", "--lang=en", "--core", "KTB130060", "--turns", "50", "--current", "5"}, 0,
                     "Inductance: 126.920 μH\n", ""},
        ExitCase{"selectNoCurrent", {"select", "--current", "", "--inductance", "100", "--lang", "en"}, 2, "",
                     "Sorry, please enter the current.\n"},
        ExitCase{"designTurnsNotWhole",
                     {"design", "--core", "KTB130060", "--turns", "2.5", "--current", "5", "--lang", "en"}, 2, "",
                     "The number of turns must be a whole number.\n"},
        // The range's ends and unit fall where English puts them.
        ExitCase{"designNoTurnsInRange",
                     {"design", "--core", "KTB130060", "--turns", "0", "--current", "5", "--lang", "en"}, 2, "",
                     "The number of turns must be between 1 and 32767 turns.\n"},
        ExitCase{"converterBuckStepsUp",
                     {"converter", "--topology", "buck", "--vin", "12", "--vout", "24", "--iout", "1",
                      "--frequency", "100", "--lang", "en"},
                     2, "", "A buck converter's output voltage must be lower than its input voltage.\n"},
        ExitCase{"converterNoOutputCurrent",
                     {"converter", "--topology", "boost", "--vin", "12", "--vout", "24", "--iout", "0",
                      "--frequency", "100", "--lang", "en"},
                     2, "", "The output current must be above 0 and at most 10000 A.\n"},
        ExitCase{"designFileMissing",
                     {"design", "--open", "/nonexistent/zova.json", "--lang", "en"}, 2, "",
                     "Cannot open \"/nonexistent/zova.json\": the file does not exist.\n"},
        // Without --lang the tool says what it always said.
        ExitCase{"chineseByDefault", {"inductance", "--core", "KTB130060", "--turns", ""}, 2, "",
                     "对不起，请输入绕线圈数！\n"},
        ExitCase{"chineseAskedFor", {"select", "--current", "", "--inductance", "100", "--lang", "zh"}, 2, "",
                     "对不起，请输入电流！\n"},
        ExitCase{"unknownCode",
                     {"inductance", "--core", "KTB130060", "--turns", "50", "--lang", "fr"}, 64, "",
                     "zovamagnetic-cli: --lang must be one of: zh, en\nUsage: zovamagnetic-cli inductance ", true},
        ExitCase{"codeInCapitals", {"cores", "--lang=EN"}, 64, "",
                     "zovamagnetic-cli: --lang must be one of: zh, en\n", true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zova
