#pragma once

#include "engine/calculationinput.h"

#include <string>

namespace engine {

/**
 * The label under which the user sees slot \a slotIndex: the caption of its
 * box in the main window ("跨距L(m)", "绝缘子串A 长度(mm)"), its load-table
 * cell ("引下线P2 导线外径(mm)") or its place in the options
 * ("最低温度 导线温度(℃)", "安装划印计算温度3(℃)"). Slots without a field
 * give "第N项输入".
 */
std::string fieldLabel(int slotIndex);

/**
 * The value of slot \a slotIndex in double precision: toNumber().
 *
 * @throws ConversionError naming the field and the text
 */
double slotValue(const CalculationInput &input, int slotIndex);

/**
 * The value of slot \a slotIndex as the engine computes with it: toNumber()
 * rounded to single precision.
 *
 * @throws ConversionError naming the field and the text, for example
 *         "跨距L(m): “” 不是有效的数值", when the text is not a number or its
 *         magnitude does not fit a float
 */
float slotNumber(const CalculationInput &input, int slotIndex);

} // namespace engine
