#include "shell/PinnedKeys.h"

#include "shell/AppPaths.h"
#include "shell/IniProfile.h"
#include "transport/TlsTrust.h"

#include <algorithm>

namespace PinnedKeys {

namespace {

constexpr char kSection[] = "PinnedKeys";
// "sha256//" and the 44 characters of a base64 SHA-256.
constexpr std::size_t kPinCharacters = 64;

IniProfile Settings()
{
    return IniProfile(AppPaths::UserConfigDirectory() / "MorvixAdmin.ini");
}

std::string Key(std::string hostPort)
{
    std::transform(hostPort.begin(), hostPort.end(), hostPort.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
    return hostPort;
}

}  // namespace

void Install()
{
    nsMoxHttp::TlsTrust::SetPinLookup([](const std::string& hostPort) -> std::optional<std::string> {
        std::string pin = Settings().ReadString(kSection, Key(hostPort), "", kPinCharacters + 1);
        if (pin.empty())
            return std::nullopt;
        return pin;
    });
}

bool Remember(const std::string& hostPort, const std::string& pin)
{
    nsMoxHttp::TlsTrust::Pin(hostPort, pin);
    return AppPaths::CreateOwnerOnlyDirectories(AppPaths::UserConfigDirectory()) &&
           Settings().WriteString(kSection, Key(hostPort), pin);
}

bool Forget(const std::string& hostPort)
{
    nsMoxHttp::TlsTrust::Forget(hostPort);
    return Settings().WriteString(kSection, Key(hostPort), "");
}

}  // namespace PinnedKeys
