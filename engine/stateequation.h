#pragma once

#include "engine/calculationresult.h"
#include "engine/spandata.h"

namespace engine {

/**
 * The positive root σ of σ³ − A·σ² − Cm = 0, that is σ²(σ − A) = Cm, by
 * Newton's iteration in double precision, stopping when a step is at most
 * 0.001 (N/mm²).
 *
 * For A < 0 the iteration starts at √(Cm / (−A)); for A ≥ 0 at A + ∛Cm. From
 * either start it falls monotonically to the root.
 *
 * @param A   N/mm²
 * @param Cm  N³/mm⁶, > 0
 * @throws CalculationError (Kind::CubicSolver) with the text
 *         "程序求解三次方程出错,A=…, Cm=…" when Cm ≤ 0, A or Cm is not
 *         finite, or the iteration does not settle within its step limit.
 */
double solveStateCubic(double A, double Cm);

/**
 * Solves the state equation of every column: the design states 0..10 against
 * the reference state fixed by the control sag, then installation and marking
 * at the nine stringing temperatures. Fills result.stateEquation,
 * result.conductorCoefficient and result.referenceColumn.
 * @throws CalculationError when a column cannot be solved
 */
void solveStateEquations(const SpanData &span, CalculationResult &result);

/**
 * One column of a state with the moment and load factor of \a loads at
 * \a temperature (degC), solved against the reference column of \a result
 * exactly as solveStateEquations() solves the table's columns, so that a
 * state's own loads at a temperature of the table give its column bit for
 * bit. \a loads may be those of a state the table does not hold (the
 * short-circuit tensions take a state without its wind). Rows as the
 * table's: M in N·m, H in N per sub-conductor, f in m. Needs
 * result.conductorCoefficient, result.referenceColumn and the reference
 * column of result.stateEquation.
 * @throws CalculationError when the column cannot be solved
 */
StateEquationColumn solveStateColumn(const SpanData &span, const CalculationResult &result,
                                     const StateResult &loads, float temperature);

/**
 * H of \a column as page 1 prints it: the tension of the whole phase, kN.
 * @throws CalculationError naming \a what when it is not finite
 */
float phaseTension(const SpanData &span, const StateEquationColumn &column, const char *what);

/**
 * The state-equation column whose H and f stand for \a state: its own column
 * for a design state; for installation and marking the stringing temperature
 * of the largest H (the first of equal ones), the tension that the strings,
 * the conductor and the cross-beams must carry.
 */
int governingColumn(const CalculationResult &result, int state);

/// H of \a state's governing column, N per sub-conductor.
double governingTension(const CalculationResult &result, int state);

} // namespace engine
