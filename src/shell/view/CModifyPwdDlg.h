#pragma once

#include <QDialog>

#include <optional>
#include <string>

class QComboBox;
class QLineEdit;

// Sets a new password for the administrator or the monitor account. The administrator's old
// password must be the one this console logged in with. The window stays open until the main
// window reports that the server accepted the change.
class CModifyPwdDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPasswordLimit = 64;

    explicit CModifyPwdDlg(QWidget* parent = nullptr);

    // The change last handed to the transport, if any.
    struct SentChange {
        int account;
        std::string password;
    };
    const std::optional<SentChange>& LastSent() const { return lastSent_; }

    QComboBox* AccountField() const { return account_; }
    QLineEdit* OldPasswordField() const { return oldPassword_; }
    QLineEdit* NewPasswordField() const { return newPassword_; }
    QLineEdit* ConfirmationField() const { return confirmation_; }

public slots:
    void OnOk();

private:
    QLineEdit* AddPasswordField();
    void Refuse(const QString& text, QLineEdit* field);

    QComboBox* account_;
    QLineEdit* oldPassword_;
    QLineEdit* newPassword_;
    QLineEdit* confirmation_;
    std::optional<SentChange> lastSent_;
};
