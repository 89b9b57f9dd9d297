#include "CtlCommandLine.h"

#include "CtlExitCode.h"

#include <CLI/CLI.hpp>

#include <iostream>

std::variant<CtlOptions, int> ParseCtlCommandLine(int argc, char** argv)
{
    CtlOptions options;
    std::vector<std::string> words;
    std::string password;

    CLI::App app{"Sends one request of the Morvix administration interface and prints its result.\n"
                 "  morvixctl [options] TYPE CMD [Field=value ...]\n"
                 "  morvixctl [options] watch\n"
                 "  morvixctl [options] hosts [--watch]"};
    app.add_option("--server", options.server, "HOST[:PORT] of the server (port 6780 when left out)")
        ->capture_default_str();
    app.add_option("--role", options.role, "account to sign in with")
        ->check(CLI::IsMember({"admin", "keeper"}))
        ->capture_default_str();
    auto* passwordOption = app.add_option(
        "--password", password, "password (else $MORVIX_PASSWORD, else asked for on a terminal)");
    app.add_flag("--json", options.json, "print the result as JSON");
    app.add_flag("--watch", options.watch, "hosts: a table every polling period until interrupted");
    app.add_option("request", words, "TYPE CMD [Field=value ...], watch, or hosts")->required();

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::ParseError& error) {
        app.exit(error);
        return eCtlExit_Usage;
    }
    if (passwordOption->count() > 0)
        options.password = password;

    options.type = words.front();
    if (options.type == "watch" || options.type == "hosts") {
        if (words.size() > 1) {
            std::cerr << "morvixctl: " << options.type << " takes no further arguments\n";
            return eCtlExit_Usage;
        }
        return options;
    }
    if (options.watch) {
        std::cerr << "morvixctl: --watch goes with hosts\n";
        return eCtlExit_Usage;
    }
    if (words.size() < 2) {
        std::cerr << "morvixctl: a request needs TYPE and CMD (see --help)\n";
        return eCtlExit_Usage;
    }
    options.cmd = words[1];
    options.pairs.assign(words.begin() + 2, words.end());
    return options;
}
