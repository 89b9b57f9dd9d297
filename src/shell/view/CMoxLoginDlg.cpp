#include "shell/view/CMoxLoginDlg.h"

#include "controls/CEventHandOver.h"
#include "controls/IUserInteraction.h"
#include "messaging/CZebEventManager.h"
#include "messaging/EventKinds.h"
#include "protocol/ServerAddress.h"
#include "shell/CMoxDisplayStrings.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/CMoxLoginEventParam.h"
#include "shell/MoxLogin.h"
#include "shell/PinnedKeys.h"
#include "shell/SaveSuccessfulLogin.h"
#include "shell/view/CMoxLoginNormalDlg.h"
#include "transport/TlsTrust.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include "controls/MoxTr.h"

CMoxLoginDlg::CMoxLoginDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(MoxTr::tr("登录到远程管理器"));
    CMoxInstanceManager* manager = CMoxInstanceManager::GetInstanceManager();

    auto* heading = new QLabel(QString::fromStdString(CMoxDisplayStrings::Instance().Name()), this);
    QFont headingFont = heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    headingFont.setBold(true);
    heading->setFont(headingFont);

    page_ = new CMoxLoginNormalDlg(LoginHistory(manager->DataDir()), this);
    auto* pages = new QTabWidget(this);
    pages->addTab(page_, MoxTr::tr("常规"));

    auto* buttons = new QDialogButtonBox(this);
    login_ = buttons->addButton(MoxTr::tr("登录"), QDialogButtonBox::AcceptRole);
    buttons->addButton(MoxTr::tr("取消"), QDialogButtonBox::RejectRole);
    login_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CMoxLoginDlg::OnLogin);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(page_, &CMoxLoginNormalDlg::HostTextChanged, this,
            [this](const QString& text) { login_->setEnabled(!text.isEmpty()); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(12);
    layout->addWidget(heading);
    layout->addWidget(pages);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const CIniOptionFile& options = manager->Options();
    page_->Load(options.ReadHost(), options.ReadPort(), options.ReadUser());
    login_->setEnabled(!page_->HostText().isEmpty());

    CZebEventManager::Instance()->Register(this);
}

CMoxLoginDlg::~CMoxLoginDlg()
{
    if (CZebEventManager* manager = CZebEventManager::Existing())
        manager->Unregister(this);
}

int CMoxLoginDlg::OnEventCall(int kind, std::uintptr_t param1, std::uintptr_t param2)
{
    if (kind == eMoxCacheEvent_LoginOk) {
        if (const auto* record = CMoxEventParam::As<CMoxLoginEventParam>(param1))
            CEventHandOver::Post(this, kind, param1, param2, CEventHandOver::RecordIn::None,
                                 [this, attempt = record->attempt](int, std::uintptr_t, std::uintptr_t) {
                                     OnLoginSucceeded(attempt);
                                 });
    }
    if (kind == eMoxCacheEvent_ConnectFailed)
        CEventHandOver::Post(this, kind, param1, param2, CEventHandOver::RecordIn::Param1,
                             [this](int, std::uintptr_t record, std::uintptr_t) { OnConnectFailed(record); });
    return 0;
}

void CMoxLoginDlg::OnLogin()
{
    const HostText target = SplitHostText(page_->HostText().toStdString(), page_->Port().toStdString());
    if (target.host.empty()) {
        IUserInteraction::Current().Inform(this, MoxTr::tr("连接"), MoxTr::tr("请输入服务器地址"));
        page_->HostField()->setFocus();
        return;
    }
    attempt_ = Attempt{target, page_->Role(), page_->Password().toStdString(), page_->RememberPassword()};
    emit LoginAboutToStart();
    attempt_->generation = MoxLogin(target.host, attempt_->role, attempt_->password);
}

void CMoxLoginDlg::OnConnectFailed(std::uintptr_t param1)
{
    const auto* record = CMoxEventParam::As<CMoxLoginEventParam>(param1);
    if (closing_ || !attempt_ || !record || record->attempt != attempt_->generation || !record->certificate ||
        record->trustFailure.failure != nsMoxHttp::CertificateFailure::UnknownIssuer)
        return;
    const std::string hostPort(nsMoxHttp::AddressWithoutScheme(record->host));
    const std::string pin = record->certificate->pin;
    switch (IUserInteraction::Current().AskCertificateTrust(this, QString::fromStdString(record->host),
                                                            *record->certificate)) {
    case IUserInteraction::CertificateTrust::Refused:
        return;
    case IUserInteraction::CertificateTrust::Once:
        nsMoxHttp::TlsTrust::Pin(hostPort, pin);
        break;
    case IUserInteraction::CertificateTrust::Always:
        if (!PinnedKeys::Remember(hostPort, pin))
            IUserInteraction::Current().Inform(this, MoxTr::tr("服务器证书"),
                                               MoxTr::tr("无法保存对该服务器的信任，本次运行仍然信任它。"));
        break;
    }
    OnLogin();
}

void CMoxLoginDlg::OnLoginSucceeded(unsigned long attempt)
{
    if (closing_ || !attempt_ || attempt_->generation != attempt)
        return;
    closing_ = true;
    SaveSuccessfulLogin(attempt_->target, attempt_->role, attempt_->password, attempt_->remember);
    accept();
}
