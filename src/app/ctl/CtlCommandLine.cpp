#include "CtlCommandLine.h"

#include "CtlExitCode.h"
#include "features/cache/RulesFile.h"

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
                 "  morvixctl [options] hosts [--watch]\n"
                 "  morvixctl [options] rules export|import FILE [--fcache] [--rcache] [--scache] [--rewrite]\n"
                 "  morvixctl [options] black export|import FILE"};
    app.add_option("--server", options.server, "HOST[:PORT] of the server (port 6780 when left out)")
        ->capture_default_str();
    app.add_option("--role", options.role, "account to sign in with")
        ->check(CLI::IsMember({"admin", "keeper"}))
        ->capture_default_str();
    auto* passwordOption = app.add_option(
        "--password", password, "password (else $MORVIX_PASSWORD, else asked for on a terminal)");
    app.add_flag("--json", options.json, "print the result as JSON");
    app.add_flag("--watch", options.watch, "hosts: a table every polling period until interrupted");
    const std::pair<const char*, RulesFileBlock> blocks[] = {{"--fcache", eRulesBlock_FCache},
                                                             {"--rcache", eRulesBlock_RCache},
                                                             {"--scache", eRulesBlock_SCache},
                                                             {"--rewrite", eRulesBlock_Rewrite}};
    for (const auto& [flag, block] : blocks)
        app.add_flag_callback(flag, [&options, block = block] { options.ruleBlocks |= block; },
                              "rules export/import: this list (all four when none is named)");
    app.add_option("request", words, "TYPE CMD [Field=value ...], watch, hosts, rules or black")->required();

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
