#pragma once

#include <cstddef>

namespace nsMoxHttp {

// Listener of one HTTP exchange. Every call arrives on the exchange's own thread; a listener that
// only needs the result implements OnComplete and leaves the others as they are.
class IMoxHttpCallback {
public:
    virtual void OnData(const char* bytes, std::size_t size, std::size_t count) {}
    virtual void OnHeader(const char* bytes, std::size_t size, std::size_t count) {}
    // failed: true when no complete reply arrived (refused, timed out, aborted, URL too long).
    // An error page from the server is a finished exchange. The task stays valid until this
    // returns; the exchange has already left the manager's list, so RemoveTask here is harmless.
    virtual void OnComplete(bool failed) = 0;
    virtual void OnProgress(double total, double received) {}
    virtual void OnRead(char* buffer, std::size_t size, std::size_t count) {}
    virtual ~IMoxHttpCallback() = default;
};

}  // namespace nsMoxHttp
