#include "DriftRead.h"

#include "CtlExitCode.h"
#include "CtlSession.h"
#include "DriftSnapshot.h"
#include "ResultPrinters.h"
#include "messaging/EventKinds.h"
#include "protocol/RequestCatalogue.h"

#include <iostream>

int PrintDriftSnapshot(CtlSession& session, const std::vector<std::string>& families)
{
    std::vector<const DriftFamily*> chosen;
    if (!ChooseDriftFamilies(families, chosen))
        return eCtlExit_Usage;
    DriftSnapshot snapshot;
    for (const DriftFamily* family : chosen) {
        const CtlRequest list{nsMoxHttp::FindCatalogueRow(family->type, family->listCmd), {}, {}};
        const auto listed = session.Exchange(list);
        if (!listed)
            return eCtlExit_ExchangeFailed;
        if (listed->Status() != eMoxEventStatus_Ok)
            return listed->Status();
        const auto document = DescribeResult(listed->kind, listed->record.get());
        if (!document)
            return eCtlExit_MalformedReply;
        snapshot[std::string(family->name)] = DriftListOf(*family, *document);
    }
    std::cout << DriftSnapshotJson(snapshot) << "\n";
    return eCtlExit_Accepted;
}
