#pragma once

#include "features/monitor/CInstantRequestRule.h"
#include "features/monitor/ClientFilter.h"
#include "features/monitor/InstantRequestRules.h"
#include "shell/view/CMoxContentView.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

class CInstantRequestMonitor;
class QCheckBox;
class QComboBox;
class QMenu;
class QPushButton;

// The access monitor ("访问监控"): the live requests that match one of the rules of the rules
// file, optionally from a range of client addresses. The client filters the operator typed are
// remembered per server. Monitoring stops when the main window leaves the view or a login starts.
class CRTHRequestBigCacheDlg : public CMoxContentView {
    Q_OBJECT
public:
    explicit CRTHRequestBigCacheDlg(QWidget* parent = nullptr,
                                    const std::filesystem::path& rulesFile = InstantRequestRulesFile());
    ~CRTHRequestBigCacheDlg() override;

    void OnLoginStarted() override;
    void OnServerChanged(const ServerPlatform& platform) override;

    const std::vector<CInstantRequestRule>& Rules() const { return rules_; }
    QComboBox* RuleBox() const { return ruleBox_; }
    QComboBox* FilterBox() const { return filterBox_; }
    QPushButton* StartButton() const { return startButton_; }
    QCheckBox* AutoScrollBox() const { return autoScrollBox_; }
    QPushButton* ClearButton() const { return clearButton_; }
    CInstantRequestMonitor* Monitor() const { return monitor_; }

    // "开始监控" or "停止监控", as the button says.
    void ToggleMonitoring();
    void StartMonitoring();
    void StopMonitoring();
    // "清空监控数据", after the operator's confirmation.
    void ClearData();
    // The list's context menu, as a right click shows it.
    std::unique_ptr<QMenu> MakeContextMenu();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    // The fixed entries, then the server's remembered ones, with `selected` chosen.
    void FillFilters(const QString& selected);
    void ShowMonitoring(bool on);

    std::vector<CInstantRequestRule> rules_;
    std::optional<ClientFilterMemory> filterMemory_;

    QComboBox* ruleBox_ = nullptr;
    QComboBox* filterBox_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QCheckBox* autoScrollBox_ = nullptr;
    QPushButton* clearButton_ = nullptr;
    CInstantRequestMonitor* monitor_ = nullptr;
};
