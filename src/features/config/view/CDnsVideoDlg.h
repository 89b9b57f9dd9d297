#pragma once

#include "controls/CBusyState.h"
#include "features/config/DnsRedirectClass.h"

#include <QWidget>

#include <array>
#include <memory>

class CConfirmedCheckBox;
class CViewEventRelay;

// "视频劫持" of the DNS page: one switch per video site the server groups, in its order.
class CDnsVideoDlg : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMostClasses = 20;

    explicit CDnsVideoDlg(QWidget* parent = nullptr);
    ~CDnsVideoDlg() override;

    CConfirmedCheckBox* ClassBox(int index) const { return boxes_[static_cast<std::size_t>(index)]; }
    // Reads the sites; the tab shows only the replies to its own reads and changes.
    void Refresh();
    bool IsBusy() const { return busy_.IsBusy(); }

private:
    void ChangeRequested(int index, bool wanted);
    void EventShown(int kind, int status, std::uintptr_t record);

    std::array<CConfirmedCheckBox*, kMostClasses> boxes_{};
    std::array<DnsRedirectClass, kMostClasses> classes_{};
    CBusyState busy_;
    std::unique_ptr<CViewEventRelay> relay_;
};
