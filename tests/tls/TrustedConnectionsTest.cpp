#include "TlsCertificate.h"
#include "messaging/CThreadRegistry.h"
#include "messaging/EventKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxLoginEventParam.h"
#include "shell/MoxLogin.h"
#include "shell/WaitForQuiet.h"
#include "support/EventRecorder.h"
#include "support/SimProcess.h"
#include "transport/TlsTrust.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

using morvix::sim::CertificateRequest;
using morvix::sim::TlsIdentity;
using morvix::test::EventRecorder;
using morvix::test::SimProcess;
using Failure = nsMoxHttp::CertificateFailure;
using nsMoxHttp::TlsTrust;

namespace {

// How the test case's simulator presents itself, and what the console was told to trust.
enum class Served { AuthoritySigned, Expired, OtherName, SelfSignedAtStart, PlainHttp };
enum class Trusted { Authority, Nothing, ShownKey, AnotherKey };

struct TrustCase {
    const char* name;
    Served served;
    Trusted trusted;
    Failure expected;  // None: the login is accepted
};

const TrustCase kCases[] = {
    {"authority_signed_verified", Served::AuthoritySigned, Trusted::Authority, Failure::None},
    {"self_signed_refused_until_trusted", Served::SelfSignedAtStart, Trusted::Nothing, Failure::UnknownIssuer},
    {"self_signed_accepted_once_pinned", Served::SelfSignedAtStart, Trusted::ShownKey, Failure::None},
    {"changed_key_refused", Served::SelfSignedAtStart, Trusted::AnotherKey, Failure::PinChanged},
    {"expired_refused", Served::Expired, Trusted::Authority, Failure::Expired},
    {"wrong_name_refused", Served::OtherName, Trusted::Authority, Failure::WrongName},
    {"authority_unknown_to_store_refused", Served::AuthoritySigned, Trusted::Nothing, Failure::UnknownIssuer},
    {"plain_server_never_spoken_to_in_clear", Served::PlainHttp, Trusted::Nothing, Failure::Handshake},
};

void PrintTo(const TrustCase& row, std::ostream* out)
{
    *out << row.name;
}

class TrustedConnections : public ::testing::TestWithParam<TrustCase> {
protected:
    void SetUp() override
    {
        CThreadRegistry::Create();
        folder_ = std::filesystem::temp_directory_path() /
                  ("morvix-tls-" + std::to_string(::getpid()) + "-" + GetParam().name);
        std::filesystem::create_directories(folder_);
        CertificateRequest authority;
        authority.commonName = "Morvix test authority";
        authority.authority = true;
        authority_ = morvix::sim::makeCertificate(authority);
        Write("authority.pem", authority_.certificatePem);
    }

    void TearDown() override
    {
        TlsTrust::SetCaFile("");
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    std::string Write(const std::string& name, const std::string& text)
    {
        const std::filesystem::path file = folder_ / name;
        std::ofstream(file, std::ios::binary) << text;
        return file.string();
    }

    // The simulator's arguments for what it serves; a signed certificate goes with its key.
    std::vector<std::string> ServerArguments(Served served)
    {
        CertificateRequest leaf;
        switch (served) {
        case Served::SelfSignedAtStart: return {"--tls"};
        case Served::PlainHttp: return {};
        case Served::Expired:
            leaf.notBeforeSeconds = -7200;
            leaf.notAfterSeconds = -3600;
            break;
        case Served::OtherName:
            leaf.dnsNames = {"elsewhere.example"};
            leaf.ipAddresses = {};
            break;
        case Served::AuthoritySigned: break;
        }
        const TlsIdentity identity = morvix::sim::makeCertificate(leaf, &authority_);
        return {"--tls-cert", Write("server.pem", identity.certificatePem), "--tls-key",
                Write("server.key", identity.keyPem)};
    }

    std::filesystem::path folder_;
    TlsIdentity authority_;
};

TEST_P(TrustedConnections, EachServerIsTrustedOrRefusedForItsOwnReason)
{
    const TrustCase& row = GetParam();
    SimProcess sim(ServerArguments(row.served));
    const std::string hostPort = "127.0.0.1:" + std::to_string(sim.port());
    const std::string address = "https://" + hostPort;

    if (row.trusted == Trusted::Authority)
        TlsTrust::SetCaFile((folder_ / "authority.pem").string());
    const std::optional<nsMoxHttp::ServerCertificate> shown = nsMoxHttp::FetchServerCertificate(hostPort);
    if (row.trusted == Trusted::ShownKey) {
        ASSERT_TRUE(shown);
        TlsTrust::Pin(hostPort, shown->pin);
    }
    const std::string otherPin = "sha256//AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA=";
    if (row.trusted == Trusted::AnotherKey)
        TlsTrust::Pin(hostPort, otherPin);

    EventRecorder events;
    ASSERT_TRUE(MoxLogin(address, eMoxRole_Admin, "admin"));
    const int outcome =
        row.expected == Failure::None ? eMoxCacheEvent_LoginOk : eMoxCacheEvent_ConnectFailed;
    const auto event = events.Next(outcome, std::chrono::seconds(20));
    ASSERT_TRUE(event) << "no " << (outcome == eMoxCacheEvent_LoginOk ? "login" : "refusal") << "; said: "
                       << (events.StatusTexts().empty() ? "" : events.StatusTexts().back());
    const auto* record = event->As<CMoxLoginEventParam>();
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->trustFailure.failure, row.expected);
    if (row.expected == Failure::None) {
        EXPECT_FALSE(record->sessionId.empty());
    } else {
        // Refused before any request went out, and never tried again in clear.
        EXPECT_TRUE(sim.requests().empty()) << sim.requests().toStyledString();
        const std::string expectedText = nsMoxHttp::CertificateFailureText(record->trustFailure, address);
        EXPECT_TRUE(events.WaitForStatusText(expectedText)) << expectedText;
    }
    if (row.expected == Failure::UnknownIssuer) {
        ASSERT_TRUE(record->certificate);
        ASSERT_TRUE(shown);
        EXPECT_EQ(record->certificate->pin, shown->pin);
        EXPECT_EQ(record->certificate->publicKeySha256.size(), 32u * 3 - 1);
    }
    if (row.expected == Failure::PinChanged) {
        EXPECT_EQ(record->trustFailure.pinnedKey, otherPin);
        ASSERT_TRUE(shown);
        EXPECT_EQ(record->trustFailure.presentedKey, shown->pin);
    }
    TlsTrust::Forget(hostPort);
    EXPECT_TRUE(WaitForQuiet(std::chrono::seconds(10)));
}

INSTANTIATE_TEST_SUITE_P(Cases, TrustedConnections, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
