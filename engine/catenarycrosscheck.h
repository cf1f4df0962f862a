#pragma once

#include "engine/calculationresult.h"
#include "engine/catenarychain.h"
#include "engine/spandata.h"

#include <optional>

namespace engine {

/**
 * The exact chain of one load state, per sub-conductor in N and m: the
 * strings with their loads, the jumpers at the string ends, the drop-down
 * leads and maintenance load of the state's point list at their horizontal
 * positions, the conductor with the state's resultant unit load per metre of
 * conductor (weight, ice and wind, as the state equation takes it) and EA.
 * The structure the input names as the higher one stands |h| above the
 * other; the handbook's method itself uses h only through cos γ.
 */
ChainSpan chainOfState(const SpanData &span, const StateResult &state);

/**
 * Where the chain of \a state starts when it hangs at the handbook's
 * tension \a H (N per sub-conductor): H, and as vertical reaction at A the
 * beam's RA plus the share H·h/L that the inclined chord carries.
 */
ChainGuess handbookStart(const SpanData &span, const StateResult &state, const ChainSpan &chain, double H);

/**
 * A first estimate of the conductor's unstressed length when it hangs at the
 * sag \a f (m) under the tension \a H (N): the chord Lc/cos γ and the
 * parabola's extra length 8f²cos³γ/(3·Lc), less the stretch H/(EA·cos γ).
 */
double conductorLengthEstimate(const SpanData &span, const ChainSpan &chain, double H, double f);

/**
 * Solves every load state as an exact chain and compares it with the
 * handbook's H and f of its governing column (installation and marking at
 * the stringing temperature of their largest H). The conductor's unstressed
 * length is fixed once, in the state equation's reference state at the
 * control sag; every other state hangs that length, expanded or shrunk by
 * α·(θ − θn), under its own loads. A state that does not converge is marked
 * and the others go on.
 * Needs result.states, result.stateEquation and result.referenceColumn.
 */
void crossCheckByCatenary(const SpanData &span, CalculationResult &result);

/// One difference between the methods and the state it occurs in.
struct CatenaryDifference
{
    float percent = 0;  ///< (handbook − exact)/exact, %, with its sign
    int state = 0;
};

struct LargestCatenaryDifferences
{
    CatenaryDifference tension;  ///< the ΔH of the largest magnitude
    CatenaryDifference sag;      ///< the Δf of the largest magnitude
};

/**
 * The largest |ΔH| and the largest |Δf| over the states whose chain was
 * solved, each with its sign and state (the first of equal magnitudes);
 * absent when no state was solved, so that nothing unsolved reads as 0 %.
 */
std::optional<LargestCatenaryDifferences> largestCatenaryDifferences(const CatenaryCrossCheck &check);

} // namespace engine
