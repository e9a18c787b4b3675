#include "design/core_loss.h"

#include <cmath>

namespace zova {

double CoreLossDensity(const LossCoefficients& k, double swing, double frequency) {
    return k.a * std::pow(swing / 2.0, k.b) * std::pow(frequency, k.c);
}

}  // namespace zova
