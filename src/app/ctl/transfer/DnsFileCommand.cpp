#include "DnsFileCommand.h"

#include "CtlExitCode.h"
#include "CtlSession.h"
#include "features/config/DnsEvents.h"
#include "features/config/DnsRedirectFile.h"
#include "messaging/EventKinds.h"

#include <algorithm>
#include <iostream>

namespace {

int Export(CtlSession& session, const std::string& file)
{
    const CtlRequest list{nsMoxHttp::FindCatalogueRow("dns", "redirect-list"), {}, {}};
    const auto done = session.Exchange(list);
    if (!done)
        return eCtlExit_ExchangeFailed;
    const auto* record = dynamic_cast<const CMoxDnsRedirectListEventParam*>(done->record.get());
    if (done->Status() != eMoxEventStatus_Ok || !record)
        return done->Status();
    std::string error;
    const auto written = WriteDnsRedirectFile(file, record->userEntries, &error);
    if (!written) {
        std::cerr << "morvixctl: " << error << "\n";
        return eCtlExit_ExchangeFailed;
    }
    std::cerr << "morvixctl: wrote " << record->userEntries.size() - written->leftOutEntries << " custom entries to "
              << file << "\n";
    if (written->flattenedValues > 0)
        std::cerr << "morvixctl: " << written->flattenedValues << " values held line breaks, written as blanks\n";
    if (written->leftOutEntries > 0)
        std::cerr << "morvixctl: " << written->leftOutEntries
                  << " entries left out: their names hold \"/\", \"#\" or blanks\n";
    return eCtlExit_Accepted;
}

// Every entry is sent, also after a refusal, so that one bad line does not keep the rest out.
int Import(CtlSession& session, const std::string& file)
{
    std::string error;
    const auto entries = ReadDnsRedirectFile(file, &error);
    if (!entries) {
        std::cerr << "morvixctl: " << error << "\n";
        return eCtlExit_Usage;
    }
    std::size_t added = 0;
    int worst = eCtlExit_Accepted;
    for (const DnsRedirectEntry& entry : *entries) {
        const CtlRequest add{nsMoxHttp::FindCatalogueRow("dns", "redirect-add"), DnsRedirectAddValues(entry), {}};
        const auto done = session.Exchange(add);
        const int status = done ? done->Status() : eCtlExit_ExchangeFailed;
        added += status == eCtlExit_Accepted ? 1 : 0;
        worst = std::max(worst, status);
    }
    std::cerr << "morvixctl: added " << added << " of " << entries->size() << " entries from " << file << "\n";
    return worst;
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

int RunDnsFileCommand(CtlSession& session, const std::string& cmd, const std::string& file)
{
    return cmd == "export" ? Export(session, file) : Import(session, file);
}
