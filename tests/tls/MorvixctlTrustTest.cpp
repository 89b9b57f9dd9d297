#include "TlsCertificate.h"
#include "integration/MorvixctlProcess.h"
#include "support/SimProcess.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>

using morvix::test::MorvixctlProcess;
using morvix::test::SimProcess;
using morvix::test::WaitUntil;

namespace {

struct Step {
    const char* what;
    std::vector<std::string> trust;  // "{shown}" and "{other}" stand for the keys
    std::vector<std::string> request;
    int exit;
    const char* said;  // in standard output or error
};

// One server with its own certificate, met the way an operator meets it: refused, looked at,
// trusted, used, forgotten. The settings file is the test process's own (its XDG folders).
TEST(MorvixctlTrust, AServerWithItsOwnCertificateIsUsedOnlyOnceItsKeyIsTrusted)
{
    SimProcess sim({"--tls"});
    const std::string server = sim.host();
    const std::string otherPin = morvix::sim::publicKeyPin(morvix::sim::makeCertificate({}).certificatePem);
    std::string shownPin;
    {
        MorvixctlProcess look({"--server", server, "trust"}, {});
        ASSERT_EQ(look.Wait(), 1) << look.Err();
        const std::string out = look.Out();
        const std::size_t at = out.find("sha256//");
        ASSERT_NE(at, std::string::npos) << out;
        shownPin = out.substr(at, out.find('\n', at) - at);
    }
    const Step steps[] = {
        {"unknown issuer", {}, {"realtime", "list"}, 2, " trust\n"},
        {"another key given", {"--pin", "{other}"}, {"realtime", "list"}, 2, "公钥与记住的不同"},
        {"insecure, loudly", {"--insecure"}, {"realtime", "list"}, 0, "NOT checked"},
        {"the shown key given", {"--pin", "{shown}"}, {"realtime", "list"}, 0, "CurrentUserConnections"},
        {"trust with another key refused", {"--pin", "{other}"}, {"trust"}, 1, "another key than --pin"},
        {"trust with the shown key", {"--pin", "{shown}"}, {"trust"}, 0, "Trusted the key"},
        {"remembered", {}, {"realtime", "list"}, 0, "CurrentUserConnections"},
        {"forgotten", {}, {"trust", "forget"}, 0, "Forgot the key"},
        {"unknown again", {}, {"realtime", "list"}, 2, "不是受信任的机构签发的"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        std::vector<std::string> arguments = {"--server", server, "--password", "admin"};
        for (const std::string& word : step.trust)
            arguments.push_back(word == "{shown}" ? shownPin : word == "{other}" ? otherPin : word);
        arguments.push_back("--");
        arguments.insert(arguments.end(), step.request.begin(), step.request.end());
        MorvixctlProcess run(arguments, {});
        EXPECT_EQ(run.Wait(), step.exit) << run.Out() << run.Err();
        EXPECT_NE((run.Out() + run.Err()).find(step.said), std::string::npos) << run.Out() << run.Err();
    }
    MorvixctlProcess plain(
        {"--server", "127.0.0.1:1", "--pin", shownPin, "--password", "admin", "--", "realtime", "list"}, {});
    EXPECT_EQ(plain.Wait(), 64);
}

// Servers whose certificates one authority signed: a fleet run, its per-server runs and the
// exporter's pollers trust them through --cacert alone.
TEST(MorvixctlTrust, AFleetAndTheExporterTrustTheAuthorityGivenToThem)
{
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("morvix-ctl-tls-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    morvix::sim::CertificateRequest authorityRequest;
    authorityRequest.authority = true;
    const morvix::sim::TlsIdentity authority = morvix::sim::makeCertificate(authorityRequest);
    const morvix::sim::TlsIdentity leaf = morvix::sim::makeCertificate({}, &authority);
    std::ofstream(folder / "authority.pem") << authority.certificatePem;
    std::ofstream(folder / "server.pem") << leaf.certificatePem;
    std::ofstream(folder / "server.key") << leaf.keyPem;
    const std::vector<std::string> served = {"--tls-cert", (folder / "server.pem").string(), "--tls-key",
                                             (folder / "server.key").string()};
    SimProcess first(served);
    SimProcess second(served);

    MorvixctlProcess fleet({"--cacert", (folder / "authority.pem").string(), "--server", first.host(), "--server",
                            second.host(), "--password", "admin", "--json", "--", "realtime", "list"},
                           {});
    EXPECT_EQ(fleet.Wait(), 0) << fleet.Out() << fleet.Err();
    EXPECT_EQ(first.requests().size() + second.requests().size(), 4u) << "a sign-in and a list each";

    // An export names each server's file after its address alone.
    MorvixctlProcess exported({"--cacert", (folder / "authority.pem").string(), "--server", first.host(), "--server",
                               second.host(), "--password", "admin", "--", "rules", "export",
                               (folder / "{server}.rules").string()},
                              {});
    EXPECT_EQ(exported.Wait(), 0) << exported.Out() << exported.Err();
    for (const SimProcess* sim : {&first, &second})
        EXPECT_TRUE(std::filesystem::exists(folder / ("127.0.0.1_" + std::to_string(sim->port()) + ".rules")));

    MorvixctlProcess exporter({"--cacert", (folder / "authority.pem").string(), "--server", first.host(),
                               "--listen", "127.0.0.1:0", "exporter"},
                              {"MORVIX_PASSWORD=admin"});
    const std::string listening = "listening on 127.0.0.1:";
    ASSERT_TRUE(WaitUntil([&] { return exporter.Out().find(listening) != std::string::npos; })) << exporter.Err();
    const std::string out = exporter.Out();
    httplib::Client scraper("127.0.0.1", std::stoi(out.substr(out.find(listening) + listening.size())));
    const std::string up = "morvix_up{server=\"" + first.host() + "\"} 1\n";
    EXPECT_TRUE(WaitUntil([&] {
        const auto page = scraper.Get("/metrics");
        return page && page->body.find(up) != std::string::npos;
    })) << exporter.Err();
    exporter.Signal(SIGINT);
    EXPECT_EQ(exporter.Wait(), 0);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

}  // namespace
