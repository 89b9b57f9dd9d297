#include "features/cache/view/CRCacheManagerDlg.h"

#include "features/cache/CacheListColumns.h"
#include "features/cache/RCacheRequests.h"
#include "features/cache/view/CacheRuleMonitor.h"
#include "messaging/EventKinds.h"
#include "shell/HelpPages.h"
#include "controls/MoxTr.h"
#include "shell/MoxText.h"

namespace {

CRCacheManagerDlg::Family RefuseCacheFamily()
{
    return {{{MoxTr::tr("序号"), 40},
             {MoxTr::tr("拒绝缓存地址URL"), 320},
             {MoxTr::tr("匹配规则"), 150},
             {MoxTr::tr("拒绝开放权限"), 90},
             {MoxTr::tr("拒绝缓存位置"), 100},
             {MoxTr::tr("备注说明"), 180}},
            RCacheColumnText,
            &CMoxCacheInstance::rcacheRules,
            {{CRuleListPage::eAdd, MoxTr::tr("增加"), MoxTr::tr("添加拒绝缓存规则")},
             {CRuleListPage::eDelete, MoxTr::tr("删除"), MoxTr::tr("按 Ctrl 或 Shift 键多选可批量删除拒绝缓存规则")},
             {CRuleListPage::eRefresh, MoxTr::tr("刷新"), MoxTr::tr("刷新拒绝缓存规则列表")},
             {CRuleListPage::eUp, MoxTr::tr("上移"), MoxTr::tr("向上移动拒绝缓存规则")},
             {CRuleListPage::eDown, MoxTr::tr("下移"), MoxTr::tr("向下移动拒绝缓存规则")},
             {CRuleListPage::eModify, MoxTr::tr("修改"), MoxTr::tr("修改选中的拒绝缓存规则")},
             {CRuleListPage::eHelp, MoxTr::tr("帮助"), QString()},
             {CRuleListPage::eImport, MoxTr::tr("导入"), MoxTr::tr("导入规则")},
             {CRuleListPage::eExport, MoxTr::tr("导出"), MoxTr::tr("导出规则")},
             {CRuleListPage::eMonitor, MoxTr::tr("访问监控"), MoxTr::tr("实时监控此规则的访问请求")}},
            {MoxTr::tr("您确定要删除选择的拒绝缓存规则吗？"), MoxTr::tr("删除拒绝缓存规则")},
            {eMoxCacheEvent_RCacheList, eMoxCacheEvent_RCacheAdd, eMoxCacheEvent_RCacheDelete,
             eMoxCacheEvent_RCacheModify, eMoxCacheEvent_RCacheMoveUp, eMoxCacheEvent_RCacheMoveDown},
            CacheManager_RCacheList,
            CacheManager_RCacheDel,
            CacheManager_RCacheUp,
            CacheManager_RCacheDown,
            {MoxText::Noop("正在获取拒绝缓存列表，请稍候...."), MoxText::Noop("正在发送删除拒绝缓存的请求，请稍候...."),
             MoxText::Noop("正在向上移动拒绝缓存，请稍候...."), MoxText::Noop("正在向下移动拒绝缓存，请稍候....")},
            RefuseCacheHelpUrl(),
            [](const RCacheRule& rule) { return CacheRuleMonitorAddress(rule.Url, rule.Rules, rule.Icase); }};
}

}  // namespace

CRCacheManagerDlg::CRCacheManagerDlg(QWidget* parent) : CRulePageT(parent, RefuseCacheFamily()) {}
