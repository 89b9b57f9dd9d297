#pragma once

#include "controls/CRuleListPageT.h"
#include "controls/CViewEventRelay.h"
#include "features/monitor/RthRecord.h"

#include <QPointer>

#include <memory>

class CRthListAddDlg;
class CRthRequestDlg;

// The saved monitoring records ("实时访问监控" tab of the traffic view): list, add, delete by
// address, and a monitor window for the selected record. Showing the widget asks the server for
// the list, so a tab needs no call of its own; the rows go with Forget when the server changes.
class CRTHListDlg : public CRuleListPageT<RthRecord, &RthRecord::RequestUrl> {
    Q_OBJECT
public:
    explicit CRTHListDlg(QWidget* parent = nullptr);
    ~CRTHListDlg() override;

    void RunCommand(Command command) override;
    // The rows of the previous server go; the next showing asks the new one.
    void Forget();

    CRthListAddDlg* AddForm() const { return addForm_; }
    CRthRequestDlg* MonitorWindow() const { return monitorWindow_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool RequestList() override;

private:
    void Refresh();
    void OpenAddForm();
    void OpenMonitor();
    void EventShown(int kind, int status, std::uintptr_t record);

    QPointer<CRthListAddDlg> addForm_;
    QPointer<CRthRequestDlg> monitorWindow_;
    std::unique_ptr<CViewEventRelay> relay_;
};
