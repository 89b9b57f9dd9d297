#include "TransferCommands.h"

#include "AddBatch.h"
#include "CtlExitCode.h"
#include "CtlSession.h"
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

#include <algorithm>
#include <functional>
#include <tuple>
#include <iostream>

namespace {

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

}  // namespace

int WriteExchangeFile(const std::string& path, const ExchangeFileText::Written& written)
{
    std::string error;
    if (!ExchangeFileText::Write(path, written.text, &error)) {
        std::cerr << "morvixctl: " << error << "\n";
        return eCtlExit_FileError;
    }
    if (written.flattenedValues > 0)
        std::cerr << "morvixctl: " << written.flattenedValues
                  << " values held line breaks or NULs, written as blanks\n";
    if (written.leftOutEntries > 0)
        std::cerr << "morvixctl: " << written.leftOutEntries << " entries cannot be written as one line, left out\n";
    return written.ChangedAnything() ? eCtlExit_DataChanged : eCtlExit_Accepted;
}

int ImportStatus(int sent, const ExchangeFileText::ReadNotes& notes)
{
    std::cerr << (notes.Any() ? "morvixctl: " : "") << ExchangeFileText::ReadNotesText(notes);
    return sent == eCtlExit_Accepted && notes.Any() ? eCtlExit_DataChanged : sent;
}

namespace {

// Whether the server's list of `type` holds an item that matches; none when it cannot be read.
template <class ListEvent, class Match>
std::optional<bool> ListHolds(CtlSession& session, const char* type, Match match)
{
    const CtlRequest list{nsMoxHttp::FindCatalogueRow(type, "list"), {}, {}};
    const auto done = session.ExchangeAfterStop(list);
    const auto* read = done ? dynamic_cast<const ListEvent*>(done->record.get()) : nullptr;
    if (!read || done->Status() != eMoxEventStatus_Ok)
        return std::nullopt;
    return std::any_of(read->items.begin(), read->items.end(), match);
}

std::optional<bool> BlackListHolds(CtlSession& session, const AddressListEntry& entry)
{
    return ListHolds<CMoxAddressListEventParam>(session, "black", [&entry](const AddressListEntry& held) {
        return std::tie(held.Low, held.High, held.Expire, held.Note) ==
               std::tie(entry.Low, entry.High, entry.Expire, entry.Note);
    });
}

// A rule is known by its pattern: the server takes no two rules of one pattern in a list.
std::optional<bool> RuleHeld(CtlSession& session, const RulesImportQueue& queue, std::size_t index)
{
    const RulesImportQueue::Place place = queue.PlaceOf(index);
    const RuleSet& rules = queue.Rules();
    const auto same = [](const std::string& pattern, auto member) {
        return [&pattern, member](const auto& held) { return held.*member == pattern; };
    };
    switch (place.family) {
    case RulesImportQueue::eFCache:
        return ListHolds<CMoxFCacheListEventParam>(session, "fcache",
                                                   same(rules.fcache[place.index].Url, &FCacheRule::Url));
    case RulesImportQueue::eRCache:
        return ListHolds<CMoxRCacheListEventParam>(session, "rcache",
                                                   same(rules.rcache[place.index].Url, &RCacheRule::Url));
    case RulesImportQueue::eSCache:
        return ListHolds<CMoxSCacheListEventParam>(session, "scache",
                                                   same(rules.scache[place.index].ActionUrl, &SCacheRule::ActionUrl));
    case RulesImportQueue::eRewrite:
        break;
    }
    return ListHolds<CMoxRewriteListEventParam>(session, "rewrite",
                                                same(rules.rewrite[place.index].SourceUrl, &RewriteRule::SourceUrl));
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
    return WriteExchangeFile(path, RulesFileText(rules, blocks));
}

int ImportRules(CtlSession& session, const std::string& path, unsigned blocks, bool json)
{
    const std::optional<std::string> text = ReadExchangeFile(path);
    if (!text)
        return eCtlExit_FileError;
    ExchangeFileText::ReadNotes notes;
    RulesImportQueue queue(ReadRulesFile(*text, blocks, &notes));
    const AddBatch batch{queue.Total(),
                         [&queue](std::size_t) {
                             const RulesImportQueue::Step step = queue.SendNext();
                             return AddBatch::Step{step.completionEvent, step.requestNumber, step.rule};
                         },
                         [&queue](CtlSession& session, std::size_t index) { return RuleHeld(session, queue, index); }};
    return ImportStatus(SendAdds(session, batch, json), notes);
}

int ExportBlackList(CtlSession& session, const std::string& path)
{
    std::vector<AddressListEntry> entries;
    if (const int status = ReadList<CMoxAddressListEventParam>(session, "black", entries); status != eCtlExit_Accepted)
        return status;
    return WriteExchangeFile(path, BlackListFileText(entries));
}

int ImportBlackList(CtlSession& session, const std::string& path, bool json)
{
    std::optional<std::string> text = ReadExchangeFile(path);
    if (!text)
        return eCtlExit_FileError;
    const BlackListFileRead read = ReadBlackListFile(std::move(*text));
    text.reset();
    for (const std::string& range : read.singleAddressRanges)
        std::cerr << "morvixctl: the range " << range << " has no \"-\"; it stands for both addresses\n";
    if (read.singleAddressCount > read.singleAddressRanges.size())
        std::cerr << "morvixctl: " << read.singleAddressCount - read.singleAddressRanges.size()
                  << " more ranges have no \"-\"\n";
    const AddBatch batch{read.entries.size(),
                         [&read](std::size_t index) {
                             return AddBatch::Step{eMoxCacheEvent_BlackAdd,
                                                   nsMoxHttp::SentRequestNumber([&] {
                                                       return AccessList_BlackAdd(read.entries[index]);
                                                   }),
                                                   "black Low=" + read.entries[index].Low +
                                                       " High=" + read.entries[index].High};
                         },
                         [&read](CtlSession& session, std::size_t index) {
                             return BlackListHolds(session, read.entries[index]);
                         }};
    return ImportStatus(SendAdds(session, batch, json), read.notes);
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
