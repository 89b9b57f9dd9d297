#include "ExporterCommand.h"

#include "CtlExitCode.h"
#include "Interrupt.h"
#include "MetricsPage.h"
#include "ServerPoller.h"
#include "shell/HostText.h"

#include <httplib.h>

#include <iostream>
#include <memory>
#include <thread>

namespace {

constexpr auto kInterruptCheck = std::chrono::milliseconds(100);
constexpr std::string_view kDefaultServerPort = "6780";
constexpr const char* kMetricsType = "text/plain; version=0.0.4; charset=utf-8";

}  // namespace

int RunExporter(const ExporterSettings& settings)
{
    const std::size_t colon = settings.listen.rfind(':');
    int port = -1;
    if (colon != std::string::npos && colon > 0) {
        const std::string digits = settings.listen.substr(colon + 1);
        if (!digits.empty() && digits.size() <= 5 && digits.find_first_not_of("0123456789") == std::string::npos)
            port = std::stoi(digits);
    }
    if (port < 0 || port > 65535) {
        std::cerr << "morvixctl: --listen takes HOST:PORT, not \"" << settings.listen << "\"\n";
        return eCtlExit_Usage;
    }
    std::string host = settings.listen.substr(0, colon);
    if (host.size() > 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);

    std::vector<std::unique_ptr<ServerMetrics>> servers;
    for (const std::string& server : settings.servers) {
        const HostText parts = SplitHostText(server, kDefaultServerPort);
        if (parts.host.empty() || !parts.name.empty()) {
            std::cerr << "morvixctl: --server takes HOST[:PORT], not \"" << server << "\"\n";
            return eCtlExit_Usage;
        }
        servers.push_back(std::make_unique<ServerMetrics>(parts.host));
    }

    httplib::Server http;
    http.Get("/metrics", [&servers](const httplib::Request&, httplib::Response& response) {
        response.set_content(RenderMetricsPage(servers), kMetricsType);
    });
    http.Get("/samples", [&servers](const httplib::Request&, httplib::Response& response) {
        response.set_content(RenderSamplesPage(servers), "application/json");
    });
    http.Get("/", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("Morvix exporter: the figures are at /metrics\n", "text/plain");
    });
    const int bound = port == 0 ? http.bind_to_any_port(host) : (http.bind_to_port(host, port) ? port : -1);
    if (bound <= 0) {
        std::cerr << "morvixctl: cannot listen on " << settings.listen << "\n";
        return eCtlExit_ExchangeFailed;
    }
    std::cout << "morvixctl exporter listening on " << settings.listen.substr(0, colon) << ":" << bound << std::endl;
    std::thread serving([&http] { http.listen_after_bind(); });

    {
        std::vector<std::unique_ptr<ServerPoller>> pollers;
        for (const auto& server : servers) {
            std::vector<std::string> arguments = settings.trustArguments;
            arguments.insert(arguments.end(),
                             {"--server", server->Server(), "--role", settings.role, "--feed", "watch"});
            pollers.push_back(std::make_unique<ServerPoller>(
                *server, std::move(arguments), std::vector<std::string>{"MORVIX_PASSWORD=" + settings.password}));
        }
        while (!Interrupted())
            std::this_thread::sleep_for(kInterruptCheck);
    }
    http.stop();
    serving.join();
    return eCtlExit_Accepted;
}
