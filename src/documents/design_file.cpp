#include "documents/design_file.h"

#include <cmath>

#include <variant>

#include "catalogue/catalogue.h"
#include "commands/converter_command.h"
#include "documents/program_version.h"
#include "design/converter.h"
#include "design/skin_effect.h"
#include "language/texts.h"
#include "presentation/figure_formats.h"
#include "presentation/figure_table.h"
#include "presentation/workbench_texts.h"
#include "text/json_reader.h"
#include "text/json_writer.h"
#include "text/conversions.h"
#include "text/number_text.h"
#include "text/shown_text.h"

namespace zova {
namespace {

using text::JsonValue;
namespace say = texts::documents;

std::string shortest(double v) { return text::ShortestText(v); }

// A number a file holds: finite, and within [low, high].
std::optional<double> numberIn(const JsonValue* v, double low, double high) {
    if (v == nullptr) return std::nullopt;
    const auto n = v->number();
    return n && std::isfinite(*n) && *n >= low && *n <= high ? n : std::nullopt;
}

std::optional<double> positive(const JsonValue* v) {
    const auto n = numberIn(v, 0.0, INFINITY);
    return n && *n > 0.0 ? n : std::nullopt;
}

std::optional<int> whole(const JsonValue* v, int low, int high) {
    const auto n = numberIn(v, low, high);
    return n && std::floor(*n) == *n ? std::optional<int>(static_cast<int>(*n)) : std::nullopt;
}

bool absent(const JsonValue* v) { return v == nullptr || v->kind == JsonValue::Kind::Null; }

// The converter a file names, checked as the converter's boxes are; or why not.
std::variant<ConverterInputs, std::string> converterOf(const JsonValue& c) {
    const std::string damaged(Say(say::fileBadConverter));
    ConverterInputs in;
    const JsonValue* topology = c.find("topology");
    if (topology == nullptr || topology->kind != JsonValue::Kind::String || !TopologyNamed(topology->text))
        return damaged;
    in.topology = topology->text;
    const auto number = [&c](std::string_view key) -> std::optional<double> {
        const JsonValue* v = c.find(key);
        return v == nullptr ? std::nullopt : v->number();
    };
    const auto vin = number("vin"), vout = number("vout"), iout = number("iout"), frequency = number("frequency");
    if (!vin || !vout || !iout || !frequency) return damaged;
    in.vin = *vin, in.vout = *vout, in.iout = *iout, in.frequency = *frequency;
    if (!absent(c.find("rippleRatio"))) {
        in.rippleRatio = number("rippleRatio");
        if (!in.rippleRatio) return damaged;
    }
    if (!absent(c.find("inductance"))) {
        in.inductance = number("inductance");
        if (!in.inductance) return damaged;
    }
    const ConverterValues values{*TopologyNamed(in.topology), in.vin, in.vout, in.iout, in.frequency,
                                 in.rippleRatio, in.inductance};
    if (const auto refusal = CheckConverter(values)) return Fill(say::fileConverterRefused, {refusal->message});
    return in;
}

// A value's canonical text: numbers by their value, so that "54" and "54.0" agree.
std::string canonical(const JsonValue& v) {
    switch (v.kind) {
        case JsonValue::Kind::Null: return "null";
        case JsonValue::Kind::Bool: return v.boolean ? "true" : "false";
        case JsonValue::Kind::Number: return shortest(*v.number());
        case JsonValue::Kind::String: return text::JsonString(v.text);
        case JsonValue::Kind::Array: {
            std::string s = "[";
            for (const JsonValue& item : v.items) s += canonical(item) + ",";
            return s + "]";
        }
        case JsonValue::Kind::Object: {
            std::string s = "{";
            for (const text::JsonMember& m : v.members) s += text::JsonString(m.first) + ":" + canonical(m.second) + ",";
            return s + "}";
        }
    }
    return {};
}

// A stored value as its figure shows values.
std::string shownStored(const Figure& figure, const JsonValue& v) {
    if (v.kind == JsonValue::Kind::Null) return std::string(kUndefinedText);
    if (v.kind == JsonValue::Kind::Number && figure.kind == FigureKind::Number)
        return ShownNumberText(figure, *v.number());
    if (v.kind == JsonValue::Kind::Bool) return std::string(YesNo(v.boolean));
    if (v.kind == JsonValue::Kind::String) return v.text;
    return canonical(v);
}

std::vector<FigureChange> changesOf(const JsonValue& stored, const DesignFigures& f) {
    text::JsonWriter j;
    j.beginObject();
    WriteFigureMembers(j, f);
    j.endObject();
    const text::JsonParse now = text::ParseJson(j.text());
    std::vector<FigureChange> changes;
    for (const Figure& figure : Figures()) {
        const JsonValue* before = stored.find(figure.key);
        const JsonValue* after = now.value->find(figure.key);
        if (before == nullptr || after == nullptr || canonical(*before) == canonical(*after)) continue;
        const bool drawn = figure.kind == FigureKind::Points;
        changes.push_back({Caption(figure), drawn ? "" : shownStored(figure, *before), drawn ? "" : ShownText(figure, f)});
    }
    return changes;
}

OpenedDesign refused(std::string message) {
    OpenedDesign out;
    out.message = std::move(message);
    return out;
}

}  // namespace

DesignTexts TextsOf(const DesignInputs& in) {
    DesignTexts t;
    t.core = in.core;
    t.turns = std::to_string(in.turns);
    t.current = shortest(in.current);
    t.stack = std::to_string(in.stack);
    if (in.frequency) t.frequency = shortest(*in.frequency);
    if (in.ripple) t.ripple = shortest(*in.ripple);
    if (in.coefficients)
        t.coefficients = workbench::CoefficientsText(*in.coefficients);
    if (in.alTolerance) t.alTolerance = shortest(*in.alTolerance);
    if (in.hotLimit) t.hotLimit = shortest(*in.hotLimit);
    if (in.rollOffLimit) t.rollOffLimit = shortest(*in.rollOffLimit);
    return t;
}

DesignInputs InputsOf(const DesignOutcome& o, std::string_view currentText) {
    DesignInputs in;
    in.core = o.partNo;
    in.turns = o.turns;
    in.current = text::LeadingValue(text::Trimmed(currentText));
    in.stack = o.stackSize;
    if (o.options.ac) {
        in.frequency = o.options.ac->frequency;
        in.ripple = o.options.ac->ripple;
    }
    in.coefficients = o.options.coefficients;
    const DesignOptions defaults;
    const DesignLimits limits;
    if (o.options.alTolerance != defaults.alTolerance) in.alTolerance = o.options.alTolerance;
    if (o.limits.temperatureRise != limits.temperatureRise) in.hotLimit = o.limits.temperatureRise;
    if (o.limits.percentPermeability != limits.percentPermeability) in.rollOffLimit = o.limits.percentPermeability;
    return in;
}

std::string DesignFileText(const DesignInputs& in, const DesignFigures& f) {
    text::JsonWriter j;
    j.beginObject();
    j.key("format").string(kDesignFormat);
    j.key("version").integer(kDesignFormatVersion);
    j.key("program").string(ProgramNameAndVersion());
    j.key("inputs").beginObject();
    j.key("core").string(in.core);
    j.key("turns").integer(in.turns);
    j.key("current").number(in.current);
    j.key("stack").integer(in.stack);
    if (in.frequency) j.key("frequency").number(*in.frequency);
    if (in.ripple) j.key("ripple").number(*in.ripple);
    if (in.coefficients) {
        j.key("lossCoefficients").beginArray();
        j.number(in.coefficients->a).number(in.coefficients->b).number(in.coefficients->c);
        j.endArray();
    }
    if (in.alTolerance) j.key("alTolerance").number(*in.alTolerance);
    if (in.hotLimit) j.key("hotLimit").number(*in.hotLimit);
    if (in.rollOffLimit) j.key("rollOffLimit").number(*in.rollOffLimit);
    j.endObject();
    if (in.converter) {
        const ConverterInputs& c = *in.converter;
        j.key("converter").beginObject();
        j.key("topology").string(c.topology);
        j.key("vin").number(c.vin).key("vout").number(c.vout).key("iout").number(c.iout);
        j.key("frequency").number(c.frequency);
        if (c.rippleRatio) j.key("rippleRatio").number(*c.rippleRatio);
        if (c.inductance) j.key("inductance").number(*c.inductance);
        j.endObject();
    }
    j.key("figures").beginObject();
    WriteFigureMembers(j, f);
    j.endObject();
    j.endObject();
    return j.text();
}

std::optional<double> ConverterVoltSeconds(const DesignInputs& in) {
    if (!in.converter || !in.frequency || !in.ripple) return std::nullopt;
    const ConverterInputs& c = *in.converter;
    const OperatingPoint point =
        OperatingPointOf(*TopologyNamed(c.topology), c.vin, c.vout, c.iout, c.frequency, c.rippleRatio, c.inductance);
    if (static_cast<float>(in.current) != static_cast<float>(point.inductorCurrent) || *in.frequency != c.frequency)
        return std::nullopt;
    return point.voltSeconds;
}

OpenedDesign OpenDesign(std::string_view bytes) {
    // Editors on some systems begin a UTF-8 file with a byte-order mark; JSON has no use for it.
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    if (bytes.size() > kDesignFileMaxBytes)
        return refused(Fill(say::fileTooLarge, {std::to_string(kDesignFileMaxBytes / (1024 * 1024))}));
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = text::Utf8SequenceLength(bytes, i);
        if (length == 0) return refused(Fill(say::fileNotUtf8, {std::to_string(i + 1)}));
        i += length;
    }
    const text::JsonParse parsed = text::ParseJson(bytes);
    if (!parsed.value)
        return refused(Fill(say::fileNotJson, {std::to_string(parsed.offset + 1)}));
    const JsonValue& root = *parsed.value;
    const JsonValue* format = root.find("format");
    if (format == nullptr || format->kind != JsonValue::Kind::String || format->text != kDesignFormat)
        return refused(std::string(Say(say::fileNotDesign)));
    if (!whole(root.find("version"), 1, 1000000)) return refused(std::string(Say(say::fileBadVersion)));
    const JsonValue* inputs = root.find("inputs");
    if (inputs == nullptr || inputs->kind != JsonValue::Kind::Object) return refused(std::string(Say(say::fileNoInputs)));

    DesignInputs in;
    const JsonValue* core = inputs->find("core");
    if (core == nullptr || core->kind != JsonValue::Kind::String)
        return refused(std::string(Say(say::fileBadCore)));
    in.core = core->text;
    // Every number by its box's rule, in the words the boxes use.
    const auto valueOf = [&](DesignBox box) -> std::variant<double, std::string> {
        const JsonValue* v = inputs->find(RuleOf(box).key);
        const auto n = v == nullptr ? std::nullopt : v->number();
        if (!n) return Fill(say::fileInputNotNumber, {RuleOf(box).key, Say(RuleOf(box).name)});
        if (std::string refusal = RefusalOfValue(box, *n); !refusal.empty())
            return Fill(say::fileBadInput, {RuleOf(box).key, refusal});
        return *n;
    };
    const auto turns = valueOf(DesignBox::Turns);
    if (const auto* r = std::get_if<std::string>(&turns)) return refused(*r);
    in.turns = static_cast<int>(std::get<double>(turns));
    const auto current = valueOf(DesignBox::Current);
    if (const auto* r = std::get_if<std::string>(&current)) return refused(*r);
    in.current = std::get<double>(current);
    const auto stack = valueOf(DesignBox::Stack);
    if (const auto* r = std::get_if<std::string>(&stack)) return refused(*r);
    in.stack = static_cast<int>(std::get<double>(stack));
    if (!absent(inputs->find("frequency"))) {
        const auto frequency = valueOf(DesignBox::Frequency);
        if (const auto* r = std::get_if<std::string>(&frequency)) return refused(*r);
        in.frequency = std::get<double>(frequency);
    }
    if (!absent(inputs->find("ripple"))) {
        const auto ripple = valueOf(DesignBox::Ripple);
        if (const auto* r = std::get_if<std::string>(&ripple)) return refused(*r);
        in.ripple = std::get<double>(ripple);
    }
    if (const JsonValue* k = inputs->find("lossCoefficients"); !absent(k)) {
        if (k->kind != JsonValue::Kind::Array || k->items.size() != 3)
            return refused(std::string(Say(say::fileBadCoefficients)));
        const auto a = positive(&k->items[0]), b = positive(&k->items[1]), c = positive(&k->items[2]);
        if (!a || !b || !c) return refused(std::string(Say(say::fileBadCoefficients)));
        in.coefficients = LossCoefficients{*a, *b, *c};
    }
    const std::pair<DesignBox, std::optional<double>*> margins[] = {{DesignBox::AlTolerance, &in.alTolerance},
                                                                     {DesignBox::HotLimit, &in.hotLimit},
                                                                     {DesignBox::RollOffLimit, &in.rollOffLimit}};
    for (const auto& [box, value] : margins) {
        if (absent(inputs->find(RuleOf(box).key))) continue;
        const auto read = valueOf(box);
        if (const auto* r = std::get_if<std::string>(&read)) return refused(*r);
        *value = std::get<double>(read);
    }
    if (const JsonValue* c = root.find("converter"); !absent(c)) {
        if (c->kind != JsonValue::Kind::Object) return refused(std::string(Say(say::fileBadConverter)));
        auto converter = converterOf(*c);
        if (const auto* r = std::get_if<std::string>(&converter)) return refused(*r);
        in.converter = std::get<ConverterInputs>(std::move(converter));
    }

    OpenedDesign out;
    const DesignTexts t = TextsOf(in);
    // A converter's design as it was saved: from the volt-seconds, whose figures
    // (the ripple at AL's low end) a ripple alone does not give.
    const std::optional<double> voltSeconds = ConverterVoltSeconds(in);
    out.outcome = DesignAsTyped(t.core, t.turns, t.current, t.stack,
                                {t.frequency, voltSeconds ? std::string_view() : t.ripple, t.coefficients},
                                t.Margins(), voltSeconds);
    if (out.outcome.end == DesignEnd::OutOfRange) return refused(Fill(say::fileCannotCompute, {out.outcome.message}));
    if (out.outcome.end != DesignEnd::Found)
        return refused(Fill(say::fileBadInput, {RuleOf(out.outcome.box).key, out.outcome.message}));
    in.core = out.outcome.partNo;
    if (const JsonValue* figures = root.find("figures"); figures != nullptr && figures->kind == JsonValue::Kind::Object)
        out.changes = changesOf(*figures, *out.outcome.figures);
    out.inputs = std::move(in);
    return out;
}

std::string ChangesMessage(const std::vector<FigureChange>& changes) {
    if (changes.empty()) return {};
    constexpr std::size_t kNamed = 5;
    std::string named;
    for (std::size_t i = 0; i < changes.size() && i < kNamed; ++i) {
        const FigureChange& c = changes[i];
        if (i) named += Say(say::changeSeparator);
        named += c.stored.empty() && c.now.empty() ? c.caption : Fill(say::changeFromTo, {c.caption, c.stored, c.now});
    }
    if (changes.size() > kNamed) named = Fill(say::changesMore, {named, std::to_string(changes.size())});
    return Fill(say::changes, {named});
}

}  // namespace zova
