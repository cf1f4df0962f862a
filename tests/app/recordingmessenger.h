#pragma once

#include "common/messenger.h"

#include <deque>
#include <vector>

/// Records every message shown and gives the scripted answers in turn, then OK.
class RecordingMessenger : public common::Messenger
{
public:
    common::MessageAnswer show(const common::Message &message) override
    {
        messages.push_back(message);
        if (answers.empty())
            return common::MessageAnswer::Ok;
        const common::MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<common::Message> messages;
    std::deque<common::MessageAnswer> answers;
};
