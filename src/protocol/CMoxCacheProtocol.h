#pragma once

#include "protocol/RequestCatalogue.h"
#include "protocol/RequestValues.h"

#include <memory>
#include <mutex>

namespace nsMoxHttp {

class CMoxReplyCallback;

// The request builder: every request of the administration interface goes out through Send,
// which follows the same steps for each row of the catalogue.
class CMoxCacheProtocol {
public:
    static CMoxCacheProtocol& GetProtocol();

    unsigned long NextRequestId();

    // Sends the request; true when it was handed to the transport. Every request but the sign-in
    // needs a live session. Tails and optional pairs come from the values as the catalogue says.
    bool Send(int kind, const RequestValues& values);
    bool Send(const CatalogueRow& row, const RequestValues& values);
    // With a callback made by the caller, for requests that hand values through to their event.
    bool Send(const CatalogueRow& row, const RequestValues& values, std::unique_ptr<CMoxReplyCallback> callback);

private:
    CMoxCacheProtocol() = default;

    std::mutex counterLock_;
    unsigned long requestCounter_ = 0;
};

}  // namespace nsMoxHttp
