#pragma once

#include "protocol/CMoxReplyCallback.h"

namespace nsMoxHttp {

// Replies of the refuse-cache rule requests.
class CMoxRCacheManager : public CMoxReplyCallback {
protected:
    void HandleReply(bool failed) override;
};

}  // namespace nsMoxHttp
