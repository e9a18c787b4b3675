#include "commands/curve_lookup.h"

#include "engine/arithmetic_error.h"
#include "text/conversions.h"

namespace zova {

CurveLookupOutcome LookUpCurve(std::string_view series, std::string_view perm,
                               std::span<const std::string> fieldTexts) {
    CurveLookupOutcome o;
    o.curve = FindBiasCurve(perm, series);
    if (o.curve == nullptr) {
        o.end = CurveLookupEnd::UnknownCurve;
        return o;
    }
    if (fieldTexts.empty()) {
        for (int i = 0; i < kCurvePoints; ++i) o.points.push_back({o.curve->h[i], o.curve->percent[i]});
        return o;
    }
    for (const std::string& h : fieldTexts) {
        if (!text::IsNumeric(h)) {
            o.end = CurveLookupEnd::NotNumeric;
            o.badText = h;
            return o;
        }
    }
    try {
        for (const std::string& h : fieldTexts) {
            const float field = text::ToSingle(text::LeadingValue(h));
            o.points.push_back({field, BiasPercent(perm, field, series)});
        }
    } catch (const ArithmeticError&) {
        o.end = CurveLookupEnd::OutOfRange;
        o.points.clear();
    }
    return o;
}

}  // namespace zova
