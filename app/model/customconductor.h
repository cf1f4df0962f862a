#pragma once

#include <array>
#include <string>
#include <string_view>

namespace app {

/// The most characters a conductor designation holds.
inline constexpr int conductorDesignationMaxLength = 40;

/**
 * A conductor the engineer entered: its designation and the five figures of
 * the main window's conductor boxes, each a text as typed (UTF-8).
 */
struct CustomConductor
{
    std::string designation;          ///< e.g. "JL/G1A-400/35"
    std::string diameter;             ///< calculation outer diameter, mm
    std::string expansionCoefficient; ///< linear expansion, 10⁻⁶ per degC
    std::string elasticModulus;       ///< N/mm2
    std::string area;                 ///< calculation cross-section of one conductor, mm2
    std::string unitWeight;           ///< kg per metre of one conductor

    bool operator==(const CustomConductor &) const = default;
};

/// The five figures of a conductor, in the order of the main window's boxes.
enum class ConductorFigure { diameter, expansionCoefficient, elasticModulus, area, unitWeight };

inline constexpr int conductorFigureCount = 5;

/// The text of \a figure in \a conductor.
const std::string &figureText(const CustomConductor &conductor, ConductorFigure figure);
std::string &figureText(CustomConductor &conductor, ConductorFigure figure);

/// "计算外径(mm)" and the like: how a message names \a figure.
std::string_view figureLabel(ConductorFigure figure);

/**
 * The first fault of \a conductor in the user's words, naming the field, or
 * an empty text when it is sound: a designation that is empty, longer than
 * conductorDesignationMaxLength characters, holds a control character or is
 * the name of a built-in type (whose published strength the design check
 * would take); a figure that is no unsigned decimal number a float holds
 * ("abc", "1e5", "-3", "", beyond 3.4E38), or is not greater than zero.
 * "型号"/"计算外径(mm)" is followed by what is wrong, without a full stop.
 */
std::string customConductorFault(const CustomConductor &conductor);

} // namespace app
