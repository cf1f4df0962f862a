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

/**
 * Puts \a texts into the controls of \a model, as a span file opened in the
 * window sets them: grid cells, ice index, marking temperatures (their
 * whole-number rule applies) and the boxes, the governing boxes 4 and 5
 * first so that a box they release takes its own state. The zone list and
 * the snapshot are not touched.
 *
 * @throws std::out_of_range for an ice index outside 0..4
 */
void showCalculationTexts(OptionsModel &model, const app::OptionsTexts &texts);

} // namespace options
