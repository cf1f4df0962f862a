#pragma once

#include "common/datafile.h"
#include "options/model/optionssnapshot.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace options {

/// The options file's name; it is opened in the process's current directory.
inline constexpr const char *optionsFileName = "default.dat";

/**
 * A default.dat longer than this is not read at all (result false). A file
 * the program wrote is under 2 KiB even with the largest numbers a float
 * holds; the bound keeps a stray large file from being loaded into memory.
 */
inline constexpr std::size_t maxOptionsFileSize = 64 * 1024;

/**
 * The text of default.dat: the 40 numbers in file order, each widened to
 * double and written as fixed point with six decimals, two blanks and CR LF
 * ("70.000000  \r\n", "-40.000000  \r\n"), nothing before or after.
 * The decimal point is always "." whatever the process locale.
 *
 * @throws std::domain_error if a number is not finite (a snapshot never
 *         holds one: every way into it checks)
 */
std::string formatOptionsText(const OptionsSnapshot &snapshot);

/**
 * Reads the numbers of a default.dat text into \a snapshot, position by
 * position in file order, the way the file has always been read with the
 * C scan format "%f  \n":
 *
 * - Before each position: when the end of the text has already been met,
 *   stop and return false. Positions read so far keep their new values.
 * - A position skips white space, then takes the longest run of characters
 *   that is or begins a decimal number (sign, digits, one point, exponent).
 *   When that run is a whole number it is stored (single precision) and the
 *   following white space is skipped; otherwise the run is consumed, the
 *   position keeps its value and the next position starts right there.
 *   So text that is not a number stops the reading for good: it and all
 *   later positions keep what they held, and the result is still true.
 * - A number outside the range of a float is consumed but not stored.
 * - Hexadecimal numbers, "inf" and "nan" are not numbers here.
 *
 * The end counts as met once a look-ahead ran past the last character, so a
 * file of 39 lines ends early and one of 40 lines is read in full.
 *
 * @return true when all 40 positions were read
 */
bool scanOptionsText(std::string_view text, OptionsSnapshot &snapshot);

/**
 * Reads \a path into \a snapshot with scanOptionsText().
 *
 * @return false, with \a snapshot unchanged, when the file is missing, is
 *         no regular file, cannot be read or is larger than
 *         maxOptionsFileSize; otherwise the
 *         result of scanOptionsText()
 */
bool readOptionsFile(const std::filesystem::path &path, OptionsSnapshot &snapshot);

/**
 * The first fault of a default.dat text that the user named, or nothing when
 * it is whole: exactly 40 lines (the last may lack its line break), each one
 * decimal number a float holds, with blanks around it. The fault names the
 * line and its setting (line 12: "最低温度 计算风速(m/s)").
 */
std::optional<common::DataFileFault> optionsTextFault(std::string_view text);

/**
 * Reads \a path, which the user named, into \a snapshot only when it is
 * whole (see optionsTextFault()).
 *
 * @throws common::DataFileError naming the file, and the line and setting at fault;
 *         \a snapshot is then unchanged
 */
void readNamedOptionsFile(const std::filesystem::path &path, OptionsSnapshot &snapshot);

/**
 * Writes \a snapshot to \a path as formatOptionsText(). The text goes to a
 * temporary file in the same folder, which then replaces \a path, so a
 * failed write leaves the previous file whole.
 *
 * @throws common::FileWriteError when the file cannot be written
 */
void writeOptionsFile(const std::filesystem::path &path, const OptionsSnapshot &snapshot);

} // namespace options
