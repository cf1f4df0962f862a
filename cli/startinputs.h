#pragma once

#include "app/mainwindowmodel.h"
#include "cli/commandline.h"
#include "options/optionstexts.h"

#include <ostream>

namespace cli {

/// The inputs of a calculation as the program holds them after its start.
struct StartInputs
{
    app::MainWindowModel window;
    options::OptionsTexts options;
};

/**
 * The last inputs and the options read from their files as the program
 * reads them at start, the defaults where a file is not given or missing.
 * Notes on missing files go to \a notes.
 */
StartInputs loadStartInputs(const CommandLine &command, std::ostream &notes);

} // namespace cli
