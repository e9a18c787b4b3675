#include "json_objects.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

namespace py = pybind11;

namespace zova::python {
namespace {

// A reader over one document, made for the tool's answers: 'select --figures'
// writes 1.4 MB with some 38 000 keys and 37 000 numbers. The tool writes the
// same keys in the same order for every core and every point, so each distinct
// key becomes one str shared by all dicts, and the key that followed a key
// last time is compared first. Loops over characters work on a local pointer:
// a char read could alias p_ and keep it out of a register.
class Reader {
public:
    explicit Reader(std::string_view text) : p_(text.data()), begin_(text.data()), end_(text.data() + text.size()) {}

    py::object document() {
        py::object v = value(nullptr);
        skipBlanks();
        if (p_ != end_) fail("text after the document");
        return v;
    }

private:
    struct Key {
        std::string_view raw;  // between the quotes, escapes still in it
        py::object text;
        Key* next = nullptr;         // the key after this one in the last object that had it
        Key* firstInside = nullptr;  // the first key of the last object in this key's value
    };

    [[noreturn]] void fail(const char* what) const {
        throw std::runtime_error("JSON at offset " + std::to_string(p_ - begin_) + ": " + what);
    }

    static py::object steal(PyObject* o) {
        if (!o) throw py::error_already_set();
        return py::reinterpret_steal<py::object>(o);
    }

    void skipBlanks() {
        const char* p = p_;
        // The indentation: eight blanks at a time.
        constexpr std::uint64_t kEightBlanks = 0x2020202020202020;
        for (std::uint64_t w; end_ - p >= 8 && (std::memcpy(&w, p, 8), w == kEightBlanks);) p += 8;
        while (p != end_ && (*p == ' ' || *p == '\n' || *p == '\r' || *p == '\t')) ++p;
        p_ = p;
    }

    bool take(char c) {
        skipBlanks();
        if (p_ != end_ && *p_ == c) {
            ++p_;
            return true;
        }
        return false;
    }

    void expect(char c, const char* what) {
        if (!take(c)) fail(what);
    }

    void word(std::string_view w) {
        if (static_cast<std::size_t>(end_ - p_) < w.size() || std::memcmp(p_, w.data(), w.size()) != 0)
            fail("not a value");
        p_ += w.size();
    }

    // `owner` is the key whose value this is (null for the document and the items of a top-level array).
    py::object value(Key* owner) {
        skipBlanks();
        if (p_ == end_) fail("a value is missing");
        switch (*p_) {
            case '{': return object(owner);
            case '[': return array(owner);
            case '"': return steal(decoded(rawString()));
            case 't': word("true"); return py::reinterpret_borrow<py::object>(Py_True);
            case 'f': word("false"); return py::reinterpret_borrow<py::object>(Py_False);
            case 'n': word("null"); return py::none();
            default: return number();
        }
    }

    py::object object(Key* owner) {
        ++p_;  // '{'
        py::object dict = steal(PyDict_New());
        if (take('}')) return dict;
        Key* previous = nullptr;
        do {
            skipBlanks();
            if (p_ == end_ || *p_ != '"') fail("a key is missing");
            Key* k = key(previous ? previous->next : owner ? owner->firstInside : rootFirst_);
            if (previous) previous->next = k;
            else if (owner) owner->firstInside = k;
            else rootFirst_ = k;
            previous = k;
            expect(':', "':' is missing");
            const py::object v = value(k);
            if (PyDict_SetItem(dict.ptr(), k->text.ptr(), v.ptr()) != 0) throw py::error_already_set();
        } while (take(','));
        expect('}', "'}' is missing");
        return dict;
    }

    // The items wait on one stack shared by all arrays until their list is made.
    py::object array(Key* owner) {
        ++p_;  // '['
        const std::size_t first = items_.size();
        if (!take(']')) {
            do items_.push_back(value(owner));
            while (take(','));
            expect(']', "']' is missing");
        }
        py::object list = steal(PyList_New(static_cast<Py_ssize_t>(items_.size() - first)));
        for (std::size_t k = first; k < items_.size(); ++k)
            PyList_SET_ITEM(list.ptr(), static_cast<Py_ssize_t>(k - first), items_[k].release().ptr());
        items_.resize(first);
        return list;
    }

    // The text between the quotes, escapes still in it; p_ is on the opening quote.
    std::string_view rawString() {
        const char* start = p_ + 1;
        const char* p = start;
        while (p < end_ && *p != '"') p += *p == '\\' ? 2 : 1;
        if (p >= end_) fail("a string is not closed");
        p_ = p + 1;
        return {start, static_cast<std::size_t>(p - start)};
    }

    // The key at p_ (on its opening quote), tried against `guess` before the table.
    Key* key(Key* guess) {
        if (guess) {
            const std::size_t n = guess->raw.size();
            if (static_cast<std::size_t>(end_ - p_) > n + 1 && p_[n + 1] == '"' &&
                std::memcmp(p_ + 1, guess->raw.data(), n) == 0) {
                p_ += n + 2;
                return guess;
            }
        }
        const std::string_view raw = rawString();
        auto [it, added] = keys_.try_emplace(raw);
        if (added) it->second = {raw, steal(decoded(raw))};
        return &it->second;
    }

    std::uint32_t hex4(std::string_view raw, std::size_t at) const {
        std::uint32_t cp = 0;
        const char* first = raw.data() + at;
        if (at + 4 > raw.size() || std::from_chars(first, first + 4, cp, 16).ptr != first + 4)
            fail("a \\u escape needs four hex digits");
        return cp;
    }

    // A new str of a string's raw text. The text around the escapes of code
    // points (a backslash, "u" and four hex digits) is UTF-8: a backslash never stands
    // inside a multi-byte character. Each such escape, or surrogate pair of
    // them, is one character; as in json.loads, a lone surrogate stays one.
    PyObject* decoded(std::string_view raw) const {
        if (raw.find('\\') == std::string_view::npos)
            return PyUnicode_DecodeUTF8(raw.data(), static_cast<Py_ssize_t>(raw.size()), "strict");
        std::vector<py::object> pieces;  // only when there are escapes of code points
        std::string run;
        const auto runText = [&] {
            return steal(PyUnicode_DecodeUTF8(run.data(), static_cast<Py_ssize_t>(run.size()), "strict"));
        };
        for (std::size_t k = 0; k < raw.size(); ++k) {
            if (raw[k] != '\\') {
                run += raw[k];
                continue;
            }
            const char e = raw[++k];
            switch (e) {
                case '"': case '\\': case '/': run += e; break;
                case 'b': run += '\b'; break;
                case 'f': run += '\f'; break;
                case 'n': run += '\n'; break;
                case 'r': run += '\r'; break;
                case 't': run += '\t'; break;
                case 'u': {
                    std::uint32_t cp = hex4(raw, k + 1);
                    k += 4;
                    if (cp >= 0xD800 && cp < 0xDC00 && raw.substr(k + 1, 2) == "\\u") {
                        const std::uint32_t low = hex4(raw, k + 3);
                        if (low >= 0xDC00 && low < 0xE000) {
                            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                            k += 6;
                        }
                    }
                    pieces.push_back(runText());
                    run.clear();
                    pieces.push_back(steal(PyUnicode_FromOrdinal(static_cast<int>(cp))));
                    break;
                }
                default: fail("an unknown escape");
            }
        }
        if (pieces.empty()) return runText().release().ptr();
        pieces.push_back(runText());
        py::list list;
        for (const py::object& piece : pieces) list.append(piece);
        return PyUnicode_Join(steal(PyUnicode_FromString("")).ptr(), list.ptr());
    }

    // The digits from p_ on, appended to `m` while it stays below 2^53;
    // `lost` counts the digits that did not fit.
    void digits(std::uint64_t& m, int& lost) {
        const char* p = p_;
        for (; p != end_ && *p >= '0' && *p <= '9'; ++p) {
            if (lost == 0 && m < (std::uint64_t{1} << 53) / 10) m = 10 * m + static_cast<unsigned>(*p - '0');
            else ++lost;
        }
        p_ = p;
    }

    // JSON's number grammar; the value as Python's int() or float() reads the text.
    py::object number() {
        const char* first = p_;
        const bool negative = *p_ == '-';
        if (negative) ++p_;
        std::uint64_t m = 0;  // the significant digits read so far
        int lost = 0;
        int scale = 0;  // the value is m × 10^scale while lost == 0
        const char* whole = p_;
        digits(m, lost);
        if (p_ == whole) fail("not a value");
        bool real = false;
        if (p_ != end_ && *p_ == '.') {
            real = true;
            const char* fraction = ++p_;
            digits(m, lost);
            if (p_ == fraction) fail("a digit is missing after the point");
            scale -= static_cast<int>(p_ - fraction);
        }
        if (p_ != end_ && (*p_ == 'e' || *p_ == 'E')) {
            real = true;
            bool down = false;
            if (++p_ != end_ && (*p_ == '+' || *p_ == '-')) down = *p_++ == '-';
            std::uint64_t e = 0;
            int eLost = 0;
            const char* exponent = p_;
            digits(e, eLost);
            if (p_ == exponent) fail("a digit is missing in the exponent");
            if (eLost != 0 || e > 400) lost = 1;  // beyond the quick way below
            else scale += down ? -static_cast<int>(e) : static_cast<int>(e);
        }
        if (!real) {
            if (lost == 0) {
                const auto v = static_cast<long long>(m);
                return steal(PyLong_FromLongLong(negative ? -v : v));
            }
            return steal(PyLong_FromString(std::string(first, p_).c_str(), nullptr, 10));
        }
        // Clinger's quick way: m below 2^53 and 10^|scale| up to 10^22 are both
        // exact doubles, so one multiplication or division rounds the exact
        // value once, to the nearest double, as float() does.
        static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                             1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
        double v = 0.0;
        if (lost == 0 && scale >= -22 && scale <= 22) {
            const auto d = static_cast<double>(m);
            v = scale < 0 ? d / kPowers[-scale] : d * kPowers[scale];
            if (negative) v = -v;
        } else {
            const auto [end, ec] = std::from_chars(first, p_, v);
            if (ec != std::errc() || end != p_) fail("a number beyond double precision");
        }
        return steal(PyFloat_FromDouble(v));
    }

    const char* p_;
    const char* begin_;
    const char* end_;
    std::unordered_map<std::string_view, Key> keys_;
    Key* rootFirst_ = nullptr;
    std::vector<py::object> items_;
};

}  // namespace

py::object JsonToPython(std::string_view json) {
    // The document holds no reference cycles, and a collection triggered by
    // every few hundred new dicts would walk the ones made so far again and again.
    struct CollectorPaused {
        const int wasEnabled = PyGC_Disable();
        ~CollectorPaused() {
            if (wasEnabled) PyGC_Enable();
        }
    } paused;
    return Reader(json).document();
}

}  // namespace zova::python
