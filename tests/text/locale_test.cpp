// The library's number texts under a process locale whose decimal separator is
// a comma, as a GUI sets it from LC_ALL or LC_NUMERIC. ctest makes the
// de_DE.UTF-8 locale with localedef and points LOCPATH at it. Expected texts:
// the calculator's and the selection's worked results and the core details of
// KTA014060, as the C locale shows them.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "commands/core_list.h"
#include "commands/inductance_command.h"
#include "commands/selection_command.h"
#include "support/named_case.h"
#include "text/conversions.h"
#include "text/number_text.h"

namespace zova {
namespace {

// Switches one locale category for the life of the object.
class ScopedLocale {
public:
    ScopedLocale(int category, const char* name) : category_(category), saved_(std::setlocale(category, nullptr)) {
        active_ = std::setlocale(category, name) != nullptr;
    }
    ~ScopedLocale() { std::setlocale(category_, saved_.c_str()); }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

    bool commaDecimals() const { return active_ && std::strcmp(std::localeconv()->decimal_point, ",") == 0; }

private:
    int category_;
    std::string saved_;
    bool active_ = false;
};

struct LocaleRow {
    const char* name;
    std::function<std::string()> text;
    std::string expected;
};
ZOVA_PRINT_CASE_NAME(LocaleRow)

class CommaLocale : public ::testing::TestWithParam<LocaleRow> {};

TEST_P(CommaLocale, SameBytesAsInTheCLocale) {
    const LocaleRow& r = GetParam();
    EXPECT_EQ(r.text(), r.expected) << "C locale";
    for (const int category : {LC_ALL, LC_NUMERIC}) {
        const ScopedLocale comma(category, "de_DE.UTF-8");
        const char* path = std::getenv("LOCPATH");
        ASSERT_TRUE(comma.commaDecimals()) << "no de_DE.UTF-8 locale under LOCPATH=" << (path ? path : "");
        EXPECT_EQ(r.text(), r.expected) << (category == LC_ALL ? "LC_ALL" : "LC_NUMERIC");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Text, CommaLocale,
    ::testing::Values(
        LocaleRow{"inductance", [] { return CalculateInductance("KTB130060", "50", "5", "1").resultText; },
                  "电感量为：126.920μH"},
        LocaleRow{"inductancePointCurrent",
                  [] { return CalculateInductance("KTA106090", "100", "1.5", "1").resultText; },
                  "电感量为：1052.326μH"},
        LocaleRow{"selectionFirstLine", [] { return SelectCores("10", "100", "1").lines.at(0); },
                  "KTA092060\t\t24.28\t\t13.77\t\t9.7\t\t54\t\t>1.26"},
        LocaleRow{"selectionPointTexts", [] { return SelectCores("10.0", "1e2", "1.0").lines.at(0); },
                  "KTA092060\t\t24.28\t\t13.77\t\t9.7\t\t54\t\t>1.26"},
        LocaleRow{"coreDetails", [] { return CoreDetailsText("KTA014060"); },
                  "磁芯料号：KTA014060\r涂层后外径：3.76 mm\r涂层后内径：1.52 mm\r涂层后高度：1.73 mm\r"
                  "电感系数：13 nH \r有效磁路长度：0.817 cm"},
        LocaleRow{"fixedRoundsHalfUp", [] { return text::Format000(2.0625f); }, "2.063"},
        LocaleRow{"generalExponent", [] { return text::GeneralForm(1.5e-5f); }, "1.5E-05"},
        // The second way to the texts (printf and strtod, for a standard library
        // without floating-point std::to_chars) reads and writes in the locale.
        LocaleRow{"printfFixed", [] { return text::detail::printf_texts::FormatFixed(2.0625, 3); }, "2.063"},
        LocaleRow{"printfGeneral", [] { return text::detail::printf_texts::GeneralForm(1.5e-5f); }, "1.5E-05"},
        LocaleRow{"printfShortest", [] { return text::detail::printf_texts::ShortestText(0.30000000000000004); },
                  "0.30000000000000004"},
        LocaleRow{"printfShortestSingle", [] { return text::detail::printf_texts::ShortestText(126.92023f); },
                  "126.92023"},
        LocaleRow{"printfSignificant", [] { return text::detail::printf_texts::SignificantText(5014.1503, 6); },
                  "5014.15"},
        LocaleRow{"leadingValue", [] { return text::Format00(static_cast<float>(text::LeadingValue("3.25x"))); },
                  "3.25"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zova
