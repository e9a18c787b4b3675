// The JSON and CSV writers, checked by reading their output back.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "support/json_reader.h"
#include "support/named_case.h"
#include "text/csv_record.h"
#include "text/json_writer.h"

namespace zova::text {
namespace {

using test::Json;
using test::ParseJson;

struct StringCase {
    const char* name;
    std::string in;
    std::string literal;  // what the writer emits
    std::string readBack;  // what a JSON reader makes of it
};
ZOVA_PRINT_CASE_NAME(StringCase)

class JsonStrings : public ::testing::TestWithParam<StringCase> {};

TEST_P(JsonStrings, EscapeAndReadBack) {
    const StringCase& c = GetParam();
    EXPECT_EQ(JsonString(c.in), c.literal);
    EXPECT_EQ(ParseJson(JsonString(c.in)).str(), c.readBack);
}

const std::string kReplacement = "\xEF\xBF\xBD";

INSTANTIATE_TEST_SUITE_P(
    Cli, JsonStrings,
    ::testing::Values(
        StringCase{"plain", "KTA014060", "\"KTA014060\"", "KTA014060"},
        StringCase{"empty", "", "\"\"", ""},
        StringCase{"quoteAndBackslash", "a\"b\\c", "\"a\\\"b\\\\c\"", "a\"b\\c"},
        StringCase{"resultLineTabs", "K\t\t1", "\"K\\t\\t1\"", "K\t\t1"},
        StringCase{"lineBreaks", "a\n\rb", "\"a\\n\\rb\"", "a\n\rb"},
        StringCase{"otherControls", std::string("\x01\x1f\x7f", 3), "\"\\u0001\\u001f\x7f\"", "\x01\x1f\x7f"},
        StringCase{"embeddedNul", std::string("a\0b", 3), "\"a\\u0000b\"", std::string("a\0b", 3)},
        StringCase{"chineseKeptRaw", "电感量为：0.000μH", "\"电感量为：0.000μH\"", "电感量为：0.000μH"},
        StringCase{"fourByteKept", "\xF0\x9F\x98\x80", "\"\xF0\x9F\x98\x80\"", "\xF0\x9F\x98\x80"},
        // A user text may hold bytes that are not UTF-8; each becomes U+FFFD.
        StringCase{"loneByte", "1\xFF", "\"1\\ufffd\"", "1" + kReplacement},
        StringCase{"strayContinuation", "\x80x", "\"\\ufffdx\"", kReplacement + "x"},
        StringCase{"truncatedAtEnd", "a\xE4\xB8", "\"a\\ufffd\\ufffd\"", "a" + kReplacement + kReplacement},
        StringCase{"truncatedBeforeAscii", "\xE4\xB8x", "\"\\ufffd\\ufffdx\"", kReplacement + kReplacement + "x"},
        StringCase{"overlong", "\xC0\xAF", "\"\\ufffd\\ufffd\"", kReplacement + kReplacement},
        StringCase{"overlongThreeBytes", "\xE0\x80\xAF", "\"\\ufffd\\ufffd\\ufffd\"",
                   kReplacement + kReplacement + kReplacement},
        StringCase{"surrogate", "\xED\xA0\x80", "\"\\ufffd\\ufffd\\ufffd\"", kReplacement + kReplacement + kReplacement},
        StringCase{"pastLastCodePoint", "\xF4\x90\x80\x80", "\"\\ufffd\\ufffd\\ufffd\\ufffd\"",
                   kReplacement + kReplacement + kReplacement + kReplacement}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JsonNumbers, EverySingleReadsBackAsItself) {
    const std::vector<float> values = {0.0f,        -0.0f,       1.0f,       24.28f,     0.817f,
                                       1.2615647f,  126.92023f,  16777217.0f, 1e-45f,    1.17549435e-38f,
                                       3.4028235e38f, -3.4028235e38f, 1e10f,  0.1f,       -2.0f};
    JsonWriter w;
    w.beginArray();
    for (const float v : values) w.number(v);
    w.endArray();
    const Json doc = ParseJson(w.text());
    ASSERT_EQ(doc.items.size(), values.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(std::bit_cast<std::uint32_t>(doc[i].single()), std::bit_cast<std::uint32_t>(values[i]))
            << doc[i].text;
}

TEST(JsonNumbers, NonFiniteBecomesNull) {
    JsonWriter w;
    w.beginArray()
        .number(std::numeric_limits<float>::infinity())
        .number(-std::numeric_limits<float>::infinity())
        .number(std::numeric_limits<float>::quiet_NaN())
        .integer(-32768)
        .endArray();
    const Json doc = ParseJson(w.text());
    ASSERT_EQ(doc.items.size(), 4u);
    EXPECT_TRUE(doc[0].isNull());
    EXPECT_TRUE(doc[1].isNull());
    EXPECT_TRUE(doc[2].isNull());
    EXPECT_EQ(doc[3].integer(), -32768);
}

TEST(JsonWriter, NestedDocumentKeepsOrderAndIndents) {
    JsonWriter w;
    w.beginObject();
    w.key("b").string("x");
    w.key("a").beginArray().beginObject().endObject().beginArray().endArray().integer(1).endArray();
    w.key("empty").beginObject().endObject();
    w.key("n").null();
    w.endObject();
    EXPECT_EQ(w.text(),
              "{\n"
              "  \"b\": \"x\",\n"
              "  \"a\": [\n"
              "    {},\n"
              "    [],\n"
              "    1\n"
              "  ],\n"
              "  \"empty\": {},\n"
              "  \"n\": null\n"
              "}\n");
    const Json doc = ParseJson(w.text());
    EXPECT_EQ(doc.keys(), (std::vector<std::string>{"b", "a", "empty", "n"}));
}

struct CsvCase {
    const char* name;
    std::vector<std::string> fields;
    std::string record;
};
ZOVA_PRINT_CASE_NAME(CsvCase)

class Csv : public ::testing::TestWithParam<CsvCase> {};

TEST_P(Csv, QuotesOnlyWhereNeeded) { EXPECT_EQ(CsvRecord(GetParam().fields), GetParam().record); }

INSTANTIATE_TEST_SUITE_P(
    Cli, Csv,
    ::testing::Values(CsvCase{"plain", {"KTA092060", "24.28", ">1.26"}, "KTA092060,24.28,>1.26\n"},
                      CsvCase{"blankAndChinese", {"1.26 建议多股线", "磁芯外径(mm)"}, "1.26 建议多股线,磁芯外径(mm)\n"},
                      CsvCase{"emptyFields", {"", "", ""}, ",,\n"},
                      CsvCase{"comma", {"a,b", "c"}, "\"a,b\",c\n"},
                      CsvCase{"quote", {"say \"hi\""}, "\"say \"\"hi\"\"\"\n"},
                      CsvCase{"lineBreak", {"a\nb", "c\rd"}, "\"a\nb\",\"c\rd\"\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zova::text
