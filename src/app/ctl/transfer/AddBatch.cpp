#include "AddBatch.h"

#include "CtlExitCode.h"
#include "Interrupt.h"
#include "JsonText.h"
#include "messaging/EventKinds.h"

#include <json/json.h>

#include <iostream>

namespace {

// As long as the console's import waits for one add.
constexpr auto kStepTimeout = std::chrono::seconds(10);
// How long an add in flight when the run is stopped may still take to be answered.
constexpr auto kStopGrace = std::chrono::seconds(2);

bool NeverStop()
{
    return false;
}

void NoteFailure(Json::Value& failures, CtlSession& session, std::uint64_t start, const std::string& rule,
                 const char* outcome)
{
    Json::Value& failure = failures.append(Json::Value(Json::objectValue));
    failure["rule"] = rule;
    failure["outcome"] = outcome;
    const std::vector<std::string> texts = session.Events().StatusTexts(start);
    failure["status"] = texts.empty() ? "" : texts.back();
}

}  // namespace

int SendAdds(CtlSession& session, const AddBatch& batch, bool json)
{
    std::size_t accepted = 0, refused = 0, timedOut = 0, failed = 0, sent = 0, inDoubt = 0;
    Json::Value failures(Json::arrayValue);
    for (std::size_t i = 0; i < batch.count && !Interrupted(); ++i, ++sent) {
        const std::uint64_t start = session.Events().Mark();
        const AddBatch::Step step = batch.send(i);
        const auto answers = [&step](const CtlEventQueue::Event& event) {
            return event.kind == step.completionEvent && event.requestNumber == step.requestNumber;
        };
        std::optional<CtlEventQueue::Event> done;
        if (step.requestNumber != 0) {
            session.NoteChangeSent();
            done = session.Events().WaitFor(start, answers, std::chrono::steady_clock::now() + kStepTimeout,
                                            Interrupted);
            if (!done && Interrupted())
                done = session.Events().WaitFor(start, answers, std::chrono::steady_clock::now() + kStopGrace, NeverStop);
        }
        const int status = done ? done->Status() : eMoxEventStatus_NetworkError;
        if (status == eMoxEventStatus_Ok) {
            ++accepted;
        } else if (status == eMoxEventStatus_ServerError) {
            ++refused;
            NoteFailure(failures, session, start, step.rule, "refused");
            session.PrintStatusTexts(start);
        } else {
            // No answer, a failed exchange or an unreadable reply: the server may have taken the
            // add all the same, and its list says whether it did.
            if (done)
                session.PrintStatusTexts(start);
            const std::optional<bool> held =
                step.requestNumber != 0 && batch.heldByServer ? batch.heldByServer(session, i) : std::nullopt;
            if (held.value_or(false)) {
                ++accepted;
            } else if (!held && Interrupted()) {
                ++inDoubt;
                NoteFailure(failures, session, start, step.rule, "sent, result unknown");
            } else {
                ++(done ? failed : timedOut);
                NoteFailure(failures, session, start, step.rule, done ? "failed" : "timed out");
            }
        }
        session.Events().Forget(session.Events().Mark());
    }
    if (json) {
        Json::Value counts(Json::objectValue);
        counts["accepted"] = Json::UInt64(accepted);
        counts["refused"] = Json::UInt64(refused);
        counts["timedOut"] = Json::UInt64(timedOut);
        counts["exchangeFailed"] = Json::UInt64(failed);
        counts["failed"] = failures;
        std::cout << IndentedJson(counts) << "\n";
    } else {
        std::cout << "accepted " << accepted << ", refused " << refused << ", timed out " << timedOut;
        if (failed > 0)
            std::cout << ", failed " << failed;
        std::cout << "\n";
        for (const Json::Value& failure : failures)
            std::cout << failure["outcome"].asString() << ": " << failure["rule"].asString() << "  "
                      << failure["status"].asString() << "\n";
    }
    if (Interrupted()) {
        std::cerr << "morvixctl: stopped by a signal after " << sent << " of " << batch.count << " adds";
        if (inDoubt > 0)
            std::cerr << "; the server's answer to the last one never came and its list could not be read";
        std::cerr << "\n";
        return InterruptedExitStatus();
    }
    if (accepted == batch.count)
        return eCtlExit_Accepted;
    return refused > 0 ? eCtlExit_Refused : eCtlExit_ExchangeFailed;
}
