#include "engine/shortcircuitthermal.h"

#include "engine/calculationerror.h"

#include <cmath>
#include <string>

namespace engine {

namespace {

void requirePositive(double value, const char *quantity)
{
    if (!(value > 0) || !std::isfinite(value))
        throw CalculationError(CalculationError::Kind::Arithmetic,
                               std::string("热稳定校验的") + quantity + "必须是大于0的数值.");
}

} // namespace

ThermalWithstand thermalWithstand(double initialCurrent_A, double duration_s, double coefficient, int subConductors,
                                  double subConductorArea_mm2)
{
    requirePositive(initialCurrent_A, "短路电流I″k3");
    requirePositive(duration_s, "短路持续时间Tk");
    requirePositive(coefficient, "热稳定系数C");
    requirePositive(subConductors, "分裂根数n");
    requirePositive(subConductorArea_mm2, "子导线截面As");
    ThermalWithstand withstand;
    withstand.duration_s = duration_s;
    withstand.coefficient = coefficient;
    withstand.minimumSection_mm2 = initialCurrent_A * std::sqrt(duration_s) / coefficient;
    withstand.section_mm2 = subConductors * subConductorArea_mm2;
    if (!std::isfinite(withstand.minimumSection_mm2) || !std::isfinite(withstand.section_mm2))
        throw CalculationError(CalculationError::Kind::Arithmetic, "热稳定校验的截面超出可计算的范围,请检查输入数据.");
    withstand.met = withstand.section_mm2 >= withstand.minimumSection_mm2;
    return withstand;
}

} // namespace engine
