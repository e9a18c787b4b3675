// The calculator's command on any four texts: the list item, turns, current and
// stack. The list item is taken two ways: as raw text (the command-line tool
// passes any --core), and as a search text whose filtered list the user picks
// from, as in the window. Every run must end in a result, one of the
// calculator's messages, an unknown part number (raw texts only) or the
// out-of-range failure.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "commands/core_list.h"
#include "commands/inductance_command.h"
#include "commands/messages.h"
#include "fuzz_support.h"
#include "text/conversions.h"

namespace {

using namespace zova;

void checkOutcome(const InductanceOutcome& o, std::string_view partNo) {
    if (o.end == InductanceEnd::OutOfRange) {
        ZOVA_FUZZ_CHECK(o.resultText.empty() && !o.figures);
        return;
    }
    ZOVA_FUZZ_CHECK((o.end == InductanceEnd::Result) == o.figures.has_value());
    ZOVA_FUZZ_CHECK((o.end == InductanceEnd::UnknownCore) == (!partNo.empty() && !IsOffered(partNo)));
    if (o.figures) {
        ZOVA_FUZZ_CHECK(o.resultText.starts_with("电感量为："));
        ZOVA_FUZZ_CHECK(o.resultText.ends_with("μH"));
        ZOVA_FUZZ_CHECK(std::isfinite(o.figures->perCore) && std::isfinite(o.figures->total));
        ZOVA_FUZZ_CHECK(!partNo.empty());
        return;
    }
    namespace m = texts::messages;
    const std::string_view kMessages[] = {Say(m::selectCore), Say(m::enterTurns), Say(m::turnsNotNumeric),
                                          Say(m::enterCurrent), Say(m::currentNotNumeric)};
    ZOVA_FUZZ_CHECK(std::ranges::find(kMessages, o.resultText) != std::end(kMessages));
    ZOVA_FUZZ_CHECK(!partNo.empty() || o.resultText == Say(texts::messages::selectCore));
}

void run(std::string_view partNo, std::string_view turns, std::string_view current, std::string_view stack) {
    const InductanceOutcome o = CalculateInductance(partNo, turns, current, stack);
    checkOutcome(o, partNo);
    ZOVA_FUZZ_CHECK(CalculateInductance(partNo, turns, current, stack) == o);
}

}  // namespace

// Input: item or search text, pick, turns, current, stack; separated by NUL.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto f = fuzz::Fields(fuzz::AsText(data, size), 5);
    run(f[0], f[2], f[3], f[4]);

    const std::vector<std::string> items = FilterCoreList(text::Trimmed(f[0]));
    if (items.empty()) return 0;
    ZOVA_FUZZ_CHECK(items.size() <= static_cast<std::size_t>(CoreCount()));
    const std::size_t pick = static_cast<std::size_t>(std::min(std::fabs(text::LeadingValue(f[1])), 1e6));
    const std::string& item = items[pick % items.size()];
    ZOVA_FUZZ_CHECK(FindCore(item).PartNo == item);
    const std::string details = CoreDetailsText(item);
    ZOVA_FUZZ_CHECK(details.find(item) != std::string::npos);
    run(item, f[2], f[3], f[4]);
    return 0;
}
