#include "design/core_material.h"

#include "language/texts.h"

namespace zova {
namespace {

constexpr CoreMaterial kMaterials[] = {
    {"KTA", texts::messages::familyHighFlux, 1.5},
    {"KTB", texts::messages::familySendust, 1.0},
    {"KRA", texts::messages::familySiliconIron, 1.6},
};

}  // namespace

std::optional<CoreMaterial> MaterialOf(std::string_view series) {
    for (const CoreMaterial& m : kMaterials)
        if (m.series == series) return m;
    return std::nullopt;
}

std::optional<int> PermeabilityOf(std::string_view permCode) {
    if (permCode.size() != 3) return std::nullopt;
    int mu = 0;
    for (const char c : permCode) {
        if (c < '0' || c > '9') return std::nullopt;
        mu = mu * 10 + (c - '0');
    }
    return mu;
}

}  // namespace zova
