// The option table keeps libcurl's classic progress callback, which libcurl still honours.
#define CURL_DISABLE_DEPRECATION

#include "transport/CMoxBaseHttp.h"

#include "transport/HttpStatusObserver.h"

#include <curl/curl.h>

#include <strings.h>

#include <variant>

namespace nsMoxHttp {

namespace {

// What one exchange hands to libcurl; the option table reads every value from here.
struct Setup {
    const char* url = nullptr;
    bool https = false;
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

enum class When { Always, Https, Proxy, ProxyAuthentication, Body, ExtraHeaders, Shared, ChangesServer };

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

// The limits in force; tests shorten them.
std::atomic<std::size_t> replyCapBytes{kReplyCapBytes};
std::atomic<long> stallSeconds{kStallSeconds};

// Every option of an exchange, in the order it is set. Rows whose condition does not hold are skipped.
const OptionRow kOptionTable[] = {
    {CURLOPT_URL,              When::Always,              Url},
    {CURLOPT_SSL_VERIFYPEER,   When::Https,               Long<0>},
    {CURLOPT_SSL_VERIFYHOST,   When::Https,               Long<1>},
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
    setup.https = strncasecmp(url.c_str(), "https://", 8) == 0;
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
    if (curl_easy_perform(easy.get()) != CURLE_OK)
        return false;
    long status = 0;
    if (curl_easy_getinfo(easy.get(), CURLINFO_RESPONSE_CODE, &status) == CURLE_OK)
        ReportHttpStatus(status);
    return true;
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
