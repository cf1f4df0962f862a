#include "engine/catenarycrosscheck.h"

#include "engine/calculationerror.h"
#include "engine/stateequation.h"
#include "engine/units.h"

#include <cmath>

namespace engine {

namespace {

constexpr double g = newtonPerKgf;

double percentDifference(double handbook, double exact)
{
    return (handbook - exact) / exact * 100;
}

/// The handbook's H and f of a state, and where its chain starts.
struct HandbookState
{
    double H;
    double f;
    ChainGuess guess;
};

HandbookState handbookState(const SpanData &span, const CalculationResult &result, const ChainSpan &chain, int s)
{
    const StateEquationColumn &column = result.stateEquation[result.catenary.states[s].column];
    const double H = column[rowH];
    return {H, column[rowF], handbookStart(span, result.states[s], chain, H)};
}

void record(const ChainSolution &solution, const HandbookState &handbook, CatenaryStateCheck &check)
{
    check.converged = true;
    check.tension = storeFloat(solution.H, "悬链线水平张力");
    check.sag = storeFloat(solution.sag, "悬链线弧垂");
    check.tensionDifference = storeFloat(percentDifference(handbook.H, solution.H), "张力差");
    check.sagDifference = storeFloat(percentDifference(handbook.f, solution.sag), "弧垂差");
    check.iterations = solution.iterations;
}

void markFailed(const std::string &message, CatenaryStateCheck &check)
{
    const int column = check.column;
    check = CatenaryStateCheck{};
    check.column = column;
    check.failure = message;
}

} // namespace

ChainGuess handbookStart(const SpanData &span, const StateResult &state, const ChainSpan &chain, double H)
{
    // The vertical reaction of the chain at A is the beam's RA plus the share
    // H·h/L that the inclined chord carries.
    return {H, double(state.reactionA) * g + H * chain.drop / span.spanLength};
}

double conductorLengthEstimate(const SpanData &span, const ChainSpan &chain, double H, double f)
{
    const double Lc = span.conductorSpan();
    const double cosGamma = span.cosGamma;
    const double chord = Lc / cosGamma;
    const double extra = 8 * f * f * cosGamma * cosGamma * cosGamma / (3 * Lc);
    return (chord + extra) * (1 - H / cosGamma / chain.axialStiffness);
}

ChainSpan chainOfState(const SpanData &span, const StateResult &state)
{
    ChainSpan chain;
    chain.span = span.spanLength;
    const double h = std::fabs(double(span.heightDifference));
    chain.drop = span.structureBHigher ? -h : h;
    chain.stringA = {span.stringA.length, double(state.stringALoad) * g};
    chain.stringB = {span.stringB.length, double(state.stringBLoad) * g};
    chain.jumperA = double(state.leadLoad[leadPA]) * g;
    chain.jumperB = double(state.leadLoad[leadPB]) * g;
    for (const PointLoad &p : state.points)
        if (p.load > 0)  // the zero-shear point carries nothing
            chain.loads.push_back({p.position, double(p.load) * g});
    // The handbook's load is per metre of horizontal span; the chain's is per
    // metre of conductor.
    chain.unitLoad = double(state.conductorLoad) * span.cosGamma * g;
    chain.axialStiffness = double(span.elasticModulus) * span.conductorArea;
    return chain;
}

void crossCheckByCatenary(const SpanData &span, CalculationResult &result)
{
    CatenaryCrossCheck &check = result.catenary;
    check = CatenaryCrossCheck{};
    for (int s = 0; s < loadStateCount; ++s)
        check.states[s].column = governingColumn(result, s);
    const int reference = result.referenceColumn;
    const double referenceTemperature = result.stateEquation[reference][rowThetaM];
    const double alpha = double(span.expansionCoefficient) * 1e-6;

    try {
        const ChainSpan chain = chainOfState(span, result.states[reference]);
        const HandbookState handbook = handbookState(span, result, chain, reference);
        const ChainSolution solution = solveChainForSag(
            chain, span.controlSag, conductorLengthEstimate(span, chain, handbook.H, span.controlSag), handbook.guess);
        check.unstressedLength = solution.conductorLength;
        record(solution, handbook, check.states[reference]);
    } catch (const CalculationError &error) {
        for (CatenaryStateCheck &state : check.states)
            markFailed(error.what(), state);
        return;
    }

    for (int s = 0; s < loadStateCount; ++s) {
        if (s == reference)
            continue;
        try {
            const ChainSpan chain = chainOfState(span, result.states[s]);
            const HandbookState handbook = handbookState(span, result, chain, s);
            const double theta = result.stateEquation[check.states[s].column][rowThetaM];
            const double length = check.unstressedLength * (1 + alpha * (theta - referenceTemperature));
            const ChainSolution solution = solveChain(chain, length, handbook.guess);
            record(solution, handbook, check.states[s]);
        } catch (const CalculationError &error) {
            markFailed(error.what(), check.states[s]);
        }
    }
}

std::optional<LargestCatenaryDifferences> largestCatenaryDifferences(const CatenaryCrossCheck &check)
{
    std::optional<LargestCatenaryDifferences> largest;
    const auto keepLarger = [](CatenaryDifference &kept, float percent, int state) {
        if (std::fabs(percent) > std::fabs(kept.percent))
            kept = {percent, state};
    };
    for (int s = 0; s < loadStateCount; ++s) {
        const CatenaryStateCheck &state = check.states[s];
        if (!state.converged)
            continue;
        if (!largest) {
            largest = LargestCatenaryDifferences{{state.tensionDifference, s}, {state.sagDifference, s}};
            continue;
        }
        keepLarger(largest->tension, state.tensionDifference, s);
        keepLarger(largest->sag, state.sagDifference, s);
    }
    return largest;
}

} // namespace engine
