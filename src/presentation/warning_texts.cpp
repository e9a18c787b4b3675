#include "presentation/warning_texts.h"

#include "engine/bias_curves.h"
#include "language/texts.h"
#include "presentation/figure_table.h"
#include "text/number_text.h"

namespace zova {
namespace {

namespace W = texts::workbench;

std::string limitText(double limit) { return text::ShortestText(limit); }

std::string sentence(const DesignFigures& f, DesignWarning warning, const DesignLimits& limits) {
    switch (warning) {
        case DesignWarning::Hot: {
            const Figure& rise = FigureOf(f.temperatureRiseTotal ? "temperatureRiseTotal" : "temperatureRise");
            return Fill(W::hot, {FigureName(rise), ShownText(rise, f), limitText(limits.temperatureRise)});
        }
        case DesignWarning::DeepRollOff: {
            const Figure& left = FigureOf("percentPermeabilityAtPeak");
            return Fill(W::deepRollOff, {FigureName(left), ShownText(left, f), limitText(limits.percentPermeability)});
        }
        case DesignWarning::NearSaturation: {
            const Figure& ratio = FigureOf("fluxDensityRatio");
            return Fill(W::nearSaturation, {FigureName(ratio), ShownText(ratio, f), limitText(limits.fluxDensityRatio)});
        }
        case DesignWarning::BeyondCurve: {
            const Figure& field = FigureOf("fieldStrength");
            return Fill(W::beyondCurve, {FigureName(field), ShownNumberText(field, *f.fieldStrengthAtPeak),
                                         limitText(kCurveTopField)});
        }
        case DesignWarning::NoBiasCurve: return std::string(Say(W::noBiasCurve));
    }
    return {};
}

const Phrase& shortName(DesignWarning warning) {
    switch (warning) {
        case DesignWarning::Hot: return W::hotName;
        case DesignWarning::DeepRollOff: return W::deepRollOffName;
        case DesignWarning::NearSaturation: return W::nearSaturationName;
        case DesignWarning::BeyondCurve: return W::beyondCurveName;
        case DesignWarning::NoBiasCurve: break;
    }
    return W::noBiasCurveName;
}

}  // namespace

std::vector<WarningLine> WarningLines(const DesignFigures& f, const DesignLimits& limits) {
    std::vector<WarningLine> lines;
    for (const DesignWarning w : DesignWarningsOf(f, limits))
        lines.push_back({std::string(KeyOf(w)), sentence(f, w, limits)});
    return lines;
}

std::string WarningNames(const std::vector<DesignWarning>& warnings) {
    std::string names;
    for (const DesignWarning w : warnings) {
        if (!names.empty()) names += Say(W::namesBetween);
        names += Say(shortName(w));
    }
    return names;
}

void WriteWarningsMember(text::JsonWriter& j, const std::vector<WarningLine>& warnings) {
    j.key("warnings").beginArray();
    for (const WarningLine& w : warnings) j.beginObject().key("key").string(w.key).key("text").string(w.text).endObject();
    j.endArray();
}

}  // namespace zova
