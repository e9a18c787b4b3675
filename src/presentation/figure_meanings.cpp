#include "presentation/figure_meanings.h"

#include <string>

#include "commands/rule_texts.h"
#include "design/design_figures.h"
#include "engine/formulas.h"
#include "language/texts.h"
#include "text/number_text.h"

namespace zova {
namespace {

namespace T = texts::figures;

struct Meaning {
    std::string_view key;
    const Phrase* sentence;
};

constexpr Meaning kMeanings[] = {
    {"inductance", &T::inductanceMeaning},
    {"inductanceZeroBias", &T::inductanceZeroBiasMeaning},
    {"fieldStrength", &T::fieldStrengthMeaning},
    {"ampereTurnsPerMetre", &T::ampereTurnsPerMetreMeaning},
    {"percentPermeability", &T::percentPermeabilityMeaning},
    {"energy", &T::energyMeaning},
    {"bareDiameter", &T::bareDiameterMeaning},
    {"overallDiameter", &T::overallDiameterMeaning},
    {"standardWire", &T::standardWireMeaning},
    {"awg", &T::awgMeaning},
    {"windowFill", &T::windowFillMeaning},
    {"fitsWindow", &T::fitsWindowMeaning},
    {"turnsPerLayer", &T::turnsPerLayerMeaning},
    {"layers", &T::layersMeaning},
    {"windingFits", &T::windingFitsMeaning},
    {"meanTurnLength", &T::meanTurnLengthMeaning},
    {"wireLength", &T::wireLengthMeaning},
    {"resistance20", &T::resistance20Meaning},
    {"resistance100", &T::resistance100Meaning},
    {"copperLoss20", &T::copperLoss20Meaning},
    {"copperLoss100", &T::copperLoss100Meaning},
    {"woundOD", &T::woundODMeaning},
    {"woundID", &T::woundIDMeaning},
    {"woundHeight", &T::woundHeightMeaning},
    {"surfaceArea", &T::surfaceAreaMeaning},
    {"temperatureRise", &T::temperatureRiseMeaning},
    {"woundVolume", &T::woundVolumeMeaning},
    {"rolloff", &T::rolloffMeaning},
    {"ripple", &T::rippleMeaning},
    {"peakCurrent", &T::peakCurrentMeaning},
    {"inductanceAtPeak", &T::inductanceAtPeakMeaning},
    {"crossSection", &T::crossSectionMeaning},
    {"coreVolume", &T::coreVolumeMeaning},
    {"fluxSwing", &T::fluxSwingMeaning},
    {"peakFluxDensity", &T::peakFluxDensityMeaning},
    {"saturationFluxDensity", &T::saturationFluxDensityMeaning},
    {"fluxDensityRatio", &T::fluxDensityRatioMeaning},
    {"percentPermeabilityAtPeak", &T::percentPermeabilityAtPeakMeaning},
    {"inductanceMin", &T::inductanceMinMeaning},
    {"rippleMax", &T::rippleMaxMeaning},
    {"coreLossDensity", &T::coreLossDensityMeaning},
    {"coreLoss", &T::coreLossMeaning},
    {"skinDepth", &T::skinDepthMeaning},
    {"acResistanceFactor", &T::acResistanceFactorMeaning},
    {"acCopperLoss", &T::acCopperLossMeaning},
    {"totalLoss", &T::totalLossMeaning},
    {"temperatureRiseTotal", &T::temperatureRiseTotalMeaning},
    {"coreLossModel", &T::coreLossModelMeaning},
};

}  // namespace

std::string FigureMeaning(std::string_view key) {
    for (const Meaning& m : kMeanings) {
        if (m.key != key) continue;
        // The numbers a rule is made of come from the rule's own constant, so
        // the help cannot drift from what is computed.
        const std::string density = text::GeneralForm(kCurrentDensity) + " A/mm²";
        return Fill(*m.sentence, {density, messages::WindowFillLimitText(), Say(T::riseRule),
                                  text::ShortestText(kAlTolerance)});
    }
    return {};
}

}  // namespace zova
