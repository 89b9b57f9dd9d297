#include "support/ConsoleSession.h"

#include "messaging/CMoxEventParam.h"
#include "messaging/CThreadRegistry.h"
#include "messaging/EventKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/MoxLogin.h"
#include "shell/WaitForQuiet.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

namespace morvix::test {

bool SignIn(const std::string& host, const std::string& role, const std::string& password)
{
    EventRecorder login;
    const bool accepted = MoxLogin(host, role == "keeper" ? eMoxRole_Keeper : eMoxRole_Admin, password) &&
                          login.Next(eMoxCacheEvent_LoginOk).has_value();
    EXPECT_TRUE(accepted) << "signing in to " << host << " as " << role;
    // The instance reads the system options and the realtime figures after a login.
    return accepted && WaitForQuiet(std::chrono::seconds(10));
}

ConsoleSession::ConsoleSession(const std::string& host, const std::string& role, const std::string& password)
{
    CThreadRegistry::Create();
    liveRecordsAtStart_ = CMoxEventParam::LiveCount();
    // The test's recorder starts once the login's own replies are in, so it sees only what the
    // test caused.
    EXPECT_TRUE(SignIn(host, role, password));
    events_ = std::make_unique<EventRecorder>();
    instance_ = CMoxInstanceManager::GetInstanceManager()->GetInstance();
    sessionId_ = instance_->SessionId();
}

ConsoleSession::~ConsoleSession()
{
    instance_->SetConnected(false);
    // The instance outlives the test: the next one starts, as a new console does, with no rules
    // that a rule page of this one showed.
    instance_->fcacheRules.Clear();
    instance_->rcacheRules.Clear();
    instance_->scacheRules.Clear();
    instance_->rewriteRules.Clear();
    events_.reset();
    const bool released = WaitUntil([&] { return CMoxEventParam::LiveCount() == liveRecordsAtStart_; });
    EXPECT_TRUE(released) << CMoxEventParam::LiveCount() - liveRecordsAtStart_ << " records never released";
}

}  // namespace morvix::test
