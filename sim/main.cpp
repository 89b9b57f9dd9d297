#include "SimServer.h"
#include "StateJson.h"
#include "TlsCertificate.h"

#include <csignal>
#include <iostream>
#include <pthread.h>
#include <thread>

using morvix::sim::BindError;
using morvix::sim::SimOptions;
using morvix::sim::SimServer;
using morvix::sim::StateFormatError;

int main(int argc, char** argv)
{
    SimOptions options;
    try {
        options = SimOptions::parse(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::invalid_argument& error) {
        std::cerr << "morvix-sim: " << error.what() << "\n";
        return 2;
    }
    if (options.help) {
        std::cout << SimOptions::usage();
        return 0;
    }

    // SIGINT and SIGTERM are taken by one waiting thread, so the stop runs as ordinary code.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    try {
        SimServer server(options);
        const int port = server.bind();
        std::cout << "morvix-sim listening on " << options.host << ":" << port << std::endl;
        if (!server.certificatePem().empty())
            std::cout << "https, certificate SHA-256 " << morvix::sim::certificateFingerprint(server.certificatePem())
                      << "\n       public key SHA-256 " << morvix::sim::publicKeyFingerprint(server.certificatePem())
                      << "\n       pin " << morvix::sim::publicKeyPin(server.certificatePem()) << std::endl;
        std::cout << "account admin (administrator), password: " << options.adminPassword << "\n"
                  << "account keeper (read only), password: " << options.keeperPassword << std::endl;

        std::thread stopper([&] {
            int received = 0;
            sigwait(&stopSignals, &received);
            server.stop();
        });
        server.run();
        // run() also ends when the server fails; wake the waiting thread so that it can end too.
        pthread_kill(stopper.native_handle(), SIGTERM);
        stopper.join();
    } catch (const BindError& error) {
        std::cerr << "morvix-sim: " << error.what() << std::endl;
        return 1;
    } catch (const StateFormatError& error) {
        std::cerr << "morvix-sim: refusing to start: " << error.what()
                  << "\nThe file was left untouched; repair it, move it away or name another --state file."
                  << std::endl;
        return 2;
    }
    return 0;
}
