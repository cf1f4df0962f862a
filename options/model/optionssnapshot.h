#pragma once

#include <array>

namespace options {

/// Number of numbers in a snapshot, and of lines in default.dat.
inline constexpr int snapshotSize = 40;

/**
 * The options as numbers: what default.dat holds, one number per line, in
 * the order of the members below (four groups of ten).
 *
 * The reserved numbers are never set from the dialog; they pass unchanged
 * from a loaded file to the next saved one, so that a file written by a
 * later version keeps what it stored there.
 */
struct OptionsSnapshot
{
    std::array<float, 9> conditionTemperature{}; ///< grid column 1, rows 1..9, degC
    float iceThickness = 0;                      ///< ice thickness, mm (ice index x 5)
    std::array<float, 9> conditionWindSpeed{};   ///< grid column 2, rows 1..9, m/s
    float reserved1 = 0;
    std::array<float, 9> markingTemperature{};   ///< installation/marking temperatures, degC
    float reserved2 = 0;
    std::array<float, 5> markingState{};         ///< marking-state boxes: 1 ticked, 0 not
    std::array<float, 5> reserved3{};

    bool operator==(const OptionsSnapshot &) const = default;
};

/**
 * The reserved numbers of a snapshot on their own: what a span file carries
 * so that default.dat exported from it keeps them.
 */
struct ReservedNumbers
{
    float reserved1 = 0;
    float reserved2 = 0;
    std::array<float, 5> reserved3{};

    bool operator==(const ReservedNumbers &) const = default;
};

ReservedNumbers reservedNumbers(const OptionsSnapshot &snapshot);
void setReservedNumbers(OptionsSnapshot &snapshot, const ReservedNumbers &reserved);

/**
 * The snapshot as it stands when the program starts, before default.dat is
 * read. Rows 8 and 9 of the temperature column hold 15 here although the
 * grid shows 25: they only show through when a file ends early or holds
 * text from that position on.
 */
OptionsSnapshot initialOptionsSnapshot();

/// The 40 numbers in file order.
std::array<float, snapshotSize> toFileOrder(const OptionsSnapshot &snapshot);

/// The snapshot whose file order is \a values.
OptionsSnapshot fromFileOrder(const std::array<float, snapshotSize> &values);

} // namespace options
