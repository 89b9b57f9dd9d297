#include "InstantRequestStream.h"

#include "CtlExitCode.h"
#include "CtlSession.h"
#include "Interrupt.h"
#include "features/monitor/CRealtimeInstantRequestEventParam.h"
#include "messaging/EventKinds.h"
#include "protocol/CMoxCacheProtocol.h"

#include <iostream>

namespace {

// The stream ends its lines with CR LF; a terminal or a pipe wants LF.
void WriteLines(const std::string& text)
{
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            lines += text[i];
    std::cout << lines << std::flush;
}

}  // namespace

int StreamInstantRequests(CtlSession& session, const CtlRequest& request)
{
    CtlEventQueue& events = session.Events();
    std::uint64_t from = events.Mark();
    nsMoxHttp::CMoxStoppableRequest stream =
        nsMoxHttp::CMoxCacheProtocol::GetProtocol().SendStoppable(*request.row, request.values);
    if (!stream) {
        session.PrintStatusTexts(from);
        std::cerr << "morvixctl: the stream request was not sent\n";
        return eCtlExit_ExchangeFailed;
    }

    bool anyLine = false;
    for (;;) {
        const auto event = events.WaitFor(
            from, [](const CtlEventQueue::Event& e) { return e.kind == eMoxCacheEvent_InstantRequest; },
            std::chrono::steady_clock::time_point::max(), Interrupted);
        if (!event)
            break;
        from = event->sequence + 1;
        events.Forget(from);
        const auto* piece = dynamic_cast<const CRealtimeInstantRequestEventParam*>(event->record.get());
        if (event->Status() != eMoxEventStatus_Ok || !piece)
            return anyLine ? eCtlExit_Accepted : eCtlExit_ExchangeFailed;
        WriteLines(piece->Text());
        anyLine = true;
    }
    stream.Stop();
    return eCtlExit_Accepted;
}
