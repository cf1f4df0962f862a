#pragma once

namespace cli {

/// How tenrix-calc ends; a batch ends with the worst code of its spans.
enum ExitCode {
    success = 0,
    badArguments = 2,
    calculationFailed = 3,
    inputRefused = 4,
    outputFailed = 5,  ///< an output file could not be written
};

} // namespace cli
