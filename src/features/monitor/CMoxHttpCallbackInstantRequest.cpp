// The live request stream of CMoxHttpCallback: lines are handed on while the reply still runs.
#include "features/monitor/CRealtimeInstantRequestEventParam.h"
#include "messaging/EventKinds.h"
#include "messaging/PostCacheEvent.h"
#include "protocol/CMoxHttpCallback.h"
#include "shell/Utf8Text.h"

namespace nsMoxHttp {
namespace {
// The longest unfinished line kept while waiting for its end; a server that never ends a line
// must not fill the memory of a monitor left running for hours.
constexpr std::size_t kUnfinishedLineLimit = 1024 * 1024;
}  // namespace

void CMoxHttpCallback::OnInstantRequestData(std::string_view piece)
{
    if (!instantLines_)
        instantLines_ = std::make_unique<CMoxLineParse>(kUnfinishedLineLimit);
    if (!instantLines_->Append(piece)) {
        // The unfinished line outgrew the limit: it is dropped and the stream goes on.
        instantLines_ = std::make_unique<CMoxLineParse>(kUnfinishedLineLimit);
        if (!instantLines_->Append(piece))
            return;
    }
    // Only whole lines go out, so a character split between two pieces is never cut in half.
    std::string lines = instantLines_->TakeCompleteLines();
    if (lines.empty())
        return;
    Utf8Text::SanitizeInPlace(lines);
    PostExchangeEvent(Stamp(), eMoxCacheEvent_InstantRequest, eMoxEventStatus_Ok,
                      RecordHandle<CRealtimeInstantRequestEventParam>::Make(std::move(lines), PassThrough()));
}

void CMoxHttpCallback::OnInstantRequestEnd()
{
    // Whatever ended the stream, the front end learns it and may open a new one. An unfinished
    // last line is dropped: the connection broke in the middle of it.
    PostExchangeEvent(Stamp(), eMoxCacheEvent_InstantRequest, eMoxEventStatus_NetworkError, 0);
}

}  // namespace nsMoxHttp
