#pragma once

#include "app/model/calculationinputassembly.h"
#include "app/model/jsonfieldreader.h"
#include "app/model/mainwindowmodel.h"
#include "options/model/designcheckoptions.h"
#include "options/model/optionssnapshot.h"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace app {

/// The extension of span files.
inline constexpr const char *spanFileExtension = ".tenrix";

/// The "format" every span file names, and the newest version this program reads and writes.
inline constexpr const char *spanFileFormat = "tenrix-span";
inline constexpr int spanFileVersion = 1;

/// Span files larger than this are refused unread; a real one has about 4 kB.
inline constexpr std::size_t maxSpanFileBytes = 1 << 20;

/**
 * One span: every input of the main window and every setting of the options
 * dialog, as the controls hold them, with the options' reserved numbers so
 * that default.dat written from the span keeps them.
 *
 * \a document is the file as it was read (an empty object for a new span):
 * writing puts the known values into a copy of it, so that keys this
 * version does not know, at any depth, are written back where they were.
 */
struct SpanFile
{
    MainWindowModel window;
    options::OptionsTexts options;
    options::ReservedNumbers reserved;
    nlohmann::ordered_json document = nlohmann::ordered_json::object();
    /// The design check's strengths, factors and switch, under the key "designCheck".
    options::DesignCheckOptions designCheck;
};

/// A span as read, and the keys that were missing and took the program's defaults.
struct ReadSpan
{
    SpanFile span;
    std::vector<std::string> missingKeys;
};

/**
 * The span file text of \a span: UTF-8 JSON, indented by two blanks, ended
 * by a line feed. Keys name the quantity and its unit ("spanLength_m");
 * every text of the window is a JSON string exactly as typed.
 *
 * @throws nlohmann::json::type_error for a text that is not valid UTF-8
 */
std::string spanFileText(const SpanFile &span);

/**
 * Reads a span file text; \a fileName names the file in messages. Values
 * start from the program's built-in defaults (not from default.dat) and are
 * put into the window's model with the rules of its controls, in the order
 * the last-input file uses, except that every stored cell is written, empty
 * ones included, so that what was saved comes back unchanged.
 *
 * @throws SpanFileError for a text that is not JSON, does not name the
 *         span format, has a newer version, or holds a value of the wrong
 *         type or outside its list
 */
ReadSpan parseSpanFile(std::string_view text, const std::string &fileName);

/**
 * Reads the span file \a path.
 * @throws SpanFileError also when it is missing, no regular file, unreadable
 *         or larger than maxSpanFileBytes
 */
ReadSpan readSpanFile(const std::filesystem::path &path);

/**
 * Writes \a span to \a path: a temporary file beside it, flushed to disk,
 * then renamed over it, so a failed write keeps the old file whole.
 *
 * @throws common::FileWriteError when the file cannot be written
 */
void writeSpanFile(const std::filesystem::path &path, const SpanFile &span);

/**
 * The one note that lists \a missingKeys of \a fileName, or an empty text
 * when none is missing.
 */
std::string missingKeysNote(const std::string &fileName, const std::vector<std::string> &missingKeys);

} // namespace app
