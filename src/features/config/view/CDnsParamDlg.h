#pragma once

#include "controls/CBusyState.h"
#include "features/config/DnsSystemOptions.h"
#include "features/config/view/CDnsCacheDlg.h"
#include "shell/PolledReplies.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

class CConfirmedCheckBox;
class CViewEventRelay;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "参数设置" of the DNS page: the upstream servers, the cache server's address and the DNS cache
// limits with one save, the DNS cache service switch, the DNS cache window and its cleaning.
class CDnsParamDlg : public QWidget {
    Q_OBJECT
public:
    CDnsParamDlg(bool oem, QWidget* parent = nullptr);
    ~CDnsParamDlg() override;

    QLineEdit* UpstreamField(int index) const { return upstream_[static_cast<std::size_t>(index)]; }
    QLineEdit* RedirectIpField() const { return redirectIp_; }
    QLineEdit* MaxCacheField() const { return maxCache_; }
    QLineEdit* MinTtlField() const { return minTtl_; }
    QCheckBox* SyncCleanBox() const { return syncClean_; }
    CConfirmedCheckBox* ServiceSwitch() const { return service_; }
    QLabel* CacheCount() const { return cacheCount_; }
    QPushButton* SaveButton() const { return save_; }
    CDnsCacheDlg* CacheWindow() const { return cacheWindow_; }
    bool UpstreamChanged() const { return upstreamChanged_; }

    void Save();
    void OpenCacheWindow();
    void CleanCache();
    void ShowCacheCount(std::int64_t names);
    // True while a change of the settings is unanswered; only those changes' replies are taken.
    bool IsBusy() const { return busy_.IsBusy(); }

private:
    void ServiceSwitchRequested(bool wanted);
    void EventShown(int kind, int status, std::uintptr_t record);
    void Edited(bool upstream);

    DnsSystemOptions options_;
    std::array<QLineEdit*, 8> upstream_{};
    QLineEdit* redirectIp_ = nullptr;
    QLineEdit* maxCache_ = nullptr;
    QLineEdit* minTtl_ = nullptr;
    QCheckBox* syncClean_ = nullptr;
    CConfirmedCheckBox* service_ = nullptr;
    QLabel* cacheCount_ = nullptr;
    QPushButton* save_ = nullptr;
    QPointer<CDnsCacheDlg> cacheWindow_;
    bool upstreamChanged_ = false;
    CBusyState busy_;
    // The DNS settings are read for the whole page: only a reply newer than the last shown counts.
    PolledReplies settingsReads_;
    std::unique_ptr<CViewEventRelay> relay_;
};
