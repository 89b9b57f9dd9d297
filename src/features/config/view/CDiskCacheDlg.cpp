#include "features/config/view/CDiskCacheDlg.h"

#include "controls/CConfirmedCheckBox.h"
#include "controls/CMoxTabCtrl.h"
#include "controls/CViewEventRelay.h"
#include "controls/IUserInteraction.h"
#include "features/config/CMoxDiskCacheEventParam.h"
#include "features/config/DiskCacheRequests.h"
#include "features/config/SystemOptions.h"
#include "features/config/SystemRequests.h"
#include "features/config/view/CDiskDirUnitWnd.h"
#include "features/config/view/CDiskSystemSetWnd.h"
#include "messaging/EventKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxDisplayStrings.h"
#include "shell/CMoxInstanceManager.h"

#include <QGroupBox>
#include <QVBoxLayout>
#include "controls/MoxTr.h"

CDiskCacheDlg::CDiskCacheDlg(QWidget* parent) : CMoxContentView(parent)
{
    auto* tabs = new CMoxTabCtrl(this);
    tabs->addTab(MoxTr::tr("硬盘缓存"));

    auto* tuning = new QGroupBox(MoxTr::tr("硬盘缓存配置"), this);
    auto* tuningLayout = new QVBoxLayout(tuning);
    tuningLayout->addWidget(new CDiskSystemSetWnd(tuning));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(tabs);
    layout->addWidget(BuildDirectories(), 1);
    layout->addWidget(tuning);

    OnServerChanged(ServerPlatform());
    relay_ = std::make_unique<CViewEventRelay>(
        this, std::set<int>{eMoxCacheEvent_SystemOptionsSet},
        [this](int, int status, std::uintptr_t operation, unsigned long requestNumber) {
            if (busy_.Take(requestNumber))
                SwitchReplyShown(status, operation);
        });
}

CDiskCacheDlg::~CDiskCacheDlg()
{
    relay_.reset();
}

QWidget* CDiskCacheDlg::BuildDirectories()
{
    auto* directories = new QGroupBox(MoxTr::tr("硬盘缓存目录"), this);
    auto* layout = new QVBoxLayout(directories);
    layout->setSpacing(0);
    master_ = new CConfirmedCheckBox(MoxTr::tr("开启硬盘缓存（开启前请配置硬盘缓存目录）："), directories);
    master_->setLayoutDirection(Qt::RightToLeft);
    connect(master_, &CConfirmedCheckBox::ChangeRequested, this, &CDiskCacheDlg::MasterSwitchRequested);
    layout->addWidget(master_, 0, Qt::AlignLeft);
    for (int diskNo = 1; diskNo <= kAreaCount; ++diskNo) {
        auto* row = new CDiskDirUnitWnd(diskNo, directories);
        if (diskNo > kShownAreas)
            row->hide();
        rows_[static_cast<std::size_t>(diskNo - 1)] = row;
        connect(row, &CDiskDirUnitWnd::SetSent, this, [this](unsigned long requestNumber) { busy_.Sent(requestNumber); });
        layout->addWidget(row);
    }
    layout->addStretch();
    return directories;
}

CDiskDirUnitWnd* CDiskCacheDlg::Row(int diskNo) const
{
    return diskNo >= 1 && diskNo <= kAreaCount ? rows_[static_cast<std::size_t>(diskNo - 1)] : nullptr;
}

void CDiskCacheDlg::OnServerChanged(const ServerPlatform& platform)
{
    const CMoxDisplayStrings& strings = CMoxDisplayStrings::Instance();
    const QString placeholder =
        QString::fromStdString(platform.windows ? strings.DirectoryExample() : strings.DirectoryExampleLinux());
    for (CDiskDirUnitWnd* row : rows_) {
        row->SetPlaceholder(placeholder);
        row->Reset();
    }
    busy_.Reset();
    if (isVisible() && CMoxInstanceManager::GetInstanceManager()->GetInstance())
        busy_.SendListRead(DiskCacheManager_List);
}

void CDiskCacheDlg::OnChosen()
{
    busy_.SendListRead(DiskCacheManager_List);
}

void CDiskCacheDlg::OnSystemOptionsRead(const SystemOptions& options)
{
    master_->setChecked(options.IsDiskCache != 0);
}

void CDiskCacheDlg::OnRecordHandedOver(int kind, int status, CMoxEventParam* record, unsigned long requestNumber)
{
    // A list read answered before a set of the page was carried out would show the area as it was.
    switch (busy_.TakeReply(requestNumber)) {
    case CBusyState::Taken::No:
        return;
    case CBusyState::Taken::ListOutdated:
        OnChosen();
        return;
    case CBusyState::Taken::Yes:
        break;
    }
    const auto* diskCache = dynamic_cast<const CMoxDiskCacheEventParam*>(record);
    if (status != eMoxEventStatus_Ok || !diskCache)
        return;
    if (kind == eMoxCacheEvent_DiskCacheRead) {
        for (const DiskCacheEntry& entry : diskCache->items)
            if (CDiskDirUnitWnd* row = Row(entry.DiskNo))
                row->ApplyEntry(entry);
    } else if (kind == eMoxCacheEvent_DiskCacheSet) {
        if (CDiskDirUnitWnd* row = Row(diskCache->sent.DiskNo)) {
            row->ApplyEntry(diskCache->sent);
            const int diskNo = diskCache->sent.DiskNo;
            busy_.Send([diskNo] { return DiskCacheManager_Query(diskNo); });
        }
    }
}

void CDiskCacheDlg::MasterSwitchRequested(bool wanted)
{
    const bool asked = wanted ? IUserInteraction::Current().Confirm(this, MoxTr::tr("开启硬盘缓存"),
                                                                    MoxTr::tr("你确定要开启硬盘缓存功能吗？"))
                              : IUserInteraction::Current().Confirm(this, MoxTr::tr("暂停"),
                                                                    MoxTr::tr("你确定要暂停硬盘缓存功能吗？"));
    if (!asked)
        return;
    const int value = wanted ? 1 : 0;
    if (busy_.Send([value] {
            return SystemManager_Modify(eSystemModify_DiskCacheSwitch,
                                        {*SwitchChange(eSystemModify_DiskCacheSwitch, value)});
        }))
        master_->setChecked(wanted);
}

// A refused switch must not leave the box showing a value the server does not have.
void CDiskCacheDlg::SwitchReplyShown(int status, std::uintptr_t operation)
{
    if (static_cast<int>(operation) != eSystemModify_DiskCacheSwitch || status == eMoxEventStatus_Ok)
        return;
    if (const CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance())
        master_->setChecked(instance->Options().IsDiskCache != 0);
}
