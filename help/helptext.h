#pragma once

#include <array>
#include <string_view>

namespace help {

/// Lines of the help text.
inline constexpr int helpLineCount = 63;

/**
 * The help text, one paragraph per line, UTF-8: the method, the range of
 * validity, the functions, the course of the calculation, hints on the
 * inputs, notes on the results, span files and batches, the design check
 * and the exact catenary, the book and its pages, and the sources of the
 * built-in data. Section
 * heads begin with a Chinese numeral; item lines begin with two blanks.
 */
const std::array<std::string_view, helpLineCount> &helpLines();

} // namespace help
