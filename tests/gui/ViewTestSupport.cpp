#include "gui/ViewTestSupport.h"

#include "controls/CRuleListView.h"
#include "support/WaitUntil.h"

#include <QCoreApplication>
#include <QTest>

#include <json/value.h>

namespace morvix::test {

bool ProcessUntil(const std::function<bool()>& condition, std::chrono::milliseconds deadline)
{
    return WaitUntil(
        [&] {
            QCoreApplication::processEvents();
            return condition();
        },
        deadline);
}

bool PutKeyboardIn(QWidget* widget)
{
    widget->window()->activateWindow();
    if (!QTest::qWaitForWindowActive(widget->window()))
        return false;
    widget->setFocus(Qt::TabFocusReason);
    return ProcessUntil([&] { return widget->hasFocus(); });
}

bool PutKeyboardOnRow(CRuleListView* list, int row)
{
    if (!PutKeyboardIn(list))
        return false;
    list->SelectOnly(row);
    return list->SelectedRows() == std::vector<int>{row};
}

bool DeliverQueuedCalls()
{
    bool delivered = false;
    QMetaObject::invokeMethod(qApp, [&] { delivered = true; }, Qt::QueuedConnection);
    return ProcessUntil([&] { return delivered; });
}

void DrainHandOvers()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

std::vector<std::string> LoggedQueries(SimClient& sim)
{
    std::vector<std::string> queries;
    for (const Json::Value& request : sim.requests())
        queries.push_back(request["query"].asString());
    return queries;
}

std::vector<std::string> LoggedBodies(SimClient& sim, const std::string& query)
{
    std::vector<std::string> bodies;
    for (const Json::Value& request : sim.requests()) {
        // libcurl sends a request again when the reused connection it went out on was closed
        // unanswered; the simulator logs both, but the console sent it once.
        if (request["query"].asString() == query && (bodies.empty() || bodies.back() != request["body"].asString()))
            bodies.push_back(request["body"].asString());
    }
    return bodies;
}

std::string PairsAfterRequestId(const std::string& body)
{
    const std::size_t id = body.find("RequestID=");
    if (id == std::string::npos)
        return {};
    const std::size_t pairs = body.find('&', id);
    return pairs == std::string::npos ? std::string() : body.substr(pairs);
}

std::string LastStatusText(const std::vector<std::string>& texts)
{
    return texts.empty() ? std::string() : texts.back();
}

}  // namespace morvix::test
