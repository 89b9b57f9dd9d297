#include "protocol/StatusText.h"

#include "protocol/ErrorCodes.h"
#include "shell/MoxText.h"
#include "shell/TextFormat.h"

// Each wording is one translatable sentence around the phrase, so that a language may place the
// phrase where its grammar wants it; the Chinese reads as the server's documentation has it.
namespace nsMoxHttp {

std::string SuccessText(std::string_view phrase)
{
    return FormatText(MoxText::tr("%s成功。").c_str(), MoxText::tr(phrase));
}

std::string SuccessTextWithoutFullStop(std::string_view phrase)
{
    return FormatText(MoxText::tr("%s成功").c_str(), MoxText::tr(phrase));
}

std::string RefusedText(std::string_view phrase, int errorNo)
{
    return FormatText(MoxText::tr("%s失败，%s(错误号:%d)。").c_str(), MoxText::tr(phrase), MoxText::tr(ErrorText(errorNo)),
                      errorNo);
}

std::string RefusedNumberOnlyText(std::string_view phrase, int errorNo)
{
    return FormatText(MoxText::tr("%s失败，(错误号:%d)").c_str(), MoxText::tr(phrase), errorNo);
}

std::string NetworkFailureText(std::string_view phrase)
{
    return FormatText(MoxText::tr("%s失败，网络连接错误。").c_str(), MoxText::tr(phrase));
}

std::string ServerUnreachableText(std::string_view server)
{
    return FormatText(MoxText::tr(kServerUnreachableText).c_str(), std::string(server));
}

}  // namespace nsMoxHttp
