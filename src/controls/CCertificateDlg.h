#pragma once

#include "transport/ServerCertificate.h"

#include <QDialog>

class QPushButton;

// Shows the certificate of an https server that no authority vouches for, so that the operator
// can compare its fingerprints with those the server's owner gives, and trust it once or always.
class CCertificateDlg : public QDialog {
    Q_OBJECT
public:
    enum Outcome { Refused = 0, TrustedOnce, TrustedAlways };

    CCertificateDlg(const QString& server, const nsMoxHttp::ServerCertificate& certificate, QWidget* parent = nullptr);

    QPushButton* OnceButton() const { return once_; }
    QPushButton* AlwaysButton() const { return always_; }

private:
    QPushButton* once_;
    QPushButton* always_;
};
