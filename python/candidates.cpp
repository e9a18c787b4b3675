#include "candidates.h"

#include <algorithm>
#include <string>

#include "call_language.h"
#include "catalogue/catalogue.h"
#include "json_values.h"
#include "presentation/figure_formats.h"
#include "presentation/figure_table.h"

namespace py = pybind11;

namespace zova::python {
namespace {

// The members the tool writes before the figures.
constexpr std::string_view kSelectionHead[] = {"line", "partNo", "coatedOD", "coatedID", "coatedHeight", "turns", "wire"};
constexpr std::string_view kConverterHead[] = {"partNo", "turns"};
// After the figures, as the tool writes it.
constexpr std::string_view kWarnings = "warnings";

py::str keyText(std::string_view key) { return {key.data(), key.size()}; }

}  // namespace

std::span<const std::string_view> Candidate::head() const {
    if (run_->converter) return kConverterHead;
    return kSelectionHead;
}

const DesignFigures* Candidate::figures() const {
    return run_->figures.empty() ? nullptr : &run_->figures[index_];
}

bool Candidate::inHead(std::string_view key) const { return std::ranges::find(head(), key) != head().end(); }

const Figure* Candidate::writtenFigure(std::string_view key) const {
    const DesignFigures* f = figures();
    if (f == nullptr) return nullptr;
    for (const Figure& figure : Figures())
        if (figure.key == key) return IsWritten(figure, *f) ? &figure : nullptr;
    return nullptr;
}

std::vector<std::string_view> Candidate::keys() const {
    std::vector<std::string_view> keys(head().begin(), head().end());
    if (const DesignFigures* f = figures()) {
        for (const Figure& figure : Figures())
            if (IsWritten(figure, *f)) keys.push_back(figure.key);
        keys.push_back(kWarnings);
    }
    return keys;
}

bool Candidate::has(std::string_view key) const {
    return inHead(key) || writtenFigure(key) != nullptr || (key == kWarnings && figures() != nullptr);
}

std::optional<py::object> Candidate::value(std::string_view key) const {
    const CallLanguage said(run_->language);
    if (const Figure* figure = writtenFigure(key)) return FigureObject(figure->get(*figures()));
    if (key == kWarnings && figures() != nullptr) return WarningList(WarningLines(*figures(), run_->limits));
    if (!inHead(key)) return std::nullopt;
    const SelectedCore& selected = run_->selection.cores[index_];
    const CoreRecord& core = CoreCatalogue(selected.row);
    if (key == "line") return py::str(run_->selection.lines[index_]);
    if (key == "partNo") return py::str(core.PartNo);
    if (key == "coatedOD") return JsonNumber(core.CoatedOD);
    if (key == "coatedID") return JsonNumber(core.CoatedID);
    if (key == "coatedHeight") return JsonNumber(core.CoatedHeight);
    if (key == "turns") return py::int_(selected.turns);
    return py::str(run_->selection.wireText);
}

py::list CandidateList(const std::shared_ptr<const CandidateRun>& run, const std::vector<std::size_t>& order) {
    py::list list(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) list[i] = py::cast(Candidate(run, order[i]));
    return list;
}

void BindCandidate(py::module_& m) {
    const auto keyList = [](const Candidate& c) {
        py::list list;
        for (const std::string_view key : c.keys()) list.append(keyText(key));
        return list;
    };
    // Keys are str; any other key is one the candidate does not have, as in a dict.
    const auto isStr = [](const py::handle& key) { return PyUnicode_Check(key.ptr()) != 0; };
    py::class_<Candidate> cls(m, "Candidate",
                              "One core a selection or a converter listed: a read-only mapping keyed and\n"
                              "ordered as the tool's JSON object of it. Each value is made when it is read;\n"
                              "dict(candidate) gives a plain dict.");
    cls.def("__getitem__",
            [isStr](const Candidate& c, const py::handle& key) {
                if (isStr(key))
                    if (std::optional<py::object> v = c.value(key.cast<std::string_view>())) return *v;
                PyErr_SetObject(PyExc_KeyError, key.ptr());
                throw py::error_already_set();
            })
        .def("__contains__",
             [isStr](const Candidate& c, const py::handle& key) { return isStr(key) && c.has(key.cast<std::string_view>()); })
        .def("__iter__", [keyList](const Candidate& c) { return py::iter(keyList(c)); })
        .def("__len__", [](const Candidate& c) { return c.keys().size(); })
        .def("__repr__", [](const Candidate& c) {
            return "<zovamagnetic.Candidate " + py::str(*c.value("partNo")).cast<std::string>() + ", " +
                   py::str(*c.value("turns")).cast<std::string>() + " turns>";
        });
    // keys(), items(), values(), get(), == and != as every Mapping has them.
    const py::module_ abc = py::module_::import("collections.abc");
    const py::object mapping = abc.attr("Mapping");
    for (const char* name : {"keys", "items", "values", "get", "__eq__", "__ne__"}) cls.attr(name) = mapping.attr(name);
    cls.attr("__hash__") = py::none();
    mapping.attr("register")(cls);
}

}  // namespace zova::python
