#pragma once

#include <string>
#include <string_view>

namespace engine {

/**
 * The report's number text: \a value rounded half up to \a decimals decimals.
 *
 * The rounding step floor(value * 10^decimals + 0.5) is formed in extended
 * precision from the exact single-precision value and held as a
 * single-precision number; the quotient by 10^decimals is then written by
 * formatGeneral(). So 2.675f gives "2.67" (it lies below 2.675), -0.004f
 * gives "0" without sign and 17 at 0 decimals gives "17".
 *
 * @param value     the number as the report stores it (single precision)
 * @param decimals  0..7
 */
std::string formatNumber(float value, int decimals);

/**
 * General number format: the shortest text with at most 15 significant
 * digits that reads back as \a value rounded to 15 digits. No trailing
 * zeros, no point for whole numbers, never "-0"; magnitudes of 1e15 and
 * above or non-zero magnitudes below 1e-5 in exponent form "1.5E20",
 * "1E-6" (no plus sign, no leading zeros in the exponent).
 * A temperature of 12.3f widened to double gives "12.3000001907349".
 */
std::string formatGeneral(double value);

/**
 * The text-to-number conversion that turns every input text into a number:
 * optional surrounding blanks, an optional sign, digits with at most one
 * decimal point (".5" and "5." included) and an optional exponent
 * ("1e5", "2.5E-3"). Anything else, the empty text, "inf", "nan" and a value
 * too large for a double included, throws ConversionError naming the text.
 */
double toNumber(std::string_view text);

/**
 * The input checks' decimal-number test: not empty; only digits, at most one
 * "." and, when \a allowSign is true, a "-" as the first character. Blanks,
 * "+", exponents and the bytes of multi-byte characters fail.
 * "12", ".5", "5." and "." pass unsigned; "-3" and "-" pass only signed.
 */
bool isDecimalNumber(std::string_view text, bool allowSign);

} // namespace engine
