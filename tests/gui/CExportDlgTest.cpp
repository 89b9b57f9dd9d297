#include "features/access/view/CRewriteManagerDlg.h"
#include "features/cache/view/CExportDlg.h"
#include "features/cache/view/CFCacheManagerDlg.h"
#include "features/cache/view/CFCachePage.h"
#include "features/cache/view/CRCacheManagerDlg.h"
#include "files/ScratchDirectory.h"
#include "gui/SimViewFixture.h"
#include "integration/OneShotFault.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/ExchangeFileText.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

using namespace morvix::test;

namespace {

class RulesTransfer : public SimViewFixture {
protected:
    ScratchDirectory scratch;
    CFCacheManagerDlg* manager = nullptr;

    // The manager showing its page-cache rules, so that the instance holds them.
    void OpenManager(int rules)
    {
        Fill("fcache", rules);
        manager = Show(std::make_unique<CFCacheManagerDlg>());
        ASSERT_TRUE(ProcessUntil([&] { return Rows(manager->PageCache()->List()) == rules && !manager->PageCache()->IsBusy(); }));
    }

    CExportDlg* OpenForm(bool importing)
    {
        manager->PageCache()->RunCommand(importing ? CRuleListPage::eImport : CRuleListPage::eExport);
        return manager->PageCache()->findChild<CExportDlg*>();
    }

    bool ImportDone(CExportDlg* form) { return form->StartButton()->text() == "导入完成"; }
};

}  // namespace

TEST_F(RulesTransfer, ExportWritesTheCheckedBlocksAndSaysWhenTheFileCannotBeWritten)
{
    OpenManager(2);
    CExportDlg* form = OpenForm(false);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), "导出");
    form->StartButton()->click();
    EXPECT_EQ(answers.Prompts().back().text, "请选择缓存规则导出目录");

    for (RulesFileBlock block : {eRulesBlock_FCache, eRulesBlock_RCache, eRulesBlock_Rewrite})
        form->BlockBox(block)->setChecked(false);
    form->PathEdit()->setText(QString::fromStdString((scratch / "missing" / "rules.txt").string()));
    form->StartButton()->click();
    EXPECT_EQ(answers.Prompts().back().title, "导出");
    EXPECT_NE(form->StartButton()->text(), "导出完成") << "a file that was not written is no finished export";

    answers.QueuePath(QString::fromStdString((scratch / "rules").string()));
    form->ChooseButton()->click();
    EXPECT_TRUE(answers.Prompts().back().text.endsWith("Morvix-Rules-127.0.0.1.txt"));
    form->StartButton()->click();
    EXPECT_TRUE(ReadBytes(scratch / "rules.txt").starts_with("\r\n#会话缓存规则\r\n[SCache]\r\n"));
    EXPECT_EQ(form->StartButton()->text(), "导出完成");
    EXPECT_FALSE(form->StartButton()->isEnabled());
    EXPECT_EQ(form->Progress()->value(), 5);
}

TEST_F(RulesTransfer, ImportSendsOneRuleAtATimeAndGoesOnPastARefusal)
{
    OpenManager(0);
    // GB18030 notes; the second rule repeats the first and is refused; Url_3 is missing.
    WriteBytes(scratch / "rules.txt", "[FCache]\r\nFCacheCount=4\r\n"
                                      "Url_1=/a/*\r\nNote_1=\xB1\xB8\xD7\xA2\r\n"
                                      "Url_2=/a/*\r\n"
                                      "Url_4=/b/*\r\nIsDiskCache_4=1\r\n"
                                      "[Rewrite]\r\nRewriteCount=1\r\nSourceUrl_1=/old\r\nDestinationUrl_1=/new\r\n");
    CExportDlg* form = OpenForm(true);
    ASSERT_NE(form, nullptr);
    form->PathEdit()->setText(QString::fromStdString((scratch / "rules.txt").string()));
    form->StartButton()->click();
    ASSERT_TRUE(ProcessUntil([&] { return ImportDone(form); }));
    EXPECT_EQ(form->Progress()->maximum(), 4);
    EXPECT_EQ(form->Progress()->value(), 4);
    const std::vector<std::string> adds = LoggedBodies(sim, "type=fcache&cmd=add");
    ASSERT_EQ(adds.size(), 3u);
    EXPECT_NE(adds[0].find("&IsDiskCache=0&Note=%E5%A4%87%E6%B3%A8&"), std::string::npos);
    EXPECT_NE(adds[2].find("Url=%2Fb%2F*&"), std::string::npos);
    EXPECT_EQ(Logged("type=rewrite&cmd=add"), 1u);
    ASSERT_TRUE(ProcessUntil([&] { return Rows(manager->PageCache()->List()) == 2; }));
}

TEST_F(RulesTransfer, AStepWithoutAReplyIsGivenUpAndItsLateReplyDoesNotEndTheNext)
{
    OpenManager(0);
    // The first add answers after 1.4 s and is given up at 1 s; its reply comes while the second,
    // answering after 0.7 s, is on its way. The third may go only once the second has answered,
    // or the server adds it before the second. (Of the delays that fire together, the first
    // added counts; the second fault's first firing is spent on the first add.)
    for (const auto& [ms, count] : {std::pair{1400, 1}, std::pair{700, 2}}) {
        Json::Value fault = OneShotFault("delay", "fcache", "add");
        fault["ms"] = ms;
        fault["count"] = count;
        sim.addFault(fault);
    }
    WriteBytes(scratch / "rules.txt", "[FCache]\r\nFCacheCount=3\r\nUrl_1=/1/*\r\nUrl_2=/2/*\r\nUrl_3=/3/*\r\n");
    CExportDlg* form = OpenForm(true);
    form->SetStepTimeout(1000);
    form->PathEdit()->setText(QString::fromStdString((scratch / "rules.txt").string()));
    form->StartButton()->click();
    ASSERT_TRUE(ProcessUntil([&] { return ImportDone(form); }));
    ASSERT_EQ(Logged("type=fcache&cmd=add"), 3u);
    const Json::Value state = sim.state();
    std::vector<std::string> order;
    for (const Json::Value& rule : state["fcache"]["entries"])
        order.push_back(rule["Url"].asString());
    EXPECT_EQ(order, (std::vector<std::string>{"/1/*", "/2/*", "/3/*"}));
}

TEST_F(RulesTransfer, AFileTooLargeIsRefusedByItsSizeBeforeAnythingIsSent)
{
    OpenManager(0);
    WriteBytes(scratch / "huge.txt", "[FCache]\r\nFCacheCount=1\r\nUrl_1=/a/*\r\n");
    std::filesystem::resize_file(scratch / "huge.txt", ExchangeFileText::kMostBytes + 1);
    CExportDlg* form = OpenForm(true);
    form->PathEdit()->setText(QString::fromStdString((scratch / "huge.txt").string()));
    form->StartButton()->click();
    ASSERT_TRUE(ProcessUntil([&] { return form->StartButton()->isEnabled(); }));
    EXPECT_EQ(answers.Prompts().back().title, "导入");
    EXPECT_TRUE(answers.Prompts().back().text.contains("16.0 MiB（16777217 字节）")) << answers.Prompts().back().text.toStdString();
    EXPECT_EQ(Logged("type=fcache&cmd=add"), 0u);
}

// Rules imported from the page-cache page reach the refuse-cache page and the rewrite view through
// their own add handling: they show them, the instance keeps them, and an export started from the
// rewrite view writes them.
TEST_F(RulesTransfer, AnImportReachesEveryListItAddsTo)
{
    OpenManager(1);
    auto rewrite = std::make_unique<CRewriteManagerDlg>();
    rewrite->show();
    CRuleListPage* refuse = manager->RefuseCache();
    manager->ShowPage(CFCacheManagerDlg::eRefuseCache);
    const auto held = [&](const char* family) { return static_cast<int>(sim.state()[family]["entries"].size()); };
    ASSERT_TRUE(ProcessUntil([&] {
        return Rows(refuse->List()) == held("rcache") && Rows(rewrite->Page()->List()) == held("rewrite") &&
               !refuse->IsBusy() && !rewrite->Page()->IsBusy();
    }));
    WriteBytes(scratch / "rules.txt", "[RCache]\r\nRCacheCount=1\r\nUrl_1=/refused/*\r\n"
                                      "[Rewrite]\r\nRewriteCount=1\r\nSourceUrl_1=/old\r\nDestinationUrl_1=/new\r\n");
    CExportDlg* form = OpenForm(true);
    form->PathEdit()->setText(QString::fromStdString((scratch / "rules.txt").string()));
    form->StartButton()->click();
    ASSERT_TRUE(ProcessUntil([&] { return ImportDone(form); }));

    EXPECT_TRUE(ProcessUntil([&] { return Rows(refuse->List()) == held("rcache"); })) << "the refuse-cache page";
    EXPECT_TRUE(ProcessUntil([&] { return Rows(rewrite->Page()->List()) == held("rewrite"); })) << "the rewrite view";
    rewrite->Page()->RunCommand(CRuleListPage::eExport);
    auto* exporting = rewrite->Page()->findChild<CExportDlg*>();
    ASSERT_NE(exporting, nullptr);
    exporting->PathEdit()->setText(QString::fromStdString((scratch / "out.txt").string()));
    exporting->StartButton()->click();
    const std::string written = ReadBytes(scratch / "out.txt");
    EXPECT_NE(written.find("/refused/*"), std::string::npos);
    EXPECT_NE(written.find("/old"), std::string::npos);
}
