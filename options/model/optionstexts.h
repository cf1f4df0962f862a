#pragma once

#include <array>
#include <string>

namespace options {

class OptionsModel;

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

    bool operator==(const OptionsTexts &) const = default;
};

/**
 * What a calculation takes from the options dialog: the grid's data texts,
 * the ice index, the nine marking-temperature texts and the five boxes,
 * exactly as the controls hold them now, confirmed or not.
 */
OptionsTexts calculationTexts(const OptionsModel &model);

/**
 * Puts \a texts into the controls of \a model, as a span file opened in the
 * window sets them: grid cells, ice index, marking temperatures (their
 * whole-number rule applies) and the boxes, the governing boxes 4 and 5
 * first so that a box they release takes its own state. The zone list and
 * the snapshot are not touched.
 *
 * @throws std::out_of_range for an ice index outside 0..4
 */
void showCalculationTexts(OptionsModel &model, const options::OptionsTexts &texts);

} // namespace options
