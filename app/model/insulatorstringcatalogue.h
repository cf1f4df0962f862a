#pragma once

#include <array>
#include <string>

namespace app {

/**
 * One tension insulator string of the built-in catalogue. The numbers are
 * decimal texts in the form the insulator-string composer shows them: the
 * length in general format, weights rounded to 3 decimals and wind areas to
 * 4 decimals, trailing zeros dropped ("165.3", "0.529", "2965").
 */
struct InsulatorStringEntry
{
    std::string typeName;      ///< disc count, "*", disc model, fitting short name
    std::string length;        ///< mm
    std::string weight;        ///< kg without ice
    std::string weightIce5;    ///< kg, total with 5 mm of ice
    std::string weightIce10;   ///< kg, total with 10 mm of ice
    std::string windArea;      ///< m2 without ice
    std::string windAreaIce5;  ///< m2 with 5 mm of ice
    std::string windAreaIce10; ///< m2 with 10 mm of ice
};

inline constexpr int insulatorStringCount = 100;

/// The entry both string lists show at start, "16*XWP2-160耐张(单串双线,分裂间距200)":
/// a tension string for the default twin bundle, whose figures the string
/// boxes start with.
inline constexpr int defaultInsulatorString = 6;

/// The 100 strings in list order; the list index is the array index.
using InsulatorStringCatalogue = std::array<InsulatorStringEntry, insulatorStringCount>;

/**
 * The built-in string catalogue: 50 strings of "XWP2-160" discs with the 16 t
 * fitting sets, then 50 of "XWP2-100" discs with the 10 t sets, composed by
 * the composer's rule and corrected where the published tables differ from
 * it. Built on first use, constant afterwards.
 */
const InsulatorStringCatalogue &insulatorStringCatalogue();

} // namespace app
