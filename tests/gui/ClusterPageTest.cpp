#include "features/config/view/CClusterOptionDlg.h"
#include "gui/CScriptedUserInteraction.h"
#include "gui/SimViewFixture.h"
#include "gui/ViewTestSupport.h"
#include "integration/CannedAdminServer.h"
#include "messaging/EventKinds.h"
#include "shell/WaitForQuiet.h"
#include "support/ConsoleSession.h"
#include "support/SimProcess.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <regex>

using namespace morvix::test;

namespace {

constexpr char kModify[] = "type=cluster&cmd=modify";

class ClusterPage : public SimViewFixture {
protected:
    // Chooses the role as the operator does: the form shows its fields.
    static void ChooseRole(CClusterOptionDlg& form, int role)
    {
        form.RoleField()->setCurrentIndex(role);
        emit form.RoleField()->activated(role);
    }
};

}  // namespace

TEST_F(ClusterPage, ShowsTheServersRoleAndItsSlaves)
{
    CClusterOptionDlg form;
    form.show();
    EXPECT_EQ(form.RoleField()->currentIndex(), 0);
    form.Read();
    EXPECT_TRUE(form.IsBusy());
    ASSERT_TRUE(ProcessUntil([&] { return form.SlaveList()->topLevelItemCount() == 3; }));
    EXPECT_EQ(form.RoleField()->currentIndex(), 1);
    EXPECT_EQ(form.PortField()->text(), "7780");
    EXPECT_EQ(form.MasterSerialField()->text(), "3F2504E04F8911D39A0C0305E82C3301");
    EXPECT_EQ(form.SlaveList()->topLevelItem(0)->text(0), "北京节点");
    EXPECT_EQ(form.SlaveList()->topLevelItem(2)->text(3), "3");
    EXPECT_FALSE(form.MasterAddressField()->isVisible());

    form.RandomSerialButton()->click();
    EXPECT_TRUE(std::regex_match(form.MasterSerialField()->text().toStdString(),
                                 std::regex("[0-9A-F]{12}[0-9a-f]{4}[0-9A-F]{16}")));
}

TEST_F(ClusterPage, AMasterNeedsAPortFromOneTo65534AndASerial)
{
    CClusterOptionDlg form;
    form.show();
    ChooseRole(form, 1);
    form.MasterSerialField()->setText(QStringLiteral("serial-1"));
    for (const char* port : {"0", "65535", "", "77x"}) {
        form.PortField()->setText(QString::fromUtf8(port));
        form.Modify();
        EXPECT_EQ(answers.Prompts().back().title, "集群") << port;
        EXPECT_EQ(answers.Prompts().back().text, "请输入集群主服务器的服务端口,默认：7780，范围：[1 - 65534]") << port;
        EXPECT_EQ(form.focusWidget(), form.PortField()) << port;
    }
    form.PortField()->setText(QStringLiteral("7780"));
    form.MasterSerialField()->clear();
    form.Modify();
    EXPECT_EQ(answers.Prompts().back().text, "请输入集群主服务器验证序列号。");
    EXPECT_EQ(form.focusWidget(), form.MasterSerialField());
    EXPECT_TRUE(LoggedBodies(sim, kModify).empty());

    // Each change waits for the server: requests in flight together may arrive in any order.
    form.MasterSerialField()->setText(QStringLiteral("AB:cd-1"));
    size_t sent = 0;
    for (const char* port : {"1", "40000", "65534"}) {
        form.PortField()->setText(QString::fromUtf8(port));
        form.Modify();
        ASSERT_TRUE(ProcessUntil([&] { return LoggedBodies(sim, kModify).size() == sent + 1; })) << port;
        EXPECT_EQ(PairsAfterRequestId(LoggedBodies(sim, kModify)[sent++]),
                  std::string("&Role=1&Binding=") + port + "&Auth=AB:cd-1&Note=");
    }
}

TEST_F(ClusterPage, ASlaveSendsTheMasterAddressAsTypedAndItsNameEncoded)
{
    CClusterOptionDlg form;
    form.show();
    ChooseRole(form, 2);
    EXPECT_EQ(form.focusWidget(), form.MasterAddressField());
    form.Modify();
    EXPECT_EQ(answers.Prompts().back().text, "请输入集群主服务器的IP和端口,例如：192.168.1.10:7780");
    form.MasterAddressField()->setText(QStringLiteral("1.2.3.4:7780"));
    form.SlaveSerialField()->setText(QStringLiteral("serial"));
    form.Modify();
    EXPECT_EQ(answers.Prompts().back().text, "请输入本服务器名称。");
    EXPECT_EQ(form.focusWidget(), form.SlaveNameField());
    form.SlaveNameField()->setText(QStringLiteral("北京"));
    form.Modify();
    ASSERT_TRUE(ProcessUntil([&] { return !form.StateText()->text().isEmpty(); }));
    EXPECT_EQ(PairsAfterRequestId(LoggedBodies(sim, kModify).at(0)),
              "&Role=2&Host=1.2.3.4:7780&Auth=serial&SlaveID=%E5%8C%97%E4%BA%AC&Note=");
    EXPECT_EQ(LoggedQueries(sim).back(), "type=cluster&cmd=status");
    EXPECT_EQ(form.Config().Host, "1.2.3.4:7780");
}

TEST(ClusterReplyShapes, AMasterWithoutSlavesEmptiesTheListAndAMalformedOneLeavesIt)
{
    CannedAdminServer server;
    ConsoleSession console(server.Host());
    CScriptedUserInteraction answers;
    {
        CClusterOptionDlg form;
        auto status = [&](const char* reply) {
            server.Answer(reply);
            const std::size_t before = console.Events().Count(eMoxCacheEvent_ClusterStatusRead);
            form.RefreshButton()->click();
            ASSERT_TRUE(ProcessUntil([&] { return console.Events().Count(eMoxCacheEvent_ClusterStatusRead) > before; }));
            // The recorder may see the reply before the form's own handler has handed it over.
            ASSERT_TRUE(WaitForQuiet(std::chrono::seconds(10)));
            DrainHandOvers();
        };
        status(R"({"Return":"True","Role":"1","MasterStatus":"0","SlaveStatus":"0","Lists":[)"
               R"({"NO":"1","SlaveID":"a","IP":"10.0.0.2","LoginTime":"t","SlaveStatus":"4","Note":""}]})");
        EXPECT_EQ(form.SlaveList()->topLevelItemCount(), 1);
        status(R"({"Return":"True","Role":"1","MasterStatus":"0","SlaveStatus":"0","Lists":[)"
               R"({"NO":"1","SlaveID":"a","IP":"10.0.0.2","SlaveStatus":"4","Note":""}]})");
        EXPECT_EQ(form.SlaveList()->topLevelItemCount(), 1);
        status(R"({"Return":"True","Role":"1","MasterStatus":"0","SlaveStatus":"0","Lists":[]})");
        EXPECT_EQ(form.SlaveList()->topLevelItemCount(), 0);
        status(R"({"Return":"True","Role":"2","MasterStatus":"0","SlaveStatus":"3","Lists":[]})");
        EXPECT_EQ(form.StateText()->text(), "连接集群主服务器失败 (认证失败)");
    }
    DrainHandOvers();
}
