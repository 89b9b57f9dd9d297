#pragma once

#include <functional>

namespace nsMoxHttp {

// Runs a request builder and returns the request number it handed to the transport, 0 when it sent
// nothing: the number its completion event will carry. Builders say only whether they sent.
unsigned long SentRequestNumber(const std::function<bool()>& send);

}  // namespace nsMoxHttp
