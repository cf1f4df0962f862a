#pragma once

#include "app/model/mainwindowmodel.h"
#include "engine/calculationinput.h"
#include "engine/designchecks.h"
#include "options/model/designcheckoptions.h"

#include <optional>

namespace app {

using options::CatalogueStrengths;

/// Rated loads the composer gave for the strings it composed, kN; they win over the designations.
struct ComposedRatings
{
    std::optional<double> stringA_kN;
    std::optional<double> stringB_kN;
};

/// The composer's rated loads of the strings of \a window that are still as composed.
ComposedRatings composedRatings(const MainWindowModel &window);

/// Looks up the conductor type (slot 30) in the catalogue and reads the
/// designations of strings A and B, unless \a composed rates a string.
CatalogueStrengths catalogueStrengths(const engine::CalculationInput &input, const ComposedRatings &composed = {});

/**
 * What the strength checks of \a input use: each typed strength of
 * \a options, else what the composer, the catalogue or the designation
 * gives (nothing when none does: that check is not done), and the four
 * required factors.
 * @throws std::invalid_argument with the message of the first bad field
 *         (options::badDesignCheckFieldMessage)
 */
engine::DesignCheckSettings designCheckSettings(const options::DesignCheckOptions &options,
                                                const engine::CalculationInput &input,
                                                const ComposedRatings &composed = {});

/// Where a rated strength of the check comes from.
enum class StrengthSource {
    Typed,       ///< typed in the options
    Composer,    ///< the composer's rating of the string it composed
    Catalogue,   ///< the conductor catalogue's 计算拉断力
    Designation, ///< read from the string's designation
    None,        ///< nowhere: that check is not made
};

/// The sources of the three strengths designCheckSettings() gives.
struct StrengthSources
{
    StrengthSource conductor = StrengthSource::None;
    StrengthSource stringA = StrengthSource::None;
    StrengthSource stringB = StrengthSource::None;
};

/// Where each strength of designCheckSettings(\a options, \a input, \a composed) comes from.
StrengthSources strengthSources(const options::DesignCheckOptions &options, const engine::CalculationInput &input,
                                const ComposedRatings &composed = {});

/**
 * The viewer's status line after a calculation: "设计校核: 满足", or
 * "设计校核: 不满足 (最高温度、最大荷载)" naming the failing states; empty when
 * nothing was checked.
 */
std::string designCheckStatusText(const engine::DesignChecks &checks);

} // namespace app
