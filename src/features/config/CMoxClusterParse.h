#pragma once

#include "protocol/CMoxReplyCallback.h"

namespace nsMoxHttp {

// Replies of the cluster requests.
class CMoxClusterParse : public CMoxReplyCallback {
protected:
    void HandleReply(bool failed) override;
};

}  // namespace nsMoxHttp
