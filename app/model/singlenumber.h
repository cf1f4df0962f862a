#pragma once

#include <string_view>

namespace app {

/**
 * \a text as the single-precision number the engine will compute with:
 * engine::toNumber() rounded to float.
 *
 * @throws engine::ConversionError naming \a text when it is not a number or
 *         its magnitude does not fit a float (above about 3.4E38), so that no
 *         check ever compares an infinite value
 */
float toSingleNumber(std::string_view text);

} // namespace app
