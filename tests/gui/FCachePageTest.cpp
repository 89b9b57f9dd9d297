#include "controls/CMoxTabCtrl.h"
#include "features/cache/FCacheRule.h"
#include "gui/FCacheViewFixture.h"
#include "integration/CannedAdminServer.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/HelpPages.h"

#include <QHeaderView>
#include <QUrlQuery>

using namespace morvix::test;

namespace {

Json::Value Entry(const std::string& wid, const std::string& url, int icase, int rules, int expire, int unit,
                  int icookie, int olimit, int diskCache, const std::string& note)
{
    Json::Value entry;
    entry["Wid"] = wid;
    entry["Url"] = url;
    entry["Icase"] = std::to_string(icase);
    entry["Rules"] = std::to_string(rules);
    entry["Expire"] = std::to_string(expire);
    entry["Unit"] = std::to_string(unit);
    entry["Icookie"] = std::to_string(icookie);
    entry["Olimit"] = std::to_string(olimit);
    entry["IsDiskCache"] = std::to_string(diskCache);
    entry["Note"] = note;
    return entry;
}

class FCachePage : public FCacheViewFixture {};

}  // namespace

TEST_F(FCachePage, ShowsEachRuleWithTheTextsOfItsCodes)
{
    Json::Value document;
    document["entries"].append(Entry("w1", "http://a.example.com/*", 0, 1, 30, 2, 1, 2, 0, "新闻"));
    document["entries"].append(Entry("w2", "http://b.example.com/x", 1, 2, 7, 0, 0, 1, 1, ""));
    sim.setState("fcache", document);
    Open(2);

    const QStringList titles = {"序号", "缓存地址", "匹配规则", "超时周期", "Set-Cookie", "开放权限", "硬盘缓存", "备注说明"};
    for (int column = 0; column < titles.size(); ++column)
        EXPECT_EQ(Page()->List()->model()->headerData(column, Qt::Horizontal).toString(), titles[column]);
    EXPECT_EQ(Page()->List()->columnWidth(1), 280);

    const QStringList first = {"1", "http://a.example.com/*", "正则表达式(不忽略大小写)", "30 分钟", "忽略", "游客用户", "不允许",
                               "新闻"};
    for (int column = 0; column < first.size(); ++column)
        EXPECT_EQ(Cell(0, column), first[column]) << "column " << column;
    EXPECT_EQ(Cell(1, 2), "精确匹配(忽略大小写)");
    EXPECT_EQ(Cell(1, 3), "7 天");
    EXPECT_EQ(Cell(1, 6), "允许");

    EXPECT_EQ(console.Instance().fcacheRules.Size(), 2u);
    EXPECT_TRUE(console.Instance().fcacheRules.Find("w2"));
    EXPECT_EQ(LoggedQueries(sim).back(), "type=fcache&cmd=list");
    const auto texts = console.Events().StatusTexts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "正在刷新强制缓存列表，请稍候...."), texts.end());
}

TEST(FCacheList, AnElementWithoutTheDiskCacheKeyShowsAllowed)
{
    CannedAdminServer server;
    server.Answer(R"({"RequestID":"1","Return":"True","NumOfLists":"1","Lists":[{"NO":"1","Wid":"9","Url":"/a",)"
                  R"("Icase":"1","Rules":"0","Expire":"1","Unit":"1","Icookie":"1","Olimit":"0","Note":""}]})");
    ConsoleSession console(server.Host());
    CScriptedUserInteraction answers;
    {
        CFCacheManagerDlg manager;
        manager.show();
        const QAbstractItemModel* model = manager.PageCache()->List()->model();
        ASSERT_TRUE(ProcessUntil([&] { return model->rowCount() == 1; }));
        EXPECT_EQ(model->data(model->index(0, 6)).toString(), "允许");
    }
    DrainHandOvers();
}

TEST_F(FCachePage, CommandsCarryTheirTextsAndFollowTheSelection)
{
    Open(5);
    const std::pair<CRuleListPage::Command, QString> tooltips[] = {
        {CRuleListPage::eAdd, "添加页面缓存规则"},
        {CRuleListPage::eDelete, "按 Ctrl 或 Shift 键多选可批量删除页面缓存规则"},
        {CRuleListPage::eRefresh, "刷新页面缓存规则列表"},
        {CRuleListPage::eUp, "向上移动页面缓存规则"},
        {CRuleListPage::eDown, "向下移动页面缓存规则"},
        {CRuleListPage::eModify, "修改选中的页面缓存规则"},
        {CRuleListPage::eImport, "导入规则"},
        {CRuleListPage::eExport, "导出规则"},
        {CRuleListPage::eMonitor, "实时监控此规则的访问请求"}};
    for (const auto& [command, tooltip] : tooltips)
        EXPECT_EQ(Button(command)->toolTip(), tooltip);
    EXPECT_EQ(Button(CRuleListPage::eMonitor)->text(), "访问监控");
    EXPECT_EQ(Button(CRuleListPage::eHelp)->text(), "帮助");

    EXPECT_TRUE(Button(CRuleListPage::eAdd)->isEnabled());
    EXPECT_FALSE(Button(CRuleListPage::eDelete)->isEnabled()) << "nothing selected";
    EXPECT_FALSE(Button(CRuleListPage::eMonitor)->isEnabled());

    Select({0});
    EXPECT_FALSE(Button(CRuleListPage::eUp)->isEnabled()) << "the first rule cannot go up";
    EXPECT_TRUE(Button(CRuleListPage::eDown)->isEnabled());
    EXPECT_TRUE(Button(CRuleListPage::eModify)->isEnabled());

    Select({4});
    EXPECT_TRUE(Button(CRuleListPage::eUp)->isEnabled());
    EXPECT_FALSE(Button(CRuleListPage::eDown)->isEnabled()) << "the last rule cannot go down";

    Select({1, 2});
    EXPECT_TRUE(Button(CRuleListPage::eDelete)->isEnabled());
    for (auto command : {CRuleListPage::eUp, CRuleListPage::eDown, CRuleListPage::eModify, CRuleListPage::eMonitor})
        EXPECT_FALSE(Button(command)->isEnabled()) << "command " << command << " with two rows selected";

    // While a reply is awaited nothing but help and the transfers can run.
    Json::Value slow;
    slow["kind"] = "delay";
    slow["ms"] = 300;
    slow["count"] = 1;
    sim.addFault(slow);
    Button(CRuleListPage::eRefresh)->click();
    EXPECT_TRUE(Page()->IsBusy());
    EXPECT_FALSE(Button(CRuleListPage::eAdd)->isEnabled());
    EXPECT_FALSE(Button(CRuleListPage::eRefresh)->isEnabled());
    EXPECT_FALSE(Button(CRuleListPage::eDelete)->isEnabled());
    EXPECT_TRUE(WaitIdle());
    EXPECT_TRUE(Button(CRuleListPage::eRefresh)->isEnabled());
}

TEST_F(FCachePage, DownExchangesTheRowsAndSelectsTheLowerOne)
{
    FillRules(6);
    Open(6);
    const QString third = Cell(3, 1);
    const QString fourth = Cell(4, 1);
    Select({3});
    Button(CRuleListPage::eDown)->click();
    ASSERT_TRUE(WaitIdle());

    EXPECT_EQ(Cell(3, 1), fourth);
    EXPECT_EQ(Cell(4, 1), third);
    EXPECT_EQ(Cell(3, 0), "4") << "the position column stays in place";
    EXPECT_EQ(Cell(4, 0), "5");
    EXPECT_EQ(Page()->List()->SelectedRows(), std::vector<int>{4});

    Button(CRuleListPage::eUp)->click();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Cell(3, 1), third);
    EXPECT_EQ(Page()->List()->SelectedRows(), std::vector<int>{3});

    // The server's order agrees with the rows.
    Button(CRuleListPage::eRefresh)->click();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Cell(3, 1), third);
    EXPECT_EQ(Cell(4, 1), fourth);
}

TEST_F(FCachePage, RefreshSelectsTheSameRowAgain)
{
    FillRules(10);
    Open(10);
    Select({7});
    Button(CRuleListPage::eRefresh)->click();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Page()->List()->SelectedRows(), std::vector<int>{7});
}

TEST_F(FCachePage, AListThatFailsLeavesTheListEmpty)
{
    Open(5);
    Json::Value failure;
    failure["kind"] = "http-500";
    failure["type"] = "fcache";
    failure["cmd"] = "list";
    failure["count"] = 1;
    sim.addFault(failure);
    Button(CRuleListPage::eRefresh)->click();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(console.Instance().fcacheRules.Size(), 0u);
    EXPECT_TRUE(Button(CRuleListPage::eRefresh)->isEnabled());
}

TEST_F(FCachePage, MonitorAndHelpOpenTheBrowser)
{
    Json::Value document;
    document["entries"].append(Entry("w1", "http://a.example.com/news list*", 1, 0, 30, 2, 1, 0, 1, ""));
    sim.setState("fcache", document);
    Open(1);
    Select({0});
    Button(CRuleListPage::eMonitor)->click();
    Button(CRuleListPage::eHelp)->click();
    ASSERT_EQ(answers.OpenedUrls().size(), 2);

    const QUrl monitor = answers.OpenedUrls()[0];
    EXPECT_EQ(monitor.scheme(), "http");
    EXPECT_EQ(monitor.authority(), QString::fromStdString(sim.host()));
    EXPECT_EQ(monitor.path(), "/morvix/webcache.mox");
    const QUrlQuery query(monitor);
    EXPECT_EQ(query.queryItemValue("type"), "realtime");
    EXPECT_EQ(query.queryItemValue("cmd"), "instantrequest");
    EXPECT_EQ(query.queryItemValue("RequestUrl", QUrl::FullyDecoded), "http://a.example.com/news list*");
    EXPECT_EQ(query.queryItemValue("Rules"), "0");
    EXPECT_EQ(query.queryItemValue("Icase"), "1");
    EXPECT_EQ(query.queryItemValue("SessionID"), QString::fromStdString(console.SessionId()));
    EXPECT_EQ(query.queryItemValue("ContentType"), "html");
    EXPECT_GT(query.queryItemValue("GetRandomNum").toLongLong(), 1600000000);
    EXPECT_TRUE(monitor.toString(QUrl::FullyEncoded).contains("RequestUrl=http%3A%2F%2Fa.example.com%2Fnews%20list*"));

    EXPECT_EQ(answers.OpenedUrls()[1], QUrl(QString::fromStdString(PageCacheHelpUrl())));
    EXPECT_TRUE(answers.OpenedUrls()[1].isLocalFile());
}

TEST_F(FCachePage, ALongListIsShownInBatchesWhileTheViewStaysBusy)
{
    constexpr int kRules = 5000;
    FillRules(kRules);
    manager = std::make_unique<CFCacheManagerDlg>();
    Page()->SetFillBatchTime(std::chrono::milliseconds(0));
    manager->show();
    bool seenPartly = false;
    ASSERT_TRUE(ProcessUntil([&] {
        if (Rows() > 0 && Rows() < kRules) {
            seenPartly = true;
            EXPECT_TRUE(Page()->IsBusy());
            EXPECT_FALSE(Button(CRuleListPage::eRefresh)->isEnabled());
        }
        return Rows() == kRules && !Page()->IsBusy();
    }));
    EXPECT_TRUE(seenPartly) << "the rows came in more than one batch";
    EXPECT_EQ(Cell(kRules - 1, 0), QString::number(kRules));
    EXPECT_EQ(console.Instance().fcacheRules.Size(), static_cast<std::size_t>(kRules));
}

TEST_F(FCachePage, AViewClosedWhileFillingReleasesTheList)
{
    FillRules(5000);
    manager = std::make_unique<CFCacheManagerDlg>();
    Page()->SetFillBatchTime(std::chrono::milliseconds(0));
    manager->show();
    ASSERT_TRUE(ProcessUntil([&] { return Rows() > 0; }));
    ASSERT_LT(Rows(), 5000);
    manager.reset();
    // The session checks, as it ends, that the list's record was released.
}

TEST_F(FCachePage, ShowingThePageCacheTabAsksForItsList)
{
    Open(5);
    CMoxTabCtrl* tabs = manager->Tabs();
    ASSERT_EQ(tabs->count(), 5);
    const std::pair<QString, QString> expected[] = {{"页面缓存", "页面缓存列表"},
                                                    {"拒绝缓存", "拒绝缓存列表"},
                                                    {"会话缓存", "会话缓存列表"},
                                                    {"清理缓存", "清理已缓存的页面"},
                                                    {"帮助", "页面缓存帮助"}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(tabs->tabText(i), expected[i].first);
        EXPECT_EQ(tabs->tabToolTip(i), expected[i].second);
    }
    EXPECT_EQ(Logged("type=fcache&cmd=list"), 1u);

    tabs->setCurrentIndex(1);
    EXPECT_EQ(manager->CurrentPage(), CFCacheManagerDlg::eRefuseCache);
    manager->ShowPage(CFCacheManagerDlg::eCleaning);
    EXPECT_EQ(manager->CurrentPage(), CFCacheManagerDlg::eCleaning);
    tabs->setCurrentIndex(0);
    EXPECT_EQ(manager->CurrentPage(), CFCacheManagerDlg::ePageCache);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Logged("type=fcache&cmd=list"), 2u);
}
