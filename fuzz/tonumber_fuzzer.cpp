// Every input text becomes a number through toNumber(): it either refuses
// the text or gives a finite value whose report texts convert back.
#include "engine/calculationerror.h"
#include "engine/numberconversion.h"
#include "engine/numberformatting.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    engine::isDecimalNumber(text, true);
    double value = 0;
    try {
        value = engine::toNumber(text);
    } catch (const engine::ConversionError &) {
        return 0;
    }
    if (!std::isfinite(value))
        std::abort();
    try {
        engine::toNumber(engine::formatGeneral(value));
    } catch (const engine::ConversionError &) {
        std::abort();
    }
    if (!(std::fabs(value) <= 3.0e38))
        return 0;
    std::string rounded;
    try {
        rounded = engine::formatNumber(static_cast<float>(value), 3);
    } catch (const engine::CalculationError &) {
        return 0;   // the rounding step left the float range: refused, not printed
    }
    try {
        engine::toNumber(rounded);
    } catch (const engine::ConversionError &) {
        std::abort();
    }
    return 0;
}
