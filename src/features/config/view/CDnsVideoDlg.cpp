#include "features/config/view/CDnsVideoDlg.h"

#include "controls/CConfirmedCheckBox.h"
#include "controls/CViewEventRelay.h"
#include "controls/IUserInteraction.h"
#include "features/config/DnsEvents.h"
#include "features/config/DnsRequests.h"
#include "messaging/EventKinds.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include "controls/MoxTr.h"

CDnsVideoDlg::CDnsVideoDlg(QWidget* parent) : QWidget(parent)
{
    auto* explanation = new QLabel(MoxTr::tr("视频缓存通过分析协议精确实现，说明如下：\n"
                                                  "1、勾选的视频网站将被劫持并缓存加速，取消勾选则直接回源。\n"
                                                  "2、视频缓存占用硬盘缓存空间，开启前请先配置好硬盘缓存目录。"),
                                   this);
    explanation->setWordWrap(true);
    auto* grid = new QGridLayout;
    for (int index = 0; index < kMostClasses; ++index) {
        auto* box = new CConfirmedCheckBox(this);
        box->hide();
        connect(box, &CConfirmedCheckBox::ChangeRequested, this,
                [this, index](bool wanted) { ChangeRequested(index, wanted); });
        boxes_[static_cast<std::size_t>(index)] = box;
        grid->addWidget(box, index / 4, index % 4);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(grid);
    layout->addStretch();
    relay_ = std::make_unique<CViewEventRelay>(
        this, std::set<int>{eMoxCacheEvent_DnsRedirectClassList, eMoxCacheEvent_DnsRedirectClassSet},
        [this](int kind, int status, std::uintptr_t record) { EventShown(kind, status, record); });
    relay_->TakeOnlyAwaited(&busy_, {});
}

void CDnsVideoDlg::Refresh()
{
    busy_.Send(DnsManager_ClassList);
}

CDnsVideoDlg::~CDnsVideoDlg()
{
    relay_.reset();
}

void CDnsVideoDlg::ChangeRequested(int index, bool wanted)
{
    const auto slot = static_cast<std::size_t>(index);
    const QString name = QString::fromStdString(classes_[slot].Name);
    const QString question = wanted ? MoxTr::tr("您确定要开启“%1”的缓存加速吗？").arg(name)
                                    : MoxTr::tr("您确定要暂停“%1”的缓存加速吗？").arg(name);
    if (!IUserInteraction::Current().Confirm(this, MoxTr::tr("提示"), question))
        return;
    DnsRedirectClass changed = classes_[slot];
    changed.Enable = wanted ? 1 : 0;
    if (busy_.Send([&] { return DnsManager_ClassModify(changed); }) != 0)
        boxes_[slot]->setChecked(wanted);
}

void CDnsVideoDlg::EventShown(int kind, int status, std::uintptr_t value)
{
    const auto* record = CMoxEventParam::As<CMoxDnsRedirectClassListEventParam>(value);
    if (kind == eMoxCacheEvent_DnsRedirectClassSet) {
        // A change whose reply was lost or unreadable may have been carried out all the same: only
        // the sites as the server lists them can say.
        if (status == eMoxEventStatus_NetworkError || status == eMoxEventStatus_BadReply) {
            Refresh();
            return;
        }
        // A refused change puts the box back to what the server still has.
        if (status == eMoxEventStatus_Ok && record && !record->items.empty())
            for (DnsRedirectClass& each : classes_)
                if (each.Name == record->items.front().Name)
                    each.Enable = record->items.front().Enable;
        for (std::size_t i = 0; i < classes_.size(); ++i)
            boxes_[i]->setChecked(classes_[i].Enable != 0);
        return;
    }
    if (status != eMoxEventStatus_Ok || !record)
        return;
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const bool shown = i < record->items.size();
        classes_[i] = shown ? record->items[i] : DnsRedirectClass();
        boxes_[i]->setText(QString::fromStdString(classes_[i].Name));
        boxes_[i]->setChecked(shown && classes_[i].Enable != 0);
        boxes_[i]->setVisible(shown);
    }
}
