#pragma once

#include <string>
#include <string_view>

#include "shell/MoxText.h"

// The status-bar wording of a request's outcome: the operation's own phrase (for example
// "添加到页面缓存列表") followed by a fixed tail.
namespace nsMoxHttp {

inline constexpr std::string_view kMalformedReplyText = MoxText::Noop("数据格式错误，返回的Json数据格式解析错误!");
// The network failure of the settings and monitor requests; "%s" is the server address.
inline constexpr std::string_view kServerUnreachableText = MoxText::Noop("连接%s失败，请检查网络连接是否正常或者会话已过期");

std::string SuccessText(std::string_view phrase);                  // phrase成功。
std::string SuccessTextWithoutFullStop(std::string_view phrase);   // phrase成功
std::string RefusedText(std::string_view phrase, int errorNo);     // phrase失败，<error text>(错误号:N)。
std::string RefusedNumberOnlyText(std::string_view phrase, int errorNo);  // phrase失败，(错误号:N)
std::string NetworkFailureText(std::string_view phrase);           // phrase失败，网络连接错误。
std::string ServerUnreachableText(std::string_view server);        // 连接<server>失败，请检查...

}  // namespace nsMoxHttp
