#pragma once

#include "CtlOptions.h"

#include <string>
#include <vector>

// Makes --cacert, --pin and --insecure, and the keys remembered by trust, hold for this process.
// False, the usage error printed, when they cannot.
bool ApplyCtlTrust(const CtlOptions& options, const std::vector<std::string>& servers);

// The same options for a morvixctl started for one server of several.
std::vector<std::string> CtlTrustArguments(const CtlOptions& options);

// morvixctl trust: shows the certificate of an https server and remembers its public key once the
// operator confirmed it (on a terminal, or by giving the same key with --pin). trust forget: forgets it.
int RunTrustCommand(const CtlOptions& options, const std::string& server);
