#pragma once

namespace nsMoxHttp {

class IMoxHttpTask;

// A sent request its sender may stop before it ends, such as a live stream. It holds a reference
// on the task, so that asking the transport about it stays safe after the exchange has ended.
// Destroying it stops the request: a stream that nobody holds must not run on unseen.
class CMoxStoppableRequest {
public:
    CMoxStoppableRequest() = default;
    // Takes over the caller's reference on the task.
    explicit CMoxStoppableRequest(IMoxHttpTask* task) : task_(task) {}
    ~CMoxStoppableRequest();
    CMoxStoppableRequest(CMoxStoppableRequest&& other) noexcept;
    CMoxStoppableRequest& operator=(CMoxStoppableRequest&& other) noexcept;
    CMoxStoppableRequest(const CMoxStoppableRequest&) = delete;
    CMoxStoppableRequest& operator=(const CMoxStoppableRequest&) = delete;

    // True until Stop: the request was handed to the transport.
    bool IsSent() const { return task_ != nullptr; }
    explicit operator bool() const { return IsSent(); }

    // The transport's way of stopping: when the task is still known, its callback is detached,
    // the task removed with cancellation and the callback freed. A task the transport no longer
    // knows is reporting its end, and its callback frees itself. Once this returns no callback of
    // the exchange runs, and it posts nothing more.
    void Stop();

private:
    IMoxHttpTask* task_ = nullptr;
};

}  // namespace nsMoxHttp
