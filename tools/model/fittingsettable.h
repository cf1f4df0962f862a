#pragma once

#include <array>
#include <string_view>

namespace tools {

/// One set of tension-string fittings; ice columns are added to the bare set.
struct FittingSet
{
    std::string_view fittingSetName;       ///< as the list shows it
    double fittingSetLength;                ///< mm
    double fittingSetWeight;                ///< kg
    double fittingSetIceWeight5;            ///< ice added at 5 mm, kg
    double fittingSetIceWeight10;           ///< ice added at 10 mm, kg
    double fittingSetWindArea0;             ///< m2
    double fittingSetWindArea5;             ///< m2
    double fittingSetWindArea10;            ///< m2
    std::string_view fittingSetShortName;  ///< the part of a string designation after the disc model
    double fittingSetRatedLoad_kN;          ///< rated strength of the set per string: 16 t 160 kN, 10 t 100 kN
};

inline constexpr int fittingSetCount = 12;
using FittingSetTable = std::array<FittingSet, fittingSetCount>;

/// Index of the first 10 t set: sets 0..5 are rated 16 t, sets 6..11 are rated 10 t, in the same order.
inline constexpr int firstTenTonneFittingSet = 6;

/// The twelve fitting sets in list order.
const FittingSetTable &fittingSetTable();

} // namespace tools
