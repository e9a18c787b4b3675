#include "design/core_loss_fits.h"

namespace zova {
namespace {

// The published curve fits of the industry materials the maker's series are
// equivalent to (KTA high flux, KTB sendust, KRA iron-silicon), as collected in
// the OpenMagnetics material database: Steinmetz form a × B^b × f^c with B in T
// and f in kHz giving mW/cm³. Rows whose permeability was not published take
// the nearest published one's coefficients.
constexpr CoreLossFit kFits[] = {
    {"KTA", "026", "026", {492.3, 2.218, 1.240}},
    {"KTA", "060", "060", {246.5, 2.218, 1.311}},
    {"KTA", "075", "075", {440.1, 2.218, 1.2098}},
    {"KTA", "090", "075", {440.1, 2.218, 1.2098}},
    {"KTA", "125", "125", {184.4, 2.218, 1.4276}},
    {"KTB", "026", "026", {52.36, 1.988, 1.541}},
    {"KTB", "060", "060", {44.30, 1.988, 1.541}},
    {"KTB", "075", "075", {44.30, 1.988, 1.541}},
    {"KTB", "090", "090", {44.30, 1.988, 1.541}},
    {"KTB", "125", "125", {44.30, 1.988, 1.541}},
    {"KTB", "147", "125", {44.30, 1.988, 1.541}},
    {"KTB", "160", "125", {44.30, 1.988, 1.541}},
    {"KTB", "173", "125", {44.30, 1.988, 1.541}},
    {"KRA", "026", "026", {581.5, 2.015, 1.194}},
    {"KRA", "060", "060", {557.3, 2.015, 1.194}},
    {"KRA", "075", "075", {542.8, 2.015, 1.194}},
    {"KRA", "090", "090", {542.8, 2.015, 1.194}},
    {"KRA", "125", "125", {533.1, 2.015, 1.194}},
};

}  // namespace

const CoreLossFit* CoreLossFitOf(std::string_view series, std::string_view perm) {
    for (const CoreLossFit& fit : kFits)
        if (fit.series == series && fit.perm == perm) return &fit;
    return nullptr;
}

}  // namespace zova
