#pragma once

#include "controls/IUserInteraction.h"

// The desktop implementation: Qt message boxes with Chinese button texts, Qt file dialogs, and
// the system browser.
class CUserInteraction : public IUserInteraction {
public:
    bool Confirm(QWidget* parent, const QString& title, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& title, const QString& text) override;
    void Inform(QWidget* parent, const QString& title, const QString& text) override;
    QString ChooseOpenFile(QWidget* parent, const QString& title, const QString& folder,
                           const QString& filter) override;
    QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& suggestedPath,
                           const QString& filter) override;
    QString ChooseDirectory(QWidget* parent, const QString& title, const QString& folder) override;
    CertificateTrust AskCertificateTrust(QWidget* parent, const QString& server,
                                         const nsMoxHttp::ServerCertificate& certificate) override;
    bool OpenUrl(const QUrl& url) override;
};
