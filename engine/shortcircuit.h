#pragma once

#include <optional>
#include <string>

namespace engine {

/**
 * The short-circuit forces of a strained span by the simplified method of
 * IEC 60865-1 for flexible conductors between two structures: the tensile
 * force during the swing-out, the drop force after it and the pinch force of
 * a bundle whose sub-conductors clash, with the sag and the horizontal
 * displacement they come with. SI units throughout (N, m, kg, s, A); angles
 * in degrees as the standard writes them.
 */

/// g_n of IEC 60865-1, m/s². The short-circuit steps take the standard's
/// value, so that they reproduce its published figures; the rest of
/// the engine keeps the handbook's 9.8 (newtonPerKgf in units.h), with which
/// its own tables are printed. The static tensions the state equation gives
/// therefore rest on 9.8 and the steps that take them on 9.81.
inline constexpr double standardGravity_m_s2 = 9.81;

/// μ0/(2π), H/m: the magnetic constant in the force between parallel currents.
inline constexpr double magneticConstantOver2Pi_H_m = 2e-7;

/// σ_fin, N/m²: below this stress per sub-conductor the stranded conductor is
/// not yet fully bedded and its actual modulus E_s is smaller than E.
inline constexpr double finalStressLimit_N_m2 = 50e6;

/// c_th, m⁴/(A²·s), for aluminium, aluminium alloy and steel-cored aluminium
/// of an aluminium-to-steel section ratio above 6. The span holds no such
/// ratio, so this is the default of a typed value; a ratio of 6 or below
/// takes 0.17e-18.
inline constexpr double defaultThermalStrainConstant = 0.27e-18;

/// What the method needs of one span and one fault. Every value is > 0
/// unless its comment says otherwise.
struct ShortCircuitInputs
{
    double initialCurrent_A = 0; ///< I″k3, initial symmetrical three-phase short-circuit current
    double firstDuration_s = 0;  ///< T_k1, duration of the first short-circuit current flow
    double phaseSpacing_m = 0;   ///< a, centre-line distance between the phases
    /// S, N/m: the resulting spring constant of both supports of the span
    /// together, 1/S = 1/S_A + 1/S_B (catalogues give S per support).
    double springConstant_N_m = 0;
    double thermalStrainConstant = defaultThermalStrainConstant; ///< c_th, m⁴/(A²·s)
    double span_m = 0;                                           ///< l, centre-line distance of the supports
    double stringLength_m = 0;         ///< l_i, length of one tension insulator string, 0 ≤ l_i < l/2
    int subConductors = 1;             ///< n, ≥ 1
    double subConductorArea_m2 = 0;    ///< A_s, section of one sub-conductor
    double subConductorDiameter_m = 0; ///< d_s
    double elasticModulus_N_m2 = 0;    ///< E, Young's modulus of the conductor
    /// m′_s, kg/m: mass per metre of one sub-conductor with the concentrated
    /// masses of the span spread over it.
    double massPerLength_kg_m = 0;
    /// a_s, m: centre distance of the sub-conductors of a bundle; absent: the
    /// pinch is not judged. Not used for a single conductor.
    std::optional<double> subConductorSpacing_m;
    double spacerDistance_m = 0; ///< l_s, between spacers or a spacer and a clamp, ≥ 0

    /// l_c = l − 2·l_i, m: the cord length of the conductor between the strings.
    double cordLength_m() const { return span_m - 2 * stringLength_m; }
};

/**
 * Every step of the method for one static tension, in the order the method
 * takes them. Forces of the whole phase.
 */
struct ShortCircuitCase
{
    double staticTension_N = 0;          ///< F_st, horizontal, without wind or ice
    double forcePerLength_N_m = 0;       ///< F′, electromagnetic force per unit length
    double forceRatio = 0;               ///< r = F′/(n·m′_s·g_n)
    double resultantAngle_deg = 0;       ///< δ1 = arctan r, direction of the resulting force
    double staticSag_m = 0;              ///< f_es, equivalent static sag at midspan
    double period_s = 0;                 ///< T, period of the conductor oscillation
    double resultingPeriod_s = 0;        ///< T_res, period during the current flow
    double actualModulus_N_m2 = 0;       ///< E_s
    double stiffnessNorm_per_N = 0;      ///< N = 1/(S·l) + 1/(n·E_s·A_s), 1/N
    double stressFactor = 0;             ///< ζ
    double endAngle_deg = 0;             ///< δ_end, swing-out angle at the end of the current flow
    double chi = 0;                      ///< χ
    double maxSwingAngle_deg = 0;        ///< δ_m, maximum swing-out angle
    double loadParameter = 0;            ///< φ
    double psi = 0;                      ///< ψ, in [0, 1]
    double tensileForce_N = 0;           ///< F_t,d, tensile force during the swing-out
    double elasticStrain = 0;            ///< ε_ela
    double thermalStrain = 0;            ///< ε_th
    double sagFactorCD = 0;              ///< C_D, the sag increase by the strains
    double sagFactorCF = 0;              ///< C_F, the sag increase by the change of the conductor's form
    double dynamicSag_m = 0;             ///< f_ed = C_F·C_D·f_es
    double horizontalDisplacement_m = 0; ///< b_h, maximum horizontal displacement
    double minimumClearance_m = 0;       ///< a_min = a − 2·b_h, may be negative (the phases meet)
    /// F_f,d, the drop force after the short circuit: only when r > 0.6 and
    /// δ_m ≥ 70°, when the conductor falls from above its support line.
    std::optional<double> dropForce_N;
    /// F_pi,d = 1.1·F_t,d when the sub-conductors of a bundle clash
    /// effectively; absent otherwise, and pinchNote says why.
    std::optional<double> pinchForce_N;
    std::string pinchNote;   ///< why pinchForce_N is absent; empty when present
    double designLoad_N = 0; ///< the largest present of F_t,d, F_f,d and F_pi,d
};

/**
 * ψ: the root in [0, 1] of φ²ψ³ + φ(2 + ζ)ψ² + (1 + 2ζ)ψ − ζ(2 + φ) = 0.
 * The left side is −ζ(2 + φ) < 0 at 0 and (1 + φ)² > 0 at 1 and rises in
 * between, so the bracket always holds the one root; it is bisected to the
 * resolution of a double, within a bounded number of steps.
 * @param loadParameter  φ ≥ 0
 * @param stressFactor   ζ > 0
 * @throws CalculationError when φ or ζ is out of range or not finite
 */
double solvePsi(double loadParameter, double stressFactor);

/**
 * The sub-conductors clash effectively (their pinch force is then 1.1·F_t,d)
 * when a_s/d_s ≤ 2.0 and l_s ≥ 50·a_s, or a_s/d_s ≤ 2.5 and l_s ≥ 70·a_s.
 */
bool subConductorsClashEffectively(double spacing_m, double diameter_m, double spacerDistance_m);

/**
 * All steps for one static tension \a staticTension_N (N of the whole phase).
 *
 * T_k1 enters δ_end as given, however long against T: from T_k1 ≥ T_res/2 on
 * δ_end = 2·δ1, the largest the formula gives, so a long fault is judged by
 * its widest swing and never by a shortened duration.
 *
 * @throws CalculationError with a message naming the quantity when an input
 *         is out of range (see ShortCircuitInputs) or a step is not finite
 */
ShortCircuitCase shortCircuitCase(const ShortCircuitInputs &inputs, double staticTension_N);

} // namespace engine
