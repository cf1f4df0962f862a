#pragma once

#include "common/messenger.h"

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

} // namespace cli
