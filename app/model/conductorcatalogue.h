#pragma once

#include <array>
#include <string_view>

namespace app {

/**
 * One conductor type of the built-in catalogue. Every field is a text used
 * exactly as written, trailing zeros included ("38.40" stays "38.40"), so
 * that picking a type shows the catalogue's own figures.
 */
struct ConductorEntry
{
    std::string_view typeName;             ///< designation, e.g. "LGJ-400/35"
    std::string_view diameter;             ///< calculation outer diameter, mm
    std::string_view area;                 ///< calculation cross-section, mm2
    std::string_view expansionCoefficient; ///< linear expansion, 10⁻⁶ per degC
    std::string_view elasticModulus;       ///< N/mm2
    std::string_view unitWeight;           ///< kg per metre of one conductor
    /// Rated tensile strength (计算拉断力) of one conductor, N; empty where no
    /// published table gives it.
    std::string_view ratedStrength{};
};

inline constexpr int conductorCount = 74;

/// The conductor types in list order; the list index is the array index.
/// The first 73 are the old list, whose indices old last-input files hold.
using ConductorCatalogue = std::array<ConductorEntry, conductorCount>;

/// The built-in conductor catalogue, constant for the whole run.
const ConductorCatalogue &conductorCatalogue();

} // namespace app
