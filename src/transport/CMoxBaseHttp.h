#pragma once

#include "transport/CMoxProxySettings.h"
#include "transport/CMoxReplyBuffer.h"
#include "transport/CertificateFailure.h"
#include "transport/IMoxHttpCallback.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

typedef void CURLSH;

namespace nsMoxHttp {

// One exchange on libcurl. Every libcurl resource lives only inside Perform, so nothing of
// libcurl outlives the request thread; the collected body stays for GetReply.
class CMoxBaseHttp {
public:
    // What guards a collected reply against a server that sends without end or stops sending.
    // The live stream collects nothing and is bound by neither: a quiet rule is not a fault.
    struct Limits {
        std::size_t replyCapBytes;  // after decompression; more ends the exchange as failed
        long stallSeconds;          // no byte for this long ends the exchange as failed
    };
    static Limits DefaultLimits();
    static Limits CurrentLimits();
    // Tests shorten the limits so that a hostile server is met in seconds.
    static void SetLimits(Limits limits);

    // abortRequested is polled by libcurl's progress callback; when it turns true the exchange
    // ends as failed.
    CMoxBaseHttp(IMoxHttpCallback& owner, const std::atomic<bool>& abortRequested, bool keepBody);

    void SetProxy(const CMoxProxySettings& proxy);
    // One "Name: value" line sent with the request.
    void AddHeader(std::string line);
    void SetPostData(std::string body);
    // Exchanges with the same share reuse each other's idle connections.
    void SetConnectionShare(CURLSH* share);
    // A request that changes the server reuses only a connection idle for under two seconds: one
    // the server cannot be closing as the request goes out, which libcurl would answer by sending
    // the request again on a new connection.
    void SetChangesServer(bool changes);

    // Runs the exchange to its end, then calls the owner's OnComplete.
    void Perform(const std::string& url);

    // Copy of the body received so far; null when the body is not kept.
    std::unique_ptr<CMoxReplyBuffer> CopyReply() const;
    // Why a failed https exchange did not trust its server; None for any other outcome.
    CertificateFailureReport TrustFailure() const;

private:
    bool Exchange(const std::string& url);

    static std::size_t ReceiveBody(char* bytes, std::size_t size, std::size_t count, void* self);
    static std::size_t ReceiveHeader(char* bytes, std::size_t size, std::size_t count, void* self);
    static std::size_t SupplyBody(char* buffer, std::size_t size, std::size_t count, void* self);
    static int ReportProgress(void* self, double downloadTotal, double downloaded, double, double);
    // True when a collected reply has not moved for the stall limit.
    bool Stalled(double received);

    IMoxHttpCallback& owner_;
    const std::atomic<bool>& abortRequested_;
    const bool keepBody_;
    CMoxProxySettings proxy_;
    std::vector<std::string> headers_;
    std::string postData_;
    CURLSH* share_ = nullptr;
    bool changesServer_ = false;

    Limits limits_;
    std::chrono::steady_clock::time_point lastMove_;
    double lastReceived_ = 0;
    mutable std::mutex replyLock_;
    std::unique_ptr<CMoxReplyBuffer> reply_;
    CertificateFailureReport certificateFailure_;
};

}  // namespace nsMoxHttp
