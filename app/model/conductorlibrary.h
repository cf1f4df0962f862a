#pragma once

#include "app/model/customconductor.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace app {

/// The name of the user's conductor library, kept beside the user's settings.
inline constexpr const char *conductorLibraryFileName = "conductors.json";

/// The "format" every library file names, and the version this program reads and writes.
inline constexpr const char *conductorLibraryFormat = "tenrix-conductors";
inline constexpr int conductorLibraryVersion = 1;

/// Library files larger than this are refused unread; a hundred conductors take about 20 kB.
inline constexpr std::size_t maxConductorLibraryBytes = 1 << 20;

/// The engineer's own conductors, in the order they were first kept; designations are unique.
using ConductorLibrary = std::vector<CustomConductor>;

/// A library file that cannot be read as written; what() is the message to show.
class ConductorLibraryError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/**
 * The text of \a library: UTF-8 JSON, indented by two blanks, ended by a
 * line feed, e.g.
 *
 *     {"format": "tenrix-conductors", "version": 1, "conductors": [
 *       {"type": "JL/G1A-400/35", "diameter_mm": "26.82", ...}]}
 *
 * Every figure is a JSON string holding the text as typed, so that "38.40"
 * comes back as "38.40".
 */
std::string conductorLibraryText(const ConductorLibrary &library);

/**
 * Reads a library text; \a fileName names the file in messages. Refused as
 * a whole, with the file, the conductor (by position, from 1) and the key:
 * what parseJsonText() refuses; another format or a newer version; a key
 * missing, unknown or of the wrong type; a conductor whose
 * customConductorFault() is not empty; a designation held twice.
 *
 * @throws ConductorLibraryError
 */
ConductorLibrary parseConductorLibrary(std::string_view text, const std::string &fileName);

/**
 * Reads the library \a path; a file that does not exist is an empty library.
 * @throws ConductorLibraryError also when it is no regular file, unreadable
 *         or larger than maxConductorLibraryBytes
 */
ConductorLibrary readConductorLibrary(const std::filesystem::path &path);

/**
 * Writes \a library to \a path through a temporary file renamed over it
 * (common::replaceFileContents()), creating the folder when missing.
 * @throws common::FileWriteError when it cannot be written; the old file stays whole
 */
void writeConductorLibrary(const std::filesystem::path &path, const ConductorLibrary &library);

/// The conductor of \a library named \a designation, or nullptr.
const CustomConductor *findConductor(const ConductorLibrary &library, std::string_view designation);

/// Puts \a conductor into \a library, replacing the one of the same designation in its place.
void keepConductor(ConductorLibrary &library, const CustomConductor &conductor);

/// Removes the conductor named \a designation; false when there is none.
bool removeConductor(ConductorLibrary &library, std::string_view designation);

} // namespace app
