#pragma once

#include "app/calculationinputassembly.h"
#include "options/optionsmodel.h"

namespace options {

/**
 * What a calculation takes from the options dialog: the grid's data texts,
 * the ice index, the nine marking-temperature texts and the five boxes,
 * exactly as the controls hold them now, confirmed or not.
 */
app::OptionsTexts calculationTexts(const OptionsModel &model);

} // namespace options
