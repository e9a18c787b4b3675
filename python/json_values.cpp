#include "json_values.h"

#include <charconv>
#include <cmath>
#include <string>
#include <type_traits>
#include <variant>

#include "presentation/figure_formats.h"
#include "text/number_text.h"

namespace py = pybind11;

namespace zova::python {
namespace {

py::object steal(PyObject* o) {
    if (!o) throw py::error_already_set();
    return py::reinterpret_steal<py::object>(o);
}

template <typename Real>
py::object jsonNumber(Real v) {
    if (!std::isfinite(v)) return py::none();
    const std::string text = text::ShortestText(v);
    if (text.find_first_of(".eE") == std::string::npos) return steal(PyLong_FromString(text.c_str(), nullptr, 10));
    // A double's shortest text reads back as the double itself; a single's is
    // read as json.loads reads it: correctly rounded, in no locale (from_chars
    // reads as text::LeadingValue does, without building a second string).
    if constexpr (std::is_same_v<Real, float>) {
        double read = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), read);
        return steal(PyFloat_FromDouble(read));
    } else {
        return steal(PyFloat_FromDouble(v));
    }
}

py::list rolloffList(const std::vector<RolloffPoint>& points) {
    const py::str current("current"), inductance("inductance"), percent("percent");
    py::list list(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        py::dict point;
        point[current] = JsonNumber(points[i].current);
        point[inductance] = JsonNumber(points[i].inductance);
        point[percent] = JsonNumber(points[i].percent);
        list[i] = std::move(point);
    }
    return list;
}

}  // namespace

py::object JsonNumber(float v) { return jsonNumber(v); }
py::object JsonNumber(double v) { return jsonNumber(v); }

py::object FigureObject(const FigureValue& value) {
    return std::visit(
        [](const auto& v) -> py::object {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>) return py::none();
            else if constexpr (std::is_same_v<T, bool>) return py::bool_(v);
            else if constexpr (std::is_same_v<T, int>) return py::int_(v);
            else if constexpr (std::is_same_v<T, TurnList>) {
                py::list list(v->size());
                for (std::size_t i = 0; i < v->size(); ++i) list[i] = py::int_((*v)[i]);
                return list;
            } else if constexpr (std::is_same_v<T, PointList>) return rolloffList(*v);
            else if constexpr (std::is_same_v<T, std::string>) return py::str(v);
            else return JsonNumber(v);
        },
        value);
}

py::dict FigureDict(const DesignFigures& f) {
    py::dict dict;
    for (const Figure& figure : Figures())
        if (IsWritten(figure, f)) dict[py::str(figure.key.data(), figure.key.size())] = FigureObject(figure.get(f));
    return dict;
}

py::list WarningList(const std::vector<WarningLine>& warnings) {
    py::list list;
    for (const WarningLine& w : warnings) {
        py::dict warning;
        warning["key"] = w.key;
        warning["text"] = w.text;
        list.append(warning);
    }
    return list;
}

}  // namespace zova::python
