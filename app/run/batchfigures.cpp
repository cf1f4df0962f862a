#include "app/run/batchfigures.h"

#include "engine/catenarycrosscheck.h"
#include "engine/clearances.h"
#include "engine/cutlength.h"
#include "engine/designchecks.h"
#include "engine/governingstates.h"
#include "engine/loadstate.h"
#include "engine/numberformatting.h"
#include "engine/shortcircuitspan.h"

#include <algorithm>
#include <optional>

namespace app {

using namespace engine;

namespace {

constexpr int decimals = 3;

TableCell number(float value, int places = decimals)
{
    return {formatNumber(value, places), true};
}

TableCell kiloNewtons(double newtons)
{
    return number(static_cast<float>(newtons / 1000));
}

TableCell stateCell(int state)
{
    return {loadStateLabel(state), false};
}

/// The largest value of \a quantity over the design states, with its state
/// (the first of equal values) when \a withState.
void addLargest(TableRow &row, const CalculationResult &result, float SummaryRow::*quantity, bool withState)
{
    int largest = 0;
    for (int s = 1; s < designStateCount; ++s) {
        if (result.summary[s].*quantity > result.summary[largest].*quantity)
            largest = s;
    }
    row.push_back(number(result.summary[largest].*quantity));
    if (withState)
        row.push_back(stateCell(largest));
}

void addGoverningFactor(TableRow &row, const std::optional<GoverningFactor> &governing)
{
    if (!governing) {
        row.push_back({});
        row.push_back({});
        return;
    }
    row.push_back(number(governing->factor));
    row.push_back(stateCell(governing->state));
}

/// The largest ΔH and Δf against the exact chain with their states; blank
/// when no chain was solved, so that an unsolved span never reads as 0 %.
void addLargestCatenaryDifferences(TableRow &row, const CatenaryCrossCheck &check)
{
    const std::optional<LargestCatenaryDifferences> largest = largestCatenaryDifferences(check);
    if (!largest) {
        row.insert(row.end(), 4, TableCell{});
        return;
    }
    for (const CatenaryDifference &difference : {largest->tension, largest->sag}) {
        row.push_back(number(difference.percent, 2));
        row.push_back(stateCell(difference.state));
    }
}

/// The cut length at the stringing temperature nearest the reference one,
/// with that temperature; the length blank when its chain was not solved.
void addReferenceCutLength(TableRow &row, const CalculationResult &result)
{
    const CutLength &cut = result.cutLengths[referenceCutLength(result.cutLengths)];
    row.push_back({formatGeneral(cut.temperature), true});
    row.push_back(cut.solved ? number(cut.length) : TableCell{});
}

/// What each structure carries at most: the string's pull (with its state,
/// from the design check) and the true vertical load of one phase (with its state).
void addStructureLoads(TableRow &row, const CalculationRun &run)
{
    const StructureDesignLoads &loads = run.result.structureLoads;
    if (run.checks) {
        const GoverningStates governing = governingStates(run.result, *run.checks);
        for (const GoverningValue &pull : {governing.largestLoadA, governing.largestLoadB}) {
            row.push_back(number(pull.value));
            row.push_back(stateCell(pull.state));
        }
    } else {
        row.insert(row.end(), 4, TableCell{});
    }
    row.push_back(number(loads.onA[std::size_t(loads.governingA.vertical)].vertical));
    row.push_back(stateCell(loads.governingA.vertical));
    row.push_back(number(loads.onB[std::size_t(loads.governingB.vertical)].vertical));
    row.push_back(stateCell(loads.governingB.vertical));
}

/// The short circuit's largest forces over its two temperatures, the smaller
/// a_min and the thermal verdict; F_f,d blank where neither case has one.
void addShortCircuit(TableRow &row, const std::optional<ShortCircuitResult> &shortCircuit)
{
    if (!shortCircuit) {
        row.insert(row.end(), 5, TableCell{});
        return;
    }
    double swing = 0;
    std::optional<double> drop;
    for (const ShortCircuitTemperatureCase &temperatureCase : shortCircuit->cases) {
        const ShortCircuitCase &values = temperatureCase.values;
        swing = std::max(swing, values.tensileForce_N);
        if (values.dropForce_N)
            drop = std::max(drop.value_or(0), *values.dropForce_N);
    }
    row.push_back(kiloNewtons(swing));
    row.push_back(drop ? kiloNewtons(*drop) : TableCell{});
    row.push_back(number(static_cast<float>(shortCircuit->minimumClearance_m)));
    row.push_back(kiloNewtons(shortCircuit->designLoad_N));
    row.push_back({shortCircuit->thermal.met ? "满足" : "不满足", false});
}

/// The least distance left between phases and to earth, each with its
/// condition, and the verdict of all the checks.
void addClearances(TableRow &row, const std::optional<ClearanceResult> &clearances)
{
    if (!clearances) {
        row.insert(row.end(), 5, TableCell{});
        return;
    }
    for (const ClearanceKind kind : {ClearanceKind::phaseToPhase, ClearanceKind::phaseToEarth}) {
        const ClearanceCheck *least = nullptr;
        for (const ClearanceCheck &check : clearances->checks) {
            if (check.kind == kind && check.remaining_m && (!least || *check.remaining_m < *least->remaining_m))
                least = &check;
        }
        row.push_back(least ? number(static_cast<float>(*least->remaining_m)) : TableCell{});
        row.push_back(least ? TableCell{clearanceCheckLabel(*least), false} : TableCell{});
    }
    row.push_back({clearanceVerdictText(*clearances), false});
}

TableRow summaryFigures(const CalculationRun &run)
{
    const CalculationResult &result = run.result;
    TableRow row;
    addLargest(row, result, &SummaryRow::tension, true);
    addLargest(row, result, &SummaryRow::sag, true);
    for (float SummaryRow::*quantity : {&SummaryRow::reactionA, &SummaryRow::reactionB, &SummaryRow::lateralA,
                                        &SummaryRow::lateralB})
        addLargest(row, result, quantity, false);
    const BeamLoads &beam = result.beamLoads;
    for (const float load : {beam.stringingA, beam.stringingB, beam.threePhaseA, beam.threePhaseB, beam.singlePhaseA,
                             beam.singlePhaseB})
        row.push_back(number(load));
    if (run.checks) {
        addGoverningFactor(row, run.checks->conductor);
        addGoverningFactor(row, run.checks->string);
        row.push_back({engine::verdictText(run.checks->pass, run.checks->unchecked), false});
    } else {
        row.insert(row.end(), 5, TableCell{});
    }
    addLargestCatenaryDifferences(row, result.catenary);
    addReferenceCutLength(row, result);
    addStructureLoads(row, run);
    addShortCircuit(row, run.shortCircuit);
    addClearances(row, run.clearances);
    return row;
}

} // namespace

const std::vector<std::string> &summaryFigureHeader()
{
    static const std::vector<std::string> header{
        "最大H(kN)", "最大H工况", "最大f(m)", "最大f工况", "最大RA(kN)", "最大RB(kN)", "最大PfA(kN)", "最大PfB(kN)",
        "紧线时A侧横梁附加荷载(kN)", "紧线时B侧横梁附加荷载(kN)", "三相上人A侧横梁附加荷载(kN)",
        "三相上人B侧横梁附加荷载(kN)", "单相上人A侧横梁附加荷载(kN)", "单相上人B侧横梁附加荷载(kN)",
        "最小Kc", "Kc工况", "最小Ks", "Ks工况", "设计校核", "悬链线最大ΔH(%)", "ΔH工况", "悬链线最大Δf(%)", "Δf工况",
        "下料温度(最接近" + formatGeneral(cutLengthReferenceTemperature) + "℃的紧线温度)(℃)", "下料长度(m)",
        "A侧构架最大拉力(kN)", "A侧最大拉力工况", "B侧构架最大拉力(kN)", "B侧最大拉力工况",
        "A侧最大垂直荷载(kN)", "A侧垂直荷载工况", "B侧最大垂直荷载(kN)", "B侧垂直荷载工况",
        "短路摆动拉力Ft,d(kN)", "短路后落下拉力Ff,d(kN)", "最小相间距离amin(m)", "短路设计荷载(kN)", "热稳定",
        "最小相间剩余距离(m)", "相间距离工况", "最小对地剩余距离(m)", "对地距离工况", "电气距离校验",
    };
    return header;
}

const std::vector<std::string> &pageOneHeader()
{
    static const std::vector<std::string> header{
        "工况", "温度(℃)", "H(kN)", "f(m)", "RA(kN)", "RB(kN)", "PfA(kN)", "PfB(kN)", "fQA(m)", "fQB(m)",
    };
    return header;
}

std::vector<TableRow> pageOneRows(const CalculationResult &result)
{
    std::vector<TableRow> rows;
    for (int s = 0; s < designStateCount; ++s) {
        const SummaryRow &summary = result.summary[s];
        rows.push_back({stateCell(s), {formatGeneral(summary.temperature), true}, number(summary.tension),
                        number(summary.sag), number(summary.reactionA), number(summary.reactionB),
                        number(summary.lateralA), number(summary.lateralB), number(summary.stringASag),
                        number(summary.stringBSag)});
    }
    return rows;
}

SpanFigures spanFigures(const CalculationRun &run)
{
    return {summaryFigures(run), pageOneRows(run.result)};
}

} // namespace app
