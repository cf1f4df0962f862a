#pragma once

#include "app/model/mainwindowmodel.h"
#include "common/datafile.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace app {

/// The name of the last-input file; the program keeps it in the current directory.
inline constexpr const char *lastInputFileName = "temp_input.dat";

/// Lines of the last-input file.
inline constexpr int lastInputLineCount = 130;

/// The texts of the file, line 1 at index 0, UTF-8.
using LastInputLines = std::array<std::string, lastInputLineCount>;

/// Lines as read back: nothing for a line that is missing or unreadable.
using ReadLastInputLines = std::array<std::optional<std::string>, lastInputLineCount>;

/**
 * The 130 texts that stand for \a window: lines 1..23 the edit boxes in the
 * order of EditBox, 31 and 32 the voltage and conductor list indices (-1
 * without a selection; for a custom conductor line 32 holds "自定义" and
 * line 35 its designation, its figures being lines 6..10), 33 and 34 the
 * two string types, 36 "A" or "B" for the higher structure, 41..46 "1" or "0"
 * for the presence boxes, and the cell of grid column c (1..6), row r (1..9)
 * on line 41 + 10c + r, without surrounding blanks. All other lines are
 * empty; the grid headers are not stored, the presence boxes rebuild them.
 */
LastInputLines lastInputLines(const MainWindowModel &window);

/**
 * Puts read lines back into \a window, in this order: the 23 edit boxes
 * (their change rules run, so a span moves the maintenance point before the
 * stored maintenance point overwrites it, and the bundle count is made an
 * integer); the voltage and conductor selections where the line is a whole
 * number inside the list, without filling the conductor boxes, or a custom
 * conductor named by line 35 where line 32 is "自定义"; the higher
 * structure where line 36 is "A" or "B"; the two string types; the presence boxes, ticked exactly for "1", each change rewriting
 * its column; then the non-empty cells of rows 1..8 and the leads' row 9.
 *
 * A line that is missing or unreadable is not applied: what it would have
 * set keeps its present text.
 */
void applyLastInputLines(MainWindowModel &window, const ReadLastInputLines &lines);

/// A last-input file as read: the readable lines and the first fault, if any.
struct LastInputText
{
    ReadLastInputLines lines;
    std::optional<common::DataFileFault> fault;
};

/**
 * Cuts the bytes of a last-input file into lines: each piece up to a line
 * feed, without surrounding blanks and control characters, decoded from the
 * file code page, or from UTF-8 when the whole file is UTF-8 beyond ASCII
 * (see isUtf8BeyondAscii()). Lines after the 130th are ignored; a 130th line
 * without its line break is read. A line longer than any window text can be,
 * one with a control character inside, and one that is not valid in the code
 * page are unreadable, and the first of them is the fault, naming the field
 * its line holds. A file of other
 * than 130 lines is at fault as a whole.
 */
LastInputText readLastInputText(std::string_view bytes);

/// The readable lines of readLastInputText().
ReadLastInputLines splitLastInputFile(std::string_view bytes);


/**
 * Writes \a window to \a file: 130 lines, each ended by CR LF, in the file
 * code page. The old file is replaced only once the new one is complete, so
 * a failed write keeps it whole. A line break or other control character
 * inside a text is written as a blank, which keeps every text on its line.
 *
 * @return true when the file was written; else the cause, in the user's words
 */
struct LastInputSave
{
    std::string failure;  ///< common::fileFailureReason() for writing: "没有权限"; empty when written

    explicit operator bool() const { return failure.empty(); }
};
LastInputSave saveLastInputs(const MainWindowModel &window, const std::filesystem::path &file);

/// How the lenient start read the last-input file.
struct LastInputLoad
{
    bool read = false;   ///< the file was there and could be read
    std::string damage;  ///< common::faultMessage() of a damaged file; empty when sound

    explicit operator bool() const { return read; }
};

/**
 * Reads \a file and applies it to \a window, the way the program starts.
 * Nothing is changed when it does not exist, is no regular file or cannot
 * be read; a damaged file is applied as far as its lines are readable (one
 * over a megabyte not at all), and the result says what is damaged.
 */
LastInputLoad loadLastInputs(MainWindowModel &window, const std::filesystem::path &file);

/**
 * Reads \a file, which the user named, and applies it to \a window only when
 * it is whole: a regular, readable file of exactly 130 readable lines.
 *
 * @throws common::DataFileError naming the file, and the line and field at
 *         fault; \a window is then unchanged
 */
void loadNamedLastInputs(MainWindowModel &window, const std::filesystem::path &file);

} // namespace app
