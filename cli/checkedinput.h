#pragma once

#include "common/messenger.h"
#include "cli/commandline.h"
#include "engine/calculationinput.h"

#include <optional>
#include <ostream>

namespace cli {

/// Shows the checks' messages as "caption: text" lines and answers OK.
class StreamMessenger : public common::Messenger
{
public:
    explicit StreamMessenger(std::ostream &out) : mOut(out) {}
    common::MessageAnswer show(const common::Message &message) override;

private:
    std::ostream &mOut;
};

/**
 * The calculation input as the program assembles it at start: the last
 * inputs and the options read from their files (the defaults where a file is
 * not given or missing), checked by the load-table and plausibility checks.
 * Notes on missing files go to \a notes.
 *
 * @return the input, or nothing when a check refused it (its message shown)
 */
std::optional<engine::CalculationInput> loadCheckedInput(const CommandLine &command, common::Messenger &messenger,
                                                         std::ostream &notes);

} // namespace cli
