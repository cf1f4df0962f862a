#pragma once

#include <string>

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
 * The count of units floor(...) is a float: beyond 2^24 units it keeps only
 * float precision, so 123456.789f at 3 decimals gives "123456.792".
 *
 * @param value     the number as the report stores it (single precision)
 * @param decimals  0..7; a count outside is taken as 0 or 7
 * @throws CalculationError (Arithmetic) if \a value is not finite or the
 *         rounded count of units overflows a float; no text is ever "nan"
 *         or "inf"
 */
std::string formatNumber(float value, int decimals);

/**
 * General number format: the shortest text with at most 15 significant
 * digits that reads back as \a value rounded to 15 digits. No trailing
 * zeros, no point for whole numbers, never "-0"; magnitudes of 1e15 and
 * above or non-zero magnitudes below 1e-5 in exponent form "1.5E20",
 * "1E-6" (no plus sign, no leading zeros in the exponent).
 * A temperature of 12.3f widened to double gives "12.3000001907349".
 * Rounding to 15 digits may carry into the next power of ten
 * (999999999999999.9 gives "1E15"); an exact half in the sixteenth digit
 * goes away from zero.
 *
 * @throws CalculationError (Arithmetic) if \a value is not finite
 */
std::string formatGeneral(double value);

/**
 * The general format of a single-precision number: formatGeneral() of the
 * shortest decimal that reads back as \a value, so that a temperature typed
 * as 70.1 prints "70.1" and not the digits of its binary value
 * ("70.0999984741211"). Every float the program prints in general format
 * goes through here, never through a widened double.
 *
 * @throws CalculationError (Arithmetic) if \a value is not finite
 */
std::string formatGeneral(float value);

/// Whole numbers are exact in a double; this keeps formatGeneral(70) unambiguous.
inline std::string formatGeneral(int value)
{
    return formatGeneral(static_cast<double>(value));
}

/**
 * The double written by the shortest decimal text that reads back as the
 * float \a value: what a JSON file prints for a single-precision number, so
 * that 2.965f appears as 2.965 and not as 2.9649999141693115. Reading the
 * text back as a float gives \a value again. -0 gives 0 (a reader should
 * never have to tell the two apart); not-finite values pass through.
 */
double shortestDouble(float value);

} // namespace engine
