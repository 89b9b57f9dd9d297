#include "FleetCommand.h"

#include "CtlExitCode.h"
#include "CtlPassword.h"
#include "CtlTrust.h"
#include "DryRunPlan.h"
#include "FleetReport.h"
#include "FleetRunner.h"
#include "FleetServers.h"
#include "Interrupt.h"
#include "features/cache/RulesFile.h"
#include "protocol/RequestKinds.h"
#include "protocol/ServerAddress.h"

#include <iostream>

namespace {

constexpr std::string_view kServerMark = "{server}";

bool IsExport(const CtlOptions& options, const CtlCommand& command)
{
    return (command.transfer || command.dnsFile) && options.cmd == "export";
}

// The single-server command line for one server; an export writes a file of its own per server.
std::vector<std::string> ServerArguments(const CtlOptions& options, bool exporting, const std::string& server)
{
    std::vector<std::string> arguments = CtlTrustArguments(options);
    arguments.insert(arguments.end(), {"--server", server, "--role", options.role});
    if (options.json)
        arguments.push_back("--json");
    const std::pair<RulesFileBlock, const char*> blocks[] = {{eRulesBlock_FCache, "--fcache"},
                                                             {eRulesBlock_RCache, "--rcache"},
                                                             {eRulesBlock_SCache, "--scache"},
                                                             {eRulesBlock_Rewrite, "--rewrite"}};
    for (const auto& [block, flag] : blocks)
        if (options.ruleBlocks & block)
            arguments.push_back(flag);
    arguments.insert(arguments.end(), {"--", options.type});
    if (!options.cmd.empty())
        arguments.push_back(options.cmd);
    for (std::string pair : options.pairs) {
        if (exporting)
            for (std::size_t at; (at = pair.find(kServerMark)) != std::string::npos;)
                pair.replace(at, kServerMark.size(), FleetFileStem(server));
        arguments.push_back(std::move(pair));
    }
    return arguments;
}

}  // namespace

std::string FleetFileStem(const std::string& server)
{
    // One server speaks either http or https on its port, so the scheme tells no two apart.
    std::string stem(nsMoxHttp::AddressWithoutScheme(server));
    for (char& c : stem)
        if (c == ':' || c == '[' || c == ']')
            c = '_';
    return stem;
}

bool IsFleetRun(const CtlOptions& options)
{
    return options.type != "exporter" && (options.servers.size() != 1 || !options.serversFile.empty() || options.dryRun);
}

int RunFleetCommand(const CtlOptions& options, const CtlCommand& command)
{
    const std::optional<std::vector<std::string>> servers = FleetServers(options.servers, options.serversFile);
    if (!servers)
        return eCtlExit_Usage;
    if (command.request && command.request->row->kind == eReq_InstantRequest) {
        std::cerr << "morvixctl: the live request stream goes to one server\n";
        return eCtlExit_Usage;
    }
    const bool exporting = IsExport(options, command);
    if (exporting && servers->size() > 1 && options.pairs.front().find(kServerMark) == std::string::npos) {
        std::cerr << "morvixctl: an export to several servers needs " << kServerMark
                  << " in its FILE, to write one file per server\n";
        return eCtlExit_Usage;
    }
    if (options.dryRun) {
        const auto plan = PlanRequests(options, command);
        if (!plan)
            return eCtlExit_FileError;
        WriteDryRun(std::cout, *servers, options.role, *plan, options.json);
        return eCtlExit_Accepted;
    }
    const std::optional<std::string> password = ResolveCtlPassword(
        options.password, "Password for " + options.role + " on " + std::to_string(servers->size()) + " servers: ");
    if (!password)
        return eCtlExit_Usage;
    InstallInterruptHandlers();
    FleetPlan plan;
    plan.servers = *servers;
    plan.arguments = [&options, exporting](const std::string& server) {
        return ServerArguments(options, exporting, server);
    };
    plan.environment = {"MORVIX_PASSWORD=" + *password};
    plan.parallel = options.parallel;
    plan.timeLimit = std::chrono::seconds(options.timeLimitSeconds);
    const std::vector<FleetServerRun> runs = RunOnFleet(plan);
    WriteFleetReport(std::cout, runs, options.json);
    return FleetExitStatus(runs);
}
