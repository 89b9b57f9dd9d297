#pragma once

#include "shell/view/CMoxContentView.h"

class CDnsBalanceDlg;
class CDnsParamDlg;
class CDnsRedirectDlg;
class CDnsVideoDlg;
class CMoxTabCtrl;

// The DNS page: the service settings, the redirect list, the video sites and the balance of the
// redirected traffic, one tab each. Choosing a tab reads what it shows.
class CDnsSettingDlg : public CMoxContentView {
    Q_OBJECT
public:
    enum Tab { eParameters, eRedirect, eVideo, eBalance };

    explicit CDnsSettingDlg(QWidget* parent = nullptr);

    CMoxTabCtrl* Tabs() const { return tabs_; }
    CDnsParamDlg* Parameters() const { return parameters_; }
    CDnsRedirectDlg* Redirect() const { return redirect_; }
    CDnsVideoDlg* Video() const { return video_; }
    CDnsBalanceDlg* Balance() const { return balance_; }

    void OnChosen() override;
    void OnServerChanged(const ServerPlatform& platform) override;
    void OnRealtimeRead(int status, const RealtimeInfo& info) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // What the tab shows beyond the DNS settings, which the main window reads with the page.
    void ReadTabLists(int tab);

    CMoxTabCtrl* tabs_ = nullptr;
    CDnsParamDlg* parameters_ = nullptr;
    CDnsRedirectDlg* redirect_ = nullptr;
    CDnsVideoDlg* video_ = nullptr;
    CDnsBalanceDlg* balance_ = nullptr;
};
