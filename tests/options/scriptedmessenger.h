#pragma once

#include "common/messenger.h"

#include <deque>
#include <vector>

/// Records every message and answers from a script; an unscripted message is answered Ok.
class ScriptedMessenger : public common::Messenger
{
public:
    explicit ScriptedMessenger(std::deque<common::MessageAnswer> answers = {})
        : mAnswers(std::move(answers)) {}

    common::MessageAnswer show(const common::Message &message) override
    {
        shown.push_back(message);
        if (mAnswers.empty())
            return common::MessageAnswer::Ok;
        const common::MessageAnswer answer = mAnswers.front();
        mAnswers.pop_front();
        return answer;
    }

    std::vector<common::Message> shown;

private:
    std::deque<common::MessageAnswer> mAnswers;
};
