#pragma once

#include "messaging/IZebUnknow.h"
#include "transport/CMoxReplyBuffer.h"
#include "transport/CertificateFailure.h"
#include "transport/IMoxHttpCallback.h"

#include <memory>
#include <string_view>

namespace nsMoxHttp {

// One HTTP exchange: configured, started once, and reported to its listener.
class IMoxHttpTask : public IZebUnknow {
public:
    // Replacing or clearing the listener of a running exchange waits for a callback that is
    // running in the old listener to return (see IMoxHttpManager::RemoveTask for when).
    virtual void SetCallback(IMoxHttpCallback* callback) = 0;
    virtual IMoxHttpCallback* GetCallback() = 0;
    // UTF-8; a URL of 2048 bytes or more fails the exchange without sending anything.
    virtual void SetUrl(std::string_view url) = 0;
    // A body makes the exchange a POST; an empty one is ignored.
    virtual void SetPostData(std::string_view body) = 0;
    // Starts the exchange on a thread of its own. False when it could not be started, or had
    // been started already.
    virtual bool StartRequest() = 0;
    // Detaches the listener; with abort the exchange is also cut short.
    virtual void StopRequest(bool abort) = 0;
    virtual void SetKeepBody(bool keep) = 0;
    // A request that changes the server goes out only on a new connection or one used moments
    // ago, so that it is never sent twice; others reuse any live connection.
    virtual void SetChangesServer(bool changes) = 0;
    // A copy of the body received so far, or null when the body is not kept or nothing started.
    virtual std::unique_ptr<CMoxReplyBuffer> GetReply() = 0;
    // Why a failed https exchange did not trust its server; None for every other outcome.
    virtual CertificateFailureReport GetTrustFailure() { return {}; }
};

}  // namespace nsMoxHttp
