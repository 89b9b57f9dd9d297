// The main window's reactions to the events that concern the whole console.
#include "app/console/CMoxCacheAdminDlg.h"

#include "controls/CEventHandOver.h"
#include "controls/CStatusStatic.h"
#include "features/config/SystemOptionsEvents.h"
#include "features/config/SystemRequests.h"
#include "features/monitor/RealtimeEvents.h"
#include "features/monitor/RealtimeRequests.h"
#include "features/monitor/RthRequests.h"
#include "features/monitor/view/CRealTimeInfoDlg.h"
#include "messaging/CMoxUpdateStatusBarEventParam.h"
#include "messaging/CZebEventManager.h"
#include "messaging/EventKinds.h"
#include "protocol/ServerAddress.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxDisplayStrings.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/CMoxLoginEventParam.h"
#include "shell/MainNavigation.h"
#include "shell/TextFormat.h"
#include "shell/view/CModifyPwdDlg.h"
#include "shell/view/CMoxContentView.h"

#include <QLabel>
#include <QTimer>

namespace {

CMoxCacheInstance* Instance()
{
    return CMoxInstanceManager::GetInstanceManager()->GetInstance();
}

}  // namespace

int CMoxCacheAdminDlg::OnEventCall(int kind, std::uintptr_t param1, std::uintptr_t param2)
{
    // Every status text is shown, also the one that says no server is connected yet.
    if (kind == eMoxCacheEvent_UpdateStatusBar) {
        HandOver(kind, param1, param2, true, &CMoxCacheAdminDlg::StatusTextShown);
        return 0;
    }
    CMoxCacheInstance* instance = Instance();
    if (!instance)
        return 0;
    const int status = static_cast<int>(param1);
    switch (kind) {
    case eMoxCacheEvent_LoginStart:
        HandOver(kind, param1, param2, false, &CMoxCacheAdminDlg::LoginStartedShown);
        break;
    case eMoxCacheEvent_LoginOk:
        OnLoginOk();
        HandOver(kind, param1, param2, true, &CMoxCacheAdminDlg::LoginOkShown);
        break;
    case eMoxCacheEvent_LoginFailed:
        reLoginPending_ = false;
        HandOver(kind, param1, param2, true, &CMoxCacheAdminDlg::LoginFailedShown);
        break;
    case eMoxCacheEvent_ConnectClosed:
        instance->SetConnected(false);
        HandOver(kind, param1, param2, false, &CMoxCacheAdminDlg::PollingStoppedShown);
        break;
    case eMoxCacheEvent_ConnectFailed:
        reLoginPending_ = false;
        break;
    case eMoxCacheEvent_SystemOptionsSet:
        if (status == eMoxEventStatus_Ok)
            optionsReplies_.TakeNewer(CZebEventManager::DispatchedRequestNumber());
        // A change whose reply was lost or unreadable may have been carried out all the same: the
        // options as the server holds them put the instance's copy and every view right.
        else if (status == eMoxEventStatus_NetworkError || status == eMoxEventStatus_BadReply)
            SystemManager_List();
        break;
    case eMoxCacheEvent_SystemOptionsRead:
        if (status == eMoxEventStatus_Ok && optionsReplies_.TakeNewer(CZebEventManager::DispatchedRequestNumber()))
            HandOver(kind, param1, param2, true, &CMoxCacheAdminDlg::SystemOptionsShown);
        break;
    case eMoxCacheEvent_RealtimeInfoRead: {
        polling_.MarkDue();
        const auto* counters = CMoxEventParam::As<CRealtimeInfoEventParam>(param2);
        if (status == eMoxEventStatus_ServerError && counters && counters->errorNo == kSessionExpiredError) {
            // Several replies may report the expiry before the silent login answers: one login only.
            const bool startReLogin = !reLoginPending_.exchange(true);
            CEventHandOver::Post(this, kind, param1, param2, CEventHandOver::RecordIn::None,
                                 [this, startReLogin](int, std::uintptr_t, std::uintptr_t) {
                                     SessionExpiredShown(startReLogin);
                                 });
        }
        CEventHandOver::Post(this, kind, param1, param2, CEventHandOver::RecordIn::Param2,
                             [this, requestNumber = CZebEventManager::DispatchedRequestNumber()](
                                 int, std::uintptr_t shownStatus, std::uintptr_t record) {
                                 RealtimeShown(static_cast<int>(shownStatus),
                                               CMoxEventParam::As<CRealtimeInfoEventParam>(record), requestNumber);
                             });
        break;
    }
    case eMoxCacheEvent_PasswordChanged:
        if (status == eMoxEventStatus_Ok)
            HandOver(kind, param1, param2, false, &CMoxCacheAdminDlg::PasswordChangedShown);
        break;
    // Failed replies too: the page that waits for them stops waiting.
    case eMoxCacheEvent_ProxyHostList:
    case eMoxCacheEvent_UpstreamList:
    case eMoxCacheEvent_ToolsCachedUrlList:
    case eMoxCacheEvent_DiskCacheRead:
    case eMoxCacheEvent_DiskCacheSet:
        HandOverRecord(kind, param1, param2);
        break;
    default:
        break;
    }
    return 0;
}

void CMoxCacheAdminDlg::HandOver(int kind, std::uintptr_t param1, std::uintptr_t param2, bool withRecord,
                                 void (CMoxCacheAdminDlg::*shown)(int, std::uintptr_t, std::uintptr_t))
{
    CEventHandOver::Post(this, kind, param1, param2,
                         withRecord ? CEventHandOver::RecordSlotOfKind(kind) : CEventHandOver::RecordIn::None,
                         [this, shown](int k, std::uintptr_t p1, std::uintptr_t p2) { (this->*shown)(k, p1, p2); });
}

// The view that shows the record gets it with the request number of its exchange.
void CMoxCacheAdminDlg::HandOverRecord(int kind, std::uintptr_t param1, std::uintptr_t param2)
{
    CEventHandOver::Post(this, kind, param1, param2, CEventHandOver::RecordSlotOfKind(kind),
                         [this, requestNumber = CZebEventManager::DispatchedRequestNumber()](
                             int k, std::uintptr_t status, std::uintptr_t record) {
                             RecordShown(k, static_cast<int>(status), CMoxEventParam::FromParam(record), requestNumber);
                         });
}

// On the event thread, so that these requests leave before those of any handler registered later.
void CMoxCacheAdminDlg::OnLoginOk()
{
    reLoginPending_ = false;
    SystemManager_List();
    // The older session's poll is not waited for; the new one's counts as the tick's.
    polling_.MarkDue();
    OnRealtimeTick();
    MonitorManager_RealtimeTotalStat();
    MonitorManager_RthList();
}

void CMoxCacheAdminDlg::StatusTextShown(int, std::uintptr_t param1, std::uintptr_t)
{
    if (const auto* record = CMoxEventParam::As<CMoxUpdateStatusBarEventParam>(param1))
        statusBar_->setText(QString::fromStdString(record->Text()));
}

void CMoxCacheAdminDlg::LoginStartedShown(int, std::uintptr_t, std::uintptr_t)
{
    realtimeTimer_->stop();
    for (const auto& [id, view] : viewsById_)
        view->OnLoginStarted();
}

void CMoxCacheAdminDlg::LoginOkShown(int, std::uintptr_t param1, std::uintptr_t)
{
    const auto* record = CMoxEventParam::As<CMoxLoginEventParam>(param1);
    if (!record)
        return;
    realtimeTimer_->start();
    infoStrip_->Reset();
    plainHttpMark_->setVisible(nsMoxHttp::IsPlainHttpToDistant(record->host));
    const ServerPlatform platform = ServerPlatformOf(record->versionExt);
    for (const auto& [id, view] : viewsById_)
        view->OnServerChanged(platform);
    setWindowTitle(QString::fromStdString(FormatText("%s - %s - %s - %s ", record->host, record->version,
                                                     record->versionExt, CMoxDisplayStrings::Instance().Name())));
}

void CMoxCacheAdminDlg::LoginFailedShown(int, std::uintptr_t param1, std::uintptr_t)
{
    realtimeTimer_->stop();
    const auto* record = CMoxEventParam::As<CMoxLoginEventParam>(param1);
    if (record && record->passThrough == 1)
        QTimer::singleShot(0, this, &CMoxCacheAdminDlg::OnSessionTimeout);
}

void CMoxCacheAdminDlg::PollingStoppedShown(int, std::uintptr_t, std::uintptr_t)
{
    realtimeTimer_->stop();
}

void CMoxCacheAdminDlg::SystemOptionsShown(int, std::uintptr_t, std::uintptr_t record)
{
    if (const auto* options = CMoxEventParam::As<CSystemOptionsEventParam>(record))
        for (const auto& [id, view] : viewsById_)
            view->OnSystemOptionsRead(options->item);
}

void CMoxCacheAdminDlg::RealtimeShown(int status, const CRealtimeInfoEventParam* record, unsigned long requestNumber)
{
    // Replies handled together are each shown with their own counters, so every reply is one
    // sample; a reply older than the last shown would take the figures back and is left out.
    if (status == eMoxEventStatus_Ok) {
        if (!record || !realtimeShown_.TakeNewer(requestNumber))
            return;
    }
    const RealtimeInfo info = record ? record->item : RealtimeInfo();
    for (const auto& [id, view] : viewsById_)
        view->OnRealtimeRead(status, info);
    if (status == eMoxEventStatus_Ok)
        infoStrip_->ShowRealtime(info);
}

void CMoxCacheAdminDlg::SessionExpiredShown(bool startReLogin)
{
    realtimeTimer_->stop();
    if (startReLogin)
        QTimer::singleShot(0, this, &CMoxCacheAdminDlg::OnReLogin);
}

void CMoxCacheAdminDlg::PasswordChangedShown(int, std::uintptr_t, std::uintptr_t)
{
    CMoxCacheInstance* instance = Instance();
    if (!changePasswordDlg_ || !instance)
        return;
    // Only the password of the account this console is logged in with is the one it keeps; the
    // other account's new password must not replace it, or the next silent login would fail.
    if (const auto& sent = changePasswordDlg_->LastSent(); sent && sent->account == instance->Role())
        instance->SetPassword(sent->password);
    changePasswordDlg_->accept();
}

void CMoxCacheAdminDlg::RecordShown(int kind, int status, CMoxEventParam* record, unsigned long requestNumber)
{
    int viewId = eView_DiskCache;
    if (kind == eMoxCacheEvent_ProxyHostList || kind == eMoxCacheEvent_UpstreamList)
        viewId = eView_HostMonitor;
    else if (kind == eMoxCacheEvent_ToolsCachedUrlList)
        viewId = eView_CachedUrls;
    if (CMoxContentView* view = View(viewId))
        view->OnRecordHandedOver(kind, status, record, requestNumber);
}

void CMoxCacheAdminDlg::OnRealtimeTick()
{
    if (polling_.IsDue() && MonitorManager_RealtimeList())
        polling_.MarkSent();
}

void CMoxCacheAdminDlg::SetRealtimePolling(int periodMs, std::uint64_t staleMs)
{
    realtimeTimer_->setInterval(periodMs);
    polling_.SetStaleMs(staleMs);
}

bool CMoxCacheAdminDlg::IsRealtimePolling() const
{
    return realtimeTimer_->isActive();
}
