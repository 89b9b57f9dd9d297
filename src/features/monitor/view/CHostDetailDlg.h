#pragma once

#include "features/monitor/HostSampleUpdate.h"
#include "features/monitor/view/CMonitorListModel.h"
#include "shell/PolledReplies.h"
#include "shell/RealtimePolling.h"

#include <QDialog>

class CMoxProxyUrlEventParam;
class CRuleListView;
class QLineEdit;
class QPlainTextEdit;
class QTimer;

// "查看域名详细信息": one host's settings and its origins, polled every 2 s while the window is
// open, one request at a time.
class CHostDetailDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPollMs = 2000;

    CHostDetailDlg(const ProxyHost& host, QWidget* parent = nullptr);
    ~CHostDetailDlg() override;

    // An origin list reply; the record is alive for the call only. The reply names no host: only
    // the replies to this window's own requests are its host's.
    void OnUpstreamList(int status, const CMoxProxyUrlEventParam* record, unsigned long requestNumber);

    const ProxyHost& Host() const { return host_; }
    QLineEdit* HostField() const { return hostName_; }
    QLineEdit* BalanceField() const { return balance_; }
    QPlainTextEdit* NoteField() const { return note_; }
    CRuleListView* List() const { return list_; }
    CMoxUpMonitorListModel* Model() const { return model_; }
    QTimer* PollTimer() const { return timer_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void OnTick();

    ProxyHost host_;
    CMoxUpstreamMonitorSet upstreams_;
    CMoxUpMonitorListModel* model_ = nullptr;
    CRuleListView* list_ = nullptr;
    QLineEdit* hostName_ = nullptr;
    QLineEdit* balance_ = nullptr;
    QPlainTextEdit* note_ = nullptr;
    QTimer* timer_ = nullptr;
    RealtimePolling polling_;
    PolledReplies replies_;
};
