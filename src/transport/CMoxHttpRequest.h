#pragma once

#include "transport/CMoxBaseHttp.h"
#include "transport/IMoxHttpCallback.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace nsMoxHttp {

class CMoxHttpManager;
class CMoxHttpTask;

// One started exchange. Shared by its task and its thread, so the thread may outlive the task;
// it reaches the task only through owner_, under stateLock_, and the task clears owner_ before
// it goes away.
class CMoxHttpRequest final : public IMoxHttpCallback {
public:
    // URLs this long or longer are refused without sending anything.
    static constexpr std::size_t kUrlLimit = 2048;

    CMoxHttpRequest(CMoxHttpTask& owner, CMoxHttpManager& manager, std::string url, std::string postData,
        bool keepBody, bool changesServer);

    // The request thread's work: the whole exchange and its report.
    void Run();

    // No callback starts after this. With abort the exchange also ends early, as failed.
    void Detach(bool abort);
    // Waits until a callback running on the request thread has returned; at once on that thread.
    void AwaitCallbackReturn();

    std::unique_ptr<CMoxReplyBuffer> CopyReply() const;
    CertificateFailureReport TrustFailure() const;

    void OnData(const char* bytes, std::size_t size, std::size_t count) override;
    void OnHeader(const char* bytes, std::size_t size, std::size_t count) override;
    void OnComplete(bool failed) override;
    void OnProgress(double total, double received) override;
    void OnRead(char* buffer, std::size_t size, std::size_t count) override;

private:
    struct Delivery {
        IMoxHttpCallback* listener = nullptr;
        CMoxHttpTask* task = nullptr;
    };

    Delivery BeginCallback();
    void EndCallback();

    CMoxHttpManager& manager_;
    const std::string url_;
    std::string postData_;
    const bool keepBody_;
    const bool changesServer_;
    std::atomic<bool> abortRequested_{false};

    mutable std::mutex stateLock_;
    std::condition_variable callbackReturned_;
    CMoxHttpTask* owner_;
    bool inCallback_ = false;
    std::thread::id requestThread_;
    std::unique_ptr<CMoxBaseHttp> client_;
};

}  // namespace nsMoxHttp
