#include "transport/CertificateFailure.h"

namespace nsMoxHttp {

std::string CertificateFailureText(const CertificateFailureReport& report, const std::string& server)
{
    switch (report.failure) {
    case CertificateFailure::Expired:
        return "连接" + server + "失败，服务器的证书已过期或尚未生效，请检查服务器和本机的时间或更新证书";
    case CertificateFailure::WrongName:
        return "连接" + server + "失败，服务器的证书不是为这个地址签发的，请使用证书上的名称连接";
    case CertificateFailure::UnknownIssuer:
        return "连接" + server + "失败，服务器的证书不是受信任的机构签发的，请核对证书后选择信任";
    case CertificateFailure::PinChanged:
        return "拒绝连接" + server + "：服务器的公钥与记住的不同（记住的 " + report.pinnedKey + "，现在的 " +
               (report.presentedKey.empty() ? std::string("未知") : report.presentedKey) +
               "）。可能有人冒充服务器；若确认服务器换了证书，请先删除记住的公钥（morvixctl --server " + server +
               " trust forget）再重新连接";
    case CertificateFailure::Handshake:
        return "连接" + server + "失败，无法建立加密连接，请检查服务器是否支持https";
    case CertificateFailure::None:
        break;
    }
    return {};
}

}  // namespace nsMoxHttp
