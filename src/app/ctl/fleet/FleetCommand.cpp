#include "FleetCommand.h"

#include "CtlExitCode.h"
#include "CtlTrust.h"
#include "DryRunPlan.h"
#include "FleetOutcome.h"
#include "FleetReport.h"
#include "FleetRunner.h"
#include "FleetServers.h"
#include "FleetSettings.h"
#include "RecordKeys.h"
#include "Interrupt.h"
#include "features/cache/RulesFile.h"
#include "protocol/RequestCatalogue.h"
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
std::vector<std::string> ServerArguments(const CtlOptions& options, const std::string& role, bool exporting,
                                         const std::string& server)
{
    std::vector<std::string> arguments = CtlTrustArguments(options);
    arguments.insert(arguments.end(), {"--server", server, "--role", role, "--fleet-run"});
    if (options.json || options.jsonLines)
        arguments.push_back("--json");
    for (const std::string& pair : options.match)
        arguments.insert(arguments.end(), {"--match", pair});
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

// An identifier is each server's own: across servers a record is named by its natural key.
bool CheckRecordNaming(const CtlOptions& options, const CtlCommand& command, std::size_t servers)
{
    if (!command.request || servers < 2 || !options.match.empty())
        return true;
    const RecordKeys* keys = RecordKeysFor(options.type, options.cmd);
    if (!keys || !NamesRecordById(*keys, options.cmd))
        return true;
    std::string key;
    for (const std::string_view name : keys->naturalKey)
        key += (key.empty() ? "--match " : " --match ") + std::string(name) + "=...";
    std::cerr << "morvixctl: " << keys->idField << " is each server's own and may name different records on "
              << servers << " servers; name the record by " << key << " instead\n";
    return false;
}

}  // namespace

std::string FleetFileStem(const std::string& server)
{
    // One server speaks either http or https on its port, so the scheme tells no two apart.
    std::string stem(nsMoxHttp::AddressWithoutScheme(server));
    for (char& c : stem)
        if (c == ':' || c == '[' || c == ']' || c == '/')
            c = '_';
    return stem;
}

bool IsFleetRun(const CtlOptions& options)
{
    return options.type != "exporter" &&
           (options.servers.size() != 1 || !options.serversFile.empty() || options.dryRun || options.jsonLines);
}

int RunFleetCommand(const CtlOptions& options, const CtlCommand& command, const std::vector<FleetServer>& fleet)
{
    std::vector<std::string> servers;
    for (const FleetServer& server : fleet)
        servers.push_back(server.address.Text());
    if (command.request && command.request->row->kind == eReq_InstantRequest) {
        std::cerr << "morvixctl: the live request stream goes to one server\n";
        return eCtlExit_Usage;
    }
    if (!CheckRecordNaming(options, command, servers.size()))
        return eCtlExit_Usage;
    const bool exporting = IsExport(options, command);
    if (exporting && servers.size() > 1 && options.pairs.front().find(kServerMark) == std::string::npos) {
        std::cerr << "morvixctl: an export to several servers needs " << kServerMark
                  << " in its FILE, to write one file per server\n";
        return eCtlExit_Usage;
    }
    if (options.dryRun) {
        const auto plan = PlanRequests(options, command);
        if (!plan)
            return eCtlExit_FileError;
        WriteDryRun(std::cout, fleet, options.role, *plan, options.json || options.jsonLines);
        return eCtlExit_Accepted;
    }
    FleetPlan plan;
    if (!PlanFleetServers(options, fleet, plan))
        return eCtlExit_Usage;
    InstallInterruptHandlers();
    const FleetReport::Form form = options.jsonLines ? FleetReport::Form::JsonLines
                                   : options.json    ? FleetReport::Form::Json
                                                     : FleetReport::Form::Text;
    FleetReport report(std::cout, std::cerr, form, servers, options.group);
    plan.arguments = [&options, &plan, exporting](const std::string& server) {
        return ServerArguments(options, RoleOf(plan, server, options), exporting, server);
    };
    if (command.request && nsMoxHttp::ChangesServer(*command.request->row))
        plan.settleArguments = [&options, &plan](const std::string& server) {
            std::vector<std::string> arguments = ServerArguments(options, RoleOf(plan, server, options), false, server);
            arguments.insert(arguments.begin(), "--read-back");
            return arguments;
        };
    plan.finished = [&report](const FleetServerRun& run) { report.Finished(run); };
    const std::vector<FleetServerRun> runs = RunOnFleet(plan);
    report.Close(runs, Interrupted());
    return Interrupted() ? int(eCtlExit_Interrupted) : FleetExitStatus(runs);
}
