#pragma once

#include <QPointF>
#include <QString>

#include <vector>

namespace engine {
struct CalculationResult;
}

namespace report {

/// A concentrated load's place on the profile: "PA", "P1" .. "P4", "PB", "W".
struct ProfileMark
{
    QString label;
    QPointF at;  ///< on the conductor, m
};

/**
 * One load state's span as the handbook's method hangs it, in metres: x
 * along the span from structure A's attachment, y up from it. The curve
 * is the chord between the attachments less M(x)/H, the beam's moment over
 * the tension, so its largest drop below the chord is the state's f = M/H.
 */
struct SpanProfile
{
    std::vector<QPointF> curve;  ///< string A, the conductor, string B, left to right
    QPointF attachmentA;
    QPointF attachmentB;
    QPointF stringAEnd;          ///< where string A meets the conductor
    QPointF stringBStart;        ///< where the conductor meets string B (B itself while marking without it)
    double sag = 0;              ///< largest drop below the chord, m
    QPointF sagPoint;            ///< the point of the curve where it occurs
    QPointF lowest;              ///< the lowest point of the curve
    std::vector<ProfileMark> marks;
};

/**
 * The profile of load state \a state with the tension of state-equation
 * column \a column (the state's own, or one stringing temperature of
 * installation or marking). The moment between nodes follows the state's
 * segments: linear shear, so a parabola over each segment.
 * @throws engine::CalculationError when H is not positive
 */
SpanProfile spanProfile(const engine::CalculationResult &result, int state, int column);

} // namespace report
