// The option table keeps libcurl's classic progress callback, which libcurl still honours.
#define CURL_DISABLE_DEPRECATION

#include "transport/CMoxBaseHttp.h"

#include "transport/HttpStatusObserver.h"
#include "transport/ServerCertificate.h"
#include "transport/TlsTrust.h"

#include <curl/curl.h>

#include <openssl/x509_vfy.h>

#include <variant>

namespace nsMoxHttp {

namespace {

// What one exchange hands to libcurl; the option table reads every value from here.
struct Setup {
    const char* url = nullptr;
    bool https = false;
    // A pinned key is the server's identity, as a known host's is for SSH: the chain and the name
    // are not asked for, so that a server with its own certificate can be trusted at all.
    bool verifyChain = true;
    std::string caFile;
    std::string pinnedKey;
    bool proxy = false;
    std::string proxyAddress;
    long proxyType = CURLPROXY_HTTP;
    bool proxyAuthentication = false;
    const char* proxyUserName = nullptr;
    const char* proxyPassword = nullptr;
    void* wrapper = nullptr;
    curl_write_callback bodyFunction = nullptr;
    curl_write_callback headerFunction = nullptr;
    curl_read_callback readFunction = nullptr;
    curl_progress_callback progressFunction = nullptr;
    const std::string* postData = nullptr;
    curl_slist* headers = nullptr;
    CURLSH* share = nullptr;
    bool changesServer = false;
};

using OptionValue = std::variant<long, const char*, void*, curl_write_callback, curl_progress_callback,
    curl_slist*>;

enum class When {
    Always, Https, CaFile, Pinned, Proxy, ProxyAuthentication, Body, ExtraHeaders, Shared, ChangesServer
};

using ReadValue = OptionValue (*)(const Setup&);

struct OptionRow {
    CURLoption option;
    When when;
    ReadValue value;
};

template <long number>
OptionValue Long(const Setup&) { return number; }
template <const char* text>
OptionValue Text(const Setup&) { return text; }

OptionValue Url(const Setup& s) { return s.url; }
OptionValue VerifyPeer(const Setup& s) { return s.verifyChain ? 1L : 0L; }
OptionValue VerifyHost(const Setup& s) { return s.verifyChain ? 2L : 0L; }
OptionValue CaFile(const Setup& s) { return s.caFile.c_str(); }
OptionValue PinnedKey(const Setup& s) { return s.pinnedKey.c_str(); }
OptionValue ProxyAddress(const Setup& s) { return s.proxyAddress.c_str(); }
OptionValue ProxyType(const Setup& s) { return s.proxyType; }
OptionValue ProxyUserName(const Setup& s) { return s.proxyUserName; }
OptionValue ProxyPassword(const Setup& s) { return s.proxyPassword; }
OptionValue BodyFunction(const Setup& s) { return s.bodyFunction; }
OptionValue HeaderFunction(const Setup& s) { return s.headerFunction; }
OptionValue ReadFunction(const Setup& s) { return s.readFunction; }
OptionValue ProgressFunction(const Setup& s) { return s.progressFunction; }
OptionValue Wrapper(const Setup& s) { return s.wrapper; }
OptionValue PostData(const Setup& s) { return s.postData->c_str(); }
OptionValue PostLength(const Setup& s) { return static_cast<long>(s.postData->size()); }
OptionValue HeaderList(const Setup& s) { return s.headers; }
OptionValue Share(const Setup& s) { return s.share; }

constexpr long kTimeoutSeconds = 5000;
// Far above the largest real list (100,000 rules take some 30 MiB), far below what ends a workstation.
constexpr std::size_t kReplyCapBytes = std::size_t{512} * 1024 * 1024;
// A collected reply that has not moved for this long has stalled (checked by the progress callback);
// the overall time-out above would keep the request thread for well over an hour.
constexpr long kStallSeconds = 60;
// libcurl compares whole seconds of idleness with "greater than": 1 lets a connection idle for
// less than two seconds be reused, no older one.
constexpr long kChangeReuseMaxAgeSeconds = 1;
constexpr char kUserAgent[] = "MoxMoniter/3.5.0";
constexpr char kAcceptedEncodings[] = "gzip, deflate";
// A redirect from an https server is followed over https only: the body must not go on in clear.
constexpr char kHttpsOnly[] = "https";

// The limits in force; tests shorten them.
std::atomic<std::size_t> replyCapBytes{kReplyCapBytes};
std::atomic<long> stallSeconds{kStallSeconds};

// Every option of an exchange, in the order it is set. Rows whose condition does not hold are skipped.
const OptionRow kOptionTable[] = {
    {CURLOPT_URL,              When::Always,              Url},
    {CURLOPT_SSL_VERIFYPEER,   When::Https,               VerifyPeer},
    {CURLOPT_SSL_VERIFYHOST,   When::Https,               VerifyHost},
    {CURLOPT_CAINFO,           When::CaFile,              CaFile},
    {CURLOPT_PINNEDPUBLICKEY,  When::Pinned,              PinnedKey},
    // So that a refusal can name the key the server showed beside the one remembered.
    {CURLOPT_CERTINFO,         When::Pinned,              Long<1>},
    {CURLOPT_PROXY,            When::Proxy,               ProxyAddress},
    {CURLOPT_PROXYTYPE,        When::Proxy,               ProxyType},
    {CURLOPT_PROXYUSERNAME,    When::ProxyAuthentication, ProxyUserName},
    {CURLOPT_PROXYPASSWORD,    When::ProxyAuthentication, ProxyPassword},
    {CURLOPT_WRITEFUNCTION,    When::Always,              BodyFunction},
    {CURLOPT_WRITEDATA,        When::Always,              Wrapper},
    {CURLOPT_HEADERFUNCTION,   When::Always,              HeaderFunction},
    {CURLOPT_HEADERDATA,       When::Always,              Wrapper},
    {CURLOPT_READFUNCTION,     When::Always,              ReadFunction},
    {CURLOPT_READDATA,         When::Always,              Wrapper},
    {CURLOPT_NOPROGRESS,       When::Always,              Long<0>},
    {CURLOPT_PROGRESSFUNCTION, When::Always,              ProgressFunction},
    {CURLOPT_PROGRESSDATA,     When::Always,              Wrapper},
    {CURLOPT_FOLLOWLOCATION,   When::Always,              Long<1>},
    {CURLOPT_REDIR_PROTOCOLS_STR, When::Https,            Text<kHttpsOnly>},
    {CURLOPT_AUTOREFERER,      When::Always,              Long<1>},
    {CURLOPT_POSTFIELDS,       When::Body,                PostData},
    {CURLOPT_POSTFIELDSIZE,    When::Body,                PostLength},
    {CURLOPT_CONNECTTIMEOUT,   When::Always,              Long<kTimeoutSeconds>},
    {CURLOPT_TIMEOUT,          When::Always,              Long<kTimeoutSeconds>},
    {CURLOPT_USERAGENT,        When::Always,              Text<kUserAgent>},
    {CURLOPT_ACCEPT_ENCODING,  When::Always,              Text<kAcceptedEncodings>},
    {CURLOPT_HTTP_VERSION,     When::Always,              Long<CURL_HTTP_VERSION_1_1>},
    {CURLOPT_HTTPHEADER,       When::ExtraHeaders,        HeaderList},
    {CURLOPT_SHARE,            When::Shared,              Share},
    {CURLOPT_MAXAGE_CONN,      When::ChangesServer,       Long<kChangeReuseMaxAgeSeconds>},
};

bool Holds(When when, const Setup& setup)
{
    switch (when) {
    case When::Always: return true;
    case When::Https: return setup.https;
    case When::CaFile: return setup.https && !setup.caFile.empty();
    case When::Pinned: return setup.https && !setup.pinnedKey.empty();
    case When::Proxy: return setup.proxy;
    case When::ProxyAuthentication: return setup.proxy && setup.proxyAuthentication;
    case When::Body: return !setup.postData->empty();
    case When::ExtraHeaders: return setup.headers != nullptr;
    case When::Shared: return setup.share != nullptr;
    case When::ChangesServer: return setup.changesServer;
    }
    return false;
}

bool ApplyOptions(CURL* easy, const Setup& setup)
{
    for (const OptionRow& row : kOptionTable) {
        if (!Holds(row.when, setup))
            continue;
        const CURLcode code = std::visit(
            [&](auto value) { return curl_easy_setopt(easy, row.option, value); }, row.value(setup));
        if (code != CURLE_OK)
            return false;
    }
    return true;
}

long CurlProxyType(CMoxProxySettings::Type type)
{
    switch (type) {
    case CMoxProxySettings::Type::Socks4: return CURLPROXY_SOCKS4;
    case CMoxProxySettings::Type::Socks5: return CURLPROXY_SOCKS5;
    default: return CURLPROXY_HTTP;
    }
}

struct EasyCleanup {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};

struct ListCleanup {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

CertificateFailure VerificationFailure(long verifyResult)
{
    switch (verifyResult) {
    case X509_V_ERR_CERT_HAS_EXPIRED:
    case X509_V_ERR_CERT_NOT_YET_VALID:
        return CertificateFailure::Expired;
    case X509_V_ERR_DEPTH_ZERO_SELF_SIGNED_CERT:
    case X509_V_ERR_SELF_SIGNED_CERT_IN_CHAIN:
    case X509_V_ERR_UNABLE_TO_GET_ISSUER_CERT:
    case X509_V_ERR_UNABLE_TO_GET_ISSUER_CERT_LOCALLY:
    case X509_V_ERR_UNABLE_TO_VERIFY_LEAF_SIGNATURE:
    case X509_V_ERR_CERT_UNTRUSTED:
        return CertificateFailure::UnknownIssuer;
    case X509_V_ERR_HOSTNAME_MISMATCH:
    case X509_V_ERR_IP_ADDRESS_MISMATCH:
    // libcurl checks the name itself, after a chain that verified, and records its refusal as 1.
    case X509_V_ERR_UNSPECIFIED:
        return CertificateFailure::WrongName;
    default:
        return CertificateFailure::Handshake;
    }
}

CertificateFailureReport Classify(CURL* easy, CURLcode code, const Setup& setup)
{
    CertificateFailureReport report;
    if (!setup.https)
        return report;
    switch (code) {
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
        report.failure = CertificateFailure::PinChanged;
        report.pinnedKey = setup.pinnedKey;
        if (const auto shown = ShownCertificate(easy))
            report.presentedKey = shown->pin;
        break;
    case CURLE_PEER_FAILED_VERIFICATION: {
        long verifyResult = X509_V_OK;
        curl_easy_getinfo(easy, CURLINFO_SSL_VERIFYRESULT, &verifyResult);
        report.failure = VerificationFailure(verifyResult);
        break;
    }
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
        report.failure = CertificateFailure::Handshake;
        break;
    default:
        break;
    }
    return report;
}

}  // namespace

CMoxBaseHttp::Limits CMoxBaseHttp::DefaultLimits()
{
    return {kReplyCapBytes, kStallSeconds};
}

CMoxBaseHttp::Limits CMoxBaseHttp::CurrentLimits()
{
    return {replyCapBytes.load(), stallSeconds.load()};
}

void CMoxBaseHttp::SetLimits(Limits limits)
{
    replyCapBytes = limits.replyCapBytes;
    stallSeconds = limits.stallSeconds;
}

CMoxBaseHttp::CMoxBaseHttp(IMoxHttpCallback& owner, const std::atomic<bool>& abortRequested, bool keepBody)
    : owner_(owner), abortRequested_(abortRequested), keepBody_(keepBody), limits_(CurrentLimits())
{
    if (keepBody_)
        reply_ = std::make_unique<CMoxReplyBuffer>();
}

void CMoxBaseHttp::SetProxy(const CMoxProxySettings& proxy)
{
    proxy_ = proxy;
}

void CMoxBaseHttp::AddHeader(std::string line)
{
    headers_.push_back(std::move(line));
}

void CMoxBaseHttp::SetPostData(std::string body)
{
    postData_ = std::move(body);
}

void CMoxBaseHttp::SetConnectionShare(CURLSH* share)
{
    share_ = share;
}

void CMoxBaseHttp::SetChangesServer(bool changes)
{
    changesServer_ = changes;
}

void CMoxBaseHttp::Perform(const std::string& url)
{
    const bool failed = !Exchange(url);
    owner_.OnComplete(failed);
}

bool CMoxBaseHttp::Exchange(const std::string& url)
{
    std::unique_ptr<CURL, EasyCleanup> easy(curl_easy_init());
    if (!easy)
        return false;

    std::unique_ptr<curl_slist, ListCleanup> headerList;
    for (const std::string& line : headers_) {
        curl_slist* longer = curl_slist_append(headerList.get(), line.c_str());
        if (!longer)
            return false;
        headerList.release();
        headerList.reset(longer);
    }

    Setup setup;
    setup.url = url.c_str();
    const std::string hostPort = HttpsHostPort(url);
    setup.https = !hostPort.empty();
    if (setup.https) {
        const TlsTrust::ForServer trust = TlsTrust::For(hostPort);
        setup.caFile = trust.caFile;
        setup.pinnedKey = trust.insecure ? std::string() : trust.pinnedKey;
        setup.verifyChain = !trust.insecure && setup.pinnedKey.empty();
    }
    setup.proxy = proxy_.type != CMoxProxySettings::Type::None && !proxy_.host.empty();
    setup.proxyAddress = proxy_.host + ":" + std::to_string(proxy_.port);
    setup.proxyType = CurlProxyType(proxy_.type);
    setup.proxyAuthentication = !proxy_.userName.empty();
    setup.proxyUserName = proxy_.userName.c_str();
    setup.proxyPassword = proxy_.password.c_str();
    setup.wrapper = this;
    setup.bodyFunction = &CMoxBaseHttp::ReceiveBody;
    setup.headerFunction = &CMoxBaseHttp::ReceiveHeader;
    setup.readFunction = &CMoxBaseHttp::SupplyBody;
    setup.progressFunction = &CMoxBaseHttp::ReportProgress;
    setup.postData = &postData_;
    setup.headers = headerList.get();
    setup.share = share_;
    setup.changesServer = changesServer_;

    if (!ApplyOptions(easy.get(), setup))
        return false;
    lastMove_ = std::chrono::steady_clock::now();
    const CURLcode code = curl_easy_perform(easy.get());
    if (code == CURLE_OK) {
        long status = 0;
        if (curl_easy_getinfo(easy.get(), CURLINFO_RESPONSE_CODE, &status) == CURLE_OK)
            ReportHttpStatus(status);
        return true;
    }
    CertificateFailureReport report = Classify(easy.get(), code, setup);
    std::lock_guard guard(replyLock_);
    certificateFailure_ = std::move(report);
    return false;
}

CertificateFailureReport CMoxBaseHttp::TrustFailure() const
{
    std::lock_guard guard(replyLock_);
    return certificateFailure_;
}

std::unique_ptr<CMoxReplyBuffer> CMoxBaseHttp::CopyReply() const
{
    std::lock_guard guard(replyLock_);
    return reply_ ? reply_->Copy() : nullptr;
}

std::size_t CMoxBaseHttp::ReceiveBody(char* bytes, std::size_t size, std::size_t count, void* self)
{
    auto& http = *static_cast<CMoxBaseHttp*>(self);
    if (http.keepBody_) {
        std::lock_guard guard(http.replyLock_);
        // A short count makes libcurl end the exchange as failed.
        if (size * count > http.limits_.replyCapBytes - http.reply_->Length())
            return 0;
        http.reply_->Append(bytes, size * count);
    }
    http.owner_.OnData(bytes, size, count);
    return size * count;
}

std::size_t CMoxBaseHttp::ReceiveHeader(char* bytes, std::size_t size, std::size_t count, void* self)
{
    static_cast<CMoxBaseHttp*>(self)->owner_.OnHeader(bytes, size, count);
    return size * count;
}

std::size_t CMoxBaseHttp::SupplyBody(char* buffer, std::size_t size, std::size_t count, void* self)
{
    static_cast<CMoxBaseHttp*>(self)->owner_.OnRead(buffer, size, count);
    return 0;
}

int CMoxBaseHttp::ReportProgress(void* self, double downloadTotal, double downloaded, double, double)
{
    auto& http = *static_cast<CMoxBaseHttp*>(self);
    http.owner_.OnProgress(downloadTotal, downloaded);
    return http.abortRequested_.load() || http.Stalled(downloaded) ? 1 : 0;
}

bool CMoxBaseHttp::Stalled(double received)
{
    // libcurl calls the progress callback about once a second while nothing arrives.
    const auto now = std::chrono::steady_clock::now();
    if (received != lastReceived_) {
        lastReceived_ = received;
        lastMove_ = now;
        return false;
    }
    return keepBody_ && now - lastMove_ >= std::chrono::seconds(limits_.stallSeconds);
}

}  // namespace nsMoxHttp
