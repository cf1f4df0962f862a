#pragma once

#include <array>

namespace engine {

/// The 13 load states, in report order; state s has its moment page on page s + 3.
enum LoadState {
    maxTemperature = 0,  ///< 最高温度
    maxLoad,             ///< 最大荷载 (the only iced state)
    maxWind,             ///< 最大风速
    minTemperature,      ///< 最低温度
    lightning,           ///< 雷电电压
    switching,           ///< 操作电压
    powerFrequency,      ///< 工频电压
    threePhaseHot,       ///< 三相上人高温
    threePhaseCold,      ///< 三相上人低温
    singlePhaseHot,      ///< 单相上人高温
    singlePhaseCold,     ///< 单相上人低温
    installation,        ///< 安装
    marking,             ///< 划印
};

constexpr int loadStateCount = 13;
/// States 0..10 are the design states printed in the page-1 summary.
constexpr int designStateCount = 11;
/// Installation and marking are solved at nine stringing temperatures.
constexpr int markingTemperatureCount = 9;
/// Design conditions of the options, in their table order (1 最高温度 .. 9 工频电压).
constexpr int conditionCount = 9;

/// The report label of a state, "最高温度" .. "划印".
const char *loadStateLabel(int state);

/// The design condition (1..9) whose temperature and wind speed feed \a state.
int conditionOfState(int state);

/// True for the four maintenance states that carry a person on the conductor.
constexpr bool isMaintenanceState(int state) { return state >= threePhaseHot && state <= singlePhaseCold; }

} // namespace engine
