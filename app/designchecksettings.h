#pragma once

#include "engine/calculationinput.h"
#include "engine/designchecks.h"
#include "options/designcheckoptions.h"

#include <optional>

namespace app {

/// The strengths the span's own designations give, where they give one.
struct CatalogueStrengths
{
    std::optional<double> conductor_N;  ///< the catalogue's 计算拉断力 of the conductor type
    std::optional<double> stringA_kN;   ///< from string A's designation
    std::optional<double> stringB_kN;
};

/// Looks up the conductor type (slot 30) in the catalogue and reads the designations of strings A and B.
CatalogueStrengths catalogueStrengths(const engine::CalculationInput &input);

/**
 * What the strength checks of \a input use: each typed strength of
 * \a options, else what the catalogue or the designation gives (nothing when
 * neither does: that check is not done), and the four required factors.
 * @throws std::invalid_argument with the message of the first bad field
 *         (options::badDesignCheckFieldMessage)
 */
engine::DesignCheckSettings designCheckSettings(const options::DesignCheckOptions &options,
                                                const engine::CalculationInput &input);

/**
 * The viewer's status line after a calculation: "设计校核: 满足", or
 * "设计校核: 不满足 (最高温度、最大荷载)" naming the failing states; empty when
 * nothing was checked.
 */
std::string designCheckStatusText(const engine::DesignChecks &checks);

} // namespace app
