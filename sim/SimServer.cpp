#include "SimServer.h"

#include "AdminDispatcher.h"
#include "AdminEndpoint.h"
#include "ConnectionBreaker.h"
#include "ControlEndpoint.h"
#include "FaultInjector.h"
#include "LiveStream.h"
#include "RequestLog.h"
#include "RuntimeSettings.h"
#include "SessionStore.h"
#include "SimState.h"
#include "StopSignal.h"
#include "TlsCertificate.h"
#include "WebAdminPage.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>

namespace morvix::sim {

namespace {

constexpr size_t maxBodyBytes = 1024 * 1024;
constexpr size_t requestLogCapacity = 2000;
// Live streams hold a worker each for as long as they run; leave room for many at once.
constexpr size_t workerThreads = 48;
// Idle connections stay open this long for the client's next request, as servers keep them;
// each holds a worker meanwhile, and clients keep only a few idle.
constexpr time_t keepAliveSeconds = 10;

std::string bindFailureReason(const std::string& host, int port)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (const int error = getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found); error != 0)
        return gai_strerror(error);
    std::string reason = "unknown reason";
    const int descriptor = socket(found->ai_family, found->ai_socktype, found->ai_protocol);
    if (descriptor >= 0) {
        const int yes = 1;
        setsockopt(descriptor, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        if (::bind(descriptor, found->ai_addr, found->ai_addrlen) != 0 || listen(descriptor, 1) != 0)
            reason = std::strerror(errno);
        close(descriptor);
    }
    freeaddrinfo(found);
    return reason;
}

// The self-signed certificate of --tls names the listening address too, so that a client that
// checks names finds it there once it trusts the certificate.
TlsIdentity startIdentity(const SimOptions& options)
{
    if (!options.tlsCertFile.empty())
        return readIdentity(options.tlsCertFile, options.tlsKeyFile);
    CertificateRequest request;
    in6_addr address{};
    const bool numeric = inet_pton(AF_INET, options.host.c_str(), &address) == 1 ||
                         inet_pton(AF_INET6, options.host.c_str(), &address) == 1;
    auto& names = numeric ? request.ipAddresses : request.dnsNames;
    if (std::find(names.begin(), names.end(), options.host) == names.end())
        names.push_back(options.host);
    return makeCertificate(request);
}

std::unique_ptr<httplib::Server> makeServer(const SimOptions& options, std::string& certificatePem)
{
    if (!options.tls)
        return std::make_unique<httplib::Server>();
    TlsIdentity identity;
    try {
        identity = startIdentity(options);
    } catch (const std::runtime_error& error) {
        throw BindError(error.what());
    }
    auto server = std::make_unique<httplib::SSLServer>(
        [&identity](SSL_CTX& context) { return useIdentity(context, identity); });
    if (!server->is_valid())
        throw BindError("the TLS certificate and key do not belong together");
    certificatePem = identity.certificatePem;
    return server;
}

}  // namespace

struct SimServer::Parts {
    explicit Parts(const SimOptions& options)
        : options(options),
          settings(options.streamRate, "3.5.0", "Linux 64Bits"),
          sessions(std::chrono::seconds(options.sessionTimeoutSeconds)),
          state(options, sessions, settings),
          log(requestLogCapacity),
          dispatcher(state.commands(), sessions, state.mutex(), [this] { state.persist(); }),
          liveStream(settings, stop, state.seed()),
          admin(dispatcher, log, faults, sessions, liveStream, stop),
          control(state, log, faults, sessions, settings),
          webPage(sessions),
          http(makeServer(options, certificatePem))
    {
    }

    SimOptions options;
    RuntimeSettings settings;
    SessionStore sessions;
    SimState state;
    RequestLog log;
    FaultInjector faults;
    StopSignal stop;
    AdminDispatcher dispatcher;
    LiveStream liveStream;
    AdminEndpoint admin;
    ControlEndpoint control;
    WebAdminPage webPage;
    std::string certificatePem;
    std::unique_ptr<httplib::Server> http;
    std::atomic<bool> running{false};
    std::atomic<bool> stopping{false};
    int port = -1;
};

SimServer::SimServer(const SimOptions& options) : parts_(std::make_unique<Parts>(options))
{
    // A client that goes away mid-answer must end that answer, not the process.
    std::signal(SIGPIPE, SIG_IGN);
    httplib::Server& http = *parts_->http;
    http.new_task_queue = [] { return new httplib::ThreadPool(workerThreads); };
    http.set_payload_max_length(maxBodyBytes);
    http.set_keep_alive_max_count(1000);
    http.set_keep_alive_timeout(keepAliveSeconds);
    // Headers and body go out in separate writes; without this, Nagle's algorithm and the
    // client's delayed acknowledgement hold every reply back by tens of milliseconds.
    http.set_tcp_nodelay(true);
    // The library's default also sets SO_REUSEPORT, which would let a second server share the
    // port silently; a busy address must be refused instead.
    http.set_socket_options([](socket_t descriptor) {
        const int yes = 1;
        setsockopt(descriptor, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    parts_->admin.install(http);
    parts_->control.install(http);
    parts_->webPage.install(http);
}

SimServer::~SimServer()
{
    stop();
    if (runner_.joinable())
        runner_.join();
}

int SimServer::bind()
{
    const SimOptions& options = parts_->options;
    int port = options.port;
    if (port == 0) {
        port = parts_->http->bind_to_any_port(options.host);
    } else if (!parts_->http->bind_to_port(options.host, port)) {
        port = -1;
    }
    if (port < 0) {
        throw BindError("cannot listen on " + options.host + ":" + std::to_string(options.port) + ": " +
                        bindFailureReason(options.host, options.port));
    }
    parts_->port = port;
    return port;
}

void SimServer::run()
{
    parts_->running = true;
    if (!parts_->stopping)
        parts_->http->listen_after_bind();
    parts_->running = false;
}

int SimServer::start()
{
    const int port = bind();
    runner_ = std::thread([this] { run(); });
    while (!parts_->http->is_running() && !parts_->stop.raised())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return port;
}

void SimServer::stop()
{
    // The library ignores a stop that comes before it has started listening. Each side marks itself
    // before it looks at the other, so either run() sees the stop and never listens, or the stop
    // sees run() and waits until the listening has begun (or run() has ended).
    parts_->stopping = true;
    while (parts_->running && !parts_->http->is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    parts_->http->stop();
    // The library lets a worker wait out the keep-alive time of its connection before it ends.
    // Done before the signal wakes the delayed answers: once one returns, its connection no longer
    // counts as busy, and ending its reading before the answer is written would drop the answer.
    if (parts_->port > 0)
        ConnectionBreaker::stopReadingIdle(parts_->port, [this](int peerPort) { return parts_->admin.busy(peerPort); });
    parts_->stop.raise();
}

int SimServer::port() const
{
    return parts_->port;
}

const std::string& SimServer::certificatePem() const
{
    return parts_->certificatePem;
}

const SimOptions& SimServer::options() const
{
    return parts_->options;
}

}  // namespace morvix::sim
