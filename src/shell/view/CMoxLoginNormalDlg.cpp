#include "shell/view/CMoxLoginNormalDlg.h"

#include "controls/CTextLimit.h"
#include "controls/FieldLabels.h"
#include "controls/IUserInteraction.h"
#include "protocol/ServerAddress.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/HostText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include "controls/MoxTr.h"

namespace {

constexpr int kRecordIndexRole = Qt::UserRole;

QString RememberedPasswordPlace(const LoginHistory& history)
{
    if (history.KeepsPasswordsInStore())
        return MoxTr::tr("密码保存在桌面的密钥环中（Secret Service），登录记录文件只记下是否保存");
    return MoxTr::tr("本机没有可用的密钥环，密码加密后保存在登录记录文件中：%1")
        .arg(QString::fromStdString(history.Directory().string()));
}

QString EntryLabel(const LoginHistoryRecord& record)
{
    return QString::fromStdString(record.host + record.name);
}

}  // namespace

CMoxLoginNormalDlg::CMoxLoginNormalDlg(LoginHistory history, QWidget* parent)
    : QWidget(parent), history_(std::move(history))
{
    host_ = new QComboBox(this);
    host_->setEditable(true);
    host_->setInsertPolicy(QComboBox::NoInsert);
    host_->lineEdit()->setMaxLength(kHostLimit);
    CTextLimit::RefuseControlCharacters(host_->lineEdit());
    host_->setMinimumWidth(240);

    role_ = new QComboBox(this);
    role_->addItem(MoxTr::tr("系统管理员"), eMoxRole_Admin);
    role_->addItem(MoxTr::tr("系统监控员"), eMoxRole_Keeper);

    password_ = new QLineEdit(this);
    password_->setEchoMode(QLineEdit::Password);
    password_->setMaxLength(kPasswordLimit);
    CTextLimit::RefuseControlCharacters(password_);

    // The port only completes an address typed without one; it is not shown.
    port_ = new QLineEdit(this);
    port_->setMaxLength(kPortLimit);
    CTextLimit::RefuseControlCharacters(port_);
    port_->setAccessibleName(MoxTr::tr("端口"));
    port_->hide();

    remember_ = new QCheckBox(MoxTr::tr("记住密码"), this);
    remember_->setToolTip(RememberedPasswordPlace(history_));
    deleteLink_ = new QLabel(MoxTr::tr("<a href=\"#delete\">删除此记录</a>"), this);
    deleteLink_->setAccessibleName(MoxTr::tr("删除此记录"));
    deleteLink_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(deleteLink_, &QLabel::linkActivated, this, &CMoxLoginNormalDlg::OnDeleteRecord);

    plainHttpWarning_ = new QLabel(
        MoxTr::tr("注意：未加密连接，密码和会话将以明文经过网络。服务器支持时请在地址前加 https://"), this);
    plainHttpWarning_->setWordWrap(true);
    plainHttpWarning_->setStyleSheet(QStringLiteral("color: #b00000;"));
    plainHttpWarning_->hide();

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 12);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    grid->addWidget(FieldLabels::Tie(new QLabel(MoxTr::tr("主   机："), this), host_), 0, 0);
    grid->addWidget(host_, 0, 1, 1, 2);
    grid->addWidget(FieldLabels::Tie(new QLabel(MoxTr::tr("用   户："), this), role_), 1, 0);
    grid->addWidget(role_, 1, 1, 1, 2);
    grid->addWidget(FieldLabels::Tie(new QLabel(MoxTr::tr("密   码："), this), password_), 2, 0);
    grid->addWidget(password_, 2, 1, 1, 2);
    grid->addWidget(remember_, 3, 1);
    grid->addWidget(deleteLink_, 3, 2, Qt::AlignRight);
    grid->addWidget(plainHttpWarning_, 4, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    connect(host_, &QComboBox::editTextChanged, this, &CMoxLoginNormalDlg::HostTextChanged);
    connect(host_, &QComboBox::editTextChanged, this, [this](const QString& text) {
        const std::string host = SplitHostText(text.toStdString(), port_->text().toStdString()).host;
        plainHttpWarning_->setVisible(nsMoxHttp::IsPlainHttpToDistant(host));
    });
    connect(host_, &QComboBox::activated, this, [this] { ShowSavedPassword(); });
    connect(role_, &QComboBox::activated, this, [this] { ShowSavedPassword(); });
}

void CMoxLoginNormalDlg::Load(const std::string& savedHost, const std::string& savedPort, int savedRole)
{
    records_ = history_.Load();
    host_->clear();
    for (std::size_t index = 0; index < records_.size(); ++index)
        host_->addItem(EntryLabel(records_[index]), static_cast<int>(index));
    remember_->setChecked(true);
    port_->setText(QString::fromStdString(savedPort));

    host_->setCurrentIndex(-1);
    for (std::size_t index = 0; index < records_.size(); ++index)
        if (records_[index].host == savedHost)
            host_->setCurrentIndex(static_cast<int>(index));
    if (host_->currentIndex() < 0)
        host_->setEditText(QString::fromStdString(savedHost));

    const int roleIndex = role_->findData(savedRole);
    role_->setCurrentIndex(roleIndex >= 0 ? roleIndex : 0);
    ShowSavedPassword();
    password_->setFocus();
}

const LoginHistoryRecord* CMoxLoginNormalDlg::ChosenRecord() const
{
    // An entry counts as chosen only while the field still shows it unchanged.
    const int index = host_->findText(host_->currentText());
    if (index < 0)
        return nullptr;
    return &records_[static_cast<std::size_t>(host_->itemData(index, kRecordIndexRole).toInt())];
}

void CMoxLoginNormalDlg::ShowSavedPassword()
{
    const LoginHistoryRecord* record = ChosenRecord();
    if (!record)
        return;
    const bool keeper = Role() == eMoxRole_Keeper;
    const bool saved = keeper ? record->saveKeeper : record->saveAdmin;
    remember_->setChecked(saved);
    password_->setText(saved ? QString::fromStdString(keeper ? record->keeperPassword : record->adminPassword)
                             : QString());
}

void CMoxLoginNormalDlg::OnDeleteRecord()
{
    const LoginHistoryRecord* record = ChosenRecord();
    if (!record)
        return;
    if (!IUserInteraction::Current().AskYesNo(this, MoxTr::tr("删除登录记录"),
                                              MoxTr::tr("您确定要删除此主机的登录记录吗？")))
        return;
    if (!history_.Delete(record->host))
        return;
    host_->removeItem(host_->findText(host_->currentText()));
}

QString CMoxLoginNormalDlg::HostText() const
{
    return host_->currentText();
}

QString CMoxLoginNormalDlg::Password() const
{
    return password_->text();
}

QString CMoxLoginNormalDlg::Port() const
{
    return port_->text();
}

int CMoxLoginNormalDlg::Role() const
{
    return role_->currentData().toInt();
}

bool CMoxLoginNormalDlg::RememberPassword() const
{
    return remember_->isChecked();
}
