#include "engine/thermalstrainconstant.h"

#include "engine/numberformatting.h"

#include <charconv>

namespace engine {

namespace {

/// The nominal sections "400/35" at the end of a designation, as aluminium over steel.
std::optional<double> aluminiumSteelRatio(std::string_view sizes)
{
    const std::size_t slash = sizes.find('/');
    if (slash == std::string_view::npos)
        return std::nullopt;
    double aluminium = 0;
    double steel = 0;
    const std::string_view first = sizes.substr(0, slash);
    const std::string_view second = sizes.substr(slash + 1);
    const auto a = std::from_chars(first.data(), first.data() + first.size(), aluminium);
    const auto s = std::from_chars(second.data(), second.data() + second.size(), steel);
    if (a.ec != std::errc() || a.ptr != first.data() + first.size() || s.ec != std::errc()
        || s.ptr != second.data() + second.size() || !(aluminium > 0) || !(steel > 0))
        return std::nullopt;
    return aluminium / steel;
}

} // namespace

std::optional<ThermalStrainChoice> thermalStrainConstantOf(std::string_view designation)
{
    if (designation.empty())
        return std::nullopt;
    const std::size_t dash = designation.rfind('-');
    const std::string_view family = designation.substr(0, dash == std::string_view::npos ? designation.size() : dash);
    const std::string named = "导线" + std::string(designation);
    if (family.find('G') != std::string_view::npos) {
        if (dash == std::string_view::npos)
            return std::nullopt;
        const std::optional<double> ratio = aluminiumSteelRatio(designation.substr(dash + 1));
        if (!ratio)
            return std::nullopt;
        const bool above = *ratio > 6;
        return ThermalStrainChoice{above ? aluminiumThermalStrainConstant : lowRatioAcsrThermalStrainConstant,
                                   named + "标称铝钢截面比" + formatNumber(float(*ratio), 2) + (above ? ">6" : "≤6")};
    }
    if (family.starts_with('T'))
        return ThermalStrainChoice{copperThermalStrainConstant, named + "为铜导线"};
    return ThermalStrainChoice{aluminiumThermalStrainConstant, named + "无钢芯"};
}

} // namespace engine
