#include "shell/view/CModifyPwdDlg.h"

#include "controls/CTextLimit.h"
#include "controls/FieldLabels.h"
#include "controls/IUserInteraction.h"
#include "features/monitor/PasswordRequests.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/PasswordChangeCheck.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include "controls/MoxTr.h"

CModifyPwdDlg::CModifyPwdDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(MoxTr::tr("修改密码"));

    account_ = new QComboBox(this);
    account_->addItem(MoxTr::tr("系统管理员"), eMoxRole_Admin);
    account_->addItem(MoxTr::tr("系统监控员"), eMoxRole_Keeper);
    oldPassword_ = AddPasswordField();
    newPassword_ = AddPasswordField();
    confirmation_ = AddPasswordField();
    // Only the administrator's old password is checked, so the field means nothing for the monitor.
    connect(account_, &QComboBox::currentIndexChanged, this,
            [this] { oldPassword_->setEnabled(account_->currentData().toInt() == eMoxRole_Admin); });

    auto* form = new QFormLayout;
    form->setHorizontalSpacing(10);
    form->setVerticalSpacing(10);
    FieldLabels::AddRow(form, MoxTr::tr("要修改的密码帐号："), account_);
    FieldLabels::AddRow(form, MoxTr::tr("原管理员密码："), oldPassword_);
    FieldLabels::AddRow(form, MoxTr::tr("新密码："), newPassword_);
    FieldLabels::AddRow(form, MoxTr::tr("确认新密码："), confirmation_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(MoxTr::tr("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(MoxTr::tr("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CModifyPwdDlg::OnOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 14);
    layout->setSpacing(16);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QLineEdit* CModifyPwdDlg::AddPasswordField()
{
    auto* field = new QLineEdit(this);
    field->setEchoMode(QLineEdit::Password);
    field->setMaxLength(kPasswordLimit);
    CTextLimit::RefuseControlCharacters(field);
    field->setMinimumWidth(200);
    return field;
}

void CModifyPwdDlg::OnOk()
{
    const int account = account_->currentData().toInt();
    const CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance();
    const std::string newPassword = newPassword_->text().toStdString();
    switch (CheckPasswordChange(account, instance ? instance->Password() : std::string(),
                                oldPassword_->text().toStdString(), newPassword,
                                confirmation_->text().toStdString())) {
    case PasswordChangeProblem::WrongOldPassword:
        Refuse(MoxTr::tr("旧密码输入错误，请重新输入。"), oldPassword_);
        return;
    case PasswordChangeProblem::Mismatch:
        Refuse(MoxTr::tr("两次输入的密码不一致。"), newPassword_);
        return;
    case PasswordChangeProblem::None:
        break;
    }
    if (UserManager_ChangePassword(account, newPassword))
        lastSent_ = SentChange{account, newPassword};
}

void CModifyPwdDlg::Refuse(const QString& text, QLineEdit* field)
{
    IUserInteraction::Current().Inform(this, MoxTr::tr("提示"), text);
    field->setFocus();
}
