#pragma once

#include <string_view>

namespace engine {

/**
 * The text-to-number conversion that turns every input text into a number:
 * optional surrounding blanks, an optional sign, digits with at most one
 * decimal point (".5" and "5." included) and an optional exponent
 * ("1e5", "2.5E-3"). Blanks are spaces and tabs; the decimal point is "."
 * whatever the locale. A value too small for a double gives 0.
 *
 * @throws ConversionError naming the whole \a text for anything else: the
 *         empty text, "abc", "1,5", "0x10", "inf", "nan", "1e", "." and a
 *         value too large for a double ("1e999") included
 */
double toNumber(std::string_view text);

/**
 * The input checks' decimal-number test: not empty; only digits, at most one
 * "." and, when \a allowSign is true, a "-" as the first character. Blanks,
 * "+", exponents and the bytes of multi-byte characters fail.
 * "12", ".5", "5." and "." pass unsigned; "-3" and "-" pass only signed.
 * The text is examined byte by byte: any byte from 0x80 up fails.
 */
bool isDecimalNumber(std::string_view text, bool allowSign);

} // namespace engine
