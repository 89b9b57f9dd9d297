#include "CtlTrust.h"

#include "CtlExitCode.h"
#include "protocol/ServerAddress.h"
#include "shell/PinnedKeys.h"
#include "transport/ServerCertificate.h"
#include "transport/TlsTrust.h"

#include <unistd.h>

#include <iostream>

namespace {

constexpr std::string_view kPinPrefix = "sha256//";
// The base64 of 32 bytes.
constexpr std::size_t kPinDigestCharacters = 44;

bool IsPin(const std::string& text)
{
    return text.size() == kPinPrefix.size() + kPinDigestCharacters &&
           text.compare(0, kPinPrefix.size(), kPinPrefix) == 0;
}

void ShowCertificate(const std::string& server, const nsMoxHttp::ServerCertificate& shown)
{
    std::cout << "Server:              " << server << "\n"
              << "Subject:             " << shown.subject << "\n"
              << "Issuer:              " << shown.issuer << "\n"
              << "Valid from:          " << shown.notBefore << "\n"
              << "Valid until:         " << shown.notAfter << "\n"
              << "Certificate SHA-256: " << shown.certificateSha256 << "\n"
              << "Public key SHA-256:  " << shown.publicKeySha256 << "\n"
              << "Pin:                 " << shown.pin << std::endl;
}

bool ConfirmedOnTerminal(const std::string& hostPort)
{
    if (!::isatty(STDIN_FILENO))
        return false;
    std::cout << "Compare the fingerprints with those the server's owner gives you.\n"
              << "Trust this key for " << hostPort << " from now on? [yes/no] " << std::flush;
    std::string answer;
    std::getline(std::cin, answer);
    return answer == "yes" || answer == "y";
}

}  // namespace

bool ApplyCtlTrust(const CtlOptions& options, const std::vector<std::string>& servers)
{
    PinnedKeys::Install();
    nsMoxHttp::TlsTrust::SetCaFile(options.caFile);
    if (options.insecure) {
        std::cerr << "morvixctl: WARNING: --insecure: the server's certificate is NOT checked. Anyone on the way "
                     "can read the password and pose as the server.\n";
        nsMoxHttp::TlsTrust::SetInsecure(true);
    }
    if (options.pin.empty())
        return true;
    if (!IsPin(options.pin)) {
        std::cerr << "morvixctl: --pin takes sha256//BASE64 of the server's public key (morvixctl trust shows it)\n";
        return false;
    }
    for (const std::string& server : servers) {
        if (!nsMoxHttp::IsHttpsAddress(server)) {
            std::cerr << "morvixctl: --pin goes with https servers, not " << server << "\n";
            return false;
        }
        nsMoxHttp::TlsTrust::Pin(std::string(nsMoxHttp::AddressWithoutScheme(server)), options.pin);
    }
    return true;
}

std::vector<std::string> CtlTrustArguments(const CtlOptions& options)
{
    std::vector<std::string> arguments;
    if (!options.caFile.empty())
        arguments.insert(arguments.end(), {"--cacert", options.caFile});
    if (!options.pin.empty())
        arguments.insert(arguments.end(), {"--pin", options.pin});
    if (options.insecure)
        arguments.push_back("--insecure");
    return arguments;
}

int RunTrustCommand(const CtlOptions& options, const std::string& server)
{
    if (!nsMoxHttp::IsHttpsAddress(server)) {
        std::cerr << "morvixctl: trust goes with an https server (--server https://HOST[:PORT]), not " << server
                  << "\n";
        return eCtlExit_Usage;
    }
    const std::string hostPort(nsMoxHttp::AddressWithoutScheme(server));
    if (options.cmd == "forget") {
        if (!PinnedKeys::Forget(hostPort)) {
            std::cerr << "morvixctl: could not write the settings file\n";
            return eCtlExit_FileError;
        }
        std::cout << "Forgot the key of " << hostPort << std::endl;
        return eCtlExit_Accepted;
    }
    const auto shown = nsMoxHttp::FetchServerCertificate(hostPort);
    if (!shown) {
        std::cerr << "morvixctl: no encrypted connection to " << server << "\n";
        return eCtlExit_ExchangeFailed;
    }
    ShowCertificate(server, *shown);
    if (!options.pin.empty() ? options.pin != shown->pin : !ConfirmedOnTerminal(hostPort)) {
        std::cerr << "morvixctl: not trusted: "
                  << (options.pin.empty() ? "confirm on a terminal, or give the key shown with --pin"
                                          : "the server shows another key than --pin")
                  << "\n";
        return eCtlExit_Refused;
    }
    if (!PinnedKeys::Remember(hostPort, shown->pin)) {
        std::cerr << "morvixctl: could not write the settings file\n";
        return eCtlExit_FileError;
    }
    std::cout << "Trusted the key of " << hostPort << " from now on" << std::endl;
    return eCtlExit_Accepted;
}
