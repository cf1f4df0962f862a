#pragma once

#include "cli/commandline.h"

#include <ostream>

namespace cli {

/**
 * Checks, before anything is computed, that every output the command names
 * could be written: its folder exists and may be written, and an existing
 * target is no folder and may be written (a page set by its first page, a
 * page folder by the folder or the nearest one above it that exists).
 * Standard output is not checked here. Each fault is told on \a errors.
 *
 * @return true when no target was found at fault
 */
bool checkOutputTargets(const CommandLine &command, std::ostream &errors);

} // namespace cli
