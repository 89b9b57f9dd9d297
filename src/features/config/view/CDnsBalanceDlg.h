#pragma once

#include "controls/CBusyState.h"
#include "features/config/DnsBalanceHost.h"
#include "features/config/view/CDnsBalanceHostDlg.h"
#include "shell/PolledReplies.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class CViewEventRelay;
class QPushButton;
class QRadioButton;
class QTreeWidget;

// "集群设置" of the DNS page: how redirected traffic is shared among the cache servers, and the
// list of those servers.
class CDnsBalanceDlg : public QWidget {
    Q_OBJECT
public:
    enum Command { eAdd, eModify, eDelete, eRefresh };
    static constexpr int kModeCount = 4;

    explicit CDnsBalanceDlg(QWidget* parent = nullptr);
    ~CDnsBalanceDlg() override;

    QRadioButton* ModeChoice(int mode) const { return modes_[static_cast<std::size_t>(mode)]; }
    int Mode() const { return mode_; }
    QTreeWidget* HostList() const { return hosts_; }
    QPushButton* CommandButton(Command command) const { return commands_[command]; }
    CDnsBalanceHostDlg* Editor() const { return editor_; }

    void ChooseMode(int mode);
    void OpenEditor(bool modify);
    void DeleteSelected();
    // Asks the server for its hosts; only the replies to this view's own requests are shown.
    void Refresh();
    bool IsBusy() const { return busy_.IsBusy(); }

private:
    void ShowMode();
    void ShowHosts();
    void UpdateCommands();
    int SelectedHost() const;
    void EventShown(int kind, int status, std::uintptr_t record);
    void Send(const std::function<bool()>& send);

    std::array<QRadioButton*, kModeCount> modes_{};
    int mode_ = 1;
    std::vector<DnsBalanceHost> hostRecords_;
    QTreeWidget* hosts_ = nullptr;
    QPushButton* commands_[4] = {};
    QPointer<CDnsBalanceHostDlg> editor_;
    CBusyState busy_;
    // The DNS settings are read for the whole page: only a reply newer than the last shown counts.
    PolledReplies settingsReads_;
    std::unique_ptr<CViewEventRelay> relay_;
};
