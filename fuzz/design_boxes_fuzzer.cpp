// The design workbench's seven boxes, all at once, through the one reader that
// every face uses. Every input ends in figures or one refusal in words, the
// same on a second reading; whatever is accepted can be kept in a design file
// that opens again to the same inputs and figures.
#include <cmath>
#include <cstdint>
#include <string>

#include "commands/design_command.h"
#include "documents/design_file.h"
#include "fuzz_support.h"

namespace {

using namespace zova;

void checkKept(const DesignOutcome& o, std::string_view currentText) {
    const DesignInputs in = InputsOf(o, currentText);
    const OpenedDesign opened = OpenDesign(DesignFileText(in, *o.figures));
    ZOVA_FUZZ_CHECK(opened.inputs.has_value() && opened.message.empty());
    ZOVA_FUZZ_CHECK(*opened.inputs == in);
    ZOVA_FUZZ_CHECK(opened.changes.empty());
    ZOVA_FUZZ_CHECK(opened.outcome.figures->inductance == o.figures->inductance);
}

}  // namespace

// Input: core, turns, current, stack, frequency, ripple, coefficients; separated by NUL.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto f = fuzz::Fields(fuzz::AsText(data, size), 7);
    const DesignOutcome o = DesignAsTyped(f[0], f[1], f[2], f[3], {f[4], f[5], f[6]});
    ZOVA_FUZZ_CHECK(DesignAsTyped(f[0], f[1], f[2], f[3], {f[4], f[5], f[6]}) == o);
    if (o.end != DesignEnd::Found) {
        ZOVA_FUZZ_CHECK(!o.figures && !o.message.empty());
        ZOVA_FUZZ_CHECK((o.box == DesignBox::None) == (o.end == DesignEnd::OutOfRange));
        return 0;
    }
    ZOVA_FUZZ_CHECK(o.figures && o.message.empty() && o.box == DesignBox::None);
    ZOVA_FUZZ_CHECK(o.turns >= 1 && o.stackSize >= 1);
    ZOVA_FUZZ_CHECK(o.current > 0.0f && o.current <= static_cast<float>(kMaxCurrent));
    ZOVA_FUZZ_CHECK(std::isfinite(o.figures->inductance));
    checkKept(o, f[2]);
    return 0;
}
