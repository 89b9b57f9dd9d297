#pragma once

#include "protocol/CMoxHttpCallback.h"

#include <memory>
#include <mutex>

namespace nsMoxHttp {
class IMoxHttpTask;
}

// The callback of morvixctl's live request stream. It reports the stream like any other, and
// tells its owner which task it runs in, so that an interrupted stream is cancelled the way the
// transport asks for (detached, removed with cancellation, callback freed) instead of abandoned.
class CtlStreamCallback : public nsMoxHttp::CMoxHttpCallback {
public:
    // Outlives the callback: what the owner needs to cancel it.
    struct Control {
        std::mutex lock;
        CtlStreamCallback* callback = nullptr;  // null once the callback is gone
        nsMoxHttp::IMoxHttpTask* task = nullptr;  // known from the first byte of the reply on
    };

    explicit CtlStreamCallback(std::shared_ptr<Control> control);
    ~CtlStreamCallback() override;

    void OnHeader(const char* data, std::size_t size, std::size_t count) override;
    void OnData(const char* data, std::size_t size, std::size_t count) override;

    // Stops the exchange unless it is already reporting its end. True when nothing of it is left.
    static bool Cancel(Control& control);

private:
    void Learn();

    std::shared_ptr<Control> control_;
};
