// The access monitor while lines arrive, the monitoring records with their add form, and the
// monitor window of one record.
#include "Shooter.h"

#include "app/console/CMoxCacheAdminDlg.h"
#include "controls/CRuleListView.h"
#include "features/monitor/view/CInstantRequestMonitor.h"
#include "features/monitor/view/CRTHListDlg.h"
#include "features/monitor/view/CRTHRequestBigCacheDlg.h"
#include "features/monitor/view/CRthListAddDlg.h"
#include "features/monitor/view/CRthRequestDlg.h"
#include "shell/MainNavigation.h"
#include "controls/MoxTr.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

void TakeMonitorScreens(Shooter& shooter, CMoxCacheAdminDlg* window)
{
    window->ShowView(eView_AccessMonitor);
    auto* monitor = qobject_cast<CRTHRequestBigCacheDlg*>(window->View(eView_AccessMonitor));
    shooter.Require(monitor != nullptr, QStringLiteral("no access monitor view"));
    if (!monitor)
        return;
    monitor->FilterBox()->setEditText(MoxTr::tr("监控所有用户"));
    monitor->StartMonitoring();
    const QAbstractItemModel* rows = monitor->Monitor()->List()->model();
    shooter.Require(WaitFor([&] { return rows->rowCount() >= 40; }), QStringLiteral("no monitored lines shown"));
    shooter.Save(window, "access-monitor.png");
    monitor->StopMonitoring();

    // The records tab stands on its own until the traffic view hosts it.
    CRTHListDlg records;
    records.setWindowTitle(MoxTr::tr("实时访问监控"));
    records.resize(1000, 360);
    records.show();
    shooter.Require(WaitFor([&] { return records.List()->model()->rowCount() > 0 && !records.IsBusy(); }),
                    QStringLiteral("no monitoring records shown"));
    records.List()->SelectOnly(0);
    shooter.Save(&records, "monitoring-records.png");

    records.RunCommand(CRuleListPage::eAdd);
    if (CRthListAddDlg* form = records.AddForm()) {
        form->UrlEdit()->setText(QStringLiteral("http://www.example.com/news/*"));
        form->TitleEdit()->setText(QStringLiteral("新闻频道"));
        shooter.Save(form, "monitoring-record-form.png");
        form->reject();
    }

    records.RunCommand(CRuleListPage::eMonitor);
    CRthRequestDlg* stream = records.MonitorWindow();
    shooter.Require(stream != nullptr, QStringLiteral("no monitor window"));
    if (!stream)
        return;
    stream->ToggleMonitoring();
    const QAbstractItemModel* streamRows = stream->Monitor()->List()->model();
    shooter.Require(WaitFor([&] { return streamRows->rowCount() >= 30; }), QStringLiteral("no lines in the monitor window"));
    shooter.Save(stream, "monitor-window.png");
    stream->close();
}

const bool registered = RegisterScene(40, &TakeMonitorScreens);

}  // namespace
