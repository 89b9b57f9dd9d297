#pragma once

#include "ServerLog.h"
#include "ServerMetrics.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <sys/types.h>
#include <thread>
#include <vector>

// Polls one server for the exporter through a morvixctl of its own (this program, in its poller
// mode), so that every server has the console core to itself: its session, its request numbers,
// its event stream. A poller that ends is started again after a pause; its lines go to the
// server's metrics, and what it says on standard error to the exporter's log.
class ServerPoller {
public:
    // arguments: the poller's command line after the program name; environment: extra variables.
    ServerPoller(ServerMetrics& metrics, std::vector<std::string> arguments, std::vector<std::string> environment);
    ~ServerPoller();  // ends the poller and waits for it
    ServerPoller(const ServerPoller&) = delete;
    ServerPoller& operator=(const ServerPoller&) = delete;

private:
    void Run();
    bool StartPoller(int& output, int& errors);
    // Until the poller closes its output and its standard error; true when it said why it failed.
    bool ReadLines(int output, int errors);
    void OnLine(const std::string& line);
    bool PauseBeforeRestart();

    ServerMetrics& metrics_;
    ServerLog log_;
    const std::vector<std::string> arguments_;
    const std::vector<std::string> environment_;
    std::mutex lock_;
    std::condition_variable stopped_;
    bool stop_ = false;
    pid_t child_ = -1;
    std::thread thread_;
};
