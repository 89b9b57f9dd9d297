#pragma once

#include "protocol/CMoxStoppableRequest.h"
#include "protocol/RequestCatalogue.h"
#include "protocol/RequestValues.h"

#include <map>
#include <memory>
#include <mutex>

namespace nsMoxHttp {

class CMoxReplyCallback;
class IMoxHttpTask;

// The request builder: every request of the administration interface goes out through Send,
// which follows the same steps for each row of the catalogue.
class CMoxCacheProtocol {
public:
    static CMoxCacheProtocol& GetProtocol();

    unsigned long NextRequestId();
    // The session generation the request of this number was sent in; 0 for a number not handed out.
    // Numbers are handed out in the order generations advance, so a later number never belongs to
    // an older generation.
    unsigned long GenerationOf(unsigned long requestNumber);

    // Sends the request; true when it was handed to the transport. Every request but the sign-in
    // needs a live session. Tails and optional pairs come from the values as the catalogue says.
    bool Send(int kind, const RequestValues& values);
    bool Send(const CatalogueRow& row, const RequestValues& values);
    // With a callback made by the caller, for requests that hand values through to their event.
    bool Send(const CatalogueRow& row, const RequestValues& values, std::unique_ptr<CMoxReplyCallback> callback);
    // The same, handing back the request so that the caller can stop it (a live stream); an
    // empty one when nothing was sent.
    CMoxStoppableRequest SendStoppable(const CatalogueRow& row, const RequestValues& values);
    CMoxStoppableRequest SendStoppable(const CatalogueRow& row, const RequestValues& values,
                                       std::unique_ptr<CMoxReplyCallback> callback);

private:
    CMoxCacheProtocol() = default;

    // The started task with a reference for the caller, or null when nothing was sent.
    IMoxHttpTask* Start(const CatalogueRow& row, const RequestValues& values,
                        std::unique_ptr<CMoxReplyCallback> callback);

    std::mutex counterLock_;
    unsigned long requestCounter_ = 0;
    // The first request number of each generation that sent any, by that number.
    std::map<unsigned long, unsigned long> generationStarts_;
};

}  // namespace nsMoxHttp
