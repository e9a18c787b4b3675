#include "design/core_material.h"

namespace zova {
namespace {

constexpr CoreMaterial kMaterials[] = {
    {"KTA", "高磁通", 1.5},
    {"KTB", "铁硅铝", 1.0},
    {"KRA", "铁硅", 1.6},
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
