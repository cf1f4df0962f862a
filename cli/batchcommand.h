#pragma once

#include "cli/commandline.h"

namespace cli {

/// True when the command computes a batch: several span files, a folder of them, or a summary.
bool isBatch(const CommandLine &command);

/**
 * Computes the span files and folders of \a command on all cores and writes
 * the summaries and the joined PDF it asks for. Each span that is refused or
 * fails is named on standard error with its reason; the others are written.
 * Progress goes to standard error when that is a terminal.
 *
 * @return the worst exit code of the spans, or outputFailed when an output
 *         could not be written; badArguments for outputs a batch cannot give
 */
int runBatchCommand(const CommandLine &command, int &argc, char *argv[]);

} // namespace cli
