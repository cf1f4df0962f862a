#pragma once

#include <filesystem>
#include <mutex>

namespace common {

/**
 * What a program stopped by SIGINT, SIGTERM or SIGHUP leaves behind: every
 * temporary registered here is removed (a folder with what it holds), and
 * the process ends with 128 + the signal's number (130 for Ctrl-C, 143 for
 * SIGTERM), as a shell reports a process killed by it.
 *
 * Registering is free without removeTemporariesOnTermination(): the
 * desktop program leaves its signals alone.
 */
void registerTemporary(const std::filesystem::path &path);
/// \a path is gone or in place under its own name: a signal leaves it.
void forgetTemporary(const std::filesystem::path &path);

/**
 * Blocks the three signals in the calling thread and starts the thread that
 * waits for them. Call it before any other thread starts, so that every
 * thread inherits the blocked signals and only this one receives them.
 */
void removeTemporariesOnTermination();

/**
 * While held, a signal waits: a set of renames that must happen all or not at
 * all, or a temporary created and registered, is never cut in two.
 */
std::unique_lock<std::recursive_mutex> holdTermination();

} // namespace common
