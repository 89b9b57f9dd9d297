#include "controls/CRuleListView.h"
#include "features/monitor/view/CInstantRequestModel.h"
#include "features/monitor/view/CInstantRequestMonitor.h"
#include "features/monitor/view/CRTHListDlg.h"
#include "features/monitor/view/CRthListAddDlg.h"
#include "features/monitor/view/CRthRequestDlg.h"
#include "features/monitor/view/CRthSwitchBoxes.h"
#include "gui/CScriptedUserInteraction.h"
#include "gui/ViewTestSupport.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace morvix::test;

namespace {

class RthList : public ::testing::Test {
protected:
    SimProcess sim;
    ConsoleSession console{sim.host()};
    CScriptedUserInteraction answers;
    std::unique_ptr<CRTHListDlg> tab;

    void TearDown() override
    {
        tab.reset();
        DrainHandOvers();
    }

    // Shows the tab, which asks for the list, and waits for its rows.
    void Open(int expectedRows)
    {
        tab = std::make_unique<CRTHListDlg>();
        tab->resize(1000, 400);
        tab->show();
        ASSERT_TRUE(ProcessUntil([&] { return Rows() == expectedRows && !tab->IsBusy(); })) << Rows();
    }

    int Rows() const { return tab->List()->model()->rowCount(); }
    QString Cell(int row, int column) const
    {
        const QAbstractItemModel* model = tab->List()->model();
        return model->data(model->index(row, column)).toString();
    }
    bool WaitIdle() { return ProcessUntil([&] { return !tab->IsBusy(); }); }
};

TEST_F(RthList, ShowsTheRecordsAndAnEmptyReplyEmptiesTheTab)
{
    Open(3);
    const QStringList titles = {"序号", "日志文件标题", "实时监控地址", "大小写", "匹配规则"};
    for (int column = 0; column < titles.size(); ++column)
        EXPECT_EQ(tab->List()->model()->headerData(column, Qt::Horizontal).toString(), titles[column]);
    EXPECT_EQ(tab->List()->columnWidth(2), 480);
    EXPECT_EQ(Cell(0, 1), "门户全部访问");
    EXPECT_EQ(Cell(0, 3), "忽略");
    EXPECT_EQ(Cell(2, 3), "不忽略");
    EXPECT_EQ(Cell(1, 4), "正则表达式");
    EXPECT_EQ(tab->List()->model()->data(tab->List()->model()->index(0, 4), Qt::TextAlignmentRole).toInt(),
              int(Qt::AlignCenter));

    tab->List()->SelectOnly(1);
    Json::Value empty;
    empty["entries"] = Json::Value(Json::arrayValue);
    sim.setState("rth", empty);
    tab->CommandButton(CRuleListPage::eRefresh)->click();
    ASSERT_TRUE(ProcessUntil([&] { return Rows() == 0 && !tab->IsBusy(); }));
}

TEST_F(RthList, DeleteAsksAndSendsTheAddressThenListsAgainKeepingTheRowIndex)
{
    Open(3);
    tab->List()->SelectOnly(1);
    answers.QueueDecision(true);
    tab->CommandButton(CRuleListPage::eDelete)->click();
    ASSERT_TRUE(ProcessUntil([&] { return Rows() == 2 && !tab->IsBusy(); }));
    ASSERT_EQ(answers.Prompts().size(), 1);
    EXPECT_EQ(answers.Prompts()[0].title, "提示");
    EXPECT_EQ(answers.Prompts()[0].text, "您确定要删除本条访问监控记录吗？");
    const auto deletions = LoggedBodies(sim, "type=rth&cmd=del");
    ASSERT_EQ(deletions.size(), 1u);
    EXPECT_EQ(PairsAfterRequestId(deletions[0]), "&RequestUrl=%5Ehttp%3A%2F%2Fimg%5C.example%5C.net%2F.*%5C.jpg%24");
    EXPECT_EQ(Cell(1, 1), "论坛首页");
    EXPECT_EQ(tab->List()->SelectedRows(), std::vector<int>{1});
}

TEST_F(RthList, TheAddFormNeedsAnAddressAndItsRecordAppearsAfterTheReply)
{
    Open(3);
    tab->CommandButton(CRuleListPage::eAdd)->click();
    CRthListAddDlg* form = tab->AddForm();
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(form->OkButton()->isEnabled());
    EXPECT_TRUE(form->IgnoreCaseBox()->isChecked());
    EXPECT_EQ(form->UrlEdit()->maxLength(), 1024);
    EXPECT_EQ(form->TitleEdit()->maxLength(), 64);
    form->OkButton()->click();
    EXPECT_TRUE(LoggedBodies(sim, "type=rth&cmd=add").empty());

    form->UrlEdit()->setText(QStringLiteral("http://www.example.com/新闻/*"));
    form->TitleEdit()->setText(QStringLiteral("新闻"));
    form->MatchKindChoice()->setCurrentIndex(2);
    form->Switches()->Box(1)->setChecked(true);
    EXPECT_TRUE(form->OkButton()->isEnabled());
    form->OkButton()->click();
    ASSERT_TRUE(ProcessUntil([&] { return tab->AddForm() == nullptr && Rows() == 4 && !tab->IsBusy(); }));
    const auto additions = LoggedBodies(sim, "type=rth&cmd=add");
    ASSERT_EQ(additions.size(), 1u);
    EXPECT_EQ(PairsAfterRequestId(additions[0]),
              "&Title=%E6%96%B0%E9%97%BB&RequestUrl=http%3A%2F%2Fwww.example.com%2F%E6%96%B0%E9%97%BB%2F*&Icase=1"
              "&Rules=2&Location=0&DateTime=1&HitCache=0&UserAgent=0&InvalidRequest=0&HitMemberCache=0");
    EXPECT_EQ(Cell(3, 1), "新闻");
}

TEST_F(RthList, TheMonitorWindowStreamsTheRecordAndSavesItsRows)
{
    Open(3);
    tab->List()->SelectOnly(0);
    emit tab->List()->RowActivated(0);
    CRthRequestDlg* window = tab->MonitorWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->UrlEdit()->text(), "http://www.example.com/*");
    EXPECT_TRUE(window->UrlEdit()->isReadOnly());
    EXPECT_EQ(window->ClearIntervalChoice()->currentText(), "不清屏");
    EXPECT_TRUE(window->Switches()->Box(0)->isChecked());  // the record's Location

    window->Switches()->Box(2)->setChecked(true);
    window->StartButton()->click();
    EXPECT_EQ(window->StartButton()->text(), "停止监控");
    const QAbstractItemModel* rows = window->Monitor()->Model();
    ASSERT_TRUE(ProcessUntil([&] { return rows->rowCount() >= 3; }));
    window->StartButton()->click();
    const auto streams = LoggedBodies(sim, "type=realtime&cmd=instantrequest");
    ASSERT_EQ(streams.size(), 1u);
    EXPECT_NE(streams[0].find("&UserAgent=1&"), std::string::npos) << streams[0];
    EXPECT_EQ(streams[0].find("IPLow"), std::string::npos) << streams[0];

    QTemporaryDir scratch;
    const QString path = scratch.filePath(QStringLiteral("saved.txt"));
    answers.QueuePath(path);
    window->SaveRows();
    ASSERT_EQ(answers.Prompts().size(), 1);
    EXPECT_EQ(answers.Prompts()[0].title, "保存到");
    EXPECT_TRUE(answers.Prompts()[0].text.startsWith(QStringLiteral("morvix(")));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray text = saved.readAll();
    EXPECT_EQ(text.count("\r\n"), rows->rowCount());
    EXPECT_TRUE(text.startsWith(window->Monitor()->Model()->FullText(0).toUtf8() + "\r\n"));

    window->SetClearMinute(std::chrono::milliseconds(20));
    window->ClearIntervalChoice()->setCurrentIndex(0);
    EXPECT_TRUE(window->ClearTimer()->isActive());
    ASSERT_TRUE(ProcessUntil([&] { return rows->rowCount() == 0; }));
    window->ClearIntervalChoice()->setCurrentText(QStringLiteral("不清屏"));
    EXPECT_FALSE(window->ClearTimer()->isActive());
    window->close();
}

}  // namespace
