#pragma once

#include <functional>
#include <optional>
#include <string>

namespace nsMoxHttp {

// How this process trusts https servers. By default a certificate must chain to the system's
// store and name the address; a server whose public key was pinned is trusted by that key alone,
// as SSH trusts a known host. Insecure is for the operator who asks for it by name, never a default.
class TlsTrust {
public:
    // What one exchange to a server uses.
    struct ForServer {
        std::string caFile;     // empty: the system's store
        std::string pinnedKey;  // "sha256//BASE64"; empty: none
        bool insecure = false;
    };

    // A file of authorities to trust instead of the system's store.
    static void SetCaFile(std::string file);
    static void SetInsecure(bool insecure);
    // Pins a key for "host:port" for the life of the process.
    static void Pin(const std::string& hostPort, std::string key);
    static void Forget(const std::string& hostPort);
    // Where keys remembered across runs are looked up when the process has none of its own.
    using PinLookup = std::function<std::optional<std::string>(const std::string& hostPort)>;
    static void SetPinLookup(PinLookup lookup);

    static ForServer For(const std::string& hostPort);
    static std::string CaFile();
    static bool Insecure();
};

// "host:port" of an https URL, lower case, as pins are keyed; empty for any other URL.
std::string HttpsHostPort(const std::string& url);

}  // namespace nsMoxHttp
