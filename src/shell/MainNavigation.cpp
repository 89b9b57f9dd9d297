#include "shell/MainNavigation.h"

#include <optional>

namespace {

using Switch = CIniOptionFile::GuiSwitch;

struct ShownIf {
    NavigationEntry entry;
    std::optional<Switch> onlyWith;
};

const ShownIf kNavigation[] = {
    {{"流量监控", 9, eView_Realtime, "实时流量统计：实时监控、系统资源监控与统计报告"}, {}},
    {{"访问监控", 3, eView_AccessMonitor, "实时访问监控与请求监控记录"}, {}},
    {{"域名监控", 4, eView_HostMonitor, "域名与源站监控"}, Switch::ShowHostMonitor},
    {{"缓存规则", 0, eView_CacheRules, "页面缓存、拒绝缓存与会话缓存规则，缓存清理"}, Switch::ShowCacheRule},
    {{"转向管理", 5, eView_Rewrite, "转向规则"}, Switch::ShowCacheRule},
    {{"安全设置", 8, eView_Security, "黑名单与白名单"}, {}},
    {{"硬盘缓存", 7, eView_DiskCache, "硬盘缓存目录"}, {}},
    {{"域名劫持", 6, eView_DnsRedirect, "DNS 服务、域名劫持与负载均衡"}, Switch::ShowDnsRedirect},
    {{"集群配置", 4, eView_Cluster, "集群角色与集群状态"}, Switch::ShowCluster},
    {{"缓存列表", 0, eView_CachedUrls, "所有已缓存的 Url"}, Switch::ShowCachedUrls},
    {{"系统配置", 10, eView_System, "系统选项"}, {}},
};

struct ToolbarShownIf {
    ToolbarEntry entry;
    std::optional<Switch> onlyWith;
};

const ToolbarShownIf kToolbar[] = {
    {{"登录", 0, 48, eCmd_Login}, {}},
    {{"超级后台", 9, 68, eCmd_WebAdmin}, Switch::ShowWebAdmin},
    {{"修改密码", 2, 68, eCmd_ChangePassword}, {}},
    {{"小工具", 4, 58, eCmd_Tools}, Switch::ShowTools},
    {{"关于", 7, 48, eCmd_About}, {}},
};

template <class Entry, class Row, std::size_t N>
std::vector<Entry> Filter(const Row (&rows)[N], const CIniOptionFile& options)
{
    std::vector<Entry> shown;
    for (const Row& row : rows)
        if (!row.onlyWith || options.IsGuiSwitchOn(*row.onlyWith))
            shown.push_back(row.entry);
    return shown;
}

}  // namespace

std::vector<NavigationEntry> VisibleNavigation(const CIniOptionFile& options)
{
    return Filter<NavigationEntry>(kNavigation, options);
}

std::vector<ToolbarEntry> VisibleToolbar(const CIniOptionFile& options)
{
    return Filter<ToolbarEntry>(kToolbar, options);
}
