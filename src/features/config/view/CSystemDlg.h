#pragma once

#include "controls/CBusyState.h"
#include "features/config/SystemModifyKind.h"
#include "shell/view/CMoxContentView.h"

#include <map>
#include <utility>
#include <vector>

class CSystemOptionsEditor;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The system configuration page: limits, buffers and time-outs, the behaviour switches, the
// traffic report schedule, and the three service switches whose captions say what they will do.
class CSystemDlg : public CMoxContentView {
    Q_OBJECT
public:
    explicit CSystemDlg(QWidget* parent = nullptr);

    CSystemOptionsEditor* Editor() const { return editor_; }
    // The edit of an option, by its member in SystemOptions.
    QLineEdit* Field(std::int32_t SystemOptions::*member) const;
    QCheckBox* Flag(std::int32_t SystemOptions::*member) const;
    QPushButton* SaveAllButton() const { return saveAll_; }
    QPushButton* SaveReportButton() const { return saveReport_; }
    QPushButton* SwitchButton(SystemModifyKind kind) const;
    QRadioButton* DailyReportChoice() const { return daily_; }
    QRadioButton* PeriodicReportChoice() const { return periodic_; }
    QLineEdit* ReportHourField() const { return reportHour_; }
    QLineEdit* ReportPeriodField() const { return reportPeriod_; }

    // A new session: no reply of the old one is awaited any more.
    void OnServerChanged(const ServerPlatform& platform) override;

private:
    struct Switch {
        std::int32_t SystemOptions::*member;
        QString onCaption;   // what the button does while the option is on
        QString offCaption;
        QPushButton* button = nullptr;
        QCheckBox* mirror = nullptr;
        unsigned long awaited = 0;  // the request number of the change sent, until its reply
    };

    QWidget* BuildFields();
    QWidget* BuildReport();
    QWidget* BuildCommands();
    void ShowSwitches();
    void ShowReport();
    void SendSwitch(SystemModifyKind kind);
    void SaveReport();
    void ModifyShown(int kind, int status, unsigned long requestNumber);
    void ReportChoiceChanged();

    CSystemOptionsEditor* editor_ = nullptr;
    QPushButton* saveAll_ = nullptr;
    std::vector<std::pair<std::int32_t SystemOptions::*, QLineEdit*>> fields_;
    std::vector<std::pair<std::int32_t SystemOptions::*, QCheckBox*>> flags_;
    std::map<SystemModifyKind, Switch> switches_;
    QRadioButton* daily_ = nullptr;
    QRadioButton* periodic_ = nullptr;
    QLineEdit* reportHour_ = nullptr;
    QLineEdit* reportPeriod_ = nullptr;
    QPushButton* saveReport_ = nullptr;
    CBusyState sentChanges_;  // the switches and the report schedule sent, until their replies
};
