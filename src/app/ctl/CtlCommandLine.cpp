#include "CtlCommandLine.h"

#include "CtlExitCode.h"
#include "CtlHelp.h"
#include "FleetCommand.h"
#include "features/cache/RulesFile.h"

#include <CLI/CLI.hpp>

#include <iostream>

std::variant<CtlOptions, int> ParseCtlCommandLine(int argc, char** argv)
{
    CtlOptions options;
    std::vector<std::string> words;
    std::string password;

    CLI::App app{"Sends one request of the Morvix administration interface and prints its result.\n"
                 "A request or file command goes to every server named by --server and --servers-file, each\n"
                 "with its own session; --dry-run prints what each would be sent."};
    app.formatter(std::make_shared<CtlHelpFormatter>());
    app.footer(CtlHelpFooter());
    auto* serverOption = app.add_option("--server", options.servers,
                                        "[http://|https://]HOST[:PORT] of the server (port 6780 when left out, IPv6 as [ADDR]:PORT); may "
                                        "be repeated")
                             ->allow_extra_args(false)
                             ->capture_default_str();
    app.add_option("--servers-file", options.serversFile,
                   "more servers: one a line as --server takes them, blank lines and # comments skipped; every "
                   "bad line is reported before anything is sent")
        ->check(CLI::ExistingFile);
    app.add_option("--group-of", options.groupOf,
                   "NAME: only the servers of this [NAME] group of the servers file (as is --server @NAME); may be "
                   "repeated")
        ->allow_extra_args(false);
    app.add_option("--limit", options.limit,
                   "PATTERN[,PATTERN...]: only the servers whose HOST:PORT or host matches a shell wildcard")
        ->allow_extra_args(false);
    app.add_option("--exclude", options.exclude, "PATTERN[,PATTERN...]: leave out the servers that match")
        ->allow_extra_args(false);
    app.add_option("--parallel", options.parallel, "several servers: how many are worked on at once")
        ->check(CLI::Range(1u, 256u))
        ->capture_default_str();
    app.add_option("--time-limit", options.timeLimitSeconds,
                   "several servers: the seconds one server may take before its run is ended")
        ->check(CLI::Range(1u, 86400u))
        ->capture_default_str();
    app.add_flag("--dry-run", options.dryRun, "print the requests each server would be sent; send nothing");
    app.add_option("--listen", options.listen, "HOST:PORT the exporter serves /metrics on")->capture_default_str();
    app.add_flag("--feed", options.feed, "watch as the exporter's poller: figures, counters and hosts as JSON lines")
        ->group("");
    app.add_option("--cacert", options.caFile, "https: trust the authorities in this PEM file instead of the system's")
        ->check(CLI::ExistingFile);
    app.add_option("--pin", options.pin,
                   "https: the server must show this public key (sha256//BASE64, as trust shows)");
    app.add_flag("--insecure", options.insecure,
                 "https: do NOT check the server's certificate (anyone on the way can read the password)");
    app.add_option("--role", options.role, "account to sign in with")
        ->check(CLI::IsMember({"admin", "keeper"}))
        ->capture_default_str();
    auto* passwordOption = app.add_option(
        "--password", password, "password (else $MORVIX_PASSWORD, else asked for on a terminal)");
    app.add_flag("--json", options.json, "print the result as JSON");
    app.add_flag("--json-lines", options.jsonLines,
                 "several servers: one JSON object per server on its own line, as each ends");
    app.add_flag("--group", options.group, "several servers: print an output shared by several servers once, under their names");
    app.add_option("--against", options.against, "diff: compare every server with this rules, black-list or DNS file")
        ->check(CLI::ExistingFile);
    app.add_option("--match", options.match,
                   "Field=value: the record to change, delete or move, by its key on every server (Url, "
                   "ActionUrl, SourceUrl, Low and High, Name); may be repeated")
        ->allow_extra_args(false);
    app.add_flag("--fleet-run", options.fleetRun, "this run is one server's of a fleet run")->group("");
    app.add_flag("--read-back", options.readBack, "only read whether the change was made")->group("");
    app.add_flag("--watch", options.watch, "hosts: a table every polling period until interrupted");
    const std::pair<const char*, RulesFileBlock> blocks[] = {{"--fcache", eRulesBlock_FCache},
                                                             {"--rcache", eRulesBlock_RCache},
                                                             {"--scache", eRulesBlock_SCache},
                                                             {"--rewrite", eRulesBlock_Rewrite}};
    for (const auto& [flag, block] : blocks)
        app.add_flag_callback(flag, [&options, block = block] { options.ruleBlocks |= block; },
                              "rules export/import: this list (all four when none is named)");
    app.add_flag("--fields", options.fields,
                 "list the fields of TYPE CMD with the values they take when left out; sends nothing");
    app.add_option("--lang", options.language, "language of the status texts: zh or en (default: the locale)")
        ->check(CLI::IsMember({"zh", "en"}));
    app.add_flag("--bash-completion", options.bashCompletion, "print the bash completion script and stop");
    app.add_option("request", words, "TYPE CMD [Field=value ...], watch, hosts, rules, black, diff [FAMILY ...], exporter or trust");

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
    if (serverOption->count() == 0 && (!options.serversFile.empty() || !options.groupOf.empty()))
        options.servers.clear();
    if (options.bashCompletion)
        return options;
    if (words.empty()) {
        std::cerr << "morvixctl: name a request (TYPE CMD), watch, hosts or exporter (see --help)\n";
        return eCtlExit_Usage;
    }

    options.type = words.front();
    if (options.type == "exporter" ? options.dryRun
                                   : IsFleetRun(options) && (options.type == "watch" || options.watch)) {
        std::cerr << "morvixctl: " << (options.type == "exporter" ? "the exporter sends no requests to plan"
                                                                  : "a watch goes to one server")
                  << "\n";
        return eCtlExit_Usage;
    }
    if (options.type == "trust") {
        if (words.size() > 2 || (words.size() == 2 && words[1] != "forget")) {
            std::cerr << "morvixctl: trust takes nothing, or forget\n";
            return eCtlExit_Usage;
        }
        options.cmd = words.size() == 2 ? words[1] : "";
        return options;
    }
    if (options.type == "watch" || options.type == "hosts" || options.type == "exporter") {
        if (words.size() > 1) {
            std::cerr << "morvixctl: " << options.type << " takes no further arguments\n";
            return eCtlExit_Usage;
        }
        return options;
    }
    if (options.group && options.jsonLines) {
        std::cerr << "morvixctl: --group tells the servers alike at the end; --json-lines tells each as it ends\n";
        return eCtlExit_Usage;
    }
    if (options.type == "diff") {
        if (options.dryRun || options.jsonLines) {
            std::cerr << "morvixctl: diff only reads, and reports when every server is compared: no --dry-run "
                         "or --json-lines\n";
            return eCtlExit_Usage;
        }
        options.pairs.assign(words.begin() + 1, words.end());
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
