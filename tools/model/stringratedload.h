#pragma once

#include <optional>
#include <string_view>

namespace tools {

/**
 * The rated load of a tension string named by \a designation, kN: the
 * rated failing load of the disc model it names, no more than the fittings'
 * rating where it names one ("16t" 160 kN, "10t" 100 kN per string), times
 * the parallel strings ("双串" 2; "单串" or nothing said 1).
 *
 * @return nothing when the text names no known disc model, or more than one
 */
std::optional<double> ratedLoadOfDesignation(std::string_view designation);

/**
 * The rated load of a string the composer builds from disc model
 * \a discModelIndex (0..6) and fitting set \a fittingSetIndex (0..11), kN:
 * the weaker of disc and fittings; every set of the composer is one string.
 * @throws std::out_of_range when an index is outside its table
 */
double ratedLoadOfComposition(int discModelIndex, int fittingSetIndex);

} // namespace tools
