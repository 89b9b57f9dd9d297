#pragma once

#include "support/WaitUntil.h"
#include "transport/CMoxHttpManager.h"

#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace morvix::test {

// Drives one task the way the request builders and reply parsers do, and keeps everything it is
// told: OnComplete takes the reply (unless failed), removes the task, then records the outcome.
class RecordingListener : public nsMoxHttp::IMoxHttpCallback {
public:
    nsMoxHttp::IMoxHttpTask* Start(const std::string& url, std::string_view body = {}, bool keepBody = true)
    {
        task_ = nsMoxHttp::CMoxHttpManager::Instance().CreateTask();
        task_->SetCallback(this);
        task_->SetKeepBody(keepBody);
        task_->SetUrl(url);
        task_->SetPostData(body);
        task_->StartRequest();
        return task_;
    }
    nsMoxHttp::IMoxHttpTask* Task() const { return task_; }

    void OnData(const char* bytes, std::size_t size, std::size_t count) override
    {
        std::lock_guard guard(lock_);
        body_.append(bytes, size * count);
        ++calls_;
    }
    void OnHeader(const char* bytes, std::size_t size, std::size_t count) override
    {
        std::lock_guard guard(lock_);
        headers_.emplace_back(bytes, size * count);
        ++calls_;
    }
    void OnProgress(double, double) override
    {
        std::lock_guard guard(lock_);
        ++calls_;
    }
    void OnComplete(bool failed) override
    {
        std::unique_ptr<nsMoxHttp::CMoxReplyBuffer> reply;
        if (!failed)
            reply = task_->GetReply();
        nsMoxHttp::CMoxHttpManager::Instance().RemoveTask(task_, false);
        std::lock_guard guard(lock_);
        reply_ = std::move(reply);
        failed_ = failed;
        ++completions_;
        ++calls_;
    }

    bool WaitCompleted() const
    {
        return WaitUntil([this] { return Completions() > 0; });
    }
    int Completions() const
    {
        std::lock_guard guard(lock_);
        return completions_;
    }
    bool Failed() const
    {
        std::lock_guard guard(lock_);
        return failed_;
    }
    int Calls() const
    {
        std::lock_guard guard(lock_);
        return calls_;
    }
    std::string Body() const
    {
        std::lock_guard guard(lock_);
        return body_;
    }
    std::vector<std::string> Headers() const
    {
        std::lock_guard guard(lock_);
        return headers_;
    }
    std::unique_ptr<nsMoxHttp::CMoxReplyBuffer> TakeReply()
    {
        std::lock_guard guard(lock_);
        return std::move(reply_);
    }

private:
    nsMoxHttp::IMoxHttpTask* task_ = nullptr;
    mutable std::mutex lock_;
    std::string body_;
    std::vector<std::string> headers_;
    std::unique_ptr<nsMoxHttp::CMoxReplyBuffer> reply_;
    bool failed_ = false;
    int completions_ = 0;
    int calls_ = 0;
};

}  // namespace morvix::test
