#pragma once

#include "app/model/mainwindowmodel.h"
#include "engine/calculationinput.h"
#include "options/model/optionstexts.h"

namespace app {

/**
 * The 160-slot snapshot of one calculation: the texts of \a window and
 * \a options exactly as shown (nothing trimmed), "0" in every unlisted slot.
 * A load whose presence box is cleared gives its header text ("无引下线P2")
 * in its first slot and "0" in the other eight. Slot 19 is the ice index
 * times 5; slots 141..145 hold the marking-state words ("无绝缘子串B" when
 * ticked, "有绝缘子串B" when not, ...).
 */
engine::CalculationInput assembleCalculationInput(const MainWindowModel &window,
                                                  const options::OptionsTexts &options);

/// The snapshot of a first start: window and options at their defaults.
engine::CalculationInput defaultCalculationInput();

} // namespace app
