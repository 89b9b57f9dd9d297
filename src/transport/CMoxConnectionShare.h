#pragma once

#include <curl/curl.h>

#include <array>
#include <mutex>

namespace nsMoxHttp {

// libcurl's connection cache shared by every exchange of the process, so that a request to a
// server reuses a connection an earlier exchange left open instead of paying for a new one.
// It must outlive every easy handle that uses it and go before libcurl's global clean-up.
class CMoxConnectionShare {
public:
    CMoxConnectionShare();
    ~CMoxConnectionShare();
    CMoxConnectionShare(const CMoxConnectionShare&) = delete;
    CMoxConnectionShare& operator=(const CMoxConnectionShare&) = delete;

    // Null when libcurl could not make the share; exchanges then open a connection each.
    CURLSH* Handle() const { return share_; }

private:
    static void Lock(CURL*, curl_lock_data data, curl_lock_access, void* self);
    static void Unlock(CURL*, curl_lock_data data, void* self);

    std::array<std::mutex, CURL_LOCK_DATA_LAST> locks_;
    CURLSH* share_ = nullptr;
};

}  // namespace nsMoxHttp
