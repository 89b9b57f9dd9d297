#pragma once

#include "protocol/CallbackFamily.h"

#include <memory>

namespace nsMoxHttp {

class CMoxReplyCallback;

// A new callback object of the family that handles a request's reply.
std::unique_ptr<CMoxReplyCallback> MakeReplyCallback(CallbackFamily family);

}  // namespace nsMoxHttp
