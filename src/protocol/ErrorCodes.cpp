#include "protocol/ErrorCodes.h"

#include <algorithm>
#include <iterator>

namespace {

struct ErrorEntry {
    int errorNo;
    std::string_view text;
};

// Texts are the server's documented wording, quirks included: 80 ends in "错误", and 81 repeats 73.
constexpr ErrorEntry kErrors[] = {
    {10, "服务器忙"},
    {11, "服务器不支持此请求"},
    {20, "用户名或密码错误"},
    {21, "会话已过期，需重新登录"},
    {22, "监控员没有对系统修改的权限"},
    {23, "提交的字段格式错误"},
    {30, "要添加的 URL 已经存在或 URL 正则表达式语法错"},
    {31, "要修改的 URL 已经被删除或 URL 正则表达式语法错"},
    {32, "要清理的 URL 正则表达式语法错"},
    {40, "要添加的名单已经存在或与已有名单有冲突"},
    {41, "要修改的名单已经存在或与已有名单有冲突"},
    {50, "要添加的代理主机已经存在"},
    {51, "要修改的代理主机已经不存在或与已有主机名有冲突"},
    {52, "要添加的源站已经存在"},
    {53, "要修改的源站已经不存在或与已有源站名有冲突"},
    {60, "要添加的转向 URL 已经存在或 URL 正则表达式语法错"},
    {61, "要修改的转向 URL 已经不存在或 URL 正则表达式语法错"},
    {70, "要添加的保护链 URL 已经存在或 URL 正则表达式语法错"},
    {71, "要修改的保护链 URL 已经不存在或 URL 正则表达式语法错"},
    {72, "要添加的引用链 URL 已经存在或 URL 正则表达式语法错"},
    {73, "要修改的引用链 URL 已经不存在或 URL 正则表达式语法错"},
    {80, "要添加的引用链 URL 已经存在或 URL 正则表达式语法错误"},
    {81, "要修改的引用链 URL 已经不存在或 URL 正则表达式语法错"},
    {90, "要监控的分量统计配置已不存在"},
    {110, "自定义劫持域名已经存在"},
};

}  // namespace

namespace nsMoxHttp {

std::string_view ErrorText(int errorNo)
{
    const auto found = std::find_if(std::begin(kErrors), std::end(kErrors),
                                    [errorNo](const ErrorEntry& entry) { return entry.errorNo == errorNo; });
    return found == std::end(kErrors) ? std::string_view() : found->text;
}

}  // namespace nsMoxHttp
