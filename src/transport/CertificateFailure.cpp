#include "transport/CertificateFailure.h"

#include "shell/MoxText.h"
#include "shell/TextFormat.h"

namespace nsMoxHttp {

std::string CertificateFailureText(const CertificateFailureReport& report, const std::string& server)
{
    switch (report.failure) {
    case CertificateFailure::Expired:
        return FormatText(MoxText::tr("连接%s失败，服务器的证书已过期或尚未生效，请检查服务器和本机的时间或更新证书"), server);
    case CertificateFailure::WrongName:
        return FormatText(MoxText::tr("连接%s失败，服务器的证书不是为这个地址签发的，请使用证书上的名称连接"), server);
    case CertificateFailure::UnknownIssuer:
        return FormatText(MoxText::tr("连接%s失败，服务器的证书不是受信任的机构签发的，请核对证书后选择信任"), server);
    case CertificateFailure::PinChanged:
        return FormatText(MoxText::tr("拒绝连接%s：服务器的公钥与记住的不同（记住的 %s，现在的 %s）。可能有人冒充服务器；"
                                      "若确认服务器换了证书，请先删除记住的公钥（morvixctl --server %s trust forget）再重新连接"),
                          server, report.pinnedKey, report.presentedKey.empty() ? MoxText::tr("未知") : report.presentedKey,
                          server);
    case CertificateFailure::Handshake:
        return FormatText(MoxText::tr("连接%s失败，无法建立加密连接，请检查服务器是否支持https"), server);
    case CertificateFailure::None:
        break;
    }
    return {};
}

}  // namespace nsMoxHttp
