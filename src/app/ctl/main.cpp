// morvixctl: one request of the administration interface from the command line, on the console's
// own core (sign-in, catalogue, reply callbacks).
#include "BashCompletion.h"
#include "ChangeReadBack.h"
#include "CtlCommand.h"
#include "CtlCommandLine.h"
#include "CtlExitCode.h"
#include "CtlPassword.h"
#include "ExporterCommand.h"
#include "ExporterFeed.h"
#include "FleetChildLines.h"
#include "FleetCommand.h"
#include "FleetServers.h"
#include "CtlRequest.h"
#include "CtlSession.h"
#include "CtlTrust.h"
#include "CurrentRecord.h"
#include "DiffCommand.h"
#include "DriftRead.h"
#include "HostsCommand.h"
#include "DnsFileCommand.h"
#include "InstantRequestStream.h"
#include "RequestFieldList.h"
#include "Interrupt.h"
#include "ResultPrinters.h"
#include "ResultWriter.h"
#include "SelfProcess.h"
#include "TransferCommands.h"
#include "WatchCommand.h"
#include "messaging/EventKinds.h"
#include "protocol/RequestCatalogue.h"
#include "protocol/RequestKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/InterfaceLanguage.h"
#include "shell/TsCatalogue.h"

#include <iostream>

namespace {

// A change keeps the record's other values: they are read from its list first.
int TakeCurrentRecord(CtlSession& session, CtlRequest& request)
{
    const CurrentRecordSource* source = CurrentRecordSourceFor(request.row->type, request.row->cmd);
    if (!source)
        return eCtlExit_Accepted;
    const CtlRequest list{nsMoxHttp::FindCatalogueRow(source->listType, source->listCmd), {}, {}};
    const std::uint64_t start = session.Events().Mark();
    const auto listed = session.Exchange(list, CtlSession::Texts::Keep);
    if (!listed)
        return eCtlExit_ExchangeFailed;
    if (listed->Status() != eMoxEventStatus_Ok) {
        session.PrintStatusTexts(start);
        return listed->Status();
    }
    const std::string key = request.given.Text(source->keyField);
    const auto document = DescribeResult(listed->kind, listed->record.get());
    std::optional<nsMoxHttp::RequestValues> current =
        document ? CurrentRecordValues(*document, *source, key) : std::nullopt;
    if (!current) {
        std::cerr << "morvixctl: " << source->listType << " " << source->listCmd << " has no " << source->keyField
                  << "=" << key << "; nothing changed\n";
        return eCtlExit_Refused;
    }
    for (const auto& [name, value] : request.given.Fields())
        current->Set(name, value);
    request.values = std::move(*current);
    return eCtlExit_Accepted;
}

// A change whose reply never came: a read of its list settles it where the family allows.
int SettleLostReply(CtlSession& session, const CtlRequest& request, const FieldPairs& match)
{
    switch (ReadBackChange(session, request, match)) {
    case ReadBack::Applied: std::cerr << kConfirmedLine << "\n"; return eCtlExit_Accepted;
    case ReadBack::NotApplied: std::cerr << kNotAppliedLine << "\n"; return eCtlExit_ExchangeFailed;
    case ReadBack::Unknown: break;
    }
    std::cerr << kUnknownLine << "\n";
    return eCtlExit_ResultUnknown;
}

int RunRequest(CtlSession& session, CtlRequest request, const CtlOptions& options)
{
    FieldPairs match;
    if (const RecordKeys* keys = RecordKeysFor(request.row->type, request.row->cmd); keys && !options.match.empty()) {
        match = std::get<FieldPairs>(ParseMatch(*keys, options.match));
        if (options.readBack)
            return SettleLostReply(session, request, match);
        if (const int resolved = ResolveNaturalKey(session, request, *keys, match); resolved != eCtlExit_Accepted)
            return resolved;
    } else if (options.readBack) {
        return SettleLostReply(session, request, match);
    }
    if (const int taken = TakeCurrentRecord(session, request); taken != eCtlExit_Accepted)
        return taken;
    if (request.row->kind == eReq_InstantRequest)
        return StreamInstantRequests(session, request);
    const unsigned changesBefore = session.ChangesSent();
    const auto done = session.Exchange(request);
    const bool sent = session.ChangesSent() > changesBefore;
    const std::string named = std::string(request.row->type) + " " + std::string(request.row->cmd);
    if (!done && Interrupted()) {
        // A fleet ends its runs at their time limit as well as on the operator's interrupt.
        if (options.fleetRun)
            std::cerr << "morvixctl: ended before " << named << (sent ? " was answered" : " was sent") << "\n";
        else
            std::cerr << "morvixctl: interrupted" << (sent ? "; " + named + " was sent: sent, result unknown" : "")
                      << "\n";
        return eCtlExit_Interrupted;
    }
    if (!done)
        return eCtlExit_ExchangeFailed;
    // A change whose reply was lost, or came unreadable, may still have been made.
    if (sent && (done->Status() == eMoxEventStatus_NetworkError || done->Status() == eMoxEventStatus_BadReply)) {
        std::cerr << "morvixctl: " << named << kLostReplyTail << "\n";
        return SettleLostReply(session, request, match);
    }
    if (done->Status() == eMoxEventStatus_Ok)
        if (const auto document = DescribeResult(done->kind, done->record.get()))
            WriteResult(std::cout, *document, options.json);
    return done->Status();
}

int PrintRequestFields(const CtlOptions& options)
{
    const std::optional<ResultDocument> fields = RequestFieldList(options.type, options.cmd);
    if (!fields) {
        // The same message as a request would get.
        const auto built = BuildCtlRequest(options.type, options.cmd, {});
        const auto* error = std::get_if<CtlUsageError>(&built);
        std::cerr << "morvixctl: " << (error ? error->message : "--fields takes TYPE CMD") << "\n";
        return eCtlExit_Usage;
    }
    WriteResult(std::cout, *fields, options.json);
    return eCtlExit_Accepted;
}

int RunMorvixctl(int argc, char** argv)
{
    auto parsed = ParseCtlCommandLine(argc, argv);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const CtlOptions& options = std::get<CtlOptions>(parsed);
    // Chinese unless --lang, the user's setting or the locale names English; JSON never changes with it.
    const InterfaceLanguage language =
        ChooseInterfaceLanguage(options.language, InterfaceLanguageSetting(), EnvironmentMessagesLocale());
    if (!InstallTsCatalogue(language))
        std::cerr << "morvixctl: the English catalogue cannot be read; the texts stay Chinese\n";
    if (options.bashCompletion) {
        WriteBashCompletion(std::cout);
        return eCtlExit_Accepted;
    }
    if (options.fields)
        return PrintRequestFields(options);

    const auto fleet =
        FleetServers(options.servers, options.serversFile, {options.groupOf, options.limit, options.exclude});
    if (!fleet)
        return eCtlExit_Usage;
    std::vector<std::string> servers;
    for (const FleetServer& server : *fleet)
        servers.push_back(server.address.Text());
    if (!ApplyCtlTrust(options, servers))
        return eCtlExit_Usage;
    if (options.type == "trust")
        return RunTrustCommand(options, servers.front());
    const std::optional<CtlCommand> command = CheckCtlCommand(options);
    if (!command)
        return eCtlExit_Usage;
    if (options.type == "diff" && !options.fleetRun)
        return RunDiffCommand(options, *fleet);
    if (IsFleetRun(options))
        return RunFleetCommand(options, *command, *fleet);
    const std::string& server = servers.front();
    const int role = options.role == "keeper" ? eMoxRole_Keeper : eMoxRole_Admin;
    const std::optional<std::string> password =
        ResolveCtlPassword(options.password, "Password for " + options.role + "@" + server + ": ");
    if (!password)
        return eCtlExit_Usage;

    InstallInterruptHandlers();
    if (options.fleetRun)
        IgnoreTerminalInterrupt();
    if (options.type == "exporter")
        return RunExporter({options.listen, servers, options.role, *password, CtlTrustArguments(options)});
    CtlSession session;
    // The fleet tells a run ended before its reply from one that changed nothing.
    if (options.fleetRun)
        session.OnFirstChangeSent([] { std::cerr << kChangeSentLine << std::endl; });
    if (const int signedIn = session.SignIn(server, role, *password); signedIn != eCtlExit_Accepted)
        return Interrupted() ? eCtlExit_Interrupted : signedIn;
    if (command->transfer)
        return RunTransferCommand(session, options);
    if (command->dnsFile)
        return RunDnsFileCommand(session, options.cmd, options.pairs.front(), options.json);
    if (options.type == "diff")
        return PrintDriftSnapshot(session, options.pairs);
    if (command->request)
        return RunRequest(session, *command->request, options);
    if (options.type == "hosts")
        return WatchHosts(session, options.watch, options.json);
    return options.feed ? RunExporterFeed(session) : WatchRealtime(session, options.json);
}

}  // namespace

int main(int argc, char** argv)
{
    SetSelfEntry(RunMorvixctl);
    return RunMorvixctl(argc, argv);
}
