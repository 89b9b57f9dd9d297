// The certificate of an https server no authority vouches for, as the login shows it. The server
// is a second simulator speaking https that scripts/screenshots names in MORVIX_SCREENSHOTS_TLS_SERVER.
#include "Shooter.h"

#include "app/console/CMoxCacheAdminDlg.h"
#include "controls/CCertificateDlg.h"
#include "transport/ServerCertificate.h"

namespace {

void TakeSecurityScreens(Shooter& shooter, CMoxCacheAdminDlg* window)
{
    const QByteArray server = qgetenv("MORVIX_SCREENSHOTS_TLS_SERVER");
    if (server.isEmpty())
        return;
    const auto certificate = nsMoxHttp::FetchServerCertificate(server.toStdString());
    shooter.Require(certificate.has_value(), QStringLiteral("no certificate from the https simulator"));
    if (!certificate)
        return;
    CCertificateDlg dialog(QStringLiteral("https://") + QString::fromLatin1(server), *certificate, window);
    shooter.Save(&dialog, "certificate.png");
}

const bool registered = RegisterScene(95, &TakeSecurityScreens);

}  // namespace
