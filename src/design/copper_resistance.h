#pragma once

namespace zova {

// Annealed copper, IEC 60028 (International Annealed Copper Standard):
// 0.017241 Ω·mm²/m at 20 °C, temperature coefficient 0.00393 per kelvin.
double CopperResistivity(double celsius);  // Ω·mm²/m

// DC resistance (Ω) of `metres` of round copper wire of bare diameter `bare` (mm).
double WireResistance(double metres, double bare, double celsius);

}  // namespace zova
