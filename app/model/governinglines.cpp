#include "app/model/governinglines.h"

#include "engine/loadstate.h"
#include "engine/numberformatting.h"

namespace app {

namespace {

constexpr int decimals = 3;

std::string withState(const std::string &figure, int state)
{
    return figure + " (" + engine::loadStateLabel(state) + ")";
}

std::string forceText(const engine::GoverningValue &governing)
{
    return withState(engine::formatNumber(governing.value, decimals) + " kN", governing.state);
}

std::string sagText(const engine::GoverningSag &sag)
{
    const std::string figure = engine::formatNumber(sag.sag, decimals) + " m";
    if (sag.state != engine::installation && sag.state != engine::marking)
        return withState(figure, sag.state);
    return figure + " (" + engine::loadStateLabel(sag.state) + " " + engine::formatGeneral(sag.temperature) + "℃)";
}

/// The smallest factor of one kind against \a required, the factor its state requires.
GoverningLine factorLine(const char *label, const std::optional<engine::GoverningFactor> &governing, float required)
{
    if (!governing)
        return {label, engine::verdictNotChecked};
    return {label,
            withState(engine::formatNumber(governing->factor, decimals), governing->state) + ", 要求不小于"
                + engine::formatNumber(required, 2),
            governing->factor < required};
}

std::string stateList(const std::vector<int> &states)
{
    std::string list;
    for (const int state : states)
        list += (list.empty() ? "" : "、") + std::string(engine::loadStateLabel(state));
    return list;
}

} // namespace

std::vector<GoverningLine> governingLines(const engine::GoverningStates &governing, const engine::DesignChecks &checks,
                                          const engine::ShortCircuitResult *shortCircuit,
                                          const engine::ClearanceResult *clearances)
{
    std::vector<GoverningLine> lines{
        {"最大水平拉力 H(每相)", forceText(governing.largestTension)},
        {"最大弧垂 f",
         sagText(governing.largestSag) + ", 控制弧垂 " + engine::formatNumber(governing.controlSag, decimals) + " m"},
    };
    // A person on the conductor pulls it below the line the clearances were checked at.
    if (!governing.maintenanceAboveControl.empty())
        lines.push_back({"弧垂超过控制弧垂的检修工况", stateList(governing.maintenanceAboveControl), true});
    const auto &states = checks.states;
    const auto &conductor = governing.conductorFactor;
    const auto &string = governing.stringFactor;
    lines.push_back(factorLine("导线最小安全系数 Kc", conductor,
                               conductor ? states[std::size_t(conductor->state)].requiredConductorFactor : 0));
    lines.push_back(factorLine("绝缘子串最小安全系数 Ks", string,
                               string ? states[std::size_t(string->state)].requiredStringFactor : 0));
    lines.push_back({"设计校核结论", governing.verdict, governing.pass == false});
    lines.push_back({"A侧构架最大拉力(每相)", forceText(governing.largestLoadA)});
    lines.push_back({"B侧构架最大拉力(每相)", forceText(governing.largestLoadB)});
    if (shortCircuit) {
        const int state = shortCircuit->cases[std::size_t(shortCircuit->governingCase)].state;
        lines.push_back({"短路设计荷载(每相)",
                         withState(engine::formatNumber(float(shortCircuit->designLoad_N / 1000), decimals) + " kN", state),
                         shortCircuit->strengthCheck && shortCircuit->strengthCheck->pass == false});
    }
    if (clearances)
        lines.push_back({"电气距离校验", engine::clearanceVerdictText(*clearances), engine::anyClearanceNotMet(*clearances)});
    return lines;
}

} // namespace app
