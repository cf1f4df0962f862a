#include "options/model/optionstexts.h"

#include "options/model/optionsmodel.h"

namespace options {

OptionsTexts calculationTexts(const OptionsModel &model)
{
    OptionsTexts texts;
    for (int row = 1; row <= kConditionCount; ++row) {
        const auto i = static_cast<std::size_t>(row - 1);
        texts.conditionTemperature[i] = model.conditionText({temperatureColumn, row});
        texts.conditionWindSpeed[i] = model.conditionText({windSpeedColumn, row});
    }
    texts.iceIndex = model.iceIndex();
    for (int i = 0; i < kMarkingTemperatureCount; ++i)
        texts.markingTemperature[static_cast<std::size_t>(i)] = model.markingTemperatureText(i);
    for (int box = 0; box < markingStateCount; ++box)
        texts.markingState[static_cast<std::size_t>(box)] = model.markingStates().isTicked(box);
    return texts;
}

void showCalculationTexts(OptionsModel &model, const options::OptionsTexts &texts)
{
    for (int row = 1; row <= kConditionCount; ++row) {
        const auto i = static_cast<std::size_t>(row - 1);
        model.setConditionText({temperatureColumn, row}, texts.conditionTemperature[i]);
        model.setConditionText({windSpeedColumn, row}, texts.conditionWindSpeed[i]);
    }
    model.setIceIndex(texts.iceIndex);
    for (int i = 0; i < kMarkingTemperatureCount; ++i)
        model.setMarkingTemperatureText(i, texts.markingTemperature[static_cast<std::size_t>(i)]);
    for (const int box : markingStateShowOrder)
        model.setMarkingState(box, texts.markingState[static_cast<std::size_t>(box)]);
}

} // namespace options
