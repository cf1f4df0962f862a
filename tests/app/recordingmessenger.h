#pragma once

#include "common/messenger.h"

#include <vector>

/// Records every message a check shows and answers OK.
class RecordingMessenger : public common::Messenger
{
public:
    common::MessageAnswer show(const common::Message &message) override
    {
        messages.push_back(message);
        return common::MessageAnswer::Ok;
    }

    std::vector<common::Message> messages;
};
