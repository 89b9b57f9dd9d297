#include "AdminEndpoint.h"

#include "AdminError.h"
#include "ConnectionBreaker.h"
#include "HostileAnswers.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace morvix::sim {

namespace {

const char* const jsonType = "application/json; charset=utf-8";

std::string utcTimestamp()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm parts{};
    gmtime_r(&seconds, &parts);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", parts.tm_year + 1900, parts.tm_mon + 1,
                  parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec, static_cast<int>(millis));
    return text;
}

const Fault* firedOf(const std::vector<Fault>& fired, Fault::Kind kind)
{
    const auto it = std::find_if(fired.begin(), fired.end(), [&](const Fault& f) { return f.kind == kind; });
    return it == fired.end() ? nullptr : &*it;
}

// What identifies a request sent again: its address and its body, request number included.
std::string resendKey(const httplib::Request& request, const std::string& body)
{
    return request.method + " " + request.target + "\n" + body;
}

}  // namespace

std::string queryOf(const httplib::Request& request)
{
    const size_t mark = request.target.find('?');
    return mark == std::string::npos ? std::string() : request.target.substr(mark + 1);
}

AdminEndpoint::AdminEndpoint(const AdminDispatcher& dispatcher, RequestLog& log, FaultInjector& faults,
                             SessionStore& sessions, LiveStream& liveStream, const StopSignal& stop)
    : dispatcher_(dispatcher), log_(log), faults_(faults), sessions_(sessions), liveStream_(liveStream), stop_(stop)
{
}

void AdminEndpoint::install(httplib::Server& server)
{
    // The body is read here rather than by the library, which would parse form bodies itself and
    // refuse those above 8 KiB; the library still enforces the payload limit (413).
    server.Post("/morvix/webcache.mox", [this](const httplib::Request& request, httplib::Response& response,
                                               const httplib::ContentReader& reader) {
        std::string body;
        const bool complete = reader([&](const char* data, size_t length) {
            body.append(data, length);
            return true;
        });
        if (!complete) {
            if (response.status == -1)
                response.status = 400;
            response.set_header("Connection", "close");
            return;
        }
        handle(request, response, body, false);
    });
    server.Get("/morvix/webcache.mox", [this](const httplib::Request& request, httplib::Response& response) {
        handle(request, response, std::string(), true);
    });
}

void AdminEndpoint::record(const httplib::Request& request, const std::string& body)
{
    RequestLog::Entry entry{request.method, request.path, queryOf(request), body, {}, utcTimestamp(),
                            request.remote_addr + ":" + std::to_string(request.remote_port)};
    for (const auto& header : request.headers)
        entry.headers.emplace_back(header.first, header.second);
    log_.add(std::move(entry));
}

bool AdminEndpoint::busy(int peerPort) const
{
    std::lock_guard lock(busyLock_);
    return busyPorts_.count(peerPort) > 0;
}

void AdminEndpoint::handle(const httplib::Request& request, httplib::Response& response, const std::string& body,
                           bool fromBrowser)
{
    {
        std::lock_guard lock(busyLock_);
        busyPorts_.insert(request.remote_port);
    }
    struct Done {
        AdminEndpoint& endpoint;
        int port;
        ~Done()
        {
            std::lock_guard lock(endpoint.busyLock_);
            endpoint.busyPorts_.erase(endpoint.busyPorts_.find(port));
        }
    } done{*this, request.remote_port};
    const std::string type = request.get_param_value("type");
    const std::string cmd = request.get_param_value("cmd");
    // Taken before the request shows in the log: a client that waits for it there and then sends
    // another must not find this one's faults fired at the other.
    std::vector<Fault> fired = faults_.take(type, cmd);
    record(request, body);
    if (closed_.contains(resendKey(request, body)))
        fired.insert(fired.begin(), Fault{.kind = Fault::Kind::Close, .type = {}, .cmd = {}, .remaining = {}});

    if (const Fault* delay = firedOf(fired, Fault::Kind::Delay))
        stop_.waitFor(std::chrono::milliseconds(delay->amount));
    if (firedOf(fired, Fault::Kind::ExpireSessions))
        sessions_.expireAll();

    std::optional<FormFields> fields;
    std::string requestId;
    try {
        // A browser opens only the live stream page, whose fields travel in the address; every
        // other administration request must carry them in a body.
        fields = FormFields::parse(fromBrowser ? queryOf(request) : body);
        requestId = fields->textOr("RequestID", "");
    } catch (const AdminError& error) {
        if (!answerByFault(fired, request, response, requestId, body))
            write(Reply::refused(error.number()), fired, request, response, requestId);
        return;
    }
    if (answerByFault(fired, request, response, requestId, body))
        return;

    const bool browserStream =
        fromBrowser && type == "realtime" && cmd == "instantrequest" && fields->textOr("ContentType", "") == "html";
    const Reply reply = fromBrowser && !browserStream ? dispatcher_.dispatch(type, cmd, FormFields())
                                                      : dispatcher_.dispatch(type, cmd, *fields, !browserStream);
    if (const Fault* late = firedOf(fired, Fault::Kind::Late))
        stop_.waitFor(std::chrono::milliseconds(late->amount));
    write(reply, fired, request, response, requestId);
}

bool AdminEndpoint::answerByFault(const std::vector<Fault>& fired, const httplib::Request& request,
                                  httplib::Response& response, const std::string& requestId,
                                  const std::string& body)
{
    for (const Fault& fault : fired) {
        switch (fault.kind) {
        case Fault::Kind::Close:
            closed_.remember(resendKey(request, body));
            ConnectionBreaker::close(request.remote_addr, request.remote_port, request.local_port);
            response.set_header("Connection", "close");
            return true;
        case Fault::Kind::Http500:
            response.status = 500;
            response.set_content("<html><head><title>500 Internal Server Error</title></head>"
                                 "<body><h1>Internal Server Error</h1></body></html>",
                                 "text/html");
            return true;
        case Fault::Kind::NotJson:
            response.set_content("<html><body><p>The service is being restarted.</p></body></html>", "text/html");
            return true;
        case Fault::Kind::NoErrorNo:
            response.set_content(Reply::refusedWithoutNumber().json(requestId), jsonType);
            return true;
        case Fault::Kind::Busy:
            response.set_content(Reply::refused(Busy).json(requestId), jsonType);
            return true;
        case Fault::Kind::Endless:
            HostileAnswers::endless(response, stop_);
            return true;
        case Fault::Kind::CompressedBomb:
            HostileAnswers::compressedBomb(response, fault.amount, stop_);
            return true;
        case Fault::Kind::Stall:
            HostileAnswers::stalled(response, std::chrono::milliseconds(fault.amount), stop_);
            return true;
        case Fault::Kind::DeepNesting:
            HostileAnswers::deeplyNested(response, fault.amount);
            return true;
        default:
            break;
        }
    }
    return false;
}

void AdminEndpoint::write(const Reply& reply, const std::vector<Fault>& fired, const httplib::Request& request,
                          httplib::Response& response, const std::string& requestId)
{
    if (reply.kind() == Reply::Kind::Stream && reply.isAccepted()) {
        const Fault* cut = firedOf(fired, Fault::Kind::CutStream);
        const bool reset = firedOf(fired, Fault::Kind::Reset) != nullptr;
        liveStream_.serve(reply.filter(), cut ? std::optional<long long>(cut->amount) : std::nullopt, reset, request,
                          response);
        return;
    }
    std::string body = reply.kind() == Reply::Kind::Text ? reply.textBody()
                                                          : reply.json(requestId,
                                                                       firedOf(fired, Fault::Kind::BooleanReturn));
    const std::string contentType = reply.kind() == Reply::Kind::Text ? "text/plain; charset=utf-8" : jsonType;
    if (!firedOf(fired, Fault::Kind::Reset)) {
        response.set_content(std::move(body), contentType);
        return;
    }
    const size_t length = body.size();
    const std::string peer = request.remote_addr;
    const int peerPort = request.remote_port;
    const int localPort = request.local_port;
    response.set_content_provider(
        length, contentType,
        [body = std::move(body), peer, peerPort, localPort](size_t, size_t, httplib::DataSink& sink) {
            sink.write(body.data(), body.size() / 2);
            ConnectionBreaker::reset(peer, peerPort, localPort);
            return false;
        });
}

}  // namespace morvix::sim
