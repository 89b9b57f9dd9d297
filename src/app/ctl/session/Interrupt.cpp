#include "Interrupt.h"

#include <atomic>
#include <csignal>

namespace {

std::atomic<int> interrupts{0};
std::atomic<int> lastSignal{0};

extern "C" void OnInterrupt(int signal)
{
    lastSignal.store(signal);
    interrupts.fetch_add(1);
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
    return interrupts.load() > 0;
}

int InterruptCount()
{
    return interrupts.load();
}

int InterruptedExitStatus()
{
    return 128 + lastSignal.load();
}

void IgnoreTerminalInterrupt()
{
    std::signal(SIGINT, SIG_IGN);
}
