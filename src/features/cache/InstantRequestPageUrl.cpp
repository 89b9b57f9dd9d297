#include "features/cache/InstantRequestPageUrl.h"

#include "protocol/PercentEncoding.h"
#include "protocol/ServerAddress.h"

using nsMoxHttp::PercentEncode;

std::string InstantRequestPageUrl(const std::string& host, const std::string& sessionId, const std::string& pattern,
                                  int rules, int icase, std::int64_t nowSeconds)
{
    return nsMoxHttp::ServerUrlBase(host) + "/morvix/webcache.mox?type=realtime&cmd=instantrequest&RequestUrl=" +
           PercentEncode(pattern) + "&Rules=" + std::to_string(rules) + "&Icase=" + std::to_string(icase) +
           "&DateTime=1&Location=1&HitCache=1&SessionID=" + PercentEncode(sessionId) +
           "&ContentType=html&GetRandomNum=" + std::to_string(nowSeconds);
}
