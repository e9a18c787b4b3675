// The design workbench's boxes, all at once, typed into its session: the
// design's seven, the converter's eight and the three margins, then a converter run. Every input
// ends in figures or one refusal in words, as the one reader answers the same
// texts (which the tool answers with); whatever the session shows can be kept
// in a design file that opens again to the same file.
#include <cmath>
#include <cstdint>
#include <string>

#include "commands/design_command.h"
#include "fuzz_support.h"
#include "session/workbench_session.h"

namespace {

using namespace zova;

void checkDesign(const WorkbenchSession& s) {
    const DesignOutcome& o = s.Design();
    if (o.end != DesignEnd::Found) {
        ZOVA_FUZZ_CHECK(!o.figures && !o.message.empty());
        ZOVA_FUZZ_CHECK((o.box == DesignBox::None) == (o.end == DesignEnd::OutOfRange));
        ZOVA_FUZZ_CHECK(!s.SaveText().message.empty());
        return;
    }
    ZOVA_FUZZ_CHECK(o.figures && o.message.empty() && o.box == DesignBox::None);
    ZOVA_FUZZ_CHECK(o.turns >= 1 && o.stackSize >= 1);
    ZOVA_FUZZ_CHECK(o.current > 0.0f && o.current <= static_cast<float>(kMaxCurrent));
    ZOVA_FUZZ_CHECK(std::isfinite(o.figures->inductance));
    const FileText file = s.SaveText();
    ZOVA_FUZZ_CHECK(file.message.empty());
    WorkbenchSession reopened;
    const OpenedFile opened = reopened.Open(file.text, "fuzz.json");
    ZOVA_FUZZ_CHECK(opened.opened && opened.message.empty());
    ZOVA_FUZZ_CHECK(reopened.SaveText().text == file.text);
}

}  // namespace

// Input: core, turns, current, stack, frequency, ripple, coefficients, then
// topology, vin, vout, iout, frequency, ripple ratio, inductance, stack of the
// converter, then the AL tolerance, the hot and the roll-off limits; separated by NUL.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto f = fuzz::Fields(fuzz::AsText(data, size), kSessionBoxes);
    WorkbenchSession s;
    for (std::size_t i = 0; i < kSessionBoxes; ++i) s.Type(static_cast<SessionBox>(i), f[i]);
    // Typed by hand, the design is read as the tool reads the same texts.
    ZOVA_FUZZ_CHECK(s.Design() == DesignAsTyped(f[0], f[1], f[2], f[3], {f[4], f[5], f[6]}, {f[15], f[16], f[17]}));
    checkDesign(s);
    s.RunConverter();
    const ConverterView v = s.Converter();
    ZOVA_FUZZ_CHECK(!v.text.empty());
    ZOVA_FUZZ_CHECK(!v.refused || v.failed);
    if (!v.failed) ZOVA_FUZZ_CHECK(!v.stale);
    checkDesign(s);
    return 0;
}
