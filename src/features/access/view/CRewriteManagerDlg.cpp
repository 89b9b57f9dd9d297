#include "features/access/view/CRewriteManagerDlg.h"

#include "controls/CMoxTabCtrl.h"
#include "features/access/RewriteColumns.h"
#include "features/access/RewriteRequests.h"
#include "features/cache/view/CExportDlg.h"
#include "messaging/EventKinds.h"
#include "shell/HelpPages.h"

#include <QShowEvent>
#include <QVBoxLayout>
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

namespace {

CRewritePage::Family RewriteFamily()
{
    return {{{MoxTr::tr("序号"), 40},
             {MoxTr::tr("访问地址URL"), 300},
             {MoxTr::tr("转向地址URL"), 300},
             {MoxTr::tr("大小写"), 60},
             {MoxTr::tr("转向逻辑"), 60},
             {MoxTr::tr("备注说明"), 180}},
            RewriteColumnText,
            &CMoxCacheInstance::rewriteRules,
            {{CRuleListPage::eDelete, MoxTr::tr("删除"), MoxTr::tr("按 Ctrl 或 Shift 键多选可批量删除转向规则列表")},
             {CRuleListPage::eModify, MoxTr::tr("修改"), MoxTr::tr("修改选中的转向规则")},
             {CRuleListPage::eRefresh, MoxTr::tr("刷新"), MoxTr::tr("刷新转向规则列表")},
             {CRuleListPage::eUp, MoxTr::tr("上移"), MoxTr::tr("向上移动转向规则")},
             {CRuleListPage::eDown, MoxTr::tr("下移"), MoxTr::tr("向下移动转向规则")},
             {CRuleListPage::eAdd, MoxTr::tr("增加"), MoxTr::tr("添加转向规则")},
             {CRuleListPage::eImport, MoxTr::tr("导入"), MoxTr::tr("导入规则")},
             {CRuleListPage::eExport, MoxTr::tr("导出"), MoxTr::tr("导出规则")}},
            {MoxTr::tr("您确定要删除选择的转向配置信息吗？"), MoxTr::tr("删除转向规则"),
             MoxTr::tr("正在删除选中的转向列表，请稍候 ......."), MoxTr::tr("您确定要停止删除转向列表吗？")},
            {eMoxCacheEvent_RewriteList, eMoxCacheEvent_RewriteAdd, eMoxCacheEvent_RewriteDelete,
             eMoxCacheEvent_RewriteModify, eMoxCacheEvent_RewriteMoveUp, eMoxCacheEvent_RewriteMoveDown},
            RewriteManager_List,
            RewriteManager_Del,
            RewriteManager_Up,
            RewriteManager_Down,
            {MoxText::Noop("正在从服务器上获取转向列表，请稍候...."), MoxText::Noop("正在从服务器上删除转向配置，请稍候...."), MoxText::Noop("转向列表向上移动"),
             MoxText::Noop("转向列表向下移动")},
            RewriteHelpUrl(),
            {},
            CRuleListPage::FailedList::KeepsRows};
}

}  // namespace

CRewritePage::CRewritePage(QWidget* parent) : CRulePageT(parent, RewriteFamily()) {}

CRewriteManagerDlg::CRewriteManagerDlg(QWidget* parent) : CMoxContentView(parent)
{
    tabs_ = new CMoxTabCtrl(this);
    tabs_->addTab(MoxTr::tr("转向管理"));
    page_ = new CRewritePage(this);
    page_->List()->setAccessibleName(MoxTr::tr("转向规则列表"));
    page_->SetTransfer([this](bool importing) { CExportDlg::OpenOver(page_, importing); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(tabs_);
    layout->addWidget(page_, 1);
}

void CRewriteManagerDlg::OnServerChanged(const ServerPlatform&)
{
    page_->Forget();
    if (isVisible())
        page_->RunCommand(CRuleListPage::eRefresh);
}

void CRewriteManagerDlg::showEvent(QShowEvent* event)
{
    CMoxContentView::showEvent(event);
    if (!event->spontaneous())
        page_->RunCommand(CRuleListPage::eRefresh);
}
