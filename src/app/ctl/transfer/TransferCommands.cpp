#include "TransferCommands.h"

#include "CtlExitCode.h"
#include "CtlSession.h"
#include "JsonText.h"
#include "Interrupt.h"
#include "features/access/AddressListEvents.h"
#include "features/access/AddressListRequests.h"
#include "features/access/BlackListFile.h"
#include "features/access/RewriteEvents.h"
#include "features/cache/FCacheEvents.h"
#include "features/cache/RCacheEvents.h"
#include "features/cache/RulesImportQueue.h"
#include "features/cache/SCacheEvents.h"
#include "messaging/EventKinds.h"
#include "protocol/SentRequestNumber.h"
#include "shell/ExchangeFileText.h"

#include <json/json.h>

#include <functional>
#include <iostream>

namespace {

// As long as the console's import waits for one rule.
constexpr auto kStepTimeout = std::chrono::seconds(10);

bool IsExportOrImport(const std::string& cmd)
{
    return cmd == "export" || cmd == "import";
}

// Reads one list of the server into `out`; the exit status of the read.
template <class ListEvent, class Item>
int ReadList(CtlSession& session, const char* type, std::vector<Item>& out)
{
    const CtlRequest request{nsMoxHttp::FindCatalogueRow(type, "list"), {}, {}};
    const auto done = session.Exchange(request, CtlSession::Texts::Keep);
    if (!done)
        return eCtlExit_ExchangeFailed;
    if (done->Status() != eMoxEventStatus_Ok) {
        session.PrintStatusTexts(done->sequence);
        return done->Status();
    }
    if (const auto* list = dynamic_cast<const ListEvent*>(done->record.get()))
        out = list->items;
    return eCtlExit_Accepted;
}

int WriteFile(const std::string& path, const ExchangeFileText::Written& written)
{
    std::string error;
    if (ExchangeFileText::Write(path, written.text, &error)) {
        if (written.flattenedValues > 0)
            std::cerr << "morvixctl: " << written.flattenedValues
                      << " values held line breaks, written as blanks\n";
        if (written.leftOutEntries > 0)
            std::cerr << "morvixctl: " << written.leftOutEntries << " entries cannot be written as one line, left out\n";
        return eCtlExit_Accepted;
    }
    std::cerr << "morvixctl: " << error << "\n";
    return eCtlExit_FileError;
}

// Sends the adds one at a time, each awaited for at most the step time, and reports the count of
// each outcome and every rule that was not accepted, with its status text (with --json as one
// object of numbers and a list). 0 only when every add was accepted.
// Only the completion carrying the add's own request number answers it; the late reply to an
// earlier add given up after its time does not.
struct AddOutcome {
    int completionEvent;
    unsigned long requestNumber;  // 0: nothing went out
    std::string rule;             // the list and key of the rule
};
int SendAdds(CtlSession& session, std::size_t count, const std::function<AddOutcome()>& sendNext, bool json)
{
    std::size_t accepted = 0, refused = 0, timedOut = 0;
    Json::Value failed(Json::arrayValue);
    for (std::size_t i = 0; i < count && !Interrupted(); ++i) {
        const std::uint64_t start = session.Events().Mark();
        const AddOutcome step = sendNext();
        if (step.requestNumber != 0)
            session.NoteChangeSent();
        const auto done = step.requestNumber != 0
                              ? session.Events().WaitFor(
                                          start, [&](const CtlEventQueue::Event& event) {
                                              return event.kind == step.completionEvent &&
                                                     event.requestNumber == step.requestNumber;
                                          },
                                          std::chrono::steady_clock::now() + kStepTimeout, Interrupted)
                                    : std::nullopt;
        if (done && done->Status() == eMoxEventStatus_Ok) {
            ++accepted;
        } else {
            ++(done ? refused : timedOut);
            Json::Value& rule = failed.append(Json::Value(Json::objectValue));
            rule["rule"] = step.rule;
            rule["outcome"] = done ? "refused" : "timed out";
            const std::vector<std::string> texts = session.Events().StatusTexts(start);
            rule["status"] = texts.empty() ? "" : texts.back();
            session.PrintStatusTexts(start);
        }
        session.Events().Forget(session.Events().Mark());
    }
    if (json) {
        Json::Value counts(Json::objectValue);
        counts["accepted"] = Json::UInt64(accepted);
        counts["refused"] = Json::UInt64(refused);
        counts["timedOut"] = Json::UInt64(timedOut);
        counts["failed"] = failed;
        std::cout << IndentedJson(counts) << "\n";
    } else {
        std::cout << "accepted " << accepted << ", refused " << refused << ", timed out " << timedOut << "\n";
        for (const Json::Value& rule : failed)
            std::cout << rule["outcome"].asString() << ": " << rule["rule"].asString() << "  "
                      << rule["status"].asString() << "\n";
    }
    if (accepted == count)
        return eCtlExit_Accepted;
    return refused > 0 ? eCtlExit_Refused : eCtlExit_ExchangeFailed;
}

int ExportRules(CtlSession& session, const std::string& path, unsigned blocks)
{
    RuleSet rules;
    const std::function<int()> reads[] = {
        [&] { return blocks & eRulesBlock_FCache ? ReadList<CMoxFCacheListEventParam>(session, "fcache", rules.fcache) : 0; },
        [&] { return blocks & eRulesBlock_RCache ? ReadList<CMoxRCacheListEventParam>(session, "rcache", rules.rcache) : 0; },
        [&] { return blocks & eRulesBlock_SCache ? ReadList<CMoxSCacheListEventParam>(session, "scache", rules.scache) : 0; },
        [&] { return blocks & eRulesBlock_Rewrite ? ReadList<CMoxRewriteListEventParam>(session, "rewrite", rules.rewrite) : 0; },
    };
    for (const auto& read : reads)
        if (const int status = read(); status != eCtlExit_Accepted)
            return status;
    return WriteFile(path, RulesFileText(rules, blocks));
}

int ImportRules(CtlSession& session, const std::string& path, unsigned blocks, bool json)
{
    const std::optional<std::string> text = ReadExchangeFile(path);
    if (!text)
        return eCtlExit_FileError;
    RulesImportQueue queue(ReadRulesFile(*text, blocks));
    return SendAdds(session, queue.Total(), [&queue] {
        const RulesImportQueue::Step step = queue.SendNext();
        return AddOutcome{step.completionEvent, step.requestNumber, step.rule};
    }, json);
}

int ExportBlackList(CtlSession& session, const std::string& path)
{
    std::vector<AddressListEntry> entries;
    if (const int status = ReadList<CMoxAddressListEventParam>(session, "black", entries); status != eCtlExit_Accepted)
        return status;
    return WriteFile(path, BlackListFileText(entries));
}

int ImportBlackList(CtlSession& session, const std::string& path, bool json)
{
    const std::optional<std::string> text = ReadExchangeFile(path);
    if (!text)
        return eCtlExit_FileError;
    const BlackListFileRead read = ReadBlackListFile(*text);
    for (const std::string& range : read.singleAddressRanges)
        std::cerr << "morvixctl: the range " << range << " has no \"-\"; it stands for both addresses\n";
    std::size_t next = 0;
    return SendAdds(session, read.entries.size(), [&] {
        const AddressListEntry& entry = read.entries[next++];
        return AddOutcome{eMoxCacheEvent_BlackAdd,
                          nsMoxHttp::SentRequestNumber([&] { return AccessList_BlackAdd(entry); }),
                          "black Low=" + entry.Low + " High=" + entry.High};
    }, json);
}

}  // namespace

std::optional<std::string> ReadExchangeFile(const std::string& path)
{
    std::string error;
    std::optional<std::string> text = ExchangeFileText::Read(path, &error);
    if (!text)
        std::cerr << "morvixctl: " << error << "\n";
    return text;
}

bool IsTransferCommand(const CtlOptions& options)
{
    return (options.type == "rules" || options.type == "black") && IsExportOrImport(options.cmd);
}

bool CheckTransferCommand(const CtlOptions& options)
{
    if (options.pairs.size() != 1) {
        std::cerr << "morvixctl: " << options.type << " " << options.cmd << " takes one FILE\n";
        return false;
    }
    if (options.type == "black" && options.ruleBlocks != 0) {
        std::cerr << "morvixctl: --fcache, --rcache, --scache and --rewrite belong to rules export/import\n";
        return false;
    }
    return true;
}

int RunTransferCommand(CtlSession& session, const CtlOptions& options)
{
    const std::string& path = options.pairs.front();
    const bool exporting = options.cmd == "export";
    if (options.type == "black")
        return exporting ? ExportBlackList(session, path) : ImportBlackList(session, path, options.json);
    const unsigned blocks = options.ruleBlocks == 0 ? eRulesBlock_All : options.ruleBlocks;
    return exporting ? ExportRules(session, path, blocks) : ImportRules(session, path, blocks, options.json);
}
