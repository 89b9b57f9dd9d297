#pragma once

#include "transport/CMoxBaseHttp.h"

namespace morvix::test {

// Shortens the transport's guards against hostile servers for one test, so that a stalled or
// endless reply is met in seconds; the defaults come back afterwards.
class ShortenedExchangeLimits {
public:
    explicit ShortenedExchangeLimits(nsMoxHttp::CMoxBaseHttp::Limits limits = {4 * 1024 * 1024, 2})
    {
        nsMoxHttp::CMoxBaseHttp::SetLimits(limits);
    }
    ~ShortenedExchangeLimits() { nsMoxHttp::CMoxBaseHttp::SetLimits(nsMoxHttp::CMoxBaseHttp::DefaultLimits()); }
    ShortenedExchangeLimits(const ShortenedExchangeLimits&) = delete;
    ShortenedExchangeLimits& operator=(const ShortenedExchangeLimits&) = delete;
};

}  // namespace morvix::test
