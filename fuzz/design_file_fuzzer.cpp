// The bytes of a design file, as the workbench, the tool and the page open it:
// through the library's JSON reader and the one reader of a design's inputs.
// Every file opens to figures or is refused with one message naming what is
// wrong; a file that opens says the same as the boxes would for its inputs,
// and saved again it opens to the same design.
#include <cstdint>
#include <string>

#include "commands/design_command.h"
#include "documents/design_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zova;
    const OpenedDesign opened = OpenDesign(fuzz::AsText(data, size));
    if (!opened.inputs) {
        ZOVA_FUZZ_CHECK(!opened.message.empty());
        ZOVA_FUZZ_CHECK(opened.message.starts_with("设计文件") || opened.message.starts_with("这不是本程序的设计文件"));
        // Whatever the file held, the message shows no control byte.
        for (const char c : opened.message) ZOVA_FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20);
        return 0;
    }
    ZOVA_FUZZ_CHECK(opened.message.empty() && opened.outcome.end == DesignEnd::Found);
    const DesignTexts t = TextsOf(*opened.inputs);
    // As the boxes read its inputs (a converter's design from the converter's volt-seconds).
    const std::optional<double> voltSeconds = ConverterVoltSeconds(*opened.inputs);
    ZOVA_FUZZ_CHECK(DesignAsTyped(t.core, t.turns, t.current, t.stack,
                                  {t.frequency, voltSeconds ? std::string_view() : t.ripple, t.coefficients},
                                  t.Margins(), voltSeconds) == opened.outcome);
    const OpenedDesign again = OpenDesign(DesignFileText(*opened.inputs, *opened.outcome.figures));
    ZOVA_FUZZ_CHECK(again.inputs && *again.inputs == *opened.inputs && again.changes.empty());
    return 0;
}
