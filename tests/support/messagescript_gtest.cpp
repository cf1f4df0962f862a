#include "support/scriptedmessenger.h"

#include <gtest/gtest.h>

void failMessageScript(const std::string &what)
{
    ADD_FAILURE() << what;
}
