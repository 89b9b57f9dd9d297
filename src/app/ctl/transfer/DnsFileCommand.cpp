#include "DnsFileCommand.h"

#include "AddBatch.h"
#include "CtlExitCode.h"
#include "CtlSession.h"
#include "TransferCommands.h"
#include "features/config/DnsEvents.h"
#include "features/config/DnsRedirectFile.h"
#include "messaging/EventKinds.h"
#include "protocol/CMoxCacheProtocol.h"
#include "protocol/SentRequestNumber.h"

#include <algorithm>
#include <iostream>
#include <tuple>

namespace {

const CMoxDnsRedirectListEventParam* RedirectList(const std::optional<CtlEventQueue::Event>& done)
{
    const auto* record = done ? dynamic_cast<const CMoxDnsRedirectListEventParam*>(done->record.get()) : nullptr;
    return record && done->Status() == eMoxEventStatus_Ok ? record : nullptr;
}

CtlRequest RedirectListRequest()
{
    return {nsMoxHttp::FindCatalogueRow("dns", "redirect-list"), {}, {}};
}

int Export(CtlSession& session, const std::string& file)
{
    const auto done = session.Exchange(RedirectListRequest());
    if (!done)
        return eCtlExit_ExchangeFailed;
    const auto* record = RedirectList(done);
    if (!record)
        return done->Status() != eMoxEventStatus_Ok ? done->Status() : eCtlExit_MalformedReply;
    const ExchangeFileText::Written written = FormatDnsRedirectLines(record->userEntries);
    const int status = WriteExchangeFile(file, written);
    if (status == eCtlExit_FileError)
        return status;
    std::cerr << "morvixctl: wrote " << record->userEntries.size() - written.leftOutEntries << " custom entries to "
              << file << "\n";
    if (written.leftOutEntries > 0)
        std::cerr << "morvixctl: the entries left out hold \"/\", \"#\" or blanks in their names, or \"#\", blanks "
                     "or a trailing \"/\" in their addresses\n";
    return status;
}

// Whether the server's custom list holds the entry as it was sent.
std::optional<bool> RedirectListHolds(CtlSession& session, const DnsRedirectEntry& entry)
{
    const auto* list = RedirectList(session.ExchangeAfterStop(RedirectListRequest()));
    if (!list)
        return std::nullopt;
    return std::any_of(list->userEntries.begin(), list->userEntries.end(), [&entry](const DnsRedirectEntry& held) {
        return std::tie(held.Name, held.IP, held.Enable, held.Note) ==
               std::tie(entry.Name, entry.IP, entry.Enable, entry.Note);
    });
}

// Every entry is sent, also after a refusal, so that one bad line does not keep the rest out.
int Import(CtlSession& session, const std::string& file, bool json)
{
    std::string error;
    const std::optional<DnsRedirectFileRead> read = ReadDnsRedirectFile(file, &error);
    if (!read) {
        std::cerr << "morvixctl: " << error << "\n";
        return eCtlExit_FileError;
    }
    const nsMoxHttp::CatalogueRow* add = nsMoxHttp::FindCatalogueRow("dns", "redirect-add");
    const DnsRedirectFileEntries& entries = read->entries;
    const AddBatch batch{entries.size(),
                         [&](std::size_t index) {
                             return AddBatch::Step{add->completionEvent, nsMoxHttp::SentRequestNumber([&] {
                                                       return nsMoxHttp::CMoxCacheProtocol::GetProtocol().Send(
                                                           *add, DnsRedirectAddValues(entries[index]));
                                                   }),
                                                   "dns Name=" + entries[index].Name};
                         },
                         [&](CtlSession& session, std::size_t index) {
                             return RedirectListHolds(session, entries[index]);
                         }};
    return ImportStatus(SendAdds(session, batch, json), read->notes);
}

}  // namespace

nsMoxHttp::RequestValues DnsRedirectAddValues(const DnsRedirectEntry& entry)
{
    nsMoxHttp::RequestValues values;
    values.Set("Name", entry.Name).Set("IP", entry.IP).Set("Enable", entry.Enable).Set("Note", entry.Note);
    return values;
}

bool IsDnsFileCommand(const std::string& type, const std::string& cmd)
{
    return type == "dns" && (cmd == "export" || cmd == "import");
}

int RunDnsFileCommand(CtlSession& session, const std::string& cmd, const std::string& file, bool json)
{
    return cmd == "export" ? Export(session, file) : Import(session, file, json);
}
