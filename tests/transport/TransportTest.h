#pragma once

#include "support/WaitUntil.h"
#include "transport/CMoxHttpManager.h"

#include <gtest/gtest.h>

namespace morvix::test {

// Every transport test must leave no request thread behind it.
class TransportTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        EXPECT_TRUE(WaitUntil([] { return nsMoxHttp::CMoxHttpManager::Instance().RunningExchanges() == 0; }));
    }
};

}  // namespace morvix::test
