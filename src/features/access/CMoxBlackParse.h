#pragma once

#include "protocol/CMoxReplyCallback.h"

namespace nsMoxHttp {

// Replies of the black- and white-list requests.
class CMoxBlackParse : public CMoxReplyCallback {
protected:
    void HandleReply(bool failed) override;
};

}  // namespace nsMoxHttp
