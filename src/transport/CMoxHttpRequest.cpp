#include "transport/CMoxHttpRequest.h"

#include "transport/CMoxHttpManager.h"
#include "transport/CMoxHttpTask.h"

namespace nsMoxHttp {

CMoxHttpRequest::CMoxHttpRequest(CMoxHttpTask& owner, CMoxHttpManager& manager, std::string url,
    std::string postData, bool keepBody, bool changesServer)
    : manager_(manager), url_(std::move(url)), postData_(std::move(postData)), keepBody_(keepBody),
      changesServer_(changesServer), owner_(&owner)
{
}

void CMoxHttpRequest::Run()
{
    {
        std::lock_guard guard(stateLock_);
        requestThread_ = std::this_thread::get_id();
        if (!owner_)
            return;
        client_ = std::make_unique<CMoxBaseHttp>(*this, abortRequested_, keepBody_);
    }
    if (url_.size() >= kUrlLimit) {
        OnComplete(true);
        return;
    }
    client_->SetPostData(std::move(postData_));
    client_->SetConnectionShare(manager_.ConnectionShare());
    client_->SetChangesServer(changesServer_);
    client_->Perform(url_);
}

void CMoxHttpRequest::Detach(bool abort)
{
    std::lock_guard guard(stateLock_);
    owner_ = nullptr;
    if (abort)
        abortRequested_ = true;
}

void CMoxHttpRequest::AwaitCallbackReturn()
{
    std::unique_lock guard(stateLock_);
    callbackReturned_.wait(guard, [this] { return !inCallback_ || requestThread_ == std::this_thread::get_id(); });
}

std::unique_ptr<CMoxReplyBuffer> CMoxHttpRequest::CopyReply() const
{
    std::lock_guard guard(stateLock_);
    return client_ ? client_->CopyReply() : nullptr;
}

CertificateFailureReport CMoxHttpRequest::TrustFailure() const
{
    std::lock_guard guard(stateLock_);
    return client_ ? client_->TrustFailure() : CertificateFailureReport{};
}

CMoxHttpRequest::Delivery CMoxHttpRequest::BeginCallback()
{
    std::lock_guard guard(stateLock_);
    if (!owner_)
        return {};
    IMoxHttpCallback* listener = owner_->GetCallback();
    if (!listener)
        return {};
    inCallback_ = true;
    return {listener, owner_};
}

void CMoxHttpRequest::EndCallback()
{
    {
        std::lock_guard guard(stateLock_);
        inCallback_ = false;
    }
    callbackReturned_.notify_all();
}

void CMoxHttpRequest::OnData(const char* bytes, std::size_t size, std::size_t count)
{
    if (IMoxHttpCallback* listener = BeginCallback().listener) {
        listener->OnData(bytes, size, count);
        EndCallback();
    }
}

void CMoxHttpRequest::OnHeader(const char* bytes, std::size_t size, std::size_t count)
{
    if (IMoxHttpCallback* listener = BeginCallback().listener) {
        listener->OnHeader(bytes, size, count);
        EndCallback();
    }
}

void CMoxHttpRequest::OnProgress(double total, double received)
{
    if (IMoxHttpCallback* listener = BeginCallback().listener) {
        listener->OnProgress(total, received);
        EndCallback();
    }
}

void CMoxHttpRequest::OnRead(char* buffer, std::size_t size, std::size_t count)
{
    if (IMoxHttpCallback* listener = BeginCallback().listener) {
        listener->OnRead(buffer, size, count);
        EndCallback();
    }
}

void CMoxHttpRequest::OnComplete(bool failed)
{
    // Deciding under the manager's lock makes the end and a cancellation exclusive: a canceller
    // holding the lock either detaches us first, or finds the task gone from the list and knows
    // the listener now owns the outcome.
    manager_.Lock();
    const Delivery delivery = BeginCallback();
    const bool tookListReference = delivery.listener && manager_.TakeForCompletion(delivery.task);
    manager_.Unlock();
    if (!delivery.listener)
        return;
    delivery.listener->OnComplete(failed);
    EndCallback();
    if (tookListReference)
        delivery.task->Release();
}

}  // namespace nsMoxHttp
