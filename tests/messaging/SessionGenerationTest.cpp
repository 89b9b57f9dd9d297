#include "EventManagerFixture.h"

#include "messaging/EventKinds.h"
#include "messaging/PostCacheEvent.h"
#include "messaging/SessionGeneration.h"

#include <algorithm>

namespace {

using morvix::test::EventLog;
using morvix::test::RecordingHandler;
using morvix::test::WaitUntil;

class SessionGenerations : public morvix::test::EventManagerFixture {};

// A completion reaches the handlers only when its request was sent in the current generation;
// whatever is dropped still has its record released.
TEST_F(SessionGenerations, ACompletionOfAnOlderGenerationReachesNoHandler)
{
    struct Case {
        const char* name;
        unsigned long requestNumber;
        int generationsBack;  // how many advances came after the request was sent
        bool delivered;
    };
    const Case kCases[] = {
        {"a completion of the current generation", 11, 0, true},
        {"a completion sent before a login", 12, 1, false},
        {"a completion sent two logins ago", 13, 2, false},
        {"an event that completes no exchange", 0, 1, true},
    };
    EventLog log;
    RecordingHandler view("view", log);
    for (const Case& posted : kCases) {
        SCOPED_TRACE(posted.name);
        const unsigned long sentIn = SessionGeneration::Current();
        for (int advance = 0; advance < posted.generationsBack; ++advance)
            SessionGeneration::Advance();
        const std::size_t seen = log.KindsSeenBy("view").size();
        ASSERT_TRUE(PostExchangeEvent({posted.requestNumber, posted.requestNumber ? sentIn : 0},
                                      eMoxCacheEvent_FCacheList, eMoxEventStatus_Ok,
                                      RecordHandle<CMoxEventParam>::Make()));
        FinishEarlierDispatches(log, "view");
        const std::vector<int> kinds = log.KindsSeenBy("view");
        EXPECT_EQ(std::count(kinds.begin() + static_cast<long>(seen), kinds.end(), eMoxCacheEvent_FCacheList),
                  posted.delivered ? 1 : 0);
    }
}

}  // namespace
