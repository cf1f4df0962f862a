#pragma once

#include "app/messenger.h"

#include <vector>

/// Records every message a check shows and answers OK.
class RecordingMessenger : public app::Messenger
{
public:
    app::MessageAnswer show(const app::Message &message) override
    {
        messages.push_back(message);
        return app::MessageAnswer::Ok;
    }

    std::vector<app::Message> messages;
};
