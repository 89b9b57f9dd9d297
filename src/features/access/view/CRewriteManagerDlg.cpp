#include "features/access/view/CRewriteManagerDlg.h"

#include "controls/CMoxTabCtrl.h"
#include "features/access/RewriteColumns.h"
#include "features/access/RewriteRequests.h"
#include "features/cache/view/CExportDlg.h"
#include "messaging/EventKinds.h"
#include "shell/HelpPages.h"

#include <QShowEvent>
#include <QVBoxLayout>

namespace {

CRewritePage::Family RewriteFamily()
{
    return {{{QStringLiteral("序号"), 40},
             {QStringLiteral("访问地址URL"), 300},
             {QStringLiteral("转向地址URL"), 300},
             {QStringLiteral("大小写"), 60},
             {QStringLiteral("转向逻辑"), 60},
             {QStringLiteral("备注说明"), 180}},
            RewriteColumnText,
            &CMoxCacheInstance::rewriteRules,
            {{CRuleListPage::eDelete, QStringLiteral("删除"), QStringLiteral("按 Ctrl 或 Shift 键多选可批量删除转向规则列表")},
             {CRuleListPage::eModify, QStringLiteral("修改"), QStringLiteral("修改选中的转向规则")},
             {CRuleListPage::eRefresh, QStringLiteral("刷新"), QStringLiteral("刷新转向规则列表")},
             {CRuleListPage::eUp, QStringLiteral("上移"), QStringLiteral("向上移动转向规则")},
             {CRuleListPage::eDown, QStringLiteral("下移"), QStringLiteral("向下移动转向规则")},
             {CRuleListPage::eAdd, QStringLiteral("增加"), QStringLiteral("添加转向规则")},
             {CRuleListPage::eImport, QStringLiteral("导入"), QStringLiteral("导入规则")},
             {CRuleListPage::eExport, QStringLiteral("导出"), QStringLiteral("导出规则")}},
            {QStringLiteral("您确定要删除选择的转向配置信息吗？"), QStringLiteral("删除转向规则"),
             QStringLiteral("正在删除选中的转向列表，请稍候 ......."), QStringLiteral("您确定要停止删除转向列表吗？")},
            {eMoxCacheEvent_RewriteList, eMoxCacheEvent_RewriteAdd, eMoxCacheEvent_RewriteDelete,
             eMoxCacheEvent_RewriteModify, eMoxCacheEvent_RewriteMoveUp, eMoxCacheEvent_RewriteMoveDown},
            RewriteManager_List,
            RewriteManager_Del,
            RewriteManager_Up,
            RewriteManager_Down,
            {"正在从服务器上获取转向列表，请稍候....", "正在从服务器上删除转向配置，请稍候....", "转向列表向上移动",
             "转向列表向下移动"},
            RewriteHelpUrl(),
            {},
            true};
}

}  // namespace

CRewritePage::CRewritePage(QWidget* parent) : CRulePageT(parent, RewriteFamily()) {}

CRewriteManagerDlg::CRewriteManagerDlg(QWidget* parent) : CMoxContentView(parent)
{
    tabs_ = new CMoxTabCtrl(this);
    tabs_->addTab(QStringLiteral("转向管理"));
    page_ = new CRewritePage(this);
    page_->List()->setAccessibleName(QStringLiteral("转向规则列表"));
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
