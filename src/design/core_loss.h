#pragma once

#include "design/core_loss_fits.h"

namespace zova {

// Core loss density (mW/cm³) under a flux swing of `swing` T peak to peak at
// `frequency` kHz, by the Steinmetz equation P = a × (ΔB ÷ 2)^b × f^c
// (C. P. Steinmetz, "On the law of hysteresis", Trans. AIEE 9, 1892; the form
// with a frequency exponent as the core makers fit it). The fits were
// measured with sine waves; a ripple's triangular swing is reckoned at the
// same peak flux density, an approximation the README states.
double CoreLossDensity(const LossCoefficients& k, double swing, double frequency);

}  // namespace zova
