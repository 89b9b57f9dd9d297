#include "SimProcess.h"

#include "ReadFirstLine.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#ifndef MORVIX_SIM_PATH
#error "MORVIX_SIM_PATH must name the morvix-sim program"
#endif

namespace morvix::test {

namespace {

constexpr int startDeadlineMs = 15000;

}  // namespace

SimProcess::SimProcess(std::vector<std::string> extraArgs)
{
    int output[2];
    if (pipe2(output, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    std::vector<std::string> arguments = {MORVIX_SIM_PATH, "--listen", "127.0.0.1:0"};
    arguments.insert(arguments.end(), extraArgs.begin(), extraArgs.end());

    pid_ = fork();
    if (pid_ < 0)
        throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        // The simulator must not outlive a test that crashes.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        dup2(output[1], STDOUT_FILENO);
        close(output[0]);
        close(output[1]);
        std::vector<char*> argv;
        for (auto& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(output[1]);
    const std::string first = ReadFirstLine(output[0], std::chrono::milliseconds(startDeadlineMs));
    close(output[0]);
    const std::string prefix = "morvix-sim listening on 127.0.0.1:";
    if (first.rfind(prefix, 0) != 0) {
        stop();
        throw std::runtime_error("morvix-sim did not start (first line: \"" + first + "\", status " +
                                 std::to_string(exitStatus_) + ")");
    }
    setPort(std::stoi(first.substr(prefix.size())));
    for (const std::string& argument : extraArgs)
        if (argument == "--tls" || argument == "--tls-cert")
            setHttps(true);
}

SimProcess::~SimProcess()
{
    stop();
}

int SimProcess::stop()
{
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, &exitStatus_, 0);
        pid_ = -1;
    }
    return exitStatus_;
}

}  // namespace morvix::test
