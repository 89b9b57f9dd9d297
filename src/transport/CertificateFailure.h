#pragma once

#include <string>

namespace nsMoxHttp {

// Why an https exchange did not trust the server. Each has its own status text, so that an
// operator knows whether to wait for a renewal, fix an address, or suspect someone on the path.
enum class CertificateFailure {
    None,
    Expired,        // outside its validity (expired or not yet valid)
    WrongName,      // issued for another name than the address used
    UnknownIssuer,  // self-signed, or signed by no authority the store or --cacert holds
    PinChanged,     // the server shows another public key than the one remembered for it
    Handshake,      // no encrypted connection came about at all (for one, a plain-http server)
};

// What one failed https exchange found out; fingerprints are filled where they are known.
struct CertificateFailureReport {
    CertificateFailure failure = CertificateFailure::None;
    std::string pinnedKey;     // "sha256//BASE64" that was expected
    std::string presentedKey;  // "sha256//BASE64" the server showed
};

// The status-bar text of a refused server; "server" is the address as the operator gave it.
std::string CertificateFailureText(const CertificateFailureReport& report, const std::string& server);

}  // namespace nsMoxHttp
