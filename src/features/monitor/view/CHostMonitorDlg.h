#pragma once

#include "features/monitor/HostSampleUpdate.h"
#include "features/monitor/view/CMonitorListModel.h"
#include "protocol/CMoxStoppableRequest.h"
#include "shell/PolledReplies.h"
#include "shell/view/CMoxContentView.h"

#include <QPointer>

class CHostDetailDlg;
class CRuleListView;
class QPushButton;
class QTimer;

// The "域名监控" view: per host the connections, bandwidths and request counts between polls.
// Monitoring runs while the view is shown, one request at a time; a double click on a host
// opens its origins.
class CHostMonitorDlg : public CMoxContentView {
    Q_OBJECT
public:
    explicit CHostMonitorDlg(QWidget* parent = nullptr);
    ~CHostMonitorDlg() override;

    void OnLoginStarted() override;
    void OnServerChanged(const ServerPlatform& platform) override;
    void OnRecordHandedOver(int kind, int status, CMoxEventParam* record, unsigned long requestNumber) override;

    void StartMonitoring();
    void StopMonitoring();
    bool IsMonitoring() const;

    QPushButton* MonitorButton() const { return button_; }
    CRuleListView* List() const { return list_; }
    CMoxHostMonitorListModel* Model() const { return model_; }
    QTimer* PollTimer() const { return timer_; }
    // Tests shorten the ten seconds after which a poll without a reply is given up.
    void SetStaleMs(std::uint64_t staleMs) { staleMs_ = staleMs; }
    CHostDetailDlg* DetailDialog() const;
    // Opens the detail window of the host in this row.
    void OpenDetail(int row);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void OnTick();

    CMoxHostMonitorSet hosts_;
    CMoxHostMonitorListModel* model_ = nullptr;
    CRuleListView* list_ = nullptr;
    QPushButton* button_ = nullptr;
    QTimer* timer_ = nullptr;
    // The poll under way, until its reply (whatever it says) or until it is given up.
    nsMoxHttp::CMoxStoppableRequest poll_;
    PolledReplies replies_;
    std::uint64_t lastSent_ = 0;
    std::uint64_t staleMs_ = 10000;
    std::string server_;  // whose hosts the rows show
    QPointer<CHostDetailDlg> detail_;
};
