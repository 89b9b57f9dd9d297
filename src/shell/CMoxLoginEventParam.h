#pragma once

#include "messaging/CMoxEventParam.h"
#include "transport/CertificateFailure.h"
#include "transport/ServerCertificate.h"

#include <optional>

#include <string>

// The record of events 2 (login started), 3 (succeeded), 4 (refused or unreadable) and 6 (no
// connection). The session texts are filled on success only.
class CMoxLoginEventParam : public CMoxEventParam {
public:
    std::string host;      // address with port
    std::string errorNo;   // ErrorNo of a refused reply, as received
    std::string sessionId;
    std::string userType;
    std::string version;   // as the instance keeps it (trimmed for an OEM build)
    std::string versionExt;
    std::string roleName;  // "admin" or "keeper"
    std::string password;
    int passThrough = 0;   // carried unchanged from the request: 1 marks a silent re-login
    // Event 6 of an https server that was not trusted: why, and for a server no authority vouches
    // for, the certificate it showed, so that the operator can decide to trust it.
    nsMoxHttp::CertificateFailureReport trustFailure;
    std::optional<nsMoxHttp::ServerCertificate> certificate;
};
