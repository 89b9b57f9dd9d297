#include "controls/CBatchProgressDlg.h"
#include "controls/CMoxTabCtrl.h"
#include "controls/CRuleDeletion.h"
#include "features/access/view/CAddressListPage.h"
#include "features/access/view/CWhiteListAddDlg.h"
#include "features/access/view/CWhiteListDlg.h"
#include "features/config/SystemOptions.h"
#include "files/ScratchDirectory.h"
#include "gui/SimViewFixture.h"
#include "integration/OneShotFault.h"
#include "transport/CMoxHttpManager.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace morvix::test;

namespace {

class SecurityView : public SimViewFixture {
protected:
    CWhiteListDlg* security = nullptr;
    CAddressListPage* black = nullptr;
    ScratchDirectory scratch;

    void Open(bool withWhiteList, int blackEntries)
    {
        Fill("black", blackEntries);
        security = Show(std::make_unique<CWhiteListDlg>(withWhiteList));
        black = security->BlackList();
        black->SetBatchStepTimeout(2000);
        if (!withWhiteList) {
            ASSERT_TRUE(ProcessUntil([&] { return BlackIdle() && Rows(black->ListView()) == blackEntries; }));
        }
    }
    bool Enabled(CAddressListPage::Command command) const { return black->CommandButton(command)->isEnabled(); }
    bool BlackIdle() const { return black->CommandButton(CAddressListPage::eRefresh)->isEnabled(); }
};

}  // namespace

TEST_F(SecurityView, BlackOnlyFormOffersTheFileOnceTheListArrived)
{
    Fill("black", 2);
    security = Show(std::make_unique<CWhiteListDlg>(false));
    black = security->BlackList();
    EXPECT_EQ(security->Tabs()->count(), 1);
    EXPECT_EQ(security->Tabs()->tabText(0), "黑名单管理");
    EXPECT_EQ(security->WhiteListSwitch(), nullptr);
    EXPECT_FALSE(Enabled(CAddressListPage::eImport) || Enabled(CAddressListPage::eExport));
    ASSERT_TRUE(ProcessUntil([&] { return Rows(black->ListView()) == 2; }));
    EXPECT_TRUE(Enabled(CAddressListPage::eImport) && Enabled(CAddressListPage::eExport));
    Select(black->ListView(), {0, 1});
    EXPECT_TRUE(Enabled(CAddressListPage::eDelete));
    EXPECT_FALSE(Enabled(CAddressListPage::eModify));
}

TEST_F(SecurityView, ExportWritesOneLinePerEntryAndImportAddsThemOneByOne)
{
    Open(false, 0);
    black->CommandButton(CAddressListPage::eAdd)->click();
    QPointer<CWhiteListAddDlg> form = black->Form();
    ASSERT_TRUE(form);
    form->OkButton()->click();
    EXPECT_TRUE(form->isVisible()) << "both addresses empty: nothing happens";
    form->LowEdit()->setText("10.0.0.1");
    form->HighEdit()->setText("10.0.0.9");
    form->NoteEdit()->setText("abc");
    EXPECT_EQ(form->DateEdit()->date(), QDate(2030, 1, 1));
    form->OkButton()->click();
    ASSERT_TRUE(ProcessUntil([&] { return Rows(black->ListView()) == 1; }));

    answers.QueuePath(QString::fromStdString((scratch / "black").string()));
    black->CommandButton(CAddressListPage::eExport)->click();
    EXPECT_EQ(ReadBytes(scratch / "black.txt"), "10.0.0.1-10.0.0.9/2030-01-01 00:00:00/abc\r\n");

    WriteBytes(scratch / "import.txt", "10.1.0.1/2030-01-01 00:00:00/x\r\n"
                                       "1.1.1.1-1.1.1.2/2030-01-01\r\n"
                                       "10.2.0.1-10.2.0.9/2029-01-01 00:00:00/\xB1\xB8\xD7\xA2\r\n"
                                       "10.3.0.1-10.3.0.9/2029-01-01 00:00:00/no line end");
    answers.QueuePath(QString::fromStdString((scratch / "import.txt").string()));
    black->CommandButton(CAddressListPage::eImport)->click();
    // The file is read off the window's thread; its first unreadable line is said once it has been.
    ASSERT_TRUE(ProcessUntil([&] { return answers.Prompts().back().title == "tips"; }));
    EXPECT_EQ(answers.Prompts().back().text, "10.1.0.1");
    // A last line without its end is read too: nothing a file holds is passed over unsaid.
    ASSERT_TRUE(ProcessUntil([&] { return black->ImportWindow() == nullptr && Rows(black->ListView()) == 4; }));
    const std::vector<std::string> adds = LoggedBodies(sim, "type=black&cmd=add");
    ASSERT_EQ(adds.size(), 4u);
    EXPECT_NE(adds[1].find("&Low=10.1.0.1&High=10.1.0.1&"), std::string::npos);
    EXPECT_TRUE(adds[2].ends_with("&Note=%E5%A4%87%E6%B3%A8")) << "a GB18030 note arrives as UTF-8";
}

TEST_F(SecurityView, FiveBlackDeletionsGoAtOnceAndSixBehindTheBatchWindow)
{
    Open(false, 12);
    Select(black->ListView(), FirstRows(5));
    answers.QueueDecision(true);
    black->CommandButton(CAddressListPage::eDelete)->click();
    EXPECT_EQ(answers.Prompts().back().title, "删除");
    EXPECT_EQ(answers.Prompts().back().text, "您确定要删除选择的黑名单吗？");
    ASSERT_TRUE(ProcessUntil([&] { return Rows(black->ListView()) == 7; }));
    EXPECT_EQ(Cell(black->ListView(), 6, 0), "7");

    Select(black->ListView(), FirstRows(6));
    answers.QueueDecision(true);
    black->CommandButton(CAddressListPage::eDelete)->click();
    ASSERT_NE(black->Deletion()->ProgressWindow(), nullptr);
    ASSERT_TRUE(ProcessUntil([&] { return !black->Deletion()->IsBatchActive() && Rows(black->ListView()) == 1; }));
    EXPECT_EQ(Logged("type=black&cmd=del"), 11u);
    EXPECT_EQ(Logged("type=black&cmd=list"), 2u);
}

TEST_F(SecurityView, WhiteListSwitchAsksAndFollowsTheServersOptions)
{
    Open(true, 1);
    ASSERT_EQ(security->Tabs()->count(), 2);
    ASSERT_TRUE(ProcessUntil([&] { return Rows(security->WhiteList()->ListView()) == 2; }));
    SystemOptions options;
    options.EnableWhiteList = 1;
    security->OnSystemOptionsRead(options);
    QCheckBox* box = security->WhiteListSwitch();
    EXPECT_TRUE(box->isChecked());

    answers.QueueDecision(false);
    box->click();
    EXPECT_EQ(answers.Prompts().back().text, "您确定要关闭白名单功能吗？");
    EXPECT_TRUE(box->isChecked()) << "cancelled: the state stays";
    answers.QueueDecision(true);
    box->click();
    EXPECT_FALSE(box->isChecked());
    ASSERT_TRUE(ProcessUntil([&] { return Logged("type=system&cmd=modify") == 1; }));
    EXPECT_NE(LastBody("type=system&cmd=modify").find("EnableWhiteList=0"), std::string::npos);

    // Refused: the box goes back to what the server holds.
    ASSERT_TRUE(ProcessUntil([] { return nsMoxHttp::CMoxHttpManager::Instance().RunningExchanges() == 0; }));
    sim.addFault(OneShotFault("busy", "system", "modify"));
    answers.QueueDecision(true);
    box->click();
    ASSERT_TRUE(ProcessUntil([&] { return Logged("type=system&cmd=modify") == 2; }));
    EXPECT_TRUE(ProcessUntil([&] { return !box->isChecked(); })) << "the refused change stays on screen";

    security->Tabs()->setCurrentIndex(1);
    ASSERT_TRUE(ProcessUntil([&] { return Rows(black->ListView()) == 1; }));
}

TEST_F(SecurityView, TheBlackListAnswersTheKeysOfEveryListView)
{
    Open(false, 3);
    ASSERT_TRUE(PutKeyboardOnRow(black->ListView(), 1));
    QTest::keyClick(black->ListView(), Qt::Key_F5);
    ASSERT_TRUE(ProcessUntil([&] { return Logged("type=black&cmd=list") == 2 && BlackIdle(); }));
    EXPECT_EQ(black->ListView()->currentIndex().row(), 1) << "the refresh keeps the keyboard's row";

    QTest::keyClick(black->ListView(), Qt::Key_Return);
    QPointer<CWhiteListAddDlg> form = black->Form();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->LowEdit()->text(), Cell(black->ListView(), 1, 1)) << "Enter opens the row as a double click does";
    QTest::keyClick(form, Qt::Key_Escape);
    ASSERT_TRUE(ProcessUntil([&] { return form.isNull(); }));

    ASSERT_TRUE(PutKeyboardOnRow(black->ListView(), 1));
    answers.QueueDecision(false);
    QTest::keyClick(black->ListView(), Qt::Key_Delete);
    ASSERT_EQ(answers.Prompts().size(), 1);
    EXPECT_EQ(answers.Prompts().back().text, "您确定要删除选择的黑名单吗？");
    black->ListView()->clearSelection();
    QTest::keyClick(black->ListView(), Qt::Key_Delete);
    EXPECT_EQ(answers.Prompts().size(), 1) << "nothing selected: the delete button is off, and so is its key";
    EXPECT_EQ(Logged("type=black&cmd=del"), 0u);
}
