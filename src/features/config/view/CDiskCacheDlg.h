#pragma once

#include "controls/CBusyState.h"
#include "shell/view/CMoxContentView.h"

#include <array>
#include <cstdint>
#include <memory>

class CConfirmedCheckBox;
class CDiskDirUnitWnd;
class CViewEventRelay;

// The disk-cache page: the master switch and the fourteen cache areas above (twelve shown, the
// last two kept for servers that report them), the disk-cache tuning values below.
class CDiskCacheDlg : public CMoxContentView {
    Q_OBJECT
public:
    static constexpr int kAreaCount = 14;
    static constexpr int kShownAreas = 12;

    explicit CDiskCacheDlg(QWidget* parent = nullptr);
    ~CDiskCacheDlg() override;

    CDiskDirUnitWnd* Row(int diskNo) const;
    CConfirmedCheckBox* MasterSwitch() const { return master_; }
    // True while a request of the page is unanswered; only their replies are shown.
    bool IsBusy() const { return busy_.IsBusy(); }

    void OnChosen() override;
    void OnServerChanged(const ServerPlatform& platform) override;
    void OnSystemOptionsRead(const SystemOptions& options) override;
    void OnRecordHandedOver(int kind, int status, CMoxEventParam* record, unsigned long requestNumber) override;

private:
    QWidget* BuildDirectories();
    void MasterSwitchRequested(bool wanted);
    void SwitchReplyShown(int status, std::uintptr_t operation);

    std::array<CDiskDirUnitWnd*, kAreaCount> rows_{};
    CConfirmedCheckBox* master_ = nullptr;
    CBusyState busy_;
    std::unique_ptr<CViewEventRelay> relay_;
};
