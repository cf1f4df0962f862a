#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace app {

/// What a key filter returns for a character that must not reach the box.
inline constexpr char32_t discardedKey = 0;

/**
 * Key filter of the numeric edit boxes: Backspace (8), Enter (13) and the
 * digits always pass; "." passes while \a currentText, the box's whole text
 * whatever part of it is selected, holds no "." yet. Everything else is
 * discarded, the minus sign and the clipboard control characters included.
 *
 * @param currentText  the box's text before the key (UTF-8)
 * @param key          the typed character (a Unicode code point)
 * @return \a key, or discardedKey
 */
char32_t filterNumericKey(std::string_view currentText, char32_t key);

/**
 * Key filter of the load grid: Backspace, Enter, "." (any number of them)
 * and the digits pass; everything else is discarded. Letters reach a cell
 * only through the conductor list or the last-input file.
 */
char32_t filterGridKey(char32_t key);

/**
 * A pasted or dropped text for the numeric box holding \a currentText, taken
 * whole or not at all: without the blanks and line breaks around it (a cell
 * copied from a spreadsheet ends in one), every character must be one that
 * typing would let in, so digits and one "." while neither the box nor the
 * pasted part has one. "220kV#1" is refused, never read as "2201".
 * @return the text to insert, or nothing when the paste is refused
 */
std::optional<std::string> acceptedPastedNumber(std::string_view currentText, std::string_view pasted);

/// The same for a cell of the load grid: digits and any number of ".".
std::optional<std::string> acceptedPastedGridText(std::string_view pasted);

} // namespace app
