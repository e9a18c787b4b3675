#pragma once

namespace zova {

// The empirical still-air rule for wound toroids: rise (K) = (loss in mW ÷
// outer surface in cm²)^0.833, as published by Amidon and in Magnetics, Inc.'s
// powder-core catalogue (see also S. Zurek, "Thermal resistance of ferrite
// cores", Encyclopedia Magnetica). Whole surface exposed, no forced air, no potting.
double TemperatureRise(double watts, double surfaceSquareCentimetres);

}  // namespace zova
