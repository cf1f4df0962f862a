#pragma once

#include "app/model/calculationinputassembly.h"
#include "app/model/jsonfieldreader.h"
#include "app/model/mainwindowmodel.h"
#include "options/model/clearanceoptions.h"
#include "options/model/designcheckoptions.h"
#include "options/model/optionssnapshot.h"
#include "options/model/shortcircuitoptions.h"

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
    /// The short-circuit inputs, under the key "shortCircuit". A file
    /// without the section asks for no short circuit, and no key of it is
    /// noted as missing.
    options::ShortCircuitOptions shortCircuit;
    /// The air distances to check, under the key "clearances"; a file
    /// without the section checks none and misses nothing.
    options::ClearanceOptions clearances;
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
 * every text of the window is a JSON string as typed, except that a control
 * character (hasControlCharacter()) is stored as a blank, as in the
 * last-input file, since the reader refuses it.
 *
 * @throws nlohmann::json::type_error for a text that is not valid UTF-8
 */
std::string spanFileText(const SpanFile &span);

/**
 * Reads a span file text; \a fileName names the file in messages. Values
 * start from the program's built-in defaults (not from default.dat) and are
 * put into the window's model with the rules of its controls, in the order
 * the last-input file uses, except that every stored cell is written, empty
 * ones included, so that what was saved comes back unchanged. The book's
 * data (section "book", MainWindowModel::book()) may be missing in part or
 * whole: such fields are empty and are not among the missing keys.
 *
 * @throws SpanFileError for a text that is not JSON (parseJsonText(): too
 *         deep, a number beyond double, a key twice), does not name the
 *         span format, has a newer version, holds a value of the wrong
 *         type or outside its list, a text with a control character, a
 *         name longer than spanNameMaxLength characters, a bundle count
 *         that is no whole number as written ("2.0", "2 ", "1e30"), or
 *         unknown keys that would make the saved file larger than
 *         maxSpanFileBytes
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
 * @throws common::FileWriteError when the file cannot be written, or
 *         (EFBIG) when its text would exceed maxSpanFileBytes
 */
void writeSpanFile(const std::filesystem::path &path, const SpanFile &span);

/**
 * The refusal of \a span, read from \a fileName, whose calculation would
 * meet a text it cannot read as a number (empty, "abc", beyond single
 * precision), naming the file, the key and the field:
 * "跨线文件 F 中 "span.heightDifference_m"(高差h(m)) 的值为空,应为数值.";
 * an empty text when there is none. The texts examined are those the
 * engine reads (engine::numberSlots): a cleared load's fields are not.
 * When a short circuit is asked for, its texts follow, each refused as
 * options::firstBadShortCircuitField() refuses it:
 * "跨线文件 F 中 "shortCircuit.phaseSpacing_m"(相间距离a(m)) 的值 "abc" 不是大于0的数值."
 * Then the clearances, each refused as options::firstBadClearanceField()
 * refuses it: "跨线文件 F 中 "clearances.phaseSpacing_m"(相间距离a(m)) 的值为空,
 * 应为大于0的数值(已填写需要它的要求距离)."
 * A file may hold such a text, since the window may: it is refused when
 * the span is computed, not when it is opened.
 */
std::string unreadableNumberMessage(const SpanFile &span, const std::string &fileName);

/**
 * The one note that lists \a missingKeys of \a fileName, or an empty text
 * when none is missing.
 */
std::string missingKeysNote(const std::string &fileName, const std::vector<std::string> &missingKeys);

} // namespace app
