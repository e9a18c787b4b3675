// zovamagnetic._zovamagnetic: the functions the package zovamagnetic offers.
// Each takes numbers, turns them into the texts a user would type and runs the
// command-line tool's command on them in process, so the checks, the messages
// and the JSON answers are the tool's own (see tool_answers.h).
#include <algorithm>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include "catalogue/catalogue.h"
#include "json_objects.h"
#include "tool_answers.h"

namespace py = pybind11;
using namespace py::literals;

namespace zova::python {
namespace {

std::string option(std::string_view name, double v) { return "--" + std::string(name) + "=" + NumberText(v); }
std::string option(std::string_view name, const std::string& text) { return "--" + std::string(name) + "=" + text; }

py::list cores(const std::string& search) {
    const ToolAnswer answer = RunTool({"cores", option("search", search)});
    // One part number a line, each line ended by a line feed.
    py::list list;
    for (std::size_t start = 0; start < answer.out.size();) {
        const std::size_t end = std::min(answer.out.find('\n', start), answer.out.size());
        list.append(py::str(answer.out.substr(start, end - start)));
        start = end + 1;
    }
    return list;
}

py::dict core(const std::string& partNo) {
    // "--" ends the options, so a part number that looks like one is still a part number.
    return JsonAnswer({"core", "--format=json", "--", partNo});
}

py::dict inductance(const std::string& partNo, double turns, double current, double stack) {
    return JsonAnswer({"inductance", option("core", partNo), option("turns", turns), option("current", current),
                       option("stack", stack), "--format=json"});
}

py::list selection(double current, double wanted, double stack, bool figures) {
    std::vector<std::string> args = {"select", option("current", current), option("inductance", wanted),
                                     option("stack", stack), "--format=json"};
    if (figures) args.emplace_back("--figures");
    const ToolAnswer answer = RunTool(args);
    if (answer.end == AnswerEnd::NoResult) return py::list();
    return JsonToPython(answer.out)["cores"];
}

py::dict design(const std::string& partNo, double turns, double current, double stack) {
    return JsonAnswer({"design", option("core", partNo), option("turns", turns), option("current", current),
                       option("stack", stack), "--format=json"});
}

using Fields = std::variant<double, std::vector<double>>;

py::dict curve(const std::string& series, const std::string& perm, const std::optional<Fields>& at) {
    std::vector<double> fields;
    if (at) fields = std::holds_alternative<double>(*at) ? std::vector<double>{std::get<double>(*at)}
                                                         : std::get<std::vector<double>>(*at);
    std::vector<std::string> args = {"curve", "--format=json"};
    for (const double h : fields) args.push_back(option("at", h));
    args.insert(args.end(), {"--", series, perm});
    py::dict answer = JsonAnswer(args);
    // Without fields the tool lists the curve's own points; an empty sequence asks for none.
    if (at && fields.empty()) answer["points"] = py::list();
    return answer;
}

}  // namespace
}  // namespace zova::python

PYBIND11_MODULE(_zovamagnetic, m) {
    using namespace zova::python;
    zova::LoadCatalogue();

    m.doc() = "The functions of zovamagnetic; import them from the package zovamagnetic.";

    auto refused = py::register_exception<InputRefusedError>(m, "InputRefused", PyExc_ValueError);
    refused.attr("__module__") = "zovamagnetic";
    refused.doc() =
        "An input was refused. The message is the windows' own (for example "
        "'对不起，绕线圈数必须为数字！'), or names an unknown part number or curve.";
    auto outOfRange = py::register_exception<OutOfRangeError>(m, "OutOfRange", PyExc_ArithmeticError);
    outOfRange.attr("__module__") = "zovamagnetic";
    outOfRange.doc() = "A calculation left the range of its numbers: '超出计算范围，请您调整计算参数。'.";

    m.def("cores", &cores, "search"_a = "",
          "The part numbers the calculator's list offers for a search text (as typed: trimmed,\n"
          "any case), in catalogue order; '' lists all 469.");
    m.def("core", &core, "part_no"_a,
          "A core's record: partNo, lines (the six lines of its details, in Chinese),\n"
          "coatedOD, coatedID, coatedHeight (mm), AL (nH/turn²) and pathLength (cm).\n"
          "Raises InputRefused for a part number cores() does not list.");
    m.def("inductance", &inductance, "core"_a, "turns"_a, "current"_a = 0.0, "stack"_a = 1.0,
          "The inductance calculator: `turns` turns on a stack of `stack` cores at a DC\n"
          "peak current in A. Returns core, turnsText, currentText, stackText (the texts\n"
          "the numbers were typed as), text (the result as the window shows it), turns,\n"
          "current (A), stack, perCore and inductance (µH, the whole stack).\n"
          "Raises InputRefused with the window's message, or OutOfRange.");
    m.def("select", &selection, "current"_a, "inductance"_a, "stack"_a = 1.0, "figures"_a = false,
          "The core selection: every offered core that reaches `inductance` µH at a DC peak\n"
          "current in A with a stack of `stack` cores, with the fewest turns that fit.\n"
          "One dict per core in catalogue order: line (the result line), partNo, coatedOD,\n"
          "coatedID, coatedHeight (mm), turns, wire (mm, as the line shows it); with\n"
          "figures=True also the design figures of its winding, keyed as design() keys them.\n"
          "An empty list when no core qualifies. Raises InputRefused with the window's\n"
          "message, or OutOfRange.");
    m.def("design", &design, "core"_a, "turns"_a, "current"_a, "stack"_a = 1.0,
          "The design figures of a winding: `turns` turns on a stack of `stack` cores at a\n"
          "DC current in A. Keys and units as in 'zovamagnetic-cli design --format json':\n"
          "inductance and inductanceZeroBias (µH), fieldStrength (Oe), ampereTurnsPerMetre,\n"
          "percentPermeability (%), energy (µJ), wire sizes (mm), windowFill, fitsWindow,\n"
          "turnsPerLayer, layers, windingFits, meanTurnLength (mm), wireLength (m),\n"
          "resistance20/100 (Ω), copperLoss20/100 (W), woundOD/ID/Height (mm),\n"
          "surfaceArea (cm²), temperatureRise (K), woundVolume (cm³) and rolloff (51\n"
          "points of current in A, inductance in µH, percent). None where a figure is\n"
          "undefined (the winding does not fit). Raises InputRefused with the\n"
          "calculator's message, or OutOfRange.");
    m.def("curve", &curve, "series"_a, "perm"_a, "at"_a = py::none(),
          "A DC-bias curve: series ('KTA') and permeability code ('060'). Returns series,\n"
          "perm and points, each with h (Oe) and percent (of the initial permeability):\n"
          "the curve's 45 points when `at` is None, else one per field strength in `at`\n"
          "(a number or a sequence of numbers, in Oe), in the order given.\n"
          "Raises InputRefused for an unknown curve, OutOfRange for a field beyond range.");

    // For the tests: the reader of the tool's answers, to be held to json.loads.
    m.def("_json_to_python", [](std::string_view json) { return JsonToPython(json); }, "json"_a);
}
