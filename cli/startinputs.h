#pragma once

#include "app/model/spanfile.h"
#include "cli/commandline.h"

#include <optional>
#include <ostream>

namespace cli {

/**
 * The inputs of a calculation as the program holds them after its start:
 * the window's texts, the options and, from a span file, its design-check
 * settings and the document whose unknown keys a saved span keeps.
 */
struct StartInputs
{
    app::SpanFile span;
};

/**
 * The inputs of the one span file the command names, or the last inputs and
 * the options read from the files it names, the program's defaults where a
 * file is not named. A file that is named on the command line is the user's
 * input: one that is missing, unreadable or damaged is refused with a
 * message on \a notes naming the file, line, key or field, never replaced by
 * the defaults. Keys a span file lacks take the defaults and are listed in
 * one note on \a notes.
 *
 * @return the inputs, or nothing when a file was refused
 */
std::optional<StartInputs> loadStartInputs(const CommandLine &command, std::ostream &notes);

} // namespace cli
