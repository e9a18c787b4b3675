#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "language/texts.h"
#include "support/chinese_text.h"

namespace zova {
namespace {

using test::FirstChinese;
using test::HoldsChinese;

// The {1} … {9} a text uses, in order of appearance, as a sorted set.
std::multiset<char> Placeholders(std::string_view text) {
    std::multiset<char> found;
    for (std::size_t i = 0; i + 2 < text.size(); ++i)
        if (text[i] == '{' && text[i + 1] >= '1' && text[i + 1] <= '9' && text[i + 2] == '}') found.insert(text[i + 1]);
    return found;
}

TEST(Catalogue, EveryPhraseHasBothTextsTheSamePlaceholdersAndAKeyOfItsOwn) {
    std::set<std::string_view> keys;
    for (const Phrase* phrase : Catalogue()) {
        SCOPED_TRACE(std::string(phrase->key));
        EXPECT_FALSE(phrase->chinese.empty());
        EXPECT_FALSE(phrase->english.empty());
        EXPECT_FALSE(HoldsChinese(phrase->english)) << phrase->english;
        EXPECT_EQ(Placeholders(phrase->chinese), Placeholders(phrase->english));
        EXPECT_TRUE(keys.insert(phrase->key).second) << "key used twice";
        EXPECT_EQ(PhraseNamed(phrase->key), phrase);
    }
    EXPECT_EQ(PhraseNamed("messages.noSuchText"), nullptr);
}

TEST(Catalogue, TheCheckOfChineseCatchesCharactersAndFullWidthPunctuation) {
    EXPECT_TRUE(HoldsChinese("Inductance 电感"));
    EXPECT_TRUE(HoldsChinese("Sorry！"));   // U+FF01
    EXPECT_TRUE(HoldsChinese("a，b"));      // U+FF0C
    EXPECT_FALSE(HoldsChinese("L = 100.283 μH, 25 °C, 3 × 2 cm²"));
    EXPECT_TRUE(HoldsChinese("电感量"));
    EXPECT_TRUE(HoldsChinese("（"));
    EXPECT_FALSE(HoldsChinese("Inductance 20 °C (μH) ΔB ≤ 0.3 — yes"));
    EXPECT_EQ(FirstChinese("Core（KTB）"), 4u);  // where the full-width bracket starts
}

TEST(Fill, PutsEachValueWhereTheTextWantsIt) {
    struct Row {
        const char* name;
        std::string_view pattern;
        std::string expected;
    };
    const Row rows[] = {
        {"in order", "{1} turns on {2}", "18 turns on KTA106090"},
        {"reordered", "{2} 上绕 {1} 圈", "KTA106090 上绕 18 圈"},
        {"twice", "{1}/{1}", "18/18"},
        {"no value for it", "{3} left", "{3} left"},
        {"not a placeholder", "{x} {} {10}", "{x} {} {10}"},
        {"at the end", "ends {", "ends {"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Fill(row.pattern, {"18", "KTA106090"}), row.expected);
    }
}

TEST(Language, CodesAndScopes) {
    EXPECT_EQ(LanguageNamed("zh"), Language::Chinese);
    EXPECT_EQ(LanguageNamed("en"), Language::English);
    EXPECT_EQ(LanguageNamed("EN"), std::nullopt);
    EXPECT_EQ(LanguageNamed(""), std::nullopt);
    EXPECT_EQ(LanguageCode(Language::English), "en");
    EXPECT_EQ(CurrentLanguage(), Language::Chinese);
    const Phrase title{"t.t", "标题", "Title"};
    {
        const LanguageScope english(Language::English);
        EXPECT_EQ(Say(title), "Title");
        {
            const LanguageScope chinese(Language::Chinese);
            EXPECT_EQ(Say(title), "标题");
        }
        EXPECT_EQ(Say(title), "Title");
    }
    EXPECT_EQ(Say(title), "标题");
}

}  // namespace
}  // namespace zova
