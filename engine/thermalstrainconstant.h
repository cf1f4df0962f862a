#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace engine {

/// c_th of IEC 60865-1, m⁴/(A²·s), by conductor material.
inline constexpr double aluminiumThermalStrainConstant = 0.27e-18;   ///< Al, Al alloy, ACSR above 6 parts Al to 1 St
inline constexpr double lowRatioAcsrThermalStrainConstant = 0.17e-18; ///< ACSR of 6 parts Al to 1 St or less
inline constexpr double copperThermalStrainConstant = 0.088e-18;

/// The thermal strain constant of a conductor and why it is that one.
struct ThermalStrainChoice
{
    double constant = 0; ///< c_th, m⁴/(A²·s)
    std::string basis;   ///< "导线LGJ-400/35标称铝钢截面比11.43>6" and the like, for the page
};

/**
 * c_th read from a Chinese conductor designation. The family before the
 * last "-" names the material: a "G" (钢) is a steel core, whose ratio of
 * aluminium to steel comes from the nominal sections after the dash
 * ("LGJ-400/35", "JL/G1A-630/45": 11.4 and 14, so 0.27·10⁻¹⁸; "LGJ-300/70":
 * 4.3, so 0.17·10⁻¹⁸); a family starting with "T" is copper; any other
 * (LJ, JLHA…) aluminium or its alloy. Nothing when a steel-cored
 * designation gives no ratio ("LGJK-1250"), or the designation is empty:
 * the engineer types c_th then, rather than have one guessed.
 */
std::optional<ThermalStrainChoice> thermalStrainConstantOf(std::string_view designation);

} // namespace engine
