#include "cli/streammessenger.h"

namespace cli {

common::MessageAnswer StreamMessenger::show(const common::Message &message)
{
    mOut << message.caption << ": " << message.text << '\n';
    return common::MessageAnswer::Ok;
}

} // namespace cli
