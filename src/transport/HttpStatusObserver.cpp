#include "transport/HttpStatusObserver.h"

#include <atomic>

namespace nsMoxHttp {

namespace {

std::atomic<HttpStatusObserver> observer{nullptr};

}  // namespace

void SetHttpStatusObserver(HttpStatusObserver next)
{
    observer.store(next);
}

void ReportHttpStatus(long status)
{
    if (const HttpStatusObserver current = observer.load())
        current(status);
}

}  // namespace nsMoxHttp
