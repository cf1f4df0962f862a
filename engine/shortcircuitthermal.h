#pragma once

namespace engine {

/**
 * C, A·√s/mm²: the thermal constant of aluminium and steel-cored aluminium
 * conductors that carry their continuous current at 70 °C and may reach
 * 200 °C at the end of a fault. It is the rated short-time current density
 * of IEC 60865-1 for a duration of 1 s,
 * √(κ20·c·ρ/α20 · ln((1 + α20·(200 − 20))/(1 + α20·(70 − 20)))), with the
 * standard's material data of aluminium (κ20 = 34.8·10⁶ S/m,
 * c = 910 J/(kg·K), ρ = 2700 kg/m³, α20 = 0.004/K): 87.7, rounded down to
 * 87, on the side of a larger least section. Another conductor, temperature
 * or the value of a national code takes a typed C.
 */
inline constexpr double defaultThermalCoefficient = 87;

/// The thermal withstand of the conductor against one fault.
struct ThermalWithstand
{
    double duration_s = 0;         ///< T_k, the whole time the fault current flows
    double coefficient = 0;        ///< C, A·√s/mm²
    double minimumSection_mm2 = 0; ///< A_min = I″k3·√T_k / C
    double section_mm2 = 0;        ///< n·A_s, the whole section of the phase
    bool met = false;              ///< n·A_s ≥ A_min
};

/**
 * The least section that takes the fault's Joule integral I″k3²·T_k without
 * passing the final temperature of \a coefficient, against the section of
 * the phase. The thermal equivalent current is taken as I″k3 itself: the
 * standard's factor √(m + n) for the DC component and the decay of the AC
 * component needs the fault's peak factor, which the span does not hold, so
 * a fault near generators or with a large DC component needs more section
 * than A_min says.
 *
 * The section is the whole section the span holds, the one the state
 * equation takes; for a steel-cored conductor the steel carries little of
 * the current, so its margin is that much smaller than the figures say.
 *
 * @param initialCurrent_A      I″k3, A, > 0
 * @param duration_s            T_k, s, > 0
 * @param coefficient           C, A·√s/mm², > 0
 * @param subConductors         n, ≥ 1
 * @param subConductorArea_mm2  A_s, mm², > 0
 * @throws CalculationError naming the quantity that is out of range or a result that is not finite
 */
ThermalWithstand thermalWithstand(double initialCurrent_A, double duration_s, double coefficient, int subConductors,
                                  double subConductorArea_mm2);

} // namespace engine
