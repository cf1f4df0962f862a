#include "engine/calculationinput.h"

namespace engine {

CalculationInput::CalculationInput()
{
    texts.fill("0");
}

} // namespace engine
