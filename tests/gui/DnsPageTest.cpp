#include "controls/CBatchProgressDlg.h"
#include "controls/CConfirmedCheckBox.h"
#include "controls/CMoxTabCtrl.h"
#include "controls/CRuleListView.h"
#include "features/config/DnsRequests.h"
#include "features/config/view/CDnsBalanceDlg.h"
#include "features/config/view/CDnsCacheDlg.h"
#include "features/config/view/CDnsParamDlg.h"
#include "features/config/view/CDnsRedirectDlg.h"
#include "features/config/view/CDnsRedirectEntryDlg.h"
#include "features/config/view/CDnsRedirectModel.h"
#include "features/config/view/CDnsSettingDlg.h"
#include "features/config/view/CDnsVideoDlg.h"
#include "gui/CScriptedUserInteraction.h"
#include "gui/ViewTestSupport.h"
#include "integration/OneShotFault.h"
#include "messaging/CMoxTextEventParam.h"
#include "messaging/EventKinds.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"
#include "transport/CMoxHttpManager.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace morvix::test;

namespace {

constexpr char kSet[] = "type=dns&cmd=system-set";
constexpr char kClean[] = "type=dns&cmd=cache-clean";
constexpr char kAdd[] = "type=dns&cmd=redirect-add";
constexpr char kDel[] = "type=dns&cmd=redirect-del";

class DnsPage : public ::testing::Test {
protected:
    SimProcess sim;
    ConsoleSession console{sim.host()};
    CScriptedUserInteraction answers;
    std::unique_ptr<CDnsSettingDlg> page;

    void SetUp() override
    {
        page = std::make_unique<CDnsSettingDlg>();
        page->show();
        ASSERT_TRUE(DnsManager_SystemList());
        ASSERT_TRUE(ProcessUntil([&] { return page->Parameters()->UpstreamField(0)->text() == "223.5.5.5"; }));
    }

    void TearDown() override
    {
        page.reset();
        DrainHandOvers();
    }

    bool Logged(const char* query, std::size_t count)
    {
        return ProcessUntil([&] { return LoggedBodies(sim, query).size() >= count; });
    }

    CDnsRedirectDlg* ShowRedirect()
    {
        page->Tabs()->setCurrentIndex(CDnsSettingDlg::eRedirect);
        CDnsRedirectDlg* redirect = page->Redirect();
        EXPECT_TRUE(ProcessUntil([&] { return redirect->Model()->rowCount() == 7; }));
        return redirect;
    }

    int RowOf(CDnsRedirectDlg* redirect, const std::string& name)
    {
        return redirect->Model()->FindRow([&](const DnsRedirectRow& row) { return row.entry.Name == name; });
    }
};

}  // namespace

TEST_F(DnsPage, TheServiceSwitchNamesItsFlagTwice)
{
    CDnsParamDlg* parameters = page->Parameters();
    EXPECT_TRUE(parameters->ServiceSwitch()->isChecked());
    EXPECT_FALSE(parameters->SaveButton()->isEnabled());
    answers.QueueDecision(false);
    parameters->ServiceSwitch()->click();
    EXPECT_EQ(answers.Prompts().back().text, "你确定要关闭 DNS 缓存功能吗？");
    EXPECT_TRUE(parameters->ServiceSwitch()->isChecked()) << "a cancelled click changes nothing";
    answers.QueueDecision(true);
    parameters->ServiceSwitch()->click();
    ASSERT_TRUE(Logged(kSet, 1));
    EXPECT_EQ(PairsAfterRequestId(LoggedBodies(sim, kSet)[0]), "&DNSType=1&EnableDNSCacheService=1&EnableDNSCacheService=0");
    EXPECT_FALSE(parameters->ServiceSwitch()->isChecked());
}

TEST_F(DnsPage, AFullSaveCleansTheCacheOnlyAfterAnUpstreamEdit)
{
    CDnsParamDlg* parameters = page->Parameters();
    // The set-up's reads are all in, so that the read after the save is the last one.
    ASSERT_TRUE(ProcessUntil([] { return nsMoxHttp::CMoxHttpManager::Instance().RunningExchanges() == 0; }));
    const std::size_t reads = console.Events().Count(eMoxCacheEvent_DnsSystemRead);
    parameters->SyncCleanBox()->setChecked(true);
    parameters->MaxCacheField()->setText(QString());
    QTest::keyClicks(parameters->MaxCacheField(), "60000");
    ASSERT_TRUE(parameters->SaveButton()->isEnabled());
    EXPECT_FALSE(parameters->UpstreamChanged());
    parameters->SaveButton()->click();
    ASSERT_TRUE(Logged(kSet, 1));
    EXPECT_EQ(PairsAfterRequestId(LoggedBodies(sim, kSet)[0]),
              "&DNSType=1&EnableDNSCacheService=1&UpstreamDNS1=223.5.5.5&UpstreamDNS2=119.29.29.29"
              "&UpstreamDNS3=114.114.114.114&UpstreamDNS4=&UpstreamDNS5=&UpstreamDNS6=&UpstreamDNS7=&UpstreamDNS8="
              "&DefaultRedirectIP=192.168.1.10&MaxNumOfDNSCache=60000&MinTTLOfDNSCache=300");

    ASSERT_TRUE(ProcessUntil([&] {
        return console.Events().Count(eMoxCacheEvent_DnsSystemRead) > reads &&
               nsMoxHttp::CMoxHttpManager::Instance().RunningExchanges() == 0;
    }));
    // The form shows the save's read before the next edit, as an operator sees it before typing.
    DrainHandOvers();
    parameters->UpstreamField(2)->selectAll();
    QTest::keyClick(parameters->UpstreamField(2), Qt::Key_Delete);
    QTest::keyClicks(parameters->UpstreamField(3), "[::1]:53");
    parameters->SaveButton()->click();
    // The change and the cleaning go out together; either may reach the log first.
    ASSERT_TRUE(Logged(kClean, 1));
    ASSERT_TRUE(Logged(kSet, 2));
    EXPECT_NE(LoggedBodies(sim, kSet).back().find("&UpstreamDNS3=&UpstreamDNS4=[::1]:53&"), std::string::npos);
    EXPECT_EQ(LoggedBodies(sim, kClean).size(), 1u);
}

// A settings read that the server answers late must not put back what a later read showed.
TEST_F(DnsPage, AnOlderSettingsReplyAfterANewerOneChangesNothing)
{
    Json::Value slow = OneShotFault("delay", "dns", "system-list");
    slow["ms"] = 1500;
    sim.addFault(slow);
    const std::size_t reads = console.Events().Count(eMoxCacheEvent_DnsSystemRead);
    ASSERT_TRUE(DnsManager_SystemList());
    ASSERT_TRUE(Logged("type=dns&cmd=system-list", 2));

    CDnsParamDlg* parameters = page->Parameters();
    parameters->UpstreamField(0)->setText(QString());
    QTest::keyClicks(parameters->UpstreamField(0), "1.0.0.1");
    parameters->SaveButton()->click();
    ASSERT_TRUE(Logged(kSet, 1));
    ASSERT_TRUE(ProcessUntil([&] { return console.Events().Count(eMoxCacheEvent_DnsSystemRead) >= reads + 2; }))
        << "the save's read and the late one both came";
    DrainHandOvers();
    EXPECT_EQ(parameters->UpstreamField(0)->text(), "1.0.0.1");
}

TEST_F(DnsPage, TheCacheWindowShowsTheReplyAsItCame)
{
    page->Parameters()->OpenCacheWindow();
    CDnsCacheDlg* window = page->Parameters()->CacheWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "DNS缓存列表");
    const auto reply = console.Events().Next(eMoxCacheEvent_DnsCacheList);
    ASSERT_TRUE(reply && reply->As<CMoxTextEventParam>());
    ASSERT_TRUE(ProcessUntil([&] { return !window->Content()->toPlainText().isEmpty(); }));
    const QString sent = QString::fromStdString(reply->As<CMoxTextEventParam>()->Text());
    EXPECT_EQ(window->Content()->toPlainText(), QString(sent).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    answers.QueueDecision(true);
    page->Parameters()->CleanCache();
    EXPECT_EQ(answers.Prompts().back().text, "你确定要清理所有已缓存的 DNS 吗？");
    ASSERT_TRUE(Logged(kClean, 1));
}

TEST_F(DnsPage, TheRedirectListFlipsDeletesAndExchangesItsCustomEntries)
{
    CDnsRedirectDlg* redirect = ShowRedirect();
    const CDnsRedirectModel* model = redirect->Model();
    EXPECT_EQ(model->data(model->index(0, CDnsRedirectModel::eKind)).toString(), "默认");
    EXPECT_EQ(model->data(model->index(0, CDnsRedirectModel::eIp)).toString(), "Default");
    EXPECT_EQ(model->data(model->index(4, CDnsRedirectModel::eKind)).toString(), "自定义");
    EXPECT_EQ(model->data(model->index(0, CDnsRedirectModel::eCount), Qt::ToolTipRole).toString(), "域名解析量统计");
    EXPECT_FALSE(redirect->StateButton()->isEnabled());

    // The search goes on after the selection and wraps round.
    redirect->SearchField()->setText(QStringLiteral("example.com"));
    redirect->Find();
    EXPECT_EQ(redirect->List()->SelectedRows(), std::vector<int>{0});
    redirect->Find();
    EXPECT_EQ(redirect->List()->SelectedRows(), std::vector<int>{4});

    // Only built-in entries selected: nothing to delete, nothing sent.
    redirect->List()->SelectOnly(1);
    redirect->DeleteSelection();
    EXPECT_TRUE(answers.Prompts().isEmpty());

    // A built-in entry changes its state by becoming a custom one.
    redirect->List()->SelectOnly(0);
    EXPECT_EQ(redirect->StateButton()->text(), "拒绝劫持");
    redirect->FlipState();
    ASSERT_TRUE(ProcessUntil([&] { return model->rowCount() == 8; }));
    EXPECT_EQ(PairsAfterRequestId(LoggedBodies(sim, kAdd).at(0)), "&Name=www.example.com&IP=&Enable=0&Note=%E9%97%A8%E6%88%B7");

    QTemporaryDir scratch;
    const QString exported = scratch.filePath(QStringLiteral("dns.txt"));
    answers.QueuePath(exported);
    redirect->Export();
    std::ifstream in(exported.toStdString(), std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(text.substr(0, text.find("\r\n") + 2),
              "address=/news.example.com/" + std::string(34, ' ') + "#新闻频道\r\n");

    // Two custom entries go through the batch window.
    redirect->SetBatchStepTimeout(5000);
    redirect->List()->selectionModel()->clearSelection();
    for (const char* name : {"news.example.com", "pay.example.com"})
        redirect->List()->selectionModel()->select(model->index(RowOf(redirect, name), 0),
                                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    answers.QueueDecision(true);
    redirect->DeleteSelection();
    EXPECT_EQ(answers.Prompts().back().text, "您确定要删除所有选中的自定义劫持域名吗？");
    ASSERT_NE(redirect->Progress(), nullptr);
    ASSERT_TRUE(ProcessUntil([&] { return redirect->Progress() == nullptr && model->rowCount() == 6; }));
    EXPECT_EQ(LoggedBodies(sim, kDel).size(), 2u);
    EXPECT_EQ(RowOf(redirect, "pay.example.com"), -1);
    EXPECT_EQ(model->At(5).number, 6);

    // Import: a line without an address asks the cache server's own.
    std::ofstream(scratch.filePath(QStringLiteral("in.txt")).toStdString(), std::ios::binary)
        << "address=/b.com/\r\nnot a rule\r\nrefuse=/c.com/1.1.1.1   #备\r\n";
    answers.QueuePath(scratch.filePath(QStringLiteral("in.txt")));
    redirect->Import();
    ASSERT_TRUE(ProcessUntil([&] { return redirect->Progress() == nullptr && model->rowCount() == 8; }));
    const std::vector<std::string> adds = LoggedBodies(sim, kAdd);
    EXPECT_EQ(PairsAfterRequestId(adds.at(1)), "&Name=b.com&IP=&Enable=1&Note=");
    EXPECT_EQ(PairsAfterRequestId(adds.at(2)), "&Name=c.com&IP=1.1.1.1&Enable=0&Note=%E5%A4%87");
}

TEST_F(DnsPage, TheEditorSendsOnlyWhatChanged)
{
    CDnsRedirectDlg* redirect = ShowRedirect();
    redirect->List()->SelectOnly(RowOf(redirect, "dl.example.com"));
    redirect->OpenEditor(true);
    ASSERT_NE(redirect->Editor(), nullptr);
    EXPECT_TRUE(redirect->Editor()->NameField()->isReadOnly());
    redirect->Editor()->accept();
    ASSERT_TRUE(ProcessUntil([&] { return redirect->Editor() == nullptr; }));
    redirect->List()->SelectOnly(RowOf(redirect, "dl.example.com"));
    redirect->OpenEditor(true);
    redirect->Editor()->IpField()->setText(QStringLiteral("192.168.1.10"));  // the cache server's own
    redirect->Editor()->accept();
    ASSERT_TRUE(Logged("type=dns&cmd=redirect-modify", 1));
    EXPECT_EQ(LoggedBodies(sim, "type=dns&cmd=redirect-modify").size(), 1u);
    EXPECT_NE(LoggedBodies(sim, "type=dns&cmd=redirect-modify")[0].find("&Name=dl.example.com&IP=&Enable=1"),
              std::string::npos);
}

TEST_F(DnsPage, VideoSitesAndTheBalanceModeAskFirst)
{
    page->Tabs()->setCurrentIndex(CDnsSettingDlg::eVideo);
    CDnsVideoDlg* video = page->Video();
    ASSERT_TRUE(ProcessUntil([&] { return video->ClassBox(7)->isVisible(); }));
    EXPECT_FALSE(video->ClassBox(8)->isVisible());
    EXPECT_EQ(video->ClassBox(4)->text(), "搜狐视频");
    answers.QueueDecision(true);
    video->ClassBox(4)->click();
    EXPECT_EQ(answers.Prompts().back().text, "您确定要开启“搜狐视频”的缓存加速吗？");
    ASSERT_TRUE(Logged("type=dns&cmd=redirectclass-mod", 1));
    EXPECT_EQ(PairsAfterRequestId(LoggedBodies(sim, "type=dns&cmd=redirectclass-mod")[0]),
              "&Name=%E6%90%9C%E7%8B%90%E8%A7%86%E9%A2%91&Enable=1");

    page->Tabs()->setCurrentIndex(CDnsSettingDlg::eBalance);
    CDnsBalanceDlg* balance = page->Balance();
    ASSERT_TRUE(ProcessUntil([&] { return balance->HostList()->topLevelItemCount() == 3; }));
    EXPECT_EQ(balance->HostList()->topLevelItem(2)->toolTip(1), "集群主机已暂停");
    const int mode = balance->Mode();
    const int other = (mode + 1) % CDnsBalanceDlg::kModeCount;
    answers.QueueDecision(false);
    balance->ModeChoice(other)->click();
    EXPECT_TRUE(balance->ModeChoice(mode)->isChecked());
    EXPECT_EQ(balance->Mode(), mode);
    answers.QueueDecision(true);
    balance->ModeChoice(other)->click();
    ASSERT_TRUE(Logged(kSet, 1));
    EXPECT_EQ(PairsAfterRequestId(LoggedBodies(sim, kSet)[0]),
              "&DNSType=1&EnableDNSCacheService=1&DNSRedirectBalanceType=" + std::to_string(other));
}

TEST_F(DnsPage, TheRedirectListAnswersTheKeysOfEveryListView)
{
    CDnsRedirectDlg* redirect = ShowRedirect();
    const int row = RowOf(redirect, "dl.example.com");
    ASSERT_TRUE(PutKeyboardOnRow(redirect->List(), row));
    QTest::keyClick(redirect->List(), Qt::Key_F5);
    ASSERT_TRUE(Logged("type=dns&cmd=redirect-list", 2));
    ASSERT_TRUE(ProcessUntil([&] { return redirect->CommandButton(CDnsRedirectDlg::eRefresh)->isEnabled(); }));
    EXPECT_EQ(redirect->List()->currentIndex().row(), row) << "the refresh keeps the keyboard's row";

    QTest::keyClick(redirect->List(), Qt::Key_Return);
    QPointer<CDnsRedirectEntryDlg> editor = redirect->Editor();
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->NameField()->text(), "dl.example.com");
    QTest::keyClick(editor, Qt::Key_Escape);
    ASSERT_TRUE(ProcessUntil([&] { return editor.isNull(); }));

    ASSERT_TRUE(PutKeyboardOnRow(redirect->List(), row));
    answers.QueueDecision(false);
    QTest::keyClick(redirect->List(), Qt::Key_Delete);
    ASSERT_EQ(answers.Prompts().size(), 1);
    EXPECT_EQ(answers.Prompts().back().text, "您确定要删除所有选中的自定义劫持域名吗？");

    // In the search field Delete edits the text.
    ASSERT_TRUE(PutKeyboardIn(redirect->SearchField()));
    QTest::keyClicks(redirect->SearchField(), "ab");
    QTest::keyClick(redirect->SearchField(), Qt::Key_Home);
    QTest::keyClick(redirect->SearchField(), Qt::Key_Delete);
    EXPECT_EQ(redirect->SearchField()->text(), "b");
    EXPECT_EQ(answers.Prompts().size(), 1);
    EXPECT_TRUE(LoggedBodies(sim, kDel).empty());
}

TEST_F(DnsPage, TheBalanceHostListAnswersTheKeysToo)
{
    page->Tabs()->setCurrentIndex(CDnsSettingDlg::eBalance);
    CDnsBalanceDlg* balance = page->Balance();
    QTreeWidget* hosts = balance->HostList();
    ASSERT_TRUE(ProcessUntil([&] { return hosts->topLevelItemCount() == 3; }));
    ASSERT_TRUE(PutKeyboardIn(hosts));
    hosts->setCurrentItem(hosts->topLevelItem(1));
    const QString ip = hosts->topLevelItem(1)->text(0);
    hosts->topLevelItem(1)->setData(0, Qt::UserRole, QStringLiteral("shown before"));
    QTest::keyClick(hosts, Qt::Key_F5);
    ASSERT_TRUE(ProcessUntil([&] { return hosts->topLevelItem(1) && hosts->topLevelItem(1)->data(0, Qt::UserRole).isNull(); }))
        << "the list came again";
    ASSERT_EQ(hosts->selectedItems().size(), 1);
    EXPECT_EQ(hosts->selectedItems()[0]->text(0), ip) << "the refresh keeps the keyboard's row";

    QTest::keyClick(hosts, Qt::Key_Return);
    ASSERT_NE(balance->Editor(), nullptr);
    balance->Editor()->reject();
    ASSERT_TRUE(PutKeyboardIn(hosts));
    answers.QueueDecision(false);
    QTest::keyClick(hosts, Qt::Key_Delete);
    ASSERT_EQ(answers.Prompts().size(), 1);
    EXPECT_EQ(answers.Prompts().back().text, "您确定要删除此负载主机吗？");
}

// A refused change of the redirect switch or of the balance mode is followed by a settings read,
// and the page shows what the server holds, not what was asked for.
TEST_F(DnsPage, ARefusedSwitchOrModeChangeShowsTheServersSetting)
{
    struct Change {
        CDnsSettingDlg::Tab tab;
        std::function<QAbstractButton*()> control;
    };
    const Change kChanges[] = {
        {CDnsSettingDlg::eRedirect, [&] { return page->Redirect()->RedirectSwitch(); }},
        {CDnsSettingDlg::eBalance, [&] { return page->Balance()->ModeChoice((page->Balance()->Mode() + 1) % 4); }},
    };
    for (const Change& change : kChanges) {
        page->Tabs()->setCurrentIndex(change.tab);
        ASSERT_TRUE(ProcessUntil([] { return nsMoxHttp::CMoxHttpManager::Instance().RunningExchanges() == 0; }));
        QAbstractButton* control = change.control();
        const bool checked = control->isChecked();
        const std::size_t sets = LoggedBodies(sim, kSet).size();
        const std::size_t reads = LoggedBodies(sim, "type=dns&cmd=system-list").size();
        sim.addFault(OneShotFault("busy", "dns", "system-set"));
        answers.QueueDecision(true);
        control->click();
        ASSERT_TRUE(Logged(kSet, sets + 1)) << "tab " << change.tab;
        EXPECT_TRUE(Logged("type=dns&cmd=system-list", reads + 1)) << "no read after the refusal, tab " << change.tab;
        EXPECT_TRUE(ProcessUntil([&] { return control->isChecked() == checked; }))
            << "the refused change stays on screen, tab " << change.tab;
    }
}

// A video site change carried out although its reply was lost: the tab reads the sites again and
// shows the change the server holds.
TEST_F(DnsPage, AVideoSiteChangeWhoseReplyWasLostShowsTheServersSetting)
{
    page->Tabs()->setCurrentIndex(CDnsSettingDlg::eVideo);
    CDnsVideoDlg* video = page->Video();
    ASSERT_TRUE(ProcessUntil([&] { return video->ClassBox(4)->isVisible() && !video->IsBusy(); }));
    const bool before = video->ClassBox(4)->isChecked();
    const std::size_t reads = LoggedBodies(sim, "type=dns&cmd=redirectclass-list").size();
    sim.addFault(OneShotFault("reset", "dns", "redirectclass-mod"));
    answers.QueueDecision(true);
    video->ClassBox(4)->click();
    ASSERT_TRUE(Logged("type=dns&cmd=redirectclass-list", reads + 1)) << "no read after the lost reply";
    ASSERT_TRUE(ProcessUntil([&] { return !video->IsBusy(); }));
    EXPECT_NE(sim.state()["dnsredirect"]["classes"][4]["Enable"].asInt() != 0, before);
    EXPECT_NE(video->ClassBox(4)->isChecked(), before);
}
