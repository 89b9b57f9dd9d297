#pragma once

#include "messaging/IEventHandle.h"
#include "shell/HostText.h"

#include <QDialog>

#include <optional>
#include <string>

class CMoxLoginNormalDlg;
class QPushButton;

// Logs in to one server. Stays open while a login fails, so the operator can try again; closes
// once the server accepted the login, after remembering it in the options file and the history.
class CMoxLoginDlg : public QDialog, public IEventHandle {
    Q_OBJECT
public:
    explicit CMoxLoginDlg(QWidget* parent = nullptr);
    ~CMoxLoginDlg() override;

    int OnEventCall(int kind, std::uintptr_t param1, std::uintptr_t param2) override;

    CMoxLoginNormalDlg* Page() const { return page_; }
    QPushButton* LoginButton() const { return login_; }

public slots:
    void OnLogin();

signals:
    // Just before a login is sent, so that whatever must hear its replies is in place.
    void LoginAboutToStart();

private:
    struct Attempt {
        HostText target;
        int role;
        std::string password;
        bool remember;
    };

    void OnLoginSucceeded();
    // A server no authority vouches for: its certificate is shown, and once trusted the login is sent again.
    void OnConnectFailed(std::uintptr_t record);

    CMoxLoginNormalDlg* page_;
    QPushButton* login_;
    std::optional<Attempt> attempt_;
    bool closing_ = false;
};
