#pragma once

#include "features/monitor/RthRecord.h"

#include <QDialog>

#include <chrono>

class CInstantRequestMonitor;
class CRthSwitchBoxes;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTimer;

// The monitor window ("实时访问监控") of one saved monitoring record: its URL read-only, its
// switches to change before starting, the live rows with a clear interval, and the rows saved to
// a text file.
class CRthRequestDlg : public QDialog {
    Q_OBJECT
public:
    // Entries of the clear-interval choice, in minutes; the last, "不清屏", never clears.
    static constexpr int kClearMinutes[] = {1, 3, 5, 10, 30};

    CRthRequestDlg(const RthRecord& record, QWidget* parent = nullptr);
    ~CRthRequestDlg() override;

    QLineEdit* UrlEdit() const { return url_; }
    QComboBox* MatchKindChoice() const { return matchKind_; }
    QComboBox* ClearIntervalChoice() const { return clearInterval_; }
    QCheckBox* IgnoreCaseBox() const { return ignoreCase_; }
    CRthSwitchBoxes* Switches() const { return switches_; }
    QPushButton* StartButton() const { return startButton_; }
    QCheckBox* AutoScrollBox() const { return autoScroll_; }
    CInstantRequestMonitor* Monitor() const { return monitor_; }
    QTimer* ClearTimer() const { return clearTimer_; }

    // The record as the fields describe it.
    RthRecord RecordFromFields() const;

    void ToggleMonitoring();
    // "查看选中内容": the selected rows in the content window.
    void ShowSelected();
    // "保存监控记录": asks for a file and writes every row's text to it, UTF-8, lines ended by CR LF.
    void SaveRows();
    // Tests shorten the minute of the clear interval.
    void SetClearMinute(std::chrono::milliseconds minute) { minute_ = minute; }

private:
    void ClearIntervalChosen(int index);
    void ShowMonitoring(bool on);

    RthRecord record_;
    std::chrono::milliseconds minute_{60000};
    QLineEdit* url_ = nullptr;
    QComboBox* matchKind_ = nullptr;
    QComboBox* clearInterval_ = nullptr;
    QCheckBox* ignoreCase_ = nullptr;
    CRthSwitchBoxes* switches_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QCheckBox* autoScroll_ = nullptr;
    CInstantRequestMonitor* monitor_ = nullptr;
    QTimer* clearTimer_ = nullptr;
};
