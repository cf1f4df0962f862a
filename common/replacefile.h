#pragma once

#include <filesystem>
#include <string_view>

namespace common {

/**
 * Replaces the file \a path by one holding exactly \a contents.
 *
 * The bytes go to a new temporary file in the same folder, are flushed to
 * disk and the temporary file is then renamed over \a path, so readers see
 * either the old file or the new one, never a part of it. An existing
 * file's permissions are kept; a new file gets rw-r--r--.
 *
 * @throws std::system_error when any step fails; \a path is then unchanged
 *         and the temporary file is removed
 */
void replaceFileContents(const std::filesystem::path &path, std::string_view contents);

} // namespace common
