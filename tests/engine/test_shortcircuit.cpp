// The short-circuit steps for one static tension, against IEC TR 60865-2:2015
// Example 5 (two twin 1046-AL1/45-ST1A conductors strained over 48 m), whose
// intermediate values are printed there rounded at each step.
#include "engine/calculationerror.h"
#include "engine/shortcircuit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace engine;

namespace {

ShortCircuitInputs exampleFive()
{
    ShortCircuitInputs in;
    in.initialCurrent_A = 63e3;
    in.firstDuration_s = 0.5;
    in.phaseSpacing_m = 5;
    in.springConstant_N_m = 500e3;
    in.thermalStrainConstant = 0.27e-18;
    in.span_m = 48;
    in.stringLength_m = 5.3;
    in.subConductors = 2;
    in.subConductorArea_m2 = 1090e-6;
    in.subConductorDiameter_m = 0.043;
    in.elasticModulus_N_m2 = 60000e6;
    in.massPerLength_kg_m = 3.2482 + 74 / (2 * 37.4); // 74 kg of concentrated masses spread over l_c
    return in;
}

void expectWithinHalfPercent(double actual, double printed, const char *what)
{
    EXPECT_NEAR(actual, printed, 0.005 * std::fabs(printed)) << what;
}

} // namespace

TEST(ShortCircuit, ExampleFiveAtBothTemperatures)
{
    struct Printed
    {
        double Fst, fes, Tres, Es, zeta, psi, Ft, CD;
    };
    const Printed printed[] = {
        {17.8e3, 1.346, 1.779, 2.87e10, 2.04, 0.69, 36.16e3, 1.246},  // -20 degC
        {15.4e3, 1.555, 1.913, 2.72e10, 3.11, 0.759, 32.87e3, 1.185}, // 60 degC
    };
    for (const Printed &p : printed) {
        const ShortCircuitCase c = shortCircuitCase(exampleFive(), p.Fst);
        expectWithinHalfPercent(c.forcePerLength_N_m, 92.8, "F′");
        expectWithinHalfPercent(c.forceRatio, 1.116, "r");
        expectWithinHalfPercent(c.staticSag_m, p.fes, "fes");
        expectWithinHalfPercent(c.resultingPeriod_s, p.Tres, "Tres");
        expectWithinHalfPercent(c.actualModulus_N_m2, p.Es, "Es");
        expectWithinHalfPercent(c.stressFactor, p.zeta, "ζ");
        expectWithinHalfPercent(c.loadParameter, 1.495, "φ");
        expectWithinHalfPercent(c.psi, p.psi, "ψ");
        expectWithinHalfPercent(c.tensileForce_N, p.Ft, "Ft,d");
        expectWithinHalfPercent(c.sagFactorCD, p.CD, "CD");
        expectWithinHalfPercent(c.sagFactorCF, 1.082, "CF");
        // r > 0.6 and the conductor swings past 70 degrees: it falls back.
        EXPECT_GT(c.maxSwingAngle_deg, 70) << p.Fst;
        ASSERT_TRUE(c.dropForce_N) << p.Fst;
        EXPECT_EQ(c.designLoad_N, std::max(c.tensileForce_N, *c.dropForce_N));
        EXPECT_FALSE(c.pinchForce_N); // no sub-conductor spacing given
        EXPECT_FALSE(c.pinchNote.empty());
    }
}

TEST(ShortCircuit, BranchesOfTheLoadParameterMeetAtAQuarterPeriod)
{
    ShortCircuitInputs in = exampleFive();
    const double quarter = shortCircuitCase(in, 17.8e3).resultingPeriod_s / 4;
    in.firstDuration_s = quarter * (1 - 1e-9);
    const ShortCircuitCase shorter = shortCircuitCase(in, 17.8e3);
    in.firstDuration_s = quarter * (1 + 1e-9);
    const ShortCircuitCase longer = shortCircuitCase(in, 17.8e3);
    EXPECT_NEAR(shorter.endAngle_deg, shorter.resultantAngle_deg, 1e-6);
    EXPECT_NEAR(shorter.loadParameter, longer.loadParameter, 1e-7);
    EXPECT_NEAR(shorter.thermalStrain, longer.thermalStrain, 1e-12);
    EXPECT_NEAR(shorter.tensileForce_N, longer.tensileForce_N, 1e-3);
    // A short flow leaves less swing: the second branch lies below the first.
    in.firstDuration_s = quarter / 2;
    EXPECT_LT(shortCircuitCase(in, 17.8e3).loadParameter, longer.loadParameter);
}

TEST(ShortCircuit, PsiIsTheRootInTheUnitIntervalForExtremeFactors)
{
    for (const double phi : {0.0, 1e-6, 1.495, 40.0, 3e3}) {
        for (const double zeta : {1e-9, 1e-3, 2.04, 1e3, 1e9}) {
            const double psi = solvePsi(phi, zeta);
            ASSERT_GE(psi, 0.0);
            ASSERT_LE(psi, 1.0);
            const double terms[] = {phi * phi * psi * psi * psi, phi * (2 + zeta) * psi * psi, (1 + 2 * zeta) * psi,
                                    zeta * (2 + phi)};
            const double residual = terms[0] + terms[1] + terms[2] - terms[3];
            EXPECT_LE(std::fabs(residual), 1e-12 * *std::max_element(std::begin(terms), std::end(terms)))
                << "φ=" << phi << " ζ=" << zeta;
        }
    }
    EXPECT_THROW(solvePsi(-0.1, 1), CalculationError);
    EXPECT_THROW(solvePsi(1, 0), CalculationError);
}

TEST(ShortCircuit, LargerCurrentNeverLowersTheTensileForce)
{
    // A long flow and one short against the quarter period take the two branches of φ.
    for (const double duration : {0.5, 0.08}) {
        ShortCircuitInputs in = exampleFive();
        in.firstDuration_s = duration;
        double previous = 0;
        for (double current = 1e3; current <= 200e3; current *= 1.05) {
            in.initialCurrent_A = current;
            const double force = shortCircuitCase(in, 15.4e3).tensileForce_N;
            EXPECT_GE(force, previous) << current << " A, " << duration << " s";
            previous = force;
        }
    }
}

TEST(ShortCircuit, DropAndPinchForcesOnlyWhereTheyArise)
{
    ShortCircuitInputs in = exampleFive();
    in.initialCurrent_A = 20e3; // r ≈ 0.11: the conductor does not swing over
    const ShortCircuitCase weak = shortCircuitCase(in, 17.8e3);
    EXPECT_FALSE(weak.dropForce_N);
    EXPECT_EQ(weak.designLoad_N, weak.tensileForce_N);

    // The clash rule at its edges: a_s/d_s = 2 with l_s = 50·a_s clashes.
    in = exampleFive();
    in.subConductorSpacing_m = 2 * in.subConductorDiameter_m;
    in.spacerDistance_m = 50 * *in.subConductorSpacing_m;
    const ShortCircuitCase clashing = shortCircuitCase(in, 17.8e3);
    ASSERT_TRUE(clashing.pinchForce_N);
    EXPECT_DOUBLE_EQ(*clashing.pinchForce_N, 1.1 * clashing.tensileForce_N);
    EXPECT_TRUE(clashing.pinchNote.empty());
    EXPECT_TRUE(subConductorsClashEffectively(0.1075, 0.043, 70 * 0.1075)); // a_s/d_s = 2.5
    EXPECT_FALSE(subConductorsClashEffectively(0.1075, 0.043, 69 * 0.1075));
    EXPECT_FALSE(subConductorsClashEffectively(0.086, 0.043, 49 * 0.086));
    EXPECT_FALSE(subConductorsClashEffectively(0.11, 0.043, 1000));

    in.subConductors = 1;
    const ShortCircuitCase single = shortCircuitCase(in, 17.8e3);
    EXPECT_FALSE(single.pinchForce_N);
    EXPECT_FALSE(single.pinchNote.empty());
}

TEST(ShortCircuit, RefusesInputsOutOfRangeNamingThem)
{
    ShortCircuitInputs in = exampleFive();
    in.springConstant_N_m = 0;
    try {
        shortCircuitCase(in, 17.8e3);
        FAIL();
    } catch (const CalculationError &error) {
        EXPECT_NE(std::string(error.what()).find("弹性系数S"), std::string::npos) << error.what();
    }
    in = exampleFive();
    in.stringLength_m = 24; // no conductor left between the strings
    EXPECT_THROW(shortCircuitCase(in, 17.8e3), CalculationError);
    EXPECT_THROW(shortCircuitCase(exampleFive(), std::nan("")), CalculationError);
}
