#pragma once

#include "app/mainwindowmodel.h"
#include "engine/calculationinput.h"

#include <array>
#include <string>

namespace app {

/**
 * What the calculation reads from the options dialog, as its controls show
 * it. A default instance holds the dialog's built-in defaults.
 */
struct OptionsTexts
{
    /// Condition grid column 1, rows 1..9 (最高温度 .. 工频电压), degC.
    std::array<std::string, 9> conditionTemperature{"70", "-40", "40", "-10", "10",
                                                    "-5", "15", "25", "25"};
    /// Condition grid column 2, rows 1..9, m/s.
    std::array<std::string, 9> conditionWindSpeed{"0", "10", "10", "10", "30",
                                                  "10", "10", "15", "10"};
    /// Ice thickness index 0..4 for 0, 5, 10, 15, 20 mm.
    int iceIndex = 2;
    /// Edit_AZT1 .. Edit_AZT9, degC.
    std::array<std::string, 9> markingTemperature{"40", "30", "20", "15", "10",
                                                  "5", "0", "-5", "-10"};
    /// CheckBox_huayin1 .. CheckBox_huayin5.
    std::array<bool, 5> markingState{true, true, true, false, false};
};

/**
 * The 160-slot snapshot of one calculation: the texts of \a window and
 * \a options exactly as shown (nothing trimmed), "0" in every unlisted slot.
 * A load whose presence box is cleared gives its header text ("无引下线P2")
 * in its first slot and "0" in the other eight. Slot 19 is the ice index
 * times 5; slots 141..145 hold the marking-state words ("无绝缘子串B" when
 * ticked, "有绝缘子串B" when not, ...).
 */
engine::CalculationInput assembleCalculationInput(const MainWindowModel &window,
                                                  const OptionsTexts &options);

/// The snapshot of a first start: window and options at their defaults.
engine::CalculationInput defaultCalculationInput();

} // namespace app
