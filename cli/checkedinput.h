#pragma once

#include "app/messenger.h"
#include "cli/commandline.h"
#include "engine/calculationinput.h"

#include <optional>
#include <ostream>

namespace cli {

/// Shows the checks' messages as "caption: text" lines and answers OK.
class StreamMessenger : public app::Messenger
{
public:
    explicit StreamMessenger(std::ostream &out) : mOut(out) {}
    app::MessageAnswer show(const app::Message &message) override;

private:
    std::ostream &mOut;
};

/**
 * The calculation input as the program assembles it at start: the last
 * inputs and the options read from their files (the defaults where a file is
 * not given), checked by the load-table and plausibility checks. A named
 * file that is missing, unreadable or damaged is refused with a message on
 * \a notes naming the file, line and field.
 *
 * @return the input, or nothing when a file or a check refused it (its
 *         message shown)
 */
std::optional<engine::CalculationInput> loadCheckedInput(const CommandLine &command, app::Messenger &messenger,
                                                         std::ostream &notes);

} // namespace cli
