#pragma once

#include "transport/ServerCertificate.h"

#include <QString>

class QUrl;
class QWidget;

// Everything a window asks the operator or hands to the desktop: message boxes, file choosers,
// the system browser. Windows call Current(); tests install a scripted implementation that
// answers from a queue and records every prompt and URL.
class IUserInteraction {
public:
    virtual ~IUserInteraction() = default;

    // OK and Cancel, question icon, Cancel preselected. True on OK.
    virtual bool Confirm(QWidget* parent, const QString& title, const QString& text) = 0;
    // Yes and No, question icon, No preselected. True on Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& title, const QString& text) = 0;
    // OK only, information icon.
    virtual void Inform(QWidget* parent, const QString& title, const QString& text) = 0;

    // Each chooser returns the chosen path, or an empty text when the operator cancelled.
    virtual QString ChooseOpenFile(QWidget* parent, const QString& title, const QString& folder,
                                   const QString& filter) = 0;
    virtual QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& suggestedPath,
                                   const QString& filter) = 0;
    virtual QString ChooseDirectory(QWidget* parent, const QString& title, const QString& folder) = 0;

    enum class CertificateTrust { Refused, Once, Always };
    // Shows the certificate of an https server no authority vouches for and asks whether to trust it.
    virtual CertificateTrust AskCertificateTrust(QWidget* parent, const QString& server,
                                                 const nsMoxHttp::ServerCertificate& certificate) = 0;

    // Opens the address in the system's web browser; false when nothing could open it.
    virtual bool OpenUrl(const QUrl& url) = 0;

    // The implementation in use: the desktop one unless replaced.
    static IUserInteraction& Current();
    // Installs `replacement` (nullptr restores the desktop one) and returns the one it replaced.
    static IUserInteraction* Replace(IUserInteraction* replacement);
};
