#include "features/access/view/CWhiteListDlg.h"

#include "controls/CMoxTabCtrl.h"
#include "controls/IUserInteraction.h"
#include "features/access/view/CAddressListPage.h"
#include "features/config/SystemOptions.h"
#include "features/config/SystemRequests.h"
#include "messaging/EventKinds.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"

#include <QCheckBox>
#include <QLabel>
#include <QShowEvent>
#include <QStackedWidget>
#include <QVBoxLayout>
#include "controls/MoxTr.h"

CWhiteListDlg::CWhiteListDlg(bool withWhiteList, QWidget* parent) : CMoxContentView(parent)
{
    tabs_ = new CMoxTabCtrl(this);
    pages_ = new QStackedWidget(this);
    if (withWhiteList) {
        tabs_->addTab(MoxTr::tr("白名单管理"));
        switch_ = new QCheckBox(MoxTr::tr("启用白名单功能（默认不开启）"), this);
        // The box shows the server's state; a click asks first and changes it only through the server.
        connect(switch_, &QCheckBox::clicked, this, &CWhiteListDlg::SwitchClicked);
        white_ = new CAddressListPage(AddressList::White, false, this);
        pages_->addWidget(NotesAndList(
            {MoxTr::tr("1、启用白名单功能后，将只允许白名单用户访问缓存服务器，否则将返回 403 Forbidden - By WhiteList 提示。"),
             MoxTr::tr("2、当缓存部署在公网环境时，为避免被攻击，常用于限定访问范围。")},
            white_, switch_));
        relay_ = std::make_unique<CViewEventRelay>(this, std::set<int>{eMoxCacheEvent_SystemOptionsSet},
                                                   [this](int, int status, std::uintptr_t) {
                                                       if (status != eMoxEventStatus_Ok)
                                                           ShowKeptSwitch();
                                                   });
        relay_->TakeOnlyAwaited(&switchSent_, [] {});
    }
    tabs_->addTab(MoxTr::tr("黑名单管理"));
    black_ = new CAddressListPage(AddressList::Black, !withWhiteList, this);
    pages_->addWidget(NotesAndList({MoxTr::tr("黑名单说明："),
                                    MoxTr::tr("1、禁止黑名单用户访问缓存服务器，并返回 403 Forbidden - By BlackList 提示。"),
                                    withWhiteList ? MoxTr::tr("2、黑名单比白名单优先级高。")
                                                  : MoxTr::tr("2、按 Ctrl 或者 Shift 键多选可以批量删除黑名单列表。")},
                                   black_, nullptr));
    connect(tabs_, &CMoxTabCtrl::currentChanged, this, [this](int index) {
        pages_->setCurrentIndex(index);
        if (isVisible())
            TabShown();
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(tabs_);
    layout->addWidget(pages_, 1);
}

QWidget* CWhiteListDlg::NotesAndList(const QStringList& notes, CAddressListPage* list, QCheckBox* box)
{
    auto* page = new QWidget(pages_);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    if (box)
        layout->addWidget(box);
    for (const QString& note : notes) {
        auto* label = new QLabel(note, page);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    list->setParent(page);
    layout->addWidget(list, 1);
    return page;
}

CAddressListPage* CWhiteListDlg::CurrentList() const
{
    return white_ && pages_->currentIndex() == 0 ? white_ : black_;
}

CWhiteListDlg::~CWhiteListDlg()
{
    relay_.reset();
}

void CWhiteListDlg::OnServerChanged(const ServerPlatform&)
{
    if (white_)
        white_->Forget();
    black_->Forget();
    if (isVisible())
        TabShown();
}

void CWhiteListDlg::OnSystemOptionsRead(const SystemOptions& options)
{
    if (switch_)
        switch_->setChecked(options.EnableWhiteList != 0);
}

void CWhiteListDlg::showEvent(QShowEvent* event)
{
    CMoxContentView::showEvent(event);
    if (!event->spontaneous())
        TabShown();
}

void CWhiteListDlg::TabShown()
{
    CurrentList()->RunCommand(CAddressListPage::eRefresh);
}

void CWhiteListDlg::SwitchClicked()
{
    // The click has already flipped the box; until the operator agrees, it shows the old state.
    const bool wanted = switch_->isChecked();
    switch_->setChecked(!wanted);
    const QString question =
        wanted ? MoxTr::tr("您确定要开启白名单功能吗？") : MoxTr::tr("您确定要关闭白名单功能吗？");
    if (!IUserInteraction::Current().Confirm(this, MoxTr::tr("提示"), question))
        return;
    const std::optional<SystemOptionChange> change = SwitchChange(eSystemModify_WhiteListSwitch, wanted ? 1 : 0);
    if (change && switchSent_.Send([&] { return SystemManager_Modify(eSystemModify_WhiteListSwitch, {*change}); }))
        switch_->setChecked(wanted);
}

// A refused switch must not leave the box showing a value the server does not have; after a lost
// reply the window reads the options, which say whether the server made the change.
void CWhiteListDlg::ShowKeptSwitch()
{
    if (const CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance())
        switch_->setChecked(instance->Options().EnableWhiteList != 0);
}
