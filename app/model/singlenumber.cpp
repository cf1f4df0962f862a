#include "app/model/singlenumber.h"

#include "engine/calculationerror.h"
#include "engine/numberconversion.h"

#include <cmath>
#include <limits>
#include <string>

namespace app {

float toSingleNumber(std::string_view text)
{
    const double value = engine::toNumber(text);
    // Narrowing a double beyond the float range is undefined, so test first.
    if (std::fabs(value) > std::numeric_limits<float>::max())
        throw engine::ConversionError(std::string(text));
    return static_cast<float>(value);
}

} // namespace app
