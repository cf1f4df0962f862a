#include "options/model/optionstexts.h"

#include "options/model/optionsmodel.h"

namespace options {

OptionsTexts calculationTexts(const OptionsModel &model)
{
    OptionsTexts texts;
    for (int row = 1; row <= kConditionCount; ++row) {
        const auto i = static_cast<std::size_t>(row - 1);
        texts.conditionTemperature[i] = model.conditionText({kTemperatureColumn, row});
        texts.conditionWindSpeed[i] = model.conditionText({kWindSpeedColumn, row});
    }
    texts.iceIndex = model.iceIndex();
    for (int i = 0; i < kMarkingTemperatureCount; ++i)
        texts.markingTemperature[static_cast<std::size_t>(i)] = model.markingTemperatureText(i);
    for (int box = 0; box < kMarkingStateCount; ++box)
        texts.markingState[static_cast<std::size_t>(box)] = model.markingStates().isTicked(box);
    return texts;
}

void showCalculationTexts(OptionsModel &model, const options::OptionsTexts &texts)
{
    for (int row = 1; row <= kConditionCount; ++row) {
        const auto i = static_cast<std::size_t>(row - 1);
        model.setConditionText({kTemperatureColumn, row}, texts.conditionTemperature[i]);
        model.setConditionText({kWindSpeedColumn, row}, texts.conditionWindSpeed[i]);
    }
    model.setIceIndex(texts.iceIndex);
    for (int i = 0; i < kMarkingTemperatureCount; ++i)
        model.setMarkingTemperatureText(i, texts.markingTemperature[static_cast<std::size_t>(i)]);
    for (const int box : kMarkingStateShowOrder)
        model.setMarkingState(box, texts.markingState[static_cast<std::size_t>(box)]);
}

} // namespace options
