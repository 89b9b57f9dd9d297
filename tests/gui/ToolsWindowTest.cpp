#include "controls/CMoxTabCtrl.h"
#include "controls/CRuleListView.h"
#include "features/config/ToolsRequests.h"
#include "features/config/view/CToolsAllCacheListDlg.h"
#include "features/config/view/CToolsDlg.h"
#include "gui/CScriptedUserInteraction.h"
#include "gui/HandedOverRelay.h"
#include "gui/SimViewFixture.h"
#include "gui/ViewTestSupport.h"
#include "integration/CannedAdminServer.h"
#include "messaging/EventKinds.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"

#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace morvix::test;
using Mode = CToolsTestCacheDlg::Mode;

namespace {

std::string FileBytes(const QString& path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

QString Ask(CToolsDlg& tools, Mode mode, const QString& question)
{
    CToolsTestCacheDlg* form = tools.Form(mode);
    const QString before = form->ResultBox()->toPlainText();
    form->InputField()->setText(question);
    form->CommandButton()->click();
    ProcessUntil([&] { return form->ResultBox()->toPlainText() != before; }, std::chrono::seconds(5));
    return form->ResultBox()->toPlainText();
}

class ToolsWindow : public SimViewFixture {};

}  // namespace

TEST_F(ToolsWindow, EachFormShowsTheAnswerToItsOwnQuestion)
{
    CToolsDlg tools;
    tools.show();
    CToolsTestCacheDlg* regex = tools.Form(Mode::TestRegex);
    EXPECT_FALSE(regex->CommandButton()->isEnabled());
    regex->Send();
    EXPECT_TRUE(LoggedBodies(sim, "type=tools&cmd=testregex").empty()) << "an empty field sends nothing";
    EXPECT_EQ(Ask(tools, Mode::TestRegex, QStringLiteral("^/a.*$")), "正则表达式语法正确");
    EXPECT_EQ(Ask(tools, Mode::TestRegex, QStringLiteral("([")), "正则表达式语法错误");
    EXPECT_EQ(Ask(tools, Mode::IpLookup, QStringLiteral("abc")), "abc\n无此记录或IP地址格式错误");
    EXPECT_EQ(Ask(tools, Mode::IpLookup, QStringLiteral("127.0.0.1")), "127.0.0.1\n本机地址");
    EXPECT_EQ(tools.Form(Mode::TestCache)->ResultBox()->toPlainText(), "") << "answers go to their own form";

    tools.Tabs()->setCurrentIndex(3);
    EXPECT_EQ(answers.OpenedUrls().size(), 1);
    EXPECT_EQ(tools.Tabs()->currentIndex(), 0);
}

TEST(ToolsCacheFlags, KnownFlagsHaveTheirVerdictAndOthersNone)
{
    CannedAdminServer server;
    ConsoleSession console(server.Host());
    CScriptedUserInteraction answers;
    {
        CToolsDlg tools;
        server.Answer(R"({"Return":"True","CacheFlag":"12"})");
        EXPECT_EQ(Ask(tools, Mode::TestCache, QStringLiteral("http://a/")), "测试结果: 此 Url 被拒绝缓存.");
        server.Answer(R"({"Return":"True","CacheFlag":"9"})");
        EXPECT_EQ(Ask(tools, Mode::TestCache, QStringLiteral("http://b/")), "");
    }
    DrainHandOvers();
}

TEST_F(ToolsWindow, TheCachedUrlListNumbersItsRowsAndSavesUtf16)
{
    CToolsAllCacheListDlg page;
    HandedOverRelay relay(&page, {eMoxCacheEvent_ToolsCachedUrlList});
    page.FetchButton()->click();
    EXPECT_FALSE(page.FetchButton()->isEnabled());
    EXPECT_FALSE(page.SaveButton()->isEnabled());
    ASSERT_TRUE(ProcessUntil([&] { return !page.IsBusy(); }));
    const int rows = page.RowCount();
    ASSERT_GT(rows, 0);
    EXPECT_TRUE(page.FetchButton()->isEnabled());
    const QAbstractItemModel* model = page.List()->model();
    EXPECT_EQ(model->data(model->index(0, 0)).toString(), "1");
    EXPECT_TRUE(model->data(model->index(0, 1)).toString().startsWith(QStringLiteral("http")));

    page.List()->SelectOnly(0);
    page.ShowSelectedUrls();
    ASSERT_NE(page.UrlWindow(), nullptr);
    EXPECT_EQ(page.UrlWindow()->findChild<QPlainTextEdit*>()->toPlainText(),
              model->data(model->index(0, 1)).toString() + QStringLiteral("\n\n"));

    QTemporaryDir scratch;
    answers.QueuePath(scratch.filePath(QStringLiteral("urls.txt")));
    page.Save();
    const std::string saved = FileBytes(scratch.filePath(QStringLiteral("urls.txt")));
    ASSERT_GE(saved.size(), 4u);
    EXPECT_EQ(saved.substr(0, 4), std::string("\xFF\xFEh\0", 4));

    page.show();
    ASSERT_TRUE(PutKeyboardIn(page.List()));
    QTest::keyClick(page.List(), Qt::Key_F5);  // as the fetch button does
    ASSERT_TRUE(ProcessUntil([&] { return !page.IsBusy() && page.RowCount() > rows; }));
    EXPECT_EQ(model->data(model->index(rows, 0)).toString(), QString::number(rows + 1));
}

TEST(CachedUrlReplies, AnEmptyListSavesOnlyTheByteOrderMark)
{
    CannedAdminServer server;
    ConsoleSession console(server.Host());
    CScriptedUserInteraction answers;
    {
        CToolsAllCacheListDlg page;
        HandedOverRelay relay(&page, {eMoxCacheEvent_ToolsCachedUrlList});
        server.Answer("");
        page.Fetch();
        ASSERT_TRUE(ProcessUntil([&] { return !page.IsBusy(); }));
        EXPECT_EQ(page.RowCount(), 0);
        QTemporaryDir scratch;
        answers.QueuePath(scratch.filePath(QStringLiteral("empty.txt")));
        page.Save();
        EXPECT_EQ(FileBytes(scratch.filePath(QStringLiteral("empty.txt"))), "\xFF\xFE");
    }
    DrainHandOvers();
}
