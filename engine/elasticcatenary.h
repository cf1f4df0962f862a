#pragma once

namespace engine {

/**
 * The span of one elastic catenary segment, from its start to its end, and
 * how that span changes with the segment's unknowns. y points downwards.
 *
 * The segment has unstressed length s and weighs w per metre of unstressed
 * length; it stretches by T/EA under its tension T. At its start the tension
 * has the horizontal component H and the downward component V (so the slope
 * there is V/H); along the segment V falls by the weight hung so far, and at
 * its end it is V − w·s.
 */
struct CatenaryProjection
{
    double dx = 0;  ///< horizontal projection, m
    double dy = 0;  ///< vertical projection, downwards, m
    double dxdH = 0, dxdV = 0, dxds = 0;
    double dydH = 0, dydV = 0, dyds = 0;
};

/**
 * The projections of an elastic catenary (Irvine's closed form in Lagrangian
 * co-ordinates):
 *   dx = H·s/EA + (H/w)·[asinh(V/H) − asinh((V − w·s)/H)]
 *   dy = (V·s − w·s²/2)/EA + (1/w)·[√(H² + V²) − √(H² + (V − w·s)²)]
 * with their partial derivatives by H, V and s. The differences of the two
 * asinh and of the two roots are formed without cancellation, so that a
 * nearly straight segment keeps its digits.
 *
 * @param H   horizontal tension, N, > 0
 * @param V   downward tension component at the start, N
 * @param s   unstressed length, m, ≥ 0
 * @param w   weight per metre of unstressed length, N/m, > 0
 * @param EA  axial stiffness, N, > 0
 */
CatenaryProjection elasticCatenary(double H, double V, double s, double w, double EA);

/// The stretched length of the same segment: s + (1/EA)·∫T ds, m.
double catenaryStretchedLength(double H, double V, double s, double w, double EA);

} // namespace engine
