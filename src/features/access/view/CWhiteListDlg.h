#pragma once

#include "controls/CBusyState.h"
#include "controls/CViewEventRelay.h"
#include "shell/view/CMoxContentView.h"

#include <memory>

class CAddressListPage;
class CMoxTabCtrl;
class QCheckBox;
class QStackedWidget;

// The "安全设置" view: the white list with the server's white-list switch, and the black list.
// Consoles that do not show the DNS views show the black list alone, with its file import and
// export.
class CWhiteListDlg : public CMoxContentView {
    Q_OBJECT
public:
    CWhiteListDlg(bool withWhiteList, QWidget* parent = nullptr);
    ~CWhiteListDlg() override;

    CMoxTabCtrl* Tabs() const { return tabs_; }
    CAddressListPage* WhiteList() const { return white_; }
    CAddressListPage* BlackList() const { return black_; }
    QCheckBox* WhiteListSwitch() const { return switch_; }

    void OnServerChanged(const ServerPlatform& platform) override;
    void OnSystemOptionsRead(const SystemOptions& options) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* NotesAndList(const QStringList& notes, CAddressListPage* list, QCheckBox* box);
    CAddressListPage* CurrentList() const;
    void TabShown();
    void SwitchClicked();
    void ShowKeptSwitch();

    CMoxTabCtrl* tabs_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    CAddressListPage* white_ = nullptr;
    CAddressListPage* black_ = nullptr;
    QCheckBox* switch_ = nullptr;
    CBusyState switchSent_;  // the switch changes sent, until their replies or a login
    std::unique_ptr<CViewEventRelay> relay_;
};
