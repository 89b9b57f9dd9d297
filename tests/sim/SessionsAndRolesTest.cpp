#include "SimFixture.h"

#include "support/WaitUntil.h"

namespace morvix::sim::test {

class SessionsAndRoles : public SimFixture {};

TEST_F(SessionsAndRoles, SignInAnswersSessionAndServerIdentity)
{
    const Json::Value reply = client.call("sign", "in", "Username=keeper&Password=keeper&RequestID=41");
    EXPECT_EQ(reply["RequestID"].asString(), "41");
    EXPECT_EQ(reply["Return"].asString(), "True");
    EXPECT_EQ(reply["SessionID"].asString().size(), 32u);
    EXPECT_NE(reply["SessionID"].asString(), adminSession);
    for (const char* key : {"UserType", "LastLoginTime", "Version", "VersionExt"})
        EXPECT_TRUE(reply[key].isString()) << key;
}

TEST_F(SessionsAndRoles, WrongPasswordOrUnknownAccountIsError20)
{
    EXPECT_EQ(errorOf(client.call("sign", "in", "Username=admin&Password=nimda&RequestID=1")), "20");
    EXPECT_EQ(errorOf(client.call("sign", "in", "Username=root&Password=admin&RequestID=1")), "20");
    EXPECT_EQ(errorOf(client.call("sign", "in", "Username=admin&RequestID=1")), "23");
}

TEST_F(SessionsAndRoles, UnknownOrExpiredSessionIsError21)
{
    EXPECT_EQ(errorOf(call("fcache", "list", "", "00112233445566778899AABBCCDDEEFF")), "21");
    client.expireSessions();
    EXPECT_EQ(errorOf(call("fcache", "list")), "21");
}

TEST_F(SessionsAndRoles, IdleSessionExpiresAfterTheTimeout)
{
    client.setSettings([] {
        Json::Value settings;
        settings["sessionTimeout"] = 1;
        return settings;
    }());
    const std::string idle = client.signIn();
    const auto expired = [&] {
        for (const Json::Value& session : client.sessions()) {
            if (session["id"].asString() == idle)
                return session["expired"].asBool();
        }
        return false;
    };
    ASSERT_TRUE(morvix::test::WaitUntil(expired, std::chrono::seconds(10)));
    EXPECT_EQ(errorOf(call("fcache", "list", "", idle)), "21");
    EXPECT_EQ(errorOf(call("fcache", "list")), "21") << "the admin session was idle as long";
}

TEST_F(SessionsAndRoles, KeeperReadsButEveryChangeIsError22)
{
    const std::string keeper = client.signIn("keeper", "keeper");
    EXPECT_EQ(errorOf(call("fcache", "list", "", keeper)), "accepted");
    EXPECT_EQ(errorOf(call("fcache", "del", "Wid=10001", keeper)), "22");
    EXPECT_EQ(errorOf(call("user", "passwd", "Username=keeper&Password=x", keeper)), "22");
    EXPECT_EQ(call("fcache", "list")["NumOfLists"].asString(), "5");
}

TEST_F(SessionsAndRoles, PasswordChangeTakesEffectForTheNextSignIn)
{
    ASSERT_EQ(errorOf(call("user", "passwd", "Username=keeper&Password=n%E6%96%B0%20pw")), "accepted");
    EXPECT_EQ(errorOf(client.call("sign", "in", "Username=keeper&Password=keeper&RequestID=1")), "20");
    EXPECT_NO_THROW(client.signIn("keeper", "n\xE6\x96\xB0 pw"));
    EXPECT_EQ(errorOf(call("fcache", "list")), "accepted") << "sessions outlive a password change";
}

TEST_F(SessionsAndRoles, RequestNumberIsEchoedAndRequired)
{
    EXPECT_EQ(client.call("fcache", "list", "SessionID=" + adminSession + "&RequestID=4294967295")["RequestID"],
              "4294967295");
    EXPECT_EQ(errorOf(client.call("fcache", "list", "SessionID=" + adminSession)), "23");
    EXPECT_EQ(errorOf(client.call("fcache", "list", "SessionID=" + adminSession + "&RequestID=12x")), "23");
}

}  // namespace morvix::sim::test
