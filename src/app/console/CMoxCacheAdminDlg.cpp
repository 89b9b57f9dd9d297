#include "app/console/CMoxCacheAdminDlg.h"

#include "app/console/ContentViews.h"
#include "controls/CMoxToolbar.h"
#include "controls/CNavigatTree.h"
#include "controls/CSkinImageCache.h"
#include "controls/CStatusStatic.h"
#include "controls/IUserInteraction.h"
#include "controls/SkinImages.h"
#include "features/config/view/CToolsDlg.h"
#include "features/monitor/view/CRealTimeInfoDlg.h"
#include "messaging/CZebEventManager.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxDisplayStrings.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/HelpPages.h"
#include "shell/MainNavigation.h"
#include "shell/MoxLogin.h"
#include "shell/WebAdminUrl.h"
#include "shell/view/CModifyPwdDlg.h"
#include "shell/view/CMoxAboutDlg.h"
#include "shell/view/CMoxContentView.h"
#include "shell/view/CMoxLoginDlg.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QStackedWidget>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include "controls/MoxTr.h"

namespace {

QString DisplayName()
{
    return QString::fromStdString(CMoxDisplayStrings::Instance().Name());
}

CIniOptionFile& Options()
{
    return CMoxInstanceManager::GetInstanceManager()->Options();
}

// Opens a modal window, or brings it forward when it is already open.
template <class Dialog, class Make>
void OpenModal(QPointer<Dialog>& slot, Make make)
{
    if (slot) {
        slot->raise();
        slot->activateWindow();
        return;
    }
    slot = make();
    slot->setAttribute(Qt::WA_DeleteOnClose);
    slot->setWindowModality(Qt::ApplicationModal);
    slot->show();
}

}  // namespace

CMoxCacheAdminDlg::CMoxCacheAdminDlg(QWidget* parent) : QWidget(parent)
{
    // The window opens now; building it runs while the login view's delay counts down, and the
    // login view still follows only after the window is shown.
    QTimer::singleShot(kLoginDelayMs, this, &CMoxCacheAdminDlg::OnPopLoginDlg);
    setWindowTitle(DisplayName());

    toolbar_ = new CMoxToolbar(kToolbarId, this, this);
    infoStrip_ = new CRealTimeInfoDlg(QString::fromStdString(CMoxDisplayStrings::Instance().ProductName()),
                                      Options().IsGuiSwitchOn(CIniOptionFile::GuiSwitch::IsOem), this);
    navigation_ = new CNavigatTree(kNavigatId, this, this);
    views_ = new QStackedWidget(this);
    statusBar_ = new CStatusStatic(this);
    plainHttpMark_ = new QLabel(MoxTr::tr("未加密连接"), this);
    plainHttpMark_->setToolTip(QStringLiteral("与服务器之间是明文http连接，密码和会话可能被网络上的他人看到。"
                                              "服务器支持时请以 https:// 地址登录"));
    plainHttpMark_->setStyleSheet(QStringLiteral("color: #b00000; padding: 0 8px;"));
    plainHttpMark_->hide();
    BuildToolbar();
    BuildNavigation();

    auto* band = new QHBoxLayout;
    band->setSpacing(0);
    band->addWidget(toolbar_, 1);
    band->addWidget(infoStrip_);
    auto* body = new QHBoxLayout;
    body->setSpacing(0);
    body->addWidget(navigation_);
    body->addWidget(views_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(band);
    layout->addLayout(body, 1);
    auto* statusRow = new QHBoxLayout;
    statusRow->setSpacing(0);
    statusRow->addWidget(statusBar_, 1);
    statusRow->addWidget(plainHttpMark_);
    layout->addLayout(statusRow);
    infoStrip_->setFixedHeight(CMoxToolbar::kHeight);
    resize(1000, 660);

    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [this] { RunCommand(eCmd_Help); });

    realtimeTimer_ = new QTimer(this);
    realtimeTimer_->setInterval(kRealtimePeriodMs);
    connect(realtimeTimer_, &QTimer::timeout, this, &CMoxCacheAdminDlg::OnRealtimeTick);

    // Before the server instance exists, so this window hears every event ahead of it.
    CZebEventManager::Instance()->Register(this);
}

CMoxCacheAdminDlg::~CMoxCacheAdminDlg()
{
    if (CZebEventManager* manager = CZebEventManager::Existing())
        manager->Unregister(this);
}

void CMoxCacheAdminDlg::BuildToolbar()
{
    for (const ToolbarEntry& entry : VisibleToolbar(Options())) {
        const QString text = MoxTr::tr(entry.text);
        const int index = toolbar_->AddItem(text, text, entry.iconIndex, entry.width);
        toolbar_->SetItemCommandId(index, entry.commandId);
    }
}

void CMoxCacheAdminDlg::BuildNavigation()
{
    for (const NavigationEntry& entry : VisibleNavigation(Options())) {
        const int index = navigation_->AddItem(MoxTr::tr(entry.text), entry.iconIndex);
        navigation_->SetItemCommandId(index, entry.commandId);
        unbuiltPages_.push_back(entry);
    }
    if (navigation_->GetItemCount() == 0)
        return;
    navigation_->SetCurrentItem(0);
    views_->setCurrentWidget(View(unbuiltPages_.front().commandId));
    for (const NavigationEntry& entry : std::vector(unbuiltPages_))
        if (ShapesWindow(entry.commandId))
            View(entry.commandId);
}

CMoxContentView* CMoxCacheAdminDlg::BuildPage(const NavigationEntry& entry)
{
    CMoxContentView* view = MakeContentView(entry, views_);
    // Assistive technology finds the page by the title of the item that shows it.
    view->setAccessibleName(MoxTr::tr(entry.text));
    views_->addWidget(view);
    viewsById_[entry.commandId] = view;
    return view;
}

// A page not built yet, else the parts a built page left for later; false when all is built.
bool CMoxCacheAdminDlg::BuildNextPart()
{
    if (!unbuiltPages_.empty())
        return View(unbuiltPages_.front().commandId) != nullptr;
    return std::ranges::any_of(viewsById_, [](const auto& view) { return view.second->BuildLaterParts(); });
}

// Every page hears the events of a login from its start, so none may be missing once one is sent.
void CMoxCacheAdminDlg::BuildRemainingPages()
{
    while (BuildNextPart()) {
    }
}

// One part per turn of the event loop, so the login view answers the operator meanwhile.
void CMoxCacheAdminDlg::BuildNextPartLater()
{
    QTimer::singleShot(0, this, [this] {
        if (BuildNextPart())
            BuildNextPartLater();
    });
}

CMoxContentView* CMoxCacheAdminDlg::View(int commandId)
{
    if (const auto built = viewsById_.find(commandId); built != viewsById_.end())
        return built->second;
    const auto unbuilt = std::ranges::find(unbuiltPages_, commandId, &NavigationEntry::commandId);
    if (unbuilt == unbuiltPages_.end())
        return nullptr;
    const NavigationEntry entry = *unbuilt;
    unbuiltPages_.erase(unbuilt);
    return BuildPage(entry);
}

CMoxContentView* CMoxCacheAdminDlg::CurrentView() const
{
    return static_cast<CMoxContentView*>(views_->currentWidget());
}

CMoxLoginDlg* CMoxCacheAdminDlg::LoginDialog() const
{
    return loginDlg_;
}

CModifyPwdDlg* CMoxCacheAdminDlg::ChangePasswordDialog() const
{
    return changePasswordDlg_;
}

CMoxAboutDlg* CMoxCacheAdminDlg::AboutDialog() const
{
    return aboutDlg_;
}

CToolsDlg* CMoxCacheAdminDlg::ToolsWindow() const
{
    return toolsDlg_;
}

void CMoxCacheAdminDlg::OnExecuteCmd(int controlId, int code, unsigned long, unsigned long)
{
    if (code != IExecuteCmdCallback::kItemChosen)
        return;
    if (controlId == kToolbarId) {
        if (const _MoxToolbarItem_* item = toolbar_->GetItem(toolbar_->GetCurrentItem()))
            RunCommand(item->commandId);
    } else if (controlId == kNavigatId) {
        if (const _NavigatTreeItem_* item = navigation_->GetItem(navigation_->GetCurrentItem()))
            ShowView(item->commandId);
    }
}

void CMoxCacheAdminDlg::RunCommand(int commandId)
{
    switch (commandId) {
    case eCmd_Login:
        OnPopLoginDlg();
        break;
    case eCmd_WebAdmin:
        OpenWebAdmin();
        break;
    case eCmd_ChangePassword:
        OpenChangePassword();
        break;
    case eCmd_About:
        OpenAbout();
        break;
    case eCmd_Help:
        OpenHelp();
        break;
    case eCmd_Quit:
        close();
        break;
    case eCmd_Tools:
        OpenTools();
        break;
    default:
        break;
    }
}

void CMoxCacheAdminDlg::ShowView(int commandId)
{
    if (commandId == eView_SystemToo)
        commandId = eView_System;
    CMoxContentView* view = View(commandId);
    if (!view)
        return;
    views_->setCurrentWidget(view);
    for (int index = 0; index < navigation_->GetItemCount(); ++index)
        if (navigation_->GetItem(index)->commandId == commandId)
            navigation_->SetCurrentItem(index);
    view->OnChosen();
}

void CMoxCacheAdminDlg::OnPopLoginDlg()
{
    OpenModal(loginDlg_, [this] {
        auto* login = new CMoxLoginDlg(this);
        connect(login, &CMoxLoginDlg::LoginAboutToStart, this, &CMoxCacheAdminDlg::BuildRemainingPages);
        return login;
    });
    // Nothing the operator waits for needs the window's icon: it is read once the login view is up.
    if (windowIcon().isNull())
        QTimer::singleShot(0, this, &CMoxCacheAdminDlg::ShowSkinIcon);
    BuildNextPartLater();
}

void CMoxCacheAdminDlg::ShowSkinIcon()
{
    const QPixmap& icon = CSkinImageCache::Image(SkinImages::kApplicationIcon);
    if (!icon.isNull())
        setWindowIcon(icon);
}

void CMoxCacheAdminDlg::OnReLogin()
{
    const CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance();
    if (instance)
        MoxLogin(instance->Host(), instance->Role(), instance->Password(), 1);
}

void CMoxCacheAdminDlg::OnSessionTimeout()
{
    IUserInteraction::Current().Inform(this, MoxTr::tr("提示"), MoxTr::tr("会话已超时，请重新登录服务器。"));
}

void CMoxCacheAdminDlg::OpenWebAdmin()
{
    CMoxInstanceManager* manager = CMoxInstanceManager::GetInstanceManager();
    // Without a session the page could only say so; the status bar says it at once.
    if (manager->CheckSession() != 0)
        return;
    const CMoxCacheInstance* instance = manager->GetInstance();
    const std::string url = WebAdminUrl(instance->Host(), instance->SessionId(), instance->UserType(),
                                        instance->Version(), instance->VersionExt());
    IUserInteraction::Current().OpenUrl(QUrl::fromEncoded(QByteArray::fromStdString(url), QUrl::StrictMode));
}

// The page of the view in front; the overview when no view is shown.
void CMoxCacheAdminDlg::OpenHelp()
{
    const _NavigatTreeItem_* item = navigation_->GetItem(navigation_->GetCurrentItem());
    const std::string url = item ? ViewHelpUrl(item->commandId) : ConsoleHelpUrl();
    IUserInteraction::Current().OpenUrl(QUrl(QString::fromStdString(url)));
}

void CMoxCacheAdminDlg::OpenChangePassword()
{
    OpenModal(changePasswordDlg_, [this] { return new CModifyPwdDlg(this); });
}

void CMoxCacheAdminDlg::OpenAbout()
{
    const CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance();
    const QString serverVersion = instance ? QString::fromStdString(instance->Version()) : QString();
    const bool oem = Options().IsGuiSwitchOn(CIniOptionFile::GuiSwitch::IsOem);
    OpenModal(aboutDlg_, [&] { return new CMoxAboutDlg(serverVersion, oem, this); });
}

// One tools window, not modal: the operator keeps it open beside the pages.
void CMoxCacheAdminDlg::OpenTools()
{
    if (!toolsDlg_) {
        toolsDlg_ = new CToolsDlg(this);
        toolsDlg_->setAttribute(Qt::WA_DeleteOnClose);
    }
    toolsDlg_->show();
    toolsDlg_->raise();
    toolsDlg_->activateWindow();
}

void CMoxCacheAdminDlg::closeEvent(QCloseEvent* event)
{
    if (IUserInteraction::Current().Confirm(this, MoxTr::tr("退出"),
                                            MoxTr::tr("您确定要退出 %1吗？").arg(DisplayName())))
        event->accept();
    else
        event->ignore();
}
