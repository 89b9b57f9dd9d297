#include "protocol/ErrorCodes.h"

#include <algorithm>
#include <iterator>
#include "shell/MoxText.h"

namespace {

struct ErrorEntry {
    int errorNo;
    std::string_view text;
};

// Texts are the server's documented wording, quirks included: 80 ends in "错误", and 81 repeats 73.
constexpr ErrorEntry kErrors[] = {
    {10, MoxText::Noop("服务器忙")},
    {11, MoxText::Noop("服务器不支持此请求")},
    {20, MoxText::Noop("用户名或密码错误")},
    {21, MoxText::Noop("会话已过期，需重新登录")},
    {22, MoxText::Noop("监控员没有对系统修改的权限")},
    {23, MoxText::Noop("提交的字段格式错误")},
    {30, MoxText::Noop("要添加的 URL 已经存在或 URL 正则表达式语法错")},
    {31, MoxText::Noop("要修改的 URL 已经被删除或 URL 正则表达式语法错")},
    {32, MoxText::Noop("要清理的 URL 正则表达式语法错")},
    {40, MoxText::Noop("要添加的名单已经存在或与已有名单有冲突")},
    {41, MoxText::Noop("要修改的名单已经存在或与已有名单有冲突")},
    {50, MoxText::Noop("要添加的代理主机已经存在")},
    {51, MoxText::Noop("要修改的代理主机已经不存在或与已有主机名有冲突")},
    {52, MoxText::Noop("要添加的源站已经存在")},
    {53, MoxText::Noop("要修改的源站已经不存在或与已有源站名有冲突")},
    {60, MoxText::Noop("要添加的转向 URL 已经存在或 URL 正则表达式语法错")},
    {61, MoxText::Noop("要修改的转向 URL 已经不存在或 URL 正则表达式语法错")},
    {70, MoxText::Noop("要添加的保护链 URL 已经存在或 URL 正则表达式语法错")},
    {71, MoxText::Noop("要修改的保护链 URL 已经不存在或 URL 正则表达式语法错")},
    {72, MoxText::Noop("要添加的引用链 URL 已经存在或 URL 正则表达式语法错")},
    {73, MoxText::Noop("要修改的引用链 URL 已经不存在或 URL 正则表达式语法错")},
    {80, MoxText::Noop("要添加的引用链 URL 已经存在或 URL 正则表达式语法错误")},
    {81, MoxText::Noop("要修改的引用链 URL 已经不存在或 URL 正则表达式语法错")},
    {90, MoxText::Noop("要监控的分量统计配置已不存在")},
    {110, MoxText::Noop("自定义劫持域名已经存在")},
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
