#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace options {

inline constexpr int kMarkingTemperatureCount = 9;

/// The built-in installation/marking temperatures `Edit_AZT1` .. `Edit_AZT9`, degC.
inline constexpr std::array<int, kMarkingTemperatureCount> markingTemperatureDefaults = {
    40, 30, 20, 15, 10, 5, 0, -5, -10};

/**
 * A whole number of 32 bits: optional surrounding blanks, an optional sign
 * and at least one digit. Nothing for anything else: the empty text, a lone
 * sign, a decimal point, letters, a value beyond the 32-bit range.
 */
std::optional<int> parseWholeNumber(std::string_view text);

/**
 * What a marking-temperature edit shows after its text changed to \a text:
 * the whole number written plainly ("007" gives "7"), or \a defaultValue
 * when \a text is not a whole number. So the edits always hold a whole
 * number; typing a lone "-" brings back the default.
 */
std::string normalisedMarkingTemperature(std::string_view text, int defaultValue);

} // namespace options
