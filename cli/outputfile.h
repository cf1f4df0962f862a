#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace cli {

/// The file name that stands for standard output in every text output option.
inline constexpr std::string_view standardOutputName = "-";

/**
 * Writes \a contents to the output \a fileName: onto standard output for
 * standardOutputName, flushed and checked (a full disk or a closed pipe
 * shows only then); otherwise into the file through
 * common::replaceFileContents(), so a failure leaves an old file whole and a
 * device such as /dev/null stays a device. On failure the Chinese message
 * naming the file and the cause goes to \a errors.
 *
 * @return true when everything was written
 */
bool writeOutputFile(const std::string &fileName, std::string_view contents, std::ostream &errors);

} // namespace cli
