#pragma once

#include "controls/IExecuteCmdCallback.h"
#include "messaging/IEventHandle.h"
#include "shell/MainNavigation.h"
#include "shell/PolledReplies.h"
#include "shell/RealtimePolling.h"

#include <QPointer>
#include <QWidget>

#include <atomic>
#include <map>
#include <vector>

class CModifyPwdDlg;
class CMoxAboutDlg;
class CMoxContentView;
class CMoxEventParam;
class CMoxLoginDlg;
class CMoxLoginEventParam;
class CMoxToolbar;
class CNavigatTree;
class CRealTimeInfoDlg;
class CRealtimeInfoEventParam;
class CToolsDlg;
class CStatusStatic;
class QLabel;
class QStackedWidget;
class QTimer;

// The console's main window: toolbar, information strip, navigation list with one content view per
// item, and the status bar that shows the outcome of every request. It opens the login view, keeps
// the realtime figures polled while a session is alive, logs in again silently once when the
// server reports the session expired, and asks before quitting.
//
// OnEventCall runs on the event thread: it sends the requests that must follow an event at once
// and hands everything that touches widgets to the user-interface thread.
class CMoxCacheAdminDlg : public QWidget, public IEventHandle, public IExecuteCmdCallback {
    Q_OBJECT
public:
    static constexpr int kToolbarId = 1001;
    static constexpr int kNavigatId = 1002;
    static constexpr int kLoginDelayMs = 20;
    static constexpr int kRealtimePeriodMs = 1500;
    static constexpr int kSessionExpiredError = 21;

    explicit CMoxCacheAdminDlg(QWidget* parent = nullptr);
    ~CMoxCacheAdminDlg() override;

    int OnEventCall(int kind, std::uintptr_t param1, std::uintptr_t param2) override;
    void OnExecuteCmd(int controlId, int code, unsigned long word1, unsigned long word2) override;

    // Tests shorten the realtime period and the stale limit.
    void SetRealtimePolling(int periodMs, std::uint64_t staleMs);
    bool IsRealtimePolling() const;

    CMoxToolbar* Toolbar() const { return toolbar_; }
    CNavigatTree* Navigation() const { return navigation_; }
    CStatusStatic* StatusBar() const { return statusBar_; }
    QLabel* PlainHttpMark() const { return plainHttpMark_; }
    CRealTimeInfoDlg* InfoStrip() const { return infoStrip_; }
    // Builds the page when it is not built yet.
    CMoxContentView* View(int commandId);
    CMoxContentView* CurrentView() const;
    CMoxLoginDlg* LoginDialog() const;
    CModifyPwdDlg* ChangePasswordDialog() const;
    CMoxAboutDlg* AboutDialog() const;
    CToolsDlg* ToolsWindow() const;

public slots:
    void RunCommand(int commandId);
    void ShowView(int commandId);
    void OnPopLoginDlg();
    void OnReLogin();
    void OnSessionTimeout();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildToolbar();
    void BuildNavigation();
    CMoxContentView* BuildPage(const NavigationEntry& entry);
    bool BuildNextPart();
    void BuildRemainingPages();
    void BuildNextPartLater();
    void ShowSkinIcon();
    void OpenWebAdmin();
    void OpenHelp();
    void OpenChangePassword();
    void OpenAbout();
    void OpenTools();

    // Event reactions; the *Shown halves run on the user-interface thread.
    void HandOver(int kind, std::uintptr_t param1, std::uintptr_t param2, bool withRecord,
                  void (CMoxCacheAdminDlg::*shown)(int kind, std::uintptr_t param1, std::uintptr_t param2));
    void OnLoginOk();
    void StatusTextShown(int kind, std::uintptr_t param1, std::uintptr_t param2);
    void LoginStartedShown(int kind, std::uintptr_t param1, std::uintptr_t param2);
    void LoginOkShown(int kind, std::uintptr_t param1, std::uintptr_t param2);
    void LoginFailedShown(int kind, std::uintptr_t param1, std::uintptr_t param2);
    void PollingStoppedShown(int kind, std::uintptr_t param1, std::uintptr_t param2);
    void SystemOptionsShown(int kind, std::uintptr_t param1, std::uintptr_t param2);
    void RealtimeShown(int status, const CRealtimeInfoEventParam* record, unsigned long requestNumber);
    void SessionExpiredShown(bool startReLogin);
    void PasswordChangedShown(int kind, std::uintptr_t param1, std::uintptr_t param2);
    void HandOverRecord(int kind, std::uintptr_t param1, std::uintptr_t param2);
    void RecordShown(int kind, int status, CMoxEventParam* record, unsigned long requestNumber);
    void OnRealtimeTick();

    CMoxToolbar* toolbar_ = nullptr;
    CNavigatTree* navigation_ = nullptr;
    CStatusStatic* statusBar_ = nullptr;
    // Beside the status text while the session runs over plain http to another machine.
    QLabel* plainHttpMark_ = nullptr;
    CRealTimeInfoDlg* infoStrip_ = nullptr;
    QStackedWidget* views_ = nullptr;
    std::map<int, CMoxContentView*> viewsById_;
    // Pages of the navigation list not built yet: the first and those that shape the window's
    // layout are built with the window, the others once the login view is up, and all of them
    // with the parts they left for later before a login is sent.
    std::vector<NavigationEntry> unbuiltPages_;
    QTimer* realtimeTimer_ = nullptr;

    QPointer<CMoxLoginDlg> loginDlg_;
    QPointer<CModifyPwdDlg> changePasswordDlg_;
    QPointer<CMoxAboutDlg> aboutDlg_;
    QPointer<CToolsDlg> toolsDlg_;

    RealtimePolling polling_;
    // The request number of the counters last shown: each reply is shown with the counters it
    // carried, and never one older than what is already shown.
    unsigned long realtimeShownNumber_ = 0;
    // The options reads and accepted changes taken on the event thread: a read answered after a
    // newer read or change is not shown, so the pages never go back to older options.
    PolledReplies optionsReplies_;
    // Set while a silent re-login is under way, so that further expired-session replies wait for it.
    std::atomic<bool> reLoginPending_{false};
};
