#pragma once

#include "SimOptions.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <thread>

namespace morvix::sim {

class BindError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The whole simulated server: state, sessions, faults, request log and the HTTP endpoints.
class SimServer {
public:
    // Throws StateFormatError when the state file is damaged.
    explicit SimServer(const SimOptions& options);
    ~SimServer();

    // Binds the listening address; throws BindError with the reason. Returns the port.
    int bind();
    // Serves until stop() is called.
    void run();
    // bind() and run() on a thread of its own, for tests and benchmarks in one process.
    int start();
    // Safe from any thread, also from a signal-waiting thread.
    void stop();
    int port() const;
    const SimOptions& options() const;
    // The PEM certificate served over https; empty when the server speaks plain http.
    const std::string& certificatePem() const;

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
    std::thread runner_;
};

}  // namespace morvix::sim
