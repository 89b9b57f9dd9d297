#include "support/ConsoleSession.h"

#include "messaging/CMoxEventParam.h"
#include "messaging/CThreadRegistry.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>
#include <httplib.h>
#include <json/json.h>

namespace morvix::test {
namespace {

Json::Value SignIn(const std::string& host, const std::string& role, const std::string& password)
{
    const std::size_t colon = host.rfind(':');
    httplib::Client client(host.substr(0, colon), std::stoi(host.substr(colon + 1)));
    const auto reply = client.Post("/morvix/webcache.mox?type=sign&cmd=in",
                                   "Username=" + role + "&Password=" + password + "&RequestID=0",
                                   "application/x-www-form-urlencoded");
    Json::Value root;
    if (reply)
        Json::Reader().parse(reply->body, root);
    return root;
}

}  // namespace

ConsoleSession::ConsoleSession(const std::string& host, const std::string& role, const std::string& password)
{
    CThreadRegistry::Create();
    liveRecordsAtStart_ = CMoxEventParam::LiveCount();
    events_ = std::make_unique<EventRecorder>();

    const Json::Value reply = SignIn(host, role, password);
    EXPECT_EQ(reply["Return"].asString(), "True") << "signing in to " << host;
    sessionId_ = reply["SessionID"].asString();
    instance_ = CMoxInstanceManager::GetInstanceManager()->CreateInstance(
        password, host, role == "keeper" ? eMoxRole_Keeper : eMoxRole_Admin);
    instance_->SetSession(sessionId_, reply["UserType"].asString(), reply["LastLoginTime"].asString(),
                          reply["Version"].asString(), reply["VersionExt"].asString());
    instance_->SetConnected(true);
}

ConsoleSession::~ConsoleSession()
{
    instance_->SetConnected(false);
    events_.reset();
    const bool released = WaitUntil([&] { return CMoxEventParam::LiveCount() == liveRecordsAtStart_; });
    EXPECT_TRUE(released) << CMoxEventParam::LiveCount() - liveRecordsAtStart_ << " records never released";
}

}  // namespace morvix::test
