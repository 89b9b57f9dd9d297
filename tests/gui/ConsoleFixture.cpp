#include "gui/ConsoleFixture.h"

#include "app/console/CMoxCacheAdminDlg.h"
#include "controls/CStatusStatic.h"
#include "messaging/CMoxEndEvent.h"
#include "messaging/CMoxEventParam.h"
#include "messaging/CMoxStartEvent.h"
#include "messaging/CThreadRegistry.h"
#include "shell/CMoxCacheInstance.h"
#include "shell/CMoxInstanceManager.h"
#include "shell/view/CMoxLoginDlg.h"
#include "shell/view/CMoxLoginNormalDlg.h"
#include "support/WaitUntil.h"
#include "transport/CMoxHttpManager.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QComboBox>

#include <filesystem>

namespace {

// What the console's start-up provides before the main window exists: the thread registry and the
// start and end handlers that serve until the first login makes the server instance. The instance
// manager settles on its data directory when it is first made, so the scratch one is in place
// before any test runs and no test touches the real home.
class ConsoleStartUp : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_TRUE(directory_.isValid());
        // The process's own home: nothing the program writes reaches the operator's files.
        qputenv("XDG_DATA_HOME", directory_.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", directory_.filePath(QStringLiteral("config")).toLocal8Bit());
        qputenv("HOME", directory_.filePath(QStringLiteral("home")).toLocal8Bit());
        CThreadRegistry::Create();
        startHandler_ = std::make_unique<CMoxStartEvent>();
        endHandler_ = std::make_unique<CMoxEndEvent>();
    }

    void TearDown() override
    {
        endHandler_.reset();
        startHandler_.reset();
    }

private:
    QTemporaryDir directory_;
    std::unique_ptr<CMoxStartEvent> startHandler_;
    std::unique_ptr<CMoxEndEvent> endHandler_;
};

[[maybe_unused]] ::testing::Environment* const kConsoleStartUp = ::testing::AddGlobalTestEnvironment(new ConsoleStartUp);

}  // namespace

void ConsoleFixture::SetUp()
{
    ASSERT_TRUE(scratch.isValid());
    CMoxInstanceManager* manager = CMoxInstanceManager::GetInstanceManager();
    manager->Options().Init(scratch.filePath(QStringLiteral("shipped/MorvixAdmin.ini")).toStdString(),
                            scratch.filePath(QStringLiteral("config/morvix/MorvixAdmin.ini")).toStdString());
    std::filesystem::remove_all(manager->DataDir() / "LoginHistory");
    std::filesystem::create_directories(manager->DataDir() / "LoginHistory");
    // The one server instance outlives every window: each test starts without a session.
    if (CMoxCacheInstance* instance = manager->GetInstance())
        instance->SetConnected(false);
    sim = std::make_unique<morvix::test::SimProcess>();
    const std::string host = sim->host();
    WriteOptions("Login", {{"host", "127.0.0.1"}, {"port", host.substr(host.rfind(':') + 1)}});
    liveRecordsAtStart_ = CMoxEventParam::LiveCount();
}

void ConsoleFixture::TearDown()
{
    window.reset();
    // Replies still under way post their events; every record they carry must be released.
    EXPECT_TRUE(ProcessUntil([&] {
        return nsMoxHttp::CMoxHttpManager::Instance().RunningExchanges() == 0 &&
               CMoxEventParam::LiveCount() == liveRecordsAtStart_;
    })) << CMoxEventParam::LiveCount() - liveRecordsAtStart_ << " records never released";
    if (CMoxCacheInstance* instance = CMoxInstanceManager::GetInstanceManager()->GetInstance())
        instance->SetConnected(false);
    sim.reset();
}

void ConsoleFixture::WriteOptions(std::string_view section, std::initializer_list<IniProfile::Entry> entries)
{
    const CIniOptionFile& options = CMoxInstanceManager::GetInstanceManager()->Options();
    ASSERT_TRUE(IniProfile(options.UserFile(), options.ShippedFile()).WriteStrings(section, entries));
}

CMoxCacheAdminDlg& ConsoleFixture::OpenWindow()
{
    window = std::make_unique<CMoxCacheAdminDlg>();
    window->show();
    EXPECT_TRUE(ProcessUntil([&] { return window->LoginDialog() && window->LoginDialog()->isVisible(); }))
        << "the login view did not open";
    return *window;
}

CMoxLoginDlg& ConsoleFixture::LoginView()
{
    CMoxLoginDlg* view = window->LoginDialog();
    if (!view)
        throw std::runtime_error("no login view is open");
    return *view;
}

void ConsoleFixture::PressLogIn(const QString& password, int role)
{
    CMoxLoginNormalDlg* page = LoginView().Page();
    page->RoleField()->setCurrentIndex(page->RoleField()->findData(role));
    page->PasswordField()->setText(password);
    LoginView().LoginButton()->click();
}

void ConsoleFixture::LogIn(const QString& password, int role)
{
    PressLogIn(password, role);
    ASSERT_TRUE(ProcessUntil([&] { return window->windowTitle().startsWith(ServerTitle()); }))
        << "title: " << window->windowTitle().toStdString() << ", status: " << StatusText().toStdString();
}

bool ConsoleFixture::ProcessUntil(const std::function<bool()>& condition, int deadlineMs)
{
    return morvix::test::WaitUntil(
        [&] {
            QCoreApplication::processEvents();
            return condition();
        },
        std::chrono::milliseconds(deadlineMs));
}

QString ConsoleFixture::StatusText() const
{
    return window->StatusBar()->text();
}

QString ConsoleFixture::ServerTitle() const
{
    return QString::fromStdString(sim->host()) + QStringLiteral(" - ");
}
