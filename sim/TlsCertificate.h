#pragma once

#include <openssl/ssl.h>

#include <string>
#include <vector>

namespace morvix::sim {

// What a made certificate says. Offsets are seconds from now, so an expired one is a negative notAfter.
struct CertificateRequest {
    std::string commonName = "morvix-sim";
    std::vector<std::string> dnsNames = {"localhost"};
    std::vector<std::string> ipAddresses = {"127.0.0.1", "::1"};
    long notBeforeSeconds = -3600;
    long notAfterSeconds = 365L * 24 * 3600;
    bool authority = false;  // may sign others
};

// A certificate and its private key, both PEM.
struct TlsIdentity {
    std::string certificatePem;
    std::string keyPem;
};

// Makes a fresh P-256 key and a certificate for it, signed by the issuer, or by itself when the
// issuer is null. Throws std::runtime_error when OpenSSL fails.
TlsIdentity makeCertificate(const CertificateRequest& request, const TlsIdentity* issuer = nullptr);

// Reads a PEM certificate (chain) file and a PEM key file; throws std::runtime_error naming the file.
TlsIdentity readIdentity(const std::string& certificateFile, const std::string& keyFile);

// Makes the context serve this identity; false when the key does not fit the certificate.
bool useIdentity(SSL_CTX& context, const TlsIdentity& identity);

// SHA-256 fingerprints of a PEM certificate and of its public key, hex pairs joined by ":".
std::string certificateFingerprint(const std::string& certificatePem);
std::string publicKeyFingerprint(const std::string& certificatePem);
// "sha256//BASE64" of the public key, as a client pins it.
std::string publicKeyPin(const std::string& certificatePem);

}  // namespace morvix::sim
