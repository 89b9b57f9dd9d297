#include "transport/CMoxHttpTask.h"

#include "transport/CMoxHttpListLock.h"
#include "transport/CMoxHttpManager.h"
#include "transport/CMoxHttpRequest.h"

namespace nsMoxHttp {

CMoxHttpTask::~CMoxHttpTask()
{
    if (request_) {
        request_->Detach(false);
        AwaitListenerReturn(request_);
    }
}

long CMoxHttpTask::AddRef()
{
    return ++refCount_;
}

long CMoxHttpTask::Release()
{
    const long remaining = --refCount_;
    if (remaining == 0)
        delete this;
    return remaining;
}

void CMoxHttpTask::SetCallback(IMoxHttpCallback* callback)
{
    std::shared_ptr<CMoxHttpRequest> request;
    {
        std::lock_guard guard(lock_);
        callback_ = callback;
        request = request_;
    }
    if (request)
        AwaitListenerReturn(std::move(request));
}

IMoxHttpCallback* CMoxHttpTask::GetCallback()
{
    std::lock_guard guard(lock_);
    return callback_;
}

void CMoxHttpTask::SetUrl(std::string_view url)
{
    std::lock_guard guard(lock_);
    url_ = url;
}

void CMoxHttpTask::SetPostData(std::string_view body)
{
    if (body.empty())
        return;
    std::lock_guard guard(lock_);
    postData_ = body;
}

void CMoxHttpTask::SetKeepBody(bool keep)
{
    std::lock_guard guard(lock_);
    keepBody_ = keep;
}

void CMoxHttpTask::SetChangesServer(bool changes)
{
    std::lock_guard guard(lock_);
    changesServer_ = changes;
}

bool CMoxHttpTask::StartRequest()
{
    CMoxHttpManager& manager = CMoxHttpManager::Instance();
    std::shared_ptr<CMoxHttpRequest> request;
    {
        std::lock_guard guard(lock_);
        if (request_)
            return false;
        request_ = std::make_shared<CMoxHttpRequest>(*this, manager, url_, postData_, keepBody_, changesServer_);
        request = request_;
    }
    if (manager.StartExchange(request))
        return true;
    request->Detach(true);
    return false;
}

void CMoxHttpTask::StopRequest(bool abort)
{
    std::shared_ptr<CMoxHttpRequest> request = Request();
    if (!request)
        return;
    request->Detach(abort);
    AwaitListenerReturn(std::move(request));
}

std::unique_ptr<CMoxReplyBuffer> CMoxHttpTask::GetReply()
{
    std::shared_ptr<CMoxHttpRequest> request = Request();
    return request ? request->CopyReply() : nullptr;
}

CertificateFailureReport CMoxHttpTask::GetTrustFailure()
{
    std::shared_ptr<CMoxHttpRequest> request = Request();
    return request ? request->TrustFailure() : CertificateFailureReport{};
}

std::shared_ptr<CMoxHttpRequest> CMoxHttpTask::Request() const
{
    std::lock_guard guard(lock_);
    return request_;
}

void CMoxHttpTask::AwaitListenerReturn(std::shared_ptr<CMoxHttpRequest> request)
{
    CMoxHttpListLock::AfterRelease([request = std::move(request)] { request->AwaitCallbackReturn(); });
}

}  // namespace nsMoxHttp
