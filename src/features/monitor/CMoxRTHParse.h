#pragma once

#include "protocol/CMoxReplyCallback.h"

namespace nsMoxHttp {

// Replies of the monitoring-record requests and of the password change.
class CMoxRTHParse : public CMoxReplyCallback {
protected:
    void HandleReply(bool failed) override;

private:
    void OnPasswordChanged(bool failed);
};

}  // namespace nsMoxHttp
