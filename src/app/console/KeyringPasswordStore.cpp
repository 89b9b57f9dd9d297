#include "app/console/KeyringPasswordStore.h"

#include "shell/CMoxCacheInstance.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QEventLoop>
#include <QTimer>

#include <qt6keychain/keychain.h>

namespace {

const QString kService = QStringLiteral("morvix-console");
constexpr int kAnswerDeadlineMs = 15000;

QString EntryKey(const std::string& host, int role)
{
    return QString::fromLatin1(CMoxCacheInstance::UserName(role)) + QLatin1Char('@') + QString::fromStdString(host);
}

}  // namespace

bool KeyringPasswordStore::SecretServiceRuns()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || bus.interface() == nullptr)
        return false;
    const QDBusReply<bool> registered = bus.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.secrets"));
    return registered.isValid() && registered.value();
}

bool KeyringPasswordStore::Finish(QKeychain::Job* job, const std::function<void(QKeychain::Job&)>& onFinished)
{
    // The job deletes itself once it has finished, also after this wait gave up on it.
    job->setAutoDelete(true);
    bool succeeded = false;
    QEventLoop wait;
    QObject::connect(job, &QKeychain::Job::finished, &wait, [&](QKeychain::Job* finished) {
        succeeded = finished->error() == QKeychain::NoError;
        if (succeeded && onFinished)
            onFinished(*finished);
        wait.quit();
    });
    QTimer::singleShot(kAnswerDeadlineMs, &wait, &QEventLoop::quit);
    job->start();
    wait.exec();
    return succeeded;
}

std::optional<std::string> KeyringPasswordStore::Read(const std::string& host, int role)
{
    auto* job = new QKeychain::ReadPasswordJob(kService);
    job->setKey(EntryKey(host, role));
    std::optional<std::string> password;
    Finish(job, [&](QKeychain::Job& finished) {
        password = static_cast<QKeychain::ReadPasswordJob&>(finished).textData().toStdString();
    });
    return password;
}

bool KeyringPasswordStore::Write(const std::string& host, int role, const std::string& password)
{
    auto* job = new QKeychain::WritePasswordJob(kService);
    job->setKey(EntryKey(host, role));
    job->setTextData(QString::fromStdString(password));
    return Finish(job);
}

void KeyringPasswordStore::Forget(const std::string& host, int role)
{
    auto* job = new QKeychain::DeletePasswordJob(kService);
    job->setKey(EntryKey(host, role));
    Finish(job);
}
