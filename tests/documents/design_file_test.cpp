// Design files: a saved design opens to the same design, and every kind of
// damaged, foreign or hostile file is refused with a message that names what
// is wrong. The messages are the program's own texts.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "documents/design_file.h"
#include "language/language.h"
#include "support/named_case.h"

namespace zova {
namespace {

DesignInputs kta092060() {
    DesignInputs in;
    in.core = "KTA092060";
    in.turns = 54;
    in.current = 10;
    in.stack = 1;
    in.frequency = 100;
    in.ripple = 3;
    in.converter = ConverterInputs{"buck", 48, 12, 10, 100, 0.3, std::nullopt};
    return in;
}

std::string savedFile() {
    const DesignInputs in = kta092060();
    const DesignTexts t = TextsOf(in);
    // A converter's design, worked out from its volt-seconds as the workbench does.
    const std::optional<double> lambda = ConverterVoltSeconds(in);
    const DesignOutcome o = DesignAsTyped(t.core, t.turns, t.current, t.stack, {t.frequency, "", t.coefficients}, t.Margins(), lambda);
    return DesignFileText(in, *o.figures);
}

// The saved file with one text replaced.
std::string edited(std::string_view from, std::string_view to) {
    std::string file = savedFile();
    const std::size_t at = file.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? file : file.replace(at, from.size(), to);
}

TEST(DesignFile, OpensToTheDesignItSaved) {
    const OpenedDesign opened = OpenDesign(savedFile());
    ASSERT_TRUE(opened.inputs) << opened.message;
    EXPECT_EQ(*opened.inputs, kta092060());
    EXPECT_TRUE(opened.changes.empty());
    EXPECT_EQ(opened.outcome.figures->inductance, DesignAsTyped("KTA092060", "54", "10", "1").figures->inductance);
}

// What a text editor may do to a file, and what the tool may have written:
// a byte-order mark, a part number in lower case, the ranges' upper ends.
TEST(DesignFile, OpensWhatEveryFaceAccepts) {
    EXPECT_TRUE(OpenDesign("\xEF\xBB\xBF" + savedFile()).inputs);
    const OpenedDesign lower = OpenDesign(edited("\"core\": \"KTA092060\"", "\"core\": \"kta092060\""));
    ASSERT_TRUE(lower.inputs) << lower.message;
    EXPECT_EQ(lower.inputs->core, "KTA092060");
    const OpenedDesign big = OpenDesign(edited("\"turns\": 54", "\"turns\": 5000"));
    EXPECT_TRUE(big.inputs) << big.message;
}

TEST(DesignFile, IgnoresWhatALaterVersionAdds) {
    std::string file = edited("\"version\": 1", "\"version\": 7, \"future\": {\"a\": [1, 2]}");
    const OpenedDesign opened = OpenDesign(edited("\"turns\": 54", "\"turns\": 54, \"winder\": \"robot\""));
    EXPECT_TRUE(OpenDesign(file).inputs);
    EXPECT_TRUE(opened.inputs) << opened.message;
}

TEST(DesignFile, SaysWhichStoredFiguresTheProgramNowComputesOtherwise) {
    const OpenedDesign opened = OpenDesign(edited("\"inductance\": 100.28274", "\"inductance\": 100"));
    ASSERT_TRUE(opened.inputs) << opened.message;
    ASSERT_EQ(opened.changes.size(), 1u);
    EXPECT_EQ(ChangesMessage(opened.changes),
              "与保存时相比，以下数据已变化（磁芯目录或计算模型已更新），显示的是重新计算的值：电感量 (μH) 由 100.000 变为 "
              "100.283。");
}

// The file is made in the test, once the catalogue is loaded.
struct DamagedCase {
    const char* name;
    std::function<std::string()> file;
    std::string message;
};
ZOVA_PRINT_CASE_NAME(DamagedCase)

class DamagedFiles : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedFiles, AreRefusedWithTheirReason) {
    const OpenedDesign opened = OpenDesign(GetParam().file());
    EXPECT_FALSE(opened.inputs);
    EXPECT_EQ(opened.message, GetParam().message);
}

std::string text(std::string_view s) { return std::string(s); }

const DamagedCase kDamaged[] = {
    {"tooLarge", [] { return std::string(kDesignFileMaxBytes + 1, ' '); },
     "设计文件过大（超过 1 MB），不是本程序保存的设计。"},
    {"notUtf8", [] { return text("{\"format\": \"\xff\"}"); }, "设计文件不是 UTF-8 文本（第 13 字节处）。"},
    {"notJson", [] { return text("PNG\r\n"); }, "设计文件已损坏或不完整：第 1 字节处不是有效的 JSON。"},
    {"truncated", [] { return savedFile().substr(0, 200); }, "设计文件已损坏或不完整：第 201 字节处不是有效的 JSON。"},
    {"foreign", [] { return text("{\"name\": \"KTA092060\"}"); },
     "这不是本程序的设计文件：缺少 \"format\": \"zovamagnetic-design\"。"},
    // Refused at the 65th bracket, before any recursion could run out of stack.
    {"nestedDeep", [] { return std::string(100000, '['); }, "设计文件已损坏或不完整：第 65 字节处不是有效的 JSON。"},
    {"versionText", [] { return edited("\"version\": 1", "\"version\": \"1\""); },
     "设计文件的格式版本（version）缺失或有误。"},
    {"noInputs", [] { return edited("\"inputs\"", "\"input\""); }, "设计文件缺少设计的输入（inputs）。"},
    {"coreNumber", [] { return edited("\"core\": \"KTA092060\"", "\"core\": 92060"); },
     "设计文件的磁芯料号（inputs.core）缺失或不是文字。"},
    {"coreUnknownWithEscape", [] { return edited("\"core\": \"KTA092060\"", "\"core\": \"KT\\u001b[2J\""); },
     "设计文件的 inputs.core 有误：目录中没有磁芯料号“KT\\x1b[2J”。"},
    {"turnsNotWhole", [] { return edited("\"turns\": 54", "\"turns\": 54.5"); },
     "设计文件的 inputs.turns 有误：绕线圈数必须是整数。"},
    {"turnsHuge", [] { return edited("\"turns\": 54", "\"turns\": 1e300"); },
     "设计文件的 inputs.turns 有误：绕线圈数应在 1 到 32767 圈之间。"},
    {"currentNegative", [] { return edited("\"current\": 10", "\"current\": -10"); },
     "设计文件的 inputs.current 有误：电流不能为负数。"},
    {"stackZero", [] { return edited("\"stack\": 1", "\"stack\": 0"); },
     "设计文件的 inputs.stack 有误：磁芯个数应在 1 到 32767 个之间。"},
    {"frequencyZero", [] { return edited("\"frequency\": 100,\n    \"ripple\"", "\"frequency\": 0,\n    \"ripple\""); },
     "设计文件的 inputs.frequency 有误：开关频率应在 0.001 到 100000 kHz 之间。"},
    {"rippleWithoutFrequency", [] { return edited("\"frequency\": 100,\n    \"ripple\"", "\"ripple\""); },
     "设计文件的 inputs.ripple 有误：给出纹波电流时请同时给出开关频率。"},
    {"converterTopology", [] { return edited("\"topology\": \"buck\"", "\"topology\": \"flyback\""); },
     "设计文件的变换器输入（converter）不完整或有误。"},
    // 1e38 A is a single, but the field of 54 turns is not: the calculation's own limit.
    {"beyondTheCurrentRange", [] { return edited("\"current\": 10", "\"current\": 1e38"); },
     "设计文件的 inputs.current 有误：电流应大于 0 且不超过 10000 A。"},
    {"buckThatRaisesTheVoltage", [] { return edited("\"vout\": 12", "\"vout\": 60"); },
     "设计文件的变换器输入（converter）有误：降压变换器的输出电压必须低于输入电压。"},
    {"beyondCalculation", [] { return edited("\"current\": 10", "\"current\": 1e-45"); },
     "设计文件中的设计无法计算：超出计算范围，请您调整计算参数。"},
};

INSTANTIATE_TEST_SUITE_P(DesignFile, DamagedFiles, ::testing::ValuesIn(kDamaged),
                         [](const auto& info) { return std::string(info.param.name); });

// The file's own refusals in English; the members keep their names.
const DamagedCase kDamagedInEnglish[] = {
    {"tooLarge", [] { return std::string(kDesignFileMaxBytes + 1, ' '); },
     "The design file is too large (over 1 MB); it is not a design saved by this program."},
    {"notUtf8", [] { return text("{\"format\": \"\xff\"}"); }, "The design file is not UTF-8 text (at byte 13)."},
    {"notJson", [] { return text("PNG\r\n"); }, "The design file is damaged or incomplete: it is not valid JSON at byte 1."},
    {"foreign", [] { return text("{\"name\": \"KTA092060\"}"); },
     "This is not a design file of this program: \"format\": \"zovamagnetic-design\" is missing."},
    {"versionText", [] { return edited("\"version\": 1", "\"version\": \"1\""); },
     "The design file's format version (version) is missing or wrong."},
    {"noInputs", [] { return edited("\"inputs\"", "\"input\""); }, "The design file holds no design inputs (inputs)."},
    {"coreNumber", [] { return edited("\"core\": \"KTA092060\"", "\"core\": 92060"); },
     "The design file's core part number (inputs.core) is missing or not text."},
    {"twoCoefficients", [] { return edited("\"stack\": 1", "\"stack\": 1, \"lossCoefficients\": [1, 2]"); },
     "The design file's loss coefficients (inputs.lossCoefficients) must be three positive numbers."},
    {"converterTopology", [] { return edited("\"topology\": \"buck\"", "\"topology\": \"flyback\""); },
     "The design file's converter inputs (converter) are incomplete or wrong."},
};

class DamagedFilesInEnglish : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedFilesInEnglish, AreRefusedWithTheirReason) {
    const LanguageScope english(Language::English);
    const OpenedDesign opened = OpenDesign(GetParam().file());
    EXPECT_FALSE(opened.inputs);
    EXPECT_EQ(opened.message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(DesignFile, DamagedFilesInEnglish, ::testing::ValuesIn(kDamagedInEnglish),
                         [](const auto& info) { return std::string(info.param.name); });

// What changed since a file was saved, in either language: a drawn figure
// (no values), a figure from one value to another, and past five changes how
// many there are in all.
TEST(DesignFile, ChangesMessageInEitherLanguage) {
    const FigureChange inductance{"L (μH)", "100.000", "100.283"};
    const FigureChange chart{"Chart", "", ""};
    struct Row {
        const char* name;
        Language language;
        std::vector<FigureChange> changes;
        std::string expected;
    };
    const Row rows[] = {
        {"none", Language::English, {}, ""},
        {"twoInChinese", Language::Chinese, {inductance, chart},
         "与保存时相比，以下数据已变化（磁芯目录或计算模型已更新），显示的是重新计算的值：L (μH) 由 100.000 变为 "
         "100.283；Chart。"},
        {"twoInEnglish", Language::English, {inductance, chart},
         "These figures differ from those saved (the core catalogue or the models have been updated); the "
         "recomputed values are shown: L (μH) from 100.000 to 100.283; Chart."},
        {"sixInChinese", Language::Chinese, {chart, chart, chart, chart, chart, chart},
         "与保存时相比，以下数据已变化（磁芯目录或计算模型已更新），显示的是重新计算的值：Chart；Chart；Chart；Chart；"
         "Chart 等共 6 项。"},
        {"sixInEnglish", Language::English, {chart, chart, chart, chart, chart, chart},
         "These figures differ from those saved (the core catalogue or the models have been updated); the "
         "recomputed values are shown: Chart; Chart; Chart; Chart; Chart and others, 6 in all."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const LanguageScope scope(row.language);
        EXPECT_EQ(ChangesMessage(row.changes), row.expected);
    }
}

}  // namespace
}  // namespace zova
