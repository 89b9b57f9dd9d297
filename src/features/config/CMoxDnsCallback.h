#pragma once

#include "protocol/CMoxReplyCallback.h"

namespace nsMoxHttp {

// Replies of the DNS service, DNS cache, redirect, class and balance requests.
class CMoxDnsCallback : public CMoxReplyCallback {
protected:
    void HandleReply(bool failed) override;

private:
    void OnCacheList(bool failed);
};

}  // namespace nsMoxHttp
