#pragma once

#include "controls/CViewEventRelay.h"
#include "shell/PolledReplies.h"

#include <QWidget>

#include <memory>
#include <string>

class CRealtimeStatEventParam;
class CRuleListView;
class QComboBox;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTimer;

// The traffic report by province: refreshed on demand or by a timer, saved as the server sent it.
class CRealtimeStatWnd : public QWidget {
    Q_OBJECT
public:
    explicit CRealtimeStatWnd(QWidget* parent = nullptr);

    // Asks the server for the report; false when nothing was sent.
    bool RequestReport();

    QComboBox* IntervalChoice() const { return interval_; }
    QPushButton* AutoRefreshButton() const { return autoRefresh_; }
    QPushButton* RefreshButton() const { return refresh_; }
    QPushButton* SaveButton() const { return save_; }
    QTimer* AutoRefreshTimer() const { return timer_; }
    CRuleListView* Rows() const { return table_; }
    QString StartTimeText() const;
    QString EndTimeText() const;
    QString HitRateText() const;

private:
    QWidget* BuildCommands();
    QWidget* BuildTimes();
    void ToggleAutoRefresh();
    void SaveReport();
    void ReportShown(int status, const CRealtimeStatEventParam* record);

    QComboBox* interval_ = nullptr;
    QPushButton* autoRefresh_ = nullptr;
    QPushButton* refresh_ = nullptr;
    QPushButton* save_ = nullptr;
    QLabel* startTime_ = nullptr;
    QLabel* endTime_ = nullptr;
    QLabel* hitRate_ = nullptr;
    QStandardItemModel* model_ = nullptr;
    CRuleListView* table_ = nullptr;
    QTimer* timer_ = nullptr;
    std::string reportText_;
    PolledReplies replies_;
    std::unique_ptr<CViewEventRelay> relay_;
};
