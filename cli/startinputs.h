#pragma once

#include "app/mainwindowmodel.h"
#include "cli/commandline.h"
#include "options/optionstexts.h"

#include <optional>
#include <ostream>

namespace cli {

/// The inputs of a calculation as the program holds them after its start.
struct StartInputs
{
    app::MainWindowModel window;
    options::OptionsTexts options;
};

/**
 * The last inputs and the options read from the files the command names,
 * the program's defaults where a file is not named. A file that is named on
 * the command line is the user's input: one that is missing, unreadable or
 * damaged is refused with a message on \a notes naming the file, line and
 * field, never replaced by the defaults.
 *
 * @return the inputs, or nothing when a file was refused
 */
std::optional<StartInputs> loadStartInputs(const CommandLine &command, std::ostream &notes);

} // namespace cli
