#pragma once

#include "support/SimClient.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

class CRuleListView;
class QWidget;

namespace morvix::test {

// Runs the user-interface thread's events until the condition holds or the deadline passes.
bool ProcessUntil(const std::function<bool()>& condition,
                  std::chrono::milliseconds deadline = std::chrono::seconds(10));

// Delivers everything queued so far: once a call queued now has run, earlier ones have too.
bool DeliverQueuedCalls();

// Delivers the hand-overs still queued for widgets already gone, so that their records are
// released before the session checks that every record was.
void DrainHandOvers();

// Activates the widget's window and gives the widget the keyboard.
bool PutKeyboardIn(QWidget* widget);
// The same for a list, on this row alone.
bool PutKeyboardOnRow(CRuleListView* list, int row);

// "type=...&cmd=..." of every request the simulator logged, oldest first.
std::vector<std::string> LoggedQueries(SimClient& sim);
// The bodies of the requests the console sent with this query, oldest first; a resend counts once.
std::vector<std::string> LoggedBodies(SimClient& sim, const std::string& query);
// What a body carries after its request number: the settings pairs of a modify request.
std::string PairsAfterRequestId(const std::string& body);

// The last status-bar text posted so far, or empty.
std::string LastStatusText(const std::vector<std::string>& texts);

}  // namespace morvix::test
