#pragma once

#include "controls/CRuleListView.h"
#include "gui/CScriptedUserInteraction.h"
#include "gui/ViewTestSupport.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"

#include <QItemSelectionModel>
#include <QWidget>

#include <gtest/gtest.h>
#include <json/value.h>

#include <memory>
#include <vector>

namespace morvix::test {

// A view of the console signed in to a simulator of its own, with the operator's answers
// scripted. The view goes before the session, which then checks that every record was released.
class SimViewFixture : public ::testing::Test {
protected:
    SimProcess sim;
    ConsoleSession console{sim.host()};
    CScriptedUserInteraction answers;
    std::unique_ptr<QWidget> view;

    void TearDown() override
    {
        view.reset();
        DrainHandOvers();
    }

    template <class View>
    View* Show(std::unique_ptr<View> made)
    {
        View* shown = made.get();
        view = std::move(made);
        view->resize(900, 520);
        view->show();
        return shown;
    }

    void Fill(const std::string& family, int count)
    {
        Json::Value generate;
        generate["count"] = count;
        sim.setState(family, generate);
    }

    std::size_t Logged(const std::string& query) { return LoggedBodies(sim, query).size(); }
    std::string LastBody(const std::string& query)
    {
        const std::vector<std::string> bodies = LoggedBodies(sim, query);
        return bodies.empty() ? std::string() : bodies.back();
    }
    bool WaitForStatus(const std::string& text)
    {
        return ProcessUntil([&] { return LastStatusText(console.Events().StatusTexts()) == text; });
    }

    static int Rows(const CRuleListView* list) { return list->model()->rowCount(); }
    static QString Cell(const CRuleListView* list, int row, int column)
    {
        return list->model()->data(list->model()->index(row, column)).toString();
    }
    static void Select(CRuleListView* list, const std::vector<int>& rows)
    {
        QItemSelectionModel* selection = list->selectionModel();
        selection->clearSelection();
        for (int row : rows)
            selection->select(list->model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    static std::vector<int> FirstRows(int count)
    {
        std::vector<int> rows;
        for (int row = 0; row < count; ++row)
            rows.push_back(row);
        return rows;
    }
};

}  // namespace morvix::test
