// The core selection on any three texts: current, inductance, stack. Besides
// "no crash", every run must end one of the four ways with a consistent
// outcome, and the shipped scan, which skips turn counts it proves hopeless,
// must give exactly what the plain scan over every turn count gives.
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "catalogue/catalogue.h"
#include "commands/messages.h"
#include "commands/selection_command.h"
#include "fuzz_support.h"

namespace {

using namespace zova;

// Longer texts add nothing the short ones cannot reach (a number box holds a
// number), while the plain scan makes every run cost milliseconds.
constexpr std::size_t kMaxInput = 96;

void checkLines(const SelectionOutcome& o) {
    ZOVA_FUZZ_CHECK(o.lines.size() == o.cores.size());
    int previousRow = 0;
    for (std::size_t i = 0; i < o.cores.size(); ++i) {
        const SelectedCore& c = o.cores[i];
        ZOVA_FUZZ_CHECK(c.row > previousRow && c.row <= CoreCount());
        ZOVA_FUZZ_CHECK(c.turns >= 1 && c.turns <= MaxTurns());
        previousRow = c.row;
        const auto columns = ResultColumns(c, o.wireText);
        ZOVA_FUZZ_CHECK(o.lines[i].starts_with(columns[0] + "\t\t"));
        ZOVA_FUZZ_CHECK(o.lines[i].ends_with("\t\t" + columns[5]));
    }
    if (!o.lines.empty()) ZOVA_FUZZ_CHECK(o.bareDiameter.has_value() && !o.wireText.empty());
}

void checkEnding(const SelectionOutcome& o) {
    switch (o.end) {
        case SelectionEnd::Found:
            ZOVA_FUZZ_CHECK(!o.lines.empty() && o.message.empty() && o.caption.empty());
            break;
        case SelectionEnd::Validation: {
            namespace m = texts::messages;
            const std::string_view kChecks[] = {Say(m::enterCurrent),    Say(m::currentNotNumeric),
                                                Say(m::currentNotPositive), Say(m::enterInductance),
                                                Say(m::inductanceNotNumeric), Say(m::inductanceNotPositive)};
            ZOVA_FUZZ_CHECK(o.lines.empty() && o.caption == Say(texts::messages::errorCaption));
            ZOVA_FUZZ_CHECK(std::ranges::find(kChecks, o.message) != std::end(kChecks));
            break;
        }
        case SelectionEnd::NoResult:
            ZOVA_FUZZ_CHECK(o.lines.empty() && o.message == Say(texts::messages::noCoreFound));
            ZOVA_FUZZ_CHECK(o.caption == Say(texts::messages::appTitle));
            break;
        case SelectionEnd::OutOfRange:
            ZOVA_FUZZ_CHECK(o.message == Say(texts::messages::outOfRange) && o.caption == Say(texts::messages::appTitle));
            break;
        default:
            ZOVA_FUZZ_CHECK(!"unknown ending");
    }
}

}  // namespace

// Input: current, inductance, stack; separated by NUL.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > kMaxInput) return 0;
    const auto f = fuzz::Fields(fuzz::AsText(data, size), 3);
    const SelectionOutcome o = SelectCores(f[0], f[1], f[2]);
    checkEnding(o);
    checkLines(o);
    ZOVA_FUZZ_CHECK(SelectCoresPlainScan(f[0], f[1], f[2]) == o);
    return 0;
}
