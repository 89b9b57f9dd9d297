#include "ClosedPort.h"
#include "LoopbackCertificate.h"
#include "LoopbackServer.h"
#include "RecordingListener.h"
#include "TransportTest.h"
#include "transport/ServerCertificate.h"
#include "transport/TlsTrust.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>

using morvix::test::ClosedPort;
using morvix::test::LoopbackCertificate;
using morvix::test::LoopbackServer;
using morvix::test::RecordingListener;
using nsMoxHttp::CMoxHttpManager;
using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

constexpr std::size_t kMebibyte = 1024 * 1024;

// Bytes that are not one repeated character, so a lost or reordered piece shows.
std::string Pattern(std::size_t length)
{
    std::string bytes(length, '\0');
    for (std::size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<char>('a' + (i * 7 + i / 4096) % 26);
    return bytes;
}

class ExchangeTest : public morvix::test::TransportTest {
protected:
    const std::string large_ = Pattern(3 * kMebibyte);
    const std::string text_ = [] {
        std::string lines;
        for (int i = 0; i < 2000; ++i)
            lines += "rule " + std::to_string(i) + " 缓存规则 /morvix/webcache.mox?type=fcache\n";
        return lines;
    }();
    LoopbackServer server_{[this](httplib::Server& routes) {
        routes.Get("/hello", [](const httplib::Request&, httplib::Response& reply) {
            reply.set_content("hello", "application/json");
        });
        routes.Post("/echo", [](const httplib::Request& request, httplib::Response& reply) {
            reply.set_content(request.body, "application/octet-stream");
        });
        routes.Get("/large", [this](const httplib::Request&, httplib::Response& reply) {
            reply.set_content(large_, "application/octet-stream");
        });
        routes.Get("/failing", [](const httplib::Request&, httplib::Response& reply) {
            reply.status = 500;
            reply.set_content("{\"ErrorCode\":\"10\"}", "application/json");
        });
        routes.Get("/text", [this](const httplib::Request&, httplib::Response& reply) {
            reply.set_content(text_, "text/plain");
        });
        routes.Get(".*", [](const httplib::Request&, httplib::Response& reply) {
            reply.set_content("any", "text/plain");
        });
    }};
};

TEST_F(ExchangeTest, WithoutBodyIsAGetAndDeliversTheReply)
{
    RecordingListener listener;
    listener.Start(server_.Url("/hello"));
    ASSERT_TRUE(listener.WaitCompleted());

    EXPECT_FALSE(listener.Failed());
    auto reply = listener.TakeReply();
    ASSERT_NE(reply, nullptr);
    EXPECT_EQ(reply->Bytes(), "hello");
    EXPECT_EQ(reply->Data()[reply->Length()], '\0');
    const auto seen = server_.Requests();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].method, "GET");
    EXPECT_EQ(seen[0].Header("Content-Length"), "");
}

TEST_F(ExchangeTest, WithBodyIsAPostOfExactlyThatBody)
{
    using namespace std::string_literals;
    const std::string body = "SessionID=7f&RequestID=12&Name=缓存\0tail\xff"s;
    RecordingListener listener;
    listener.Start(server_.Url("/echo"), body);
    ASSERT_TRUE(listener.WaitCompleted());

    const auto seen = server_.Requests();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].method, "POST");
    EXPECT_EQ(seen[0].Header("Content-Length"), std::to_string(body.size()));
    // The server echoes the body it read.
    EXPECT_EQ(listener.TakeReply()->Bytes(), body);
}

TEST_F(ExchangeTest, PresentsTheClientIdentityOfTheConsole)
{
    RecordingListener listener;
    listener.Start(server_.Url("/hello"));
    ASSERT_TRUE(listener.WaitCompleted());

    const auto seen = server_.Requests();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Header("User-Agent"), "MoxMoniter/3.5.0");
    EXPECT_EQ(seen[0].Header("Accept-Encoding"), "gzip, deflate");
    EXPECT_EQ(seen[0].version, "HTTP/1.1");
}

TEST_F(ExchangeTest, LargeReplyArrivesWholeWithRoomBeyondIt)
{
    RecordingListener listener;
    listener.Start(server_.Url("/large"));
    ASSERT_TRUE(listener.WaitCompleted());

    auto reply = listener.TakeReply();
    ASSERT_NE(reply, nullptr);
    EXPECT_EQ(reply->Length(), 3 * kMebibyte);
    EXPECT_EQ(reply->Capacity(), 4 * kMebibyte);
    EXPECT_TRUE(reply->Bytes() == large_);
    EXPECT_EQ(reply->Data()[reply->Length()], '\0');
}

TEST_F(ExchangeTest, WithoutKeepingTheBodyEveryPieceStillReachesOnData)
{
    RecordingListener listener;
    listener.Start(server_.Url("/large"), {}, false);
    ASSERT_TRUE(listener.WaitCompleted());

    EXPECT_FALSE(listener.Failed());
    EXPECT_EQ(listener.TakeReply(), nullptr);
    EXPECT_TRUE(listener.Body() == large_);
}

TEST_F(ExchangeTest, ServerErrorPageIsAFinishedExchangeWithItsBody)
{
    RecordingListener listener;
    listener.Start(server_.Url("/failing"));
    ASSERT_TRUE(listener.WaitCompleted());

    EXPECT_FALSE(listener.Failed());
    EXPECT_EQ(listener.TakeReply()->Bytes(), "{\"ErrorCode\":\"10\"}");
    EXPECT_THAT(listener.Headers(), Contains(StartsWith("HTTP/1.1 500")));
}

TEST_F(ExchangeTest, RefusedConnectionFails)
{
    ClosedPort closed;
    RecordingListener listener;
    listener.Start(closed.Url("/morvix/webcache.mox"), "SessionID=1");
    ASSERT_TRUE(listener.WaitCompleted());

    EXPECT_TRUE(listener.Failed());
    EXPECT_FALSE(CMoxHttpManager::Instance().HasTask(listener.Task()));
}

TEST_F(ExchangeTest, CompressedReplyIsDecoded)
{
    RecordingListener listener;
    listener.Start(server_.Url("/text"));
    ASSERT_TRUE(listener.WaitCompleted());

    EXPECT_THAT(listener.Headers(), Contains(HasSubstr("gzip")));
    EXPECT_TRUE(listener.TakeReply()->Bytes() == text_);
}

// Refused until its key is pinned; then fetched, but never sent on to a plain-http address.
TEST_F(ExchangeTest, HttpsIsTrustedOnlyByItsPinnedKeyAndNeverFollowedIntoClear)
{
    LoopbackCertificate untrusted;
    LoopbackServer tlsServer(untrusted.CertificatePath(), untrusted.KeyPath(), [this](httplib::Server& routes) {
        routes.Get("/secure", [](const httplib::Request&, httplib::Response& reply) {
            reply.set_content("secure", "text/plain");
        });
        routes.Post("/moved", [this](const httplib::Request&, httplib::Response& reply) {
            reply.set_redirect(server_.Url("/echo"), 307);
        });
    });
    RecordingListener refused;
    refused.Start(tlsServer.Url("/secure"));
    ASSERT_TRUE(refused.WaitCompleted());
    EXPECT_TRUE(refused.Failed());
    EXPECT_EQ(tlsServer.RequestCount(), 0u);

    std::ifstream pem(untrusted.CertificatePath());
    const auto certificate =
        nsMoxHttp::DescribeCertificate(std::string(std::istreambuf_iterator<char>(pem), std::istreambuf_iterator<char>()));
    ASSERT_TRUE(certificate);
    const std::string hostPort = "127.0.0.1:" + std::to_string(tlsServer.Port());
    nsMoxHttp::TlsTrust::Pin(hostPort, certificate->pin);
    RecordingListener pinned;
    pinned.Start(tlsServer.Url("/secure"));
    ASSERT_TRUE(pinned.WaitCompleted());
    EXPECT_FALSE(pinned.Failed());
    EXPECT_EQ(pinned.TakeReply()->Bytes(), "secure");

    RecordingListener redirected;
    redirected.Start(tlsServer.Url("/moved"), "Password=secret");
    ASSERT_TRUE(redirected.WaitCompleted());
    EXPECT_TRUE(redirected.Failed());
    EXPECT_EQ(server_.RequestCount(), 0u) << "the body went on in clear";
    nsMoxHttp::TlsTrust::Forget(hostPort);
}

TEST_F(ExchangeTest, UrlOf2048BytesFailsWithoutSendingAndOneByteLessIsSent)
{
    const std::string prefix = server_.Url("/long?q=");
    RecordingListener tooLong;
    tooLong.Start(prefix + std::string(2048 - prefix.size(), 'x'));
    ASSERT_TRUE(tooLong.WaitCompleted());
    EXPECT_TRUE(tooLong.Failed());
    EXPECT_EQ(server_.RequestCount(), 0u);

    RecordingListener longest;
    longest.Start(prefix + std::string(2047 - prefix.size(), 'x'));
    ASSERT_TRUE(longest.WaitCompleted());
    EXPECT_FALSE(longest.Failed());
    EXPECT_EQ(server_.RequestCount(), 1u);
}

TEST_F(ExchangeTest, ManyExchangesAtOnceEachGetTheirOwnReply)
{
    std::array<RecordingListener, 16> listeners;
    for (std::size_t i = 0; i < listeners.size(); ++i)
        listeners[i].Start(server_.Url("/echo"), "RequestID=" + std::to_string(i));

    for (std::size_t i = 0; i < listeners.size(); ++i) {
        ASSERT_TRUE(listeners[i].WaitCompleted());
        EXPECT_FALSE(listeners[i].Failed());
        EXPECT_EQ(listeners[i].TakeReply()->Bytes(), "RequestID=" + std::to_string(i));
        EXPECT_EQ(listeners[i].Completions(), 1);
    }
    EXPECT_EQ(server_.RequestCount(), listeners.size());
}

}  // namespace
