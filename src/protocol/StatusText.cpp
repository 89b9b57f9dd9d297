#include "protocol/StatusText.h"

#include "protocol/ErrorCodes.h"

namespace nsMoxHttp {

std::string SuccessText(std::string_view phrase)
{
    return std::string(phrase) + "成功。";
}

std::string SuccessTextWithoutFullStop(std::string_view phrase)
{
    return std::string(phrase) + "成功";
}

std::string RefusedText(std::string_view phrase, int errorNo)
{
    return std::string(phrase) + "失败，" + std::string(ErrorText(errorNo)) + "(错误号:" + std::to_string(errorNo) +
           ")。";
}

std::string RefusedNumberOnlyText(std::string_view phrase, int errorNo)
{
    return std::string(phrase) + "失败，(错误号:" + std::to_string(errorNo) + ")";
}

std::string NetworkFailureText(std::string_view phrase)
{
    return std::string(phrase) + "失败，网络连接错误。";
}

std::string ServerUnreachableText(std::string_view server)
{
    return "连接" + std::string(server) + "失败，请检查网络连接是否正常或者会话已过期";
}

}  // namespace nsMoxHttp
