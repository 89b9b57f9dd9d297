#include "Interrupt.h"

#include <atomic>
#include <csignal>

namespace {

std::atomic<int> interruptSignal{0};

extern "C" void OnInterrupt(int signal)
{
    interruptSignal.store(signal);
}

}  // namespace

void InstallInterruptHandlers()
{
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool Interrupted()
{
    return interruptSignal.load() != 0;
}

int InterruptedExitStatus()
{
    return 128 + interruptSignal.load();
}
