#pragma once

#include <functional>

namespace nsMoxHttp {

// Runs a request builder and returns the request number it handed to the transport, 0 when it sent
// nothing: the number its completion event will carry. Builders say only whether they sent.
unsigned long SentRequestNumber(const std::function<bool()>& send);

// The session generation a request number was sent in, 0 for one never handed out.
unsigned long GenerationOfRequest(unsigned long requestNumber);
// True when the request was sent in an older session generation than the current one (or never):
// its reply belongs to a server or a login the console has left.
bool IsOfOlderSession(unsigned long requestNumber);

}  // namespace nsMoxHttp
