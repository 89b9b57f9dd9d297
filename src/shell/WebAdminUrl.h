#pragma once

#include <string>

// The server's web administration page with the session's values in its address, each value
// percent-encoded so that none can add a parameter of its own.
std::string WebAdminUrl(const std::string& host, const std::string& sessionId, const std::string& userType,
                        const std::string& version, const std::string& versionExt);
