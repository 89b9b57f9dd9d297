#pragma once

#include "protocol/CMoxReplyCallback.h"

namespace nsMoxHttp {

// Replies of the page-cache rule requests.
class CMoxFCacheManager : public CMoxReplyCallback {
protected:
    void HandleReply(bool failed) override;
};

}  // namespace nsMoxHttp
