#pragma once

#include "engine/calculationresult.h"

#include <vector>

namespace engine {

/**
 * How far the wind of one load state blows the span aside.
 *
 * The conductor: its wind and its vertical load per metre give the angle η
 * by which the plane of its sag leans from the vertical, η = atan(g_w/g_v),
 * both per sub-conductor and per metre of horizontal span. g_w is the
 * phase's wind divided by the bundle count; g_v = √(g² − g_w²) is the rest
 * of the combined load g, so that the spacers' share stays in it. The sag f
 * of the state's governing column is measured in that plane, so the point
 * of largest sag moves b = f·sin η across the span.
 *
 * Each string: the angle of its own load from the vertical,
 * atan(W/G) with W its wind and G its weight (iced in 最大荷载), both of the
 * whole string.
 */
struct WindSwing
{
    int state = 0;
    float windSpeed_m_s = 0;       ///< v of the state
    double conductorAngle_deg = 0; ///< η
    double stringAAngle_deg = 0;
    double stringBAngle_deg = 0;
    double sag_m = 0;              ///< f of the governing column
    double displacement_m = 0;     ///< b = f·sin η, across the span
};

/**
 * The swing of design state \a state (0..10) of \a result; a state without
 * wind gives angles and b of 0.
 * @throws CalculationError when the loads give no vertical part, a string
 *         weighs nothing, or a value is not finite
 */
WindSwing windSwing(const CalculationResult &result, int state);

/// The swing of every design state whose wind speed is above 0, in state order.
std::vector<WindSwing> windSwings(const CalculationResult &result);

} // namespace engine
