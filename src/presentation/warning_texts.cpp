#include "presentation/warning_texts.h"

#include "engine/bias_curves.h"
#include "presentation/figure_table.h"
#include "text/number_text.h"

namespace zova {
namespace {

std::string limitText(double limit) { return text::ShortestText(limit); }

std::string sentence(const DesignFigures& f, DesignWarning warning, const DesignLimits& limits) {
    switch (warning) {
        case DesignWarning::Hot: {
            const Figure& rise = FigureOf(f.temperatureRiseTotal ? "temperatureRiseTotal" : "temperatureRise");
            return rise.name + " " + ShownText(rise, f) + " K 超过 " + limitText(limits.temperatureRise) +
                   " K：绕组过热。";
        }
        case DesignWarning::DeepRollOff: {
            const Figure& left = FigureOf("percentPermeabilityAtPeak");
            return left.name + " " + ShownText(left, f) + "% 低于 " + limitText(limits.percentPermeability) +
                   "%：电感量随电流下降过多。";
        }
        case DesignWarning::NearSaturation: {
            const Figure& ratio = FigureOf("fluxDensityRatio");
            return ratio.name + " " + ShownText(ratio, f) + " 超过 " + limitText(limits.fluxDensityRatio) +
                   "：磁芯接近饱和。";
        }
        case DesignWarning::BeyondCurve: {
            const Figure& field = FigureOf("fieldStrength");
            return "峰值电流下" + field.name + " " + ShownNumberText(field, *f.fieldStrengthAtPeak) +
                   " Oe 超过直流偏置曲线的最高点 " + limitText(kCurveTopField) + " Oe：其上的数据是外推值。";
        }
        case DesignWarning::NoBiasCurve:
            return "这个磁芯没有直流偏置曲线：带电流时的电感量，以及由它算出的磁通密度、损耗和温升无法计算。";
    }
    return {};
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
        if (!names.empty()) names += "、";
        switch (w) {
            case DesignWarning::Hot: names += "温升高"; break;
            case DesignWarning::DeepRollOff: names += "磁导率低"; break;
            case DesignWarning::NearSaturation: names += "近饱和"; break;
            case DesignWarning::BeyondCurve: names += "超出曲线"; break;
            case DesignWarning::NoBiasCurve: names += "无偏置曲线"; break;
        }
    }
    return names;
}

void WriteWarningsMember(text::JsonWriter& j, const std::vector<WarningLine>& warnings) {
    j.key("warnings").beginArray();
    for (const WarningLine& w : warnings) j.beginObject().key("key").string(w.key).key("text").string(w.text).endObject();
    j.endArray();
}

}  // namespace zova
