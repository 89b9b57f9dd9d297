#pragma once

#include "protocol/CMoxReplyCallback.h"

namespace nsMoxHttp {

// Replies of the cache-cleaning requests. Their events carry no record: param2 is the error
// number of a refusal, else 0.
class CCleanCache : public CMoxReplyCallback {
protected:
    void HandleReply(bool failed) override;
};

}  // namespace nsMoxHttp
