#include "engine/inputfields.h"

#include "engine/calculationerror.h"
#include "engine/numberconversion.h"

#include <array>
#include <cmath>
#include <limits>

namespace engine {

namespace {

// The nine design conditions in the order of the options' grid.
constexpr std::array<const char *, 9> conditionNames{
    "最高温度", "最低温度", "检修高温", "检修低温", "最大风速", "最大覆冰", "雷电电压", "操作电压", "工频电压"};

constexpr std::array<const char *, leadCount> kLoadNames{
    "左跳线PA", "引下线P1", "引下线P2", "引下线P3", "引下线P4", "右跳线PB"};

// Load-table rows 1..9, as the grid's first column shows them.
constexpr std::array<const char *, 9> loadRowLabels{
    "导线型号", "单根自重(kg/m)", "导线外径(mm)", "分裂根数", "次档距(m)",
    "间隔棒重(kg)", "导线长度(m)", "金具重(kg)", "相对距离(m)"};

constexpr std::array<const char *, 6> stringFieldLabels{
    "型号", "长度(mm)", "无冰时重量(kg)", "覆冰时重量(kg)", "无冰时受风面积(m2)", "覆冰时受风面积(m2)"};

std::string singleLabel(int slotIndex)
{
    switch (slotIndex) {
    case slot::spanTitle: return "跨线名称";
    case slot::voltageLevel: return "电压等级(kV)";
    case slot::spanLength: return "跨距L(m)";
    case slot::heightDifference: return "高差h(m)";
    case slot::higherStructure: return "较高一侧";
    case slot::controlSag: return "控制弧垂f(m)";
    case slot::maintenancePoint: return "检修点距左侧(m)";
    case slot::iceThickness: return "覆冰厚度(mm)";
    case slot::conductorType: return "主导线型号";
    case slot::conductorDiameter: return "计算外径(mm)";
    case slot::conductorUnitWeight: return "单根自重(kg/m)";
    case slot::bundleCount: return "分裂根数";
    case slot::expansionCoefficient: return "温度线膨胀系数(10⁻⁶/℃)";
    case slot::elasticModulus: return "弹性模量(N/mm2)";
    case slot::conductorArea: return "单根截面(mm2)";
    case slot::subSpan: return "次档距(m)";
    case slot::spacerWeight: return "间隔棒重(kg)";
    default: return {};
    }
}

bool within(int slotIndex, int first, std::size_t count)
{
    return slotIndex >= first && slotIndex < first + static_cast<int>(count);
}

} // namespace

std::string fieldLabel(int slotIndex)
{
    if (within(slotIndex, slot::conditionTemperature, conditionNames.size()))
        return std::string(conditionNames[slotIndex - slot::conditionTemperature]) + " 导线温度(℃)";
    if (within(slotIndex, slot::conditionWindSpeed, conditionNames.size()))
        return std::string(conditionNames[slotIndex - slot::conditionWindSpeed]) + " 计算风速(m/s)";
    if (within(slotIndex, slot::stringA, stringFieldLabels.size()))
        return std::string("绝缘子串A ") + stringFieldLabels[slotIndex - slot::stringA];
    if (within(slotIndex, slot::stringB, stringFieldLabels.size()))
        return std::string("绝缘子串B ") + stringFieldLabels[slotIndex - slot::stringB];
    if (within(slotIndex, slot::leads, 10 * leadCount)) {
        const int lead = (slotIndex - slot::leads) / 10;
        const int field = (slotIndex - slot::leads) % 10;
        if (field < static_cast<int>(loadRowLabels.size()))
            return std::string(kLoadNames[lead]) + " " + loadRowLabels[field];
    }
    if (within(slotIndex, slot::markingTemperature, conditionNames.size()))
        return "安装划印计算温度" + std::to_string(slotIndex - slot::markingTemperature + 1) + "(℃)";
    std::string label = singleLabel(slotIndex);
    if (label.empty())
        label = "第" + std::to_string(slotIndex) + "项输入";
    return label;
}

double slotValue(const CalculationInput &input, int slotIndex)
{
    try {
        return toNumber(input[slotIndex]);
    } catch (const ConversionError &) {
        throw ConversionError(input[slotIndex], fieldLabel(slotIndex));
    }
}

float slotNumber(const CalculationInput &input, int slotIndex)
{
    const double value = slotValue(input, slotIndex);
    // Narrowing a double beyond the float range is undefined, so test first.
    if (!(std::fabs(value) <= std::numeric_limits<float>::max()))
        throw ConversionError(input[slotIndex], fieldLabel(slotIndex));
    return static_cast<float>(value);
}

} // namespace engine
