#include "engine/calculationinput.h"

namespace engine {

CalculationInput::CalculationInput()
{
    slots.fill("0");
}

} // namespace engine
