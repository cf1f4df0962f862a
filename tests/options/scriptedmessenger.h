#pragma once

#include "app/messenger.h"

#include <deque>
#include <vector>

/// Records every message and answers from a script; an unscripted message is answered Ok.
class ScriptedMessenger : public app::Messenger
{
public:
    explicit ScriptedMessenger(std::deque<app::MessageAnswer> answers = {})
        : mAnswers(std::move(answers)) {}

    app::MessageAnswer show(const app::Message &message) override
    {
        shown.push_back(message);
        if (mAnswers.empty())
            return app::MessageAnswer::Ok;
        const app::MessageAnswer answer = mAnswers.front();
        mAnswers.pop_front();
        return answer;
    }

    std::vector<app::Message> shown;

private:
    std::deque<app::MessageAnswer> mAnswers;
};
