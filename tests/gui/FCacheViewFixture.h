#pragma once

#include "controls/CRuleListView.h"
#include "features/cache/view/CFCacheManagerDlg.h"
#include "features/cache/view/CFCachePage.h"
#include "gui/CScriptedUserInteraction.h"
#include "gui/ViewTestSupport.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"

#include <QItemSelectionModel>
#include <QPushButton>

#include <gtest/gtest.h>
#include <json/value.h>

#include <initializer_list>
#include <memory>

namespace morvix::test {

// The cache-rules manager, signed in to a simulator of its own, with the operator's answers
// scripted.
class FCacheViewFixture : public ::testing::Test {
protected:
    SimProcess sim;
    ConsoleSession console{sim.host()};
    CScriptedUserInteraction answers;
    std::unique_ptr<CFCacheManagerDlg> manager;

    void TearDown() override
    {
        manager.reset();
        DrainHandOvers();
    }

    void FillRules(int count)
    {
        Json::Value generate;
        generate["count"] = count;
        sim.setState("fcache", generate);
    }

    // Shows the manager, which asks for the list, and waits until it is shown.
    void Open(int expectedRows)
    {
        manager = std::make_unique<CFCacheManagerDlg>();
        manager->resize(900, 500);
        manager->show();
        ASSERT_TRUE(ProcessUntil([&] { return Rows() == expectedRows && !Page()->IsBusy(); }))
            << "rows shown: " << Rows();
    }

    CFCachePage* Page() const { return manager->PageCache(); }
    QPushButton* Button(CRuleListPage::Command command) const { return Page()->CommandButton(command); }
    int Rows() const { return Page()->List()->model()->rowCount(); }
    QString Cell(int row, int column) const
    {
        const QAbstractItemModel* model = Page()->List()->model();
        return model->data(model->index(row, column)).toString();
    }

    void Select(std::initializer_list<int> rows)
    {
        QItemSelectionModel* selection = Page()->List()->selectionModel();
        selection->clearSelection();
        for (int row : rows)
            selection->select(Page()->List()->model()->index(row, 0),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    bool WaitIdle() { return ProcessUntil([&] { return !Page()->IsBusy(); }); }

    std::size_t Logged(const std::string& query) { return LoggedBodies(sim, query).size(); }
};

}  // namespace morvix::test
