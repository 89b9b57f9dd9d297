#pragma once

#include "protocol/CMoxReplyCallback.h"
#include "shell/CMoxLineParse.h"

#include <memory>
#include <string>
#include <string_view>

namespace nsMoxHttp {

// Replies of sign-in, system options, realtime figures, the instant-request stream and the tools.
// Each request's handler is defined beside the feature it serves.
class CMoxHttpCallback : public CMoxReplyCallback {
public:
    void OnData(const char* data, std::size_t size, std::size_t count) override;

    // A value the request carries through to its result record (the silent re-login mark).
    void SetPassThrough(int value) { passThrough_ = value; }
    int PassThrough() const { return passThrough_; }

protected:
    void HandleReply(bool failed) override;

private:
    // Sign-in (shell).
    void OnSignIn(bool failed);
    // System options and tools (features/config).
    void OnSystemList(bool failed);
    void OnSystemModify(bool failed);
    void OnToolsIpLook(bool failed);
    void OnToolsTestRegex(bool failed);
    void OnToolsTestCache(bool failed);
    void OnToolsCachedUrlList(bool failed);

    // Realtime figures and the live request stream (features/monitor). The stream's run number
    // travels as the pass-through value.
    void OnRealtimeList(bool failed);
    void OnRealtimeTotalStat(bool failed);
    void OnInstantRequestData(std::string_view piece);
    void OnInstantRequestEnd();

    int passThrough_ = 0;
    std::string cachedUrlText_;  // the cached-URL list as it streams in
    std::unique_ptr<CMoxLineParse> instantLines_;  // the live stream's unfinished line
};

}  // namespace nsMoxHttp
