#pragma once

#include "features/config/DnsRedirectEntry.h"
#include "protocol/RequestValues.h"

#include <string>

class CtlSession;

// "dns export FILE" and "dns import FILE": the custom redirect entries through the file that the
// console's DNS page exchanges.
bool IsDnsFileCommand(const std::string& type, const std::string& cmd);
int RunDnsFileCommand(CtlSession& session, const std::string& cmd, const std::string& file, bool json);

// The "dns redirect-add" that adds one entry of the file.
nsMoxHttp::RequestValues DnsRedirectAddValues(const DnsRedirectEntry& entry);
