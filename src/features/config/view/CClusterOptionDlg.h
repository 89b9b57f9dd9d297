#pragma once

#include "controls/CBusyState.h"
#include "features/config/ClusterConfig.h"

#include <QWidget>

#include <functional>
#include <memory>

class CViewEventRelay;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// The cluster form: the server's role and the fields of that role, the master's list of slaves
// and a slave's connection state, and the command that changes the configuration.
class CClusterOptionDlg : public QWidget {
    Q_OBJECT
public:
    explicit CClusterOptionDlg(QWidget* parent = nullptr);
    ~CClusterOptionDlg() override;

    QComboBox* RoleField() const { return role_; }
    QLineEdit* PortField() const { return port_; }
    QLineEdit* MasterSerialField() const { return masterSerial_; }
    QLineEdit* MasterAddressField() const { return masterAddress_; }
    QLineEdit* SlaveSerialField() const { return slaveSerial_; }
    QLineEdit* SlaveNameField() const { return slaveName_; }
    QTreeWidget* SlaveList() const { return slaves_; }
    QLabel* StateText() const { return state_; }
    QPushButton* RandomSerialButton() const { return randomSerial_; }
    QPushButton* RefreshButton() const { return refresh_; }
    QPushButton* ModifyButton() const { return modify_; }
    const ClusterConfig& Config() const { return config_; }

    void Modify();
    // Asks the server for its cluster settings, then for the cluster's state.
    void Read();
    // True while a request of the form is unanswered; only their replies are shown.
    bool IsBusy() const { return busy_.IsBusy(); }

private:
    QWidget* BuildMaster();
    QWidget* BuildSlave();
    void RoleChosen(int role);
    void Fill();
    // Shows the message in the form's box and puts the focus on the field; always false.
    bool Refuse(QLineEdit* field, const QString& message);
    void EventShown(int kind, int status, std::uintptr_t record);
    void Send(const std::function<bool()>& send);
    void UpdateCommands();

    ClusterConfig config_;
    QComboBox* role_ = nullptr;
    QWidget* master_ = nullptr;
    QWidget* slave_ = nullptr;
    QLineEdit* port_ = nullptr;
    QLineEdit* masterSerial_ = nullptr;
    QLineEdit* masterAddress_ = nullptr;
    QLineEdit* slaveSerial_ = nullptr;
    QLineEdit* slaveName_ = nullptr;
    QTreeWidget* slaves_ = nullptr;
    QLabel* state_ = nullptr;
    QPushButton* randomSerial_ = nullptr;
    QPushButton* refresh_ = nullptr;
    QPushButton* modify_ = nullptr;
    CBusyState busy_;
    std::unique_ptr<CViewEventRelay> relay_;
};
