#pragma once

#include "transport/IMoxHttpTask.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>

namespace nsMoxHttp {

class CMoxHttpRequest;

class CMoxHttpTask final : public IMoxHttpTask {
public:
    CMoxHttpTask() = default;
    CMoxHttpTask(const CMoxHttpTask&) = delete;
    CMoxHttpTask& operator=(const CMoxHttpTask&) = delete;

    long AddRef() override;
    long Release() override;

    void SetCallback(IMoxHttpCallback* callback) override;
    IMoxHttpCallback* GetCallback() override;
    void SetUrl(std::string_view url) override;
    void SetPostData(std::string_view body) override;
    bool StartRequest() override;
    void StopRequest(bool abort) override;
    void SetKeepBody(bool keep) override;
    void SetChangesServer(bool changes) override;
    std::unique_ptr<CMoxReplyBuffer> GetReply() override;
    CertificateFailureReport GetTrustFailure() override;

private:
    // Only Release destroys a task.
    ~CMoxHttpTask() override;

    std::shared_ptr<CMoxHttpRequest> Request() const;
    static void AwaitListenerReturn(std::shared_ptr<CMoxHttpRequest> request);

    std::atomic<long> refCount_{1};
    mutable std::mutex lock_;
    IMoxHttpCallback* callback_ = nullptr;
    std::string url_;
    std::string postData_;
    bool keepBody_ = false;
    bool changesServer_ = false;
    std::shared_ptr<CMoxHttpRequest> request_;
};

}  // namespace nsMoxHttp
