#pragma once

#include "protocol/CMoxReplyCallback.h"

namespace nsMoxHttp {

// Replies of the disk-cache requests.
class CMoxDiskCacheParse : public CMoxReplyCallback {
protected:
    void HandleReply(bool failed) override;
};

}  // namespace nsMoxHttp
