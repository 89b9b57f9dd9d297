#include "AddBatch.h"

#include "CtlExitCode.h"
#include "Interrupt.h"
#include "messaging/EventKinds.h"

#include <iostream>

namespace {

// As long as the console's import waits for one add.
constexpr auto kStepTimeout = std::chrono::seconds(10);
// How long an add in flight when the run is stopped may still take to be answered.
constexpr auto kStopGrace = std::chrono::seconds(2);

bool Never()
{
    return false;
}

}  // namespace

int SendAdds(CtlSession& session, const AddBatch& batch)
{
    std::size_t accepted = 0, refused = 0, timedOut = 0, failed = 0, sent = 0, inDoubt = 0;
    for (std::size_t i = 0; i < batch.count && !Interrupted(); ++i, ++sent) {
        const std::uint64_t start = session.Events().Mark();
        const AddBatch::Step step = batch.send(i);
        const auto answers = [&step](const CtlEventQueue::Event& event) {
            return event.kind == step.completionEvent && event.requestNumber == step.requestNumber;
        };
        std::optional<CtlEventQueue::Event> done;
        if (step.requestNumber != 0) {
            done = session.Events().WaitFor(start, answers, std::chrono::steady_clock::now() + kStepTimeout,
                                            Interrupted);
            if (!done && Interrupted())
                done = session.Events().WaitFor(start, answers, std::chrono::steady_clock::now() + kStopGrace, Never);
        }
        const int status = done ? done->Status() : eMoxEventStatus_NetworkError;
        if (status == eMoxEventStatus_Ok) {
            ++accepted;
        } else if (status == eMoxEventStatus_ServerError) {
            ++refused;
            session.PrintStatusTexts(start);
        } else {
            // No answer, a failed exchange or an unreadable reply: the server may have taken the
            // add all the same, and its list says whether it did.
            if (done)
                session.PrintStatusTexts(start);
            const std::optional<bool> held =
                step.requestNumber != 0 && batch.heldByServer ? batch.heldByServer(session, i) : std::nullopt;
            if (held.value_or(false))
                ++accepted;
            else if (!held && Interrupted())
                ++inDoubt;
            else
                ++(done ? failed : timedOut);
        }
        session.Events().Forget(session.Events().Mark());
    }
    std::cout << "accepted " << accepted << ", refused " << refused << ", timed out " << timedOut;
    if (failed > 0)
        std::cout << ", failed " << failed;
    std::cout << "\n";
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
