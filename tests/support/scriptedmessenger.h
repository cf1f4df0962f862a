#pragma once

#include "common/messenger.h"

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

/**
 * Reports a fault of a test's message script to the running test framework:
 * defined once for GoogleTest (library test_messenger_gtest) and once for Qt
 * Test (test_messenger_qtest); a test executable links the one it runs under.
 */
void failMessageScript(const std::string &what);

/**
 * Stands in for the message boxes: records every message shown and answers
 * it from a script, in order. A message the script has no answer for fails
 * the test, and so does an answer still unused when the messenger goes:
 * a test says how many messages it expects by the answers it scripts.
 */
class ScriptedMessenger : public common::Messenger
{
public:
    explicit ScriptedMessenger(std::deque<common::MessageAnswer> answers = {}) : mAnswers(std::move(answers)) {}

    ~ScriptedMessenger() override
    {
        if (!mAnswers.empty())
            failMessageScript(std::to_string(mAnswers.size()) + " scripted message(s) never shown");
    }

    ScriptedMessenger(const ScriptedMessenger &) = delete;
    ScriptedMessenger &operator=(const ScriptedMessenger &) = delete;

    /// Expects one more message, answered with \a answer.
    void expect(common::MessageAnswer answer = common::MessageAnswer::Ok) { mAnswers.push_back(answer); }

    /// Forgets the answers not used yet, for a check that may also pass without a message.
    void dropUnusedAnswers() { mAnswers.clear(); }

    common::MessageAnswer show(const common::Message &message) override
    {
        shown.push_back(message);
        if (whileShown)
            whileShown(message);
        if (mAnswers.empty()) {
            failMessageScript("unexpected message \"" + message.caption + "\": " + message.text);
            return common::MessageAnswer::Ok;
        }
        const common::MessageAnswer answer = mAnswers.front();
        mAnswers.pop_front();
        return answer;
    }

    /// Every message shown so far, in order.
    std::vector<common::Message> shown;
    /// Called while a message is on screen, to look at what the program has done by then.
    std::function<void(const common::Message &)> whileShown;

private:
    std::deque<common::MessageAnswer> mAnswers;
};
