#pragma once

#include <optional>
#include <string>

namespace nsMoxHttp {

// What an operator needs to decide whether to trust a server: who it says it is, who vouches for
// it, for how long, and the fingerprints to compare with what the server's owner reads out.
struct ServerCertificate {
    std::string subject;
    std::string issuer;
    std::string notBefore;  // as OpenSSL prints it, in GMT
    std::string notAfter;
    std::string certificateSha256;  // hex pairs joined by ":"
    std::string publicKeySha256;    // hex pairs joined by ":"
    std::string pin;                // "sha256//BASE64" of the public key, as libcurl pins it
};

// Reads a PEM certificate; nothing when it is not one.
std::optional<ServerCertificate> DescribeCertificate(const std::string& pem);

// The certificate the server of a finished or failed exchange showed; the exchange must have
// asked for it (CURLOPT_CERTINFO). easy is the exchange's libcurl handle.
std::optional<ServerCertificate> ShownCertificate(void* easy);

// Connects to an https server without trusting it, only to read the certificate it shows. Nothing
// is sent after the handshake. Nothing when no handshake came about.
std::optional<ServerCertificate> FetchServerCertificate(const std::string& hostPort);

}  // namespace nsMoxHttp
