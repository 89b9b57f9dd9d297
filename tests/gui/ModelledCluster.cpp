#include "app/console/CMoxCacheAdminDlg.h"
#include "features/config/view/CClusterDlg.h"
#include "features/config/view/CClusterOptionDlg.h"
#include "gui/ModelledWindowViews.h"
#include "shell/MainNavigation.h"
#include "support/SimClient.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace morvix::test {

namespace {

enum ClusterRole { eAlone, eMaster, eSlave };

// The cluster page: a change makes the server a master, a slave or neither, with settings of its own.
class ModelledCluster : public ModelledView {
public:
    explicit ModelledCluster(CMoxCacheAdminDlg& window)
        : window_(window), page_(dynamic_cast<CClusterDlg*>(window.View(eView_Cluster)))
    {
        EXPECT_TRUE(page_);
    }

    std::string Name() const override { return "cluster"; }
    void Prepare(SimClient& server, int serverIndex) override
    {
        Json::Value document = server.state()["cluster"];
        document["Role"] = serverIndex == 0 ? eMaster : eSlave;
        document["Binding"] = 7780 + serverIndex;
        document["Auth"] = "serial-of-" + std::to_string(serverIndex);
        document["Host"] = "10.0.9." + std::to_string(serverIndex + 1) + ":7780";
        document["SlaveID"] = "node-" + std::to_string(serverIndex);
        server.setState("cluster", document);
    }
    void Bring() override { window_.ShowView(eView_Cluster); }
    Request ChangeRequest(int) const override { return {"cluster", "modify"}; }
    void Change(int serial) override
    {
        CClusterOptionDlg& form = *page_->Form();
        const int role = serial % 3;
        form.RoleField()->setCurrentIndex(role);
        emit form.RoleField()->activated(role);
        const QString tag = QString::number(serial);
        if (role == eMaster) {
            form.PortField()->setText(QString::number(1000 + serial % 60000));
            form.MasterSerialField()->setText(QStringLiteral("M") + tag);
        } else if (role == eSlave) {
            form.MasterAddressField()->setText(QStringLiteral("10.1.%1.%2:7780").arg(serial / 250).arg(serial % 250));
            form.SlaveSerialField()->setText(QStringLiteral("S") + tag);
            form.SlaveNameField()->setText(QStringLiteral("节点") + tag);
        }
        ASSERT_TRUE(form.ModifyButton()->isEnabled()) << Name();
        form.ModifyButton()->click();
    }
    bool Idle() const override { return !page_->Form()->IsBusy(); }

    std::vector<std::string> Shown() const override
    {
        const CClusterOptionDlg& form = *page_->Form();
        const int role = form.RoleField()->currentIndex();
        std::vector<std::string> lines{"role " + std::to_string(role)};
        if (role == eMaster) {
            lines.push_back(form.PortField()->text().toStdString() + "|" + form.MasterSerialField()->text().toStdString());
            for (int row = 0; row < form.SlaveList()->topLevelItemCount(); ++row) {
                const QTreeWidgetItem* slave = form.SlaveList()->topLevelItem(row);
                lines.push_back(Slave(slave->text(0).toStdString(), slave->text(1).toStdString(),
                                      slave->text(2).toStdString(), slave->text(3).toStdString()));
            }
        } else if (role == eSlave) {
            lines.push_back(form.MasterAddressField()->text().toStdString() + "|" +
                            form.SlaveSerialField()->text().toStdString() + "|" +
                            form.SlaveNameField()->text().toStdString());
        }
        return lines;
    }
    std::vector<std::string> Held(const Json::Value& state) const override
    {
        const Json::Value& cluster = state["cluster"];
        const int role = cluster["Role"].asInt();
        std::vector<std::string> lines{"role " + std::to_string(role)};
        if (role == eMaster) {
            lines.push_back(cluster["Binding"].asString() + "|" + cluster["Auth"].asString());
            for (const Json::Value& slave : cluster["slaves"])
                lines.push_back(Slave(slave["SlaveID"].asString(), slave["IP"].asString(),
                                      slave["LoginTime"].asString(), slave["SlaveStatus"].asString()));
        } else if (role == eSlave) {
            lines.push_back(cluster["Host"].asString() + "|" + cluster["Auth"].asString() + "|" +
                            cluster["SlaveID"].asString());
        }
        return lines;
    }

private:
    static std::string Slave(const std::string& name, const std::string& address, const std::string& since,
                             const std::string& state)
    {
        return name + "|" + address + "|" + since + "|" + state;
    }

    CMoxCacheAdminDlg& window_;
    CClusterDlg* page_;
};

}  // namespace

std::unique_ptr<ModelledView> ModelCluster(CMoxCacheAdminDlg& window)
{
    return std::make_unique<ModelledCluster>(window);
}

}  // namespace morvix::test
