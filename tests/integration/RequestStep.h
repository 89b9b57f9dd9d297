#pragma once

#include "integration/LoggedRequest.h"
#include "support/ConsoleSession.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace morvix::test {

// One step of a request family's walk against the simulator: the builder's answer, the
// completion event with its status, the body the simulator logged (request number as "N") and
// the status text of the reply. Empty texts are not checked.
struct RequestStep {
    bool sent;
    int event;
    int status = 0;
    std::string type = {};
    std::string cmd = {};
    std::string body = {};
    std::string statusText = {};
};

// Checks the step and returns its completion event; nothing when none came.
inline std::optional<EventRecorder::Event> Expect(SimClient& sim, ConsoleSession& session, const RequestStep& step)
{
    EXPECT_TRUE(step.sent) << "event " << step.event;
    if (!step.sent)
        return std::nullopt;
    std::optional<EventRecorder::Event> done = session.Events().Next(step.event);
    EXPECT_TRUE(done) << "no event " << step.event;
    if (!done)
        return std::nullopt;
    EXPECT_EQ(done->Status(), step.status) << "event " << step.event;
    if (!step.body.empty()) {
        EXPECT_EQ(LastLoggedBody(sim, step.type, step.cmd), step.body);
    }
    if (!step.statusText.empty()) {
        EXPECT_TRUE(session.Events().WaitForStatusText(step.statusText)) << step.statusText;
    }
    return done;
}

// A member of the record an accepted read hands back; its empty value, with a failure, when the
// read was not sent, not answered or not accepted.
template <class Record, class Value>
Value AcceptedRead(EventRecorder& events, bool sent, int completion, Value Record::*member)
{
    EXPECT_TRUE(sent) << "event " << completion;
    const std::optional<EventRecorder::Event> event = events.Next(completion);
    EXPECT_TRUE(event && event->Status() == 0) << "event " << completion;
    const Record* record = event ? event->template As<Record>() : nullptr;
    return record ? record->*member : Value{};
}

}  // namespace morvix::test
