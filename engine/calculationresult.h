#pragma once

#include "engine/calculationinput.h"
#include "engine/loadstate.h"
#include "engine/spandata.h"

#include <array>
#include <string>
#include <vector>

namespace engine {

/// One entry of a state's point list: a drop-down lead, a maintenance load or
/// the load-free zero-shear point. Loads per sub-conductor.
struct PointLoad
{
    float load = 0;      ///< kgf
    float position = 0;  ///< horizontal distance from structure A, m
};

/// One segment of the beam between two nodes, as a moment page prints it
/// (per sub-conductor, kgf and m).
struct Segment
{
    float length = 0;          ///< ΔL, m
    float distributedLoad = 0; ///< qΔL, kgf: the string's load or ΔL·q of the conductor
    float pointLoad = 0;       ///< P at the segment's right-hand node, kgf
    float shearLeft = 0;       ///< Qz, shear at the left end from RA, kgf
    float shearRight = 0;      ///< Qy, the negated shear at the right end from RB, kgf
    float moment = 0;          ///< ΔM = (Qz + Qy)·ΔL/2, kgf·m
    float momentTerm = 0;      ///< ΔM²/ΔL
    float loadTerm = 0;        ///< (qΔL)²·ΔL/12
    float loadFactorTerm = 0;  ///< ΔD = ΔM²/ΔL + (qΔL)²·ΔL/12
};

/// Everything computed for one load state. Loads are those of one
/// sub-conductor unless the name says "Phase" or "whole".
struct StateResult
{
    // Unit loads (kgf, kgf/m)
    float conductorLoad = 0;  ///< combined load of one sub-conductor per metre of horizontal span
    float conductorWind = 0;  ///< wind on the whole phase per metre of horizontal span
    float stringALoad = 0;    ///< combined load of string A per sub-conductor
    float stringBLoad = 0;
    float stringAWind = 0;    ///< wind on the whole string A
    float stringBWind = 0;
    /// Load of PA, P1..P4, PB per sub-conductor; PA and PB include a
    /// maintenance load that falls on a string.
    std::array<float, leadCount> leadLoad{};
    /// Wind per metre on all sub-conductors of each concentrated load.
    std::array<float, leadCount> leadWind{};

    // Beam analysis
    std::vector<PointLoad> points;  ///< ascending positions, strictly inside the conductor
    float reactionA = 0;            ///< RA, kgf
    float reactionB = 0;            ///< RB, kgf
    std::vector<Segment> segments;  ///< string A, the conductor pieces, string B
    float maxMoment = 0;            ///< M: the sum of the positive ΔM, kgf·m
    float momentCheck = 0;          ///< M + M': the moment at B, 0 up to rounding
    float loadFactor = 0;           ///< D = ΣΔD, kgf²·m
    float stringAMoment = 0;        ///< ΔM of string A's segment
    float stringBMoment = 0;        ///< ΔM of string B's segment
};

/// Rows of the state-equation table, in the order of the stress page.
enum StateEquationRow {
    rowM = 0,        ///< M, N·m
    rowCm,           ///< Cm, N³/mm⁶
    rowAlphaE,       ///< αE, N/(mm²·degC)
    rowCn,           ///< Cn of the reference
    rowSigmaN,       ///< σn of the reference, N/mm²
    rowThetaN,       ///< θn of the reference, degC
    rowThetaM,       ///< θm, degC
    rowDeltaTheta,   ///< Δθ = θm − θn
    rowB,            ///< B = αE·Δθ·cos γ, N/mm²
    rowA,            ///< A = σn − Cn/σn² − B, N/mm²
    rowSigmaM,       ///< σm, the root of σ²(σ − A) = Cm, N/mm²
    rowH,            ///< H = S·σm, N per sub-conductor
    rowF,            ///< f = M/H, m
    stateEquationRowCount
};

/// Columns 0..10 are the design states, 11..19 installation and 20..28
/// marking at the nine stringing temperatures.
constexpr int stateEquationColumnCount = 29;
constexpr int installationColumn = 11;
constexpr int markingColumn = 20;

using StateEquationColumn = std::array<float, stateEquationRowCount>;

/// The page-1 summary row of a design state, in the units page 1 prints.
struct SummaryRow
{
    float temperature = 0;   ///< degC, as the engine holds it (printed as its shortest decimal)
    float tension = 0;       ///< H of the whole phase, kN
    float sag = 0;           ///< f, m
    float reactionA = 0;     ///< RA of the whole phase, kN
    float reactionB = 0;     ///< RB of the whole phase, kN
    float lateralA = 0;      ///< PfA, lateral wind force on structure A, kN
    float lateralB = 0;      ///< PfB, kN
    float stringASag = 0;    ///< fQA, m
    float stringBSag = 0;    ///< fQB, m
};

/// Added vertical loads on the cross-beams, kN.
struct BeamLoads
{
    float stringingA = 0;
    float stringingB = 0;
    float threePhaseA = 0;
    float threePhaseB = 0;
    float singlePhaseA = 0;
    float singlePhaseB = 0;
};

/// What one phase puts on one structure in one load state, kN.
struct PhaseLoadOnStructure
{
    float horizontal = 0;  ///< H of the phase along the span (the state's governing H)
    float vertical = 0;    ///< the beam reaction ± H·tan γ; negative lifts the structure
    float lateral = 0;     ///< wind across the span (PfA or PfB)
};

/// The state that governs each column of one structure: the largest
/// magnitude, the first of equal ones.
struct GoverningLoadStates
{
    int horizontal = 0;
    int vertical = 0;
    int lateral = 0;
};

/**
 * The loads one phase puts on structures A and B in each of the 13 states,
 * and the state that governs each. The added loads on the beams during
 * stringing and maintenance stay in CalculationResult::beamLoads.
 */
struct StructureDesignLoads
{
    std::array<PhaseLoadOnStructure, loadStateCount> onA{};
    std::array<PhaseLoadOnStructure, loadStateCount> onB{};
    GoverningLoadStates governingA;
    GoverningLoadStates governingB;
};

/// One column of the page-1 stringing table.
struct StringingRow
{
    float temperature = 0;         ///< degC, printed with 0 decimals
    float installationTension = 0; ///< kN, whole phase
    float installationSag = 0;     ///< m
    float markingTension = 0;      ///< kN, whole phase
    float markingSag = 0;          ///< m
};

/// The page-2 load table: the values it prints for one state, 3 decimals.
struct LoadTableRow
{
    float conductorLoad = 0, conductorWind = 0;  ///< wind values divided by the bundle count
    float stringALoad = 0, stringAWind = 0;
    std::array<float, leadCount> leadLoad{};
    std::array<float, leadCount> leadWind{};
    float stringBLoad = 0, stringBWind = 0;
};

/**
 * One load state solved as an exact chain (strings as rigid links, the
 * conductor as an elastic catenary) beside the handbook's H and f of one
 * state-equation column: the state's own, or for installation and marking
 * the stringing temperature of the largest H. A state whose chain could not
 * be solved keeps converged false and says why; the handbook's figures stand
 * either way.
 */
struct CatenaryStateCheck
{
    int column = 0;               ///< the state-equation column compared (its θm, H and f)
    bool converged = false;
    float tension = 0;            ///< H of the chain, N per sub-conductor
    float sag = 0;                ///< f of the chain, m
    float tensionDifference = 0;  ///< (H handbook − H chain)/H chain, %
    float sagDifference = 0;      ///< (f handbook − f chain)/f chain, %
    int iterations = 0;           ///< Newton steps spent on the state
    std::string failure;          ///< the reason when not converged
};

struct CatenaryCrossCheck
{
    /// Unstressed length of the conductor at the reference state's
    /// temperature, fixed by the control sag there, m (0 when not solved).
    double unstressedLength = 0;
    std::array<CatenaryStateCheck, loadStateCount> states{};
};

/**
 * The length of conductor to cut for one sub-conductor at one stringing
 * temperature: the unstressed length, between the clamp ends, that the exact
 * chain of the installation state (strings as rigid links, the conductor as
 * an elastic catenary under the state's loads) must have to hang at that
 * temperature with the handbook's installation tension H of the column. It
 * is the length measured at that temperature and without tension, as the
 * conductor lies on the ground before it is hung. It runs from the clamp end
 * of string A to the clamp end of string B, the ends of the strings' entered
 * lengths: the strings and their fittings are not in it, nor the conductor
 * that the strain clamps grip or that the jumper and lead connections take
 * up, which the crew adds.
 */
struct CutLength
{
    float temperature = 0;  ///< the stringing temperature, degC
    float tension = 0;      ///< the installation H it hangs at, kN of the whole phase (the stringing table's)
    float sag = 0;          ///< the installation f of the handbook at that H, m (the stringing table's)
    bool solved = false;    ///< false: the chain could not be solved and length means nothing
    float length = 0;       ///< m of one sub-conductor; 0 when not solved
    std::string failure;    ///< why the chain was not solved
};

/// One point of a stringing curve, in the units of page 1's stringing table.
struct CurvePoint
{
    float temperature = 0;  ///< degC
    float tension = 0;      ///< H of the whole phase, kN
    float sag = 0;          ///< f, m
};

/**
 * H and f of installation and of marking against the temperature, over the
 * range of the nine stringing temperatures in ascending order, by the state
 * equation of the stringing columns.
 */
struct StringingCurves
{
    std::vector<CurvePoint> installation;
    std::vector<CurvePoint> marking;
};

/**
 * Every number of one calculation. Values named after a quantity of the
 * span are those of one sub-conductor, in kgf, m, N and N/mm² as the engine
 * works; the page rows (summary, load table, beam loads, stringing table)
 * hold exactly the numbers the report prints, in its units.
 */
struct CalculationResult
{
    SpanData span;
    std::array<StateResult, loadStateCount> states;

    float conductorCoefficient = 0;  ///< ξ = E·cos γ/(2·S²·Lc), N/(mm⁶·m)
    int referenceColumn = 0;         ///< 0 (最高温度) or 1 (最大荷载, when its sag exceeds the control sag)
    std::array<StateEquationColumn, stateEquationColumnCount> stateEquation{};

    /// Maintenance loads W of the three-phase and single-phase states, kgf.
    float threePhaseMaintenanceLoad = 0;
    float singlePhaseMaintenanceLoad = 0;

    std::array<LoadTableRow, loadStateCount> loadTable{};
    std::array<SummaryRow, designStateCount> summary{};
    BeamLoads beamLoads;
    StructureDesignLoads structureLoads;
    std::array<StringingRow, markingTemperatureCount> stringingTable{};
    StringingCurves stringingCurves;
    /// One entry per stringing temperature, in the stringing table's order.
    std::array<CutLength, markingTemperatureCount> cutLengths{};

    CatenaryCrossCheck catenary;
};

} // namespace engine
