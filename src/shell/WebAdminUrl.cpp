#include "shell/WebAdminUrl.h"

#include "protocol/PercentEncoding.h"
#include "protocol/ServerAddress.h"

std::string WebAdminUrl(const std::string& host, const std::string& sessionId, const std::string& userType,
                        const std::string& version, const std::string& versionExt)
{
    using nsMoxHttp::PercentEncode;
    return nsMoxHttp::ServerUrlBase(host) + "/morvix/login-api.htm?SessionID=" + PercentEncode(sessionId) +
           "&usertype=" + PercentEncode(userType) + "&version=" + PercentEncode(version) +
           "&VersionExt=" + PercentEncode(versionExt);
}
