#pragma once

#include "shell/LoginHistory.h"

#include <QWidget>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// The "常规" page of the login view: server, role, password and whether to remember it, filled
// from the login history and the last login of the options file.
class CMoxLoginNormalDlg : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHostLimit = 64;
    static constexpr int kPasswordLimit = 64;
    static constexpr int kPortLimit = 6;

    CMoxLoginNormalDlg(LoginHistory history, QWidget* parent = nullptr);

    // Reads the history and the last login; shows the saved host, role and password.
    void Load(const std::string& savedHost, const std::string& savedPort, int savedRole);

    QString HostText() const;
    QString Password() const;
    QString Port() const;
    int Role() const;
    bool RememberPassword() const;

    QComboBox* HostField() const { return host_; }
    QComboBox* RoleField() const { return role_; }
    QLineEdit* PasswordField() const { return password_; }
    QCheckBox* RememberField() const { return remember_; }
    // Shown while the host field names a distant server over plain http.
    QLabel* PlainHttpWarning() const { return plainHttpWarning_; }

public slots:
    // Asks, then marks the chosen server's record deleted and drops it from the list.
    void OnDeleteRecord();

signals:
    void HostTextChanged(const QString& text);

private:
    const LoginHistoryRecord* ChosenRecord() const;
    // The remembered password of the chosen server for the chosen role, if any.
    void ShowSavedPassword();

    LoginHistory history_;
    std::vector<LoginHistoryRecord> records_;
    QComboBox* host_;
    QComboBox* role_;
    QLineEdit* password_;
    QLineEdit* port_;
    QCheckBox* remember_;
    QLabel* deleteLink_;
    QLabel* plainHttpWarning_;
};
