#include "Accounts.h"

#include "AdminError.h"
#include "CommandTable.h"
#include "RuntimeSettings.h"
#include "StateJson.h"
#include "WallClock.h"

#include <optional>

namespace morvix::sim {

namespace {

std::optional<Role> roleNamed(std::string_view user)
{
    if (user == "admin")
        return Role::Admin;
    if (user == "keeper")
        return Role::Keeper;
    return std::nullopt;
}

}  // namespace

Accounts::Accounts(SessionStore& sessions, const RuntimeSettings& settings, std::string adminPassword,
                   std::string keeperPassword)
    : sessions_(sessions),
      settings_(settings),
      initialAdminPassword_(std::move(adminPassword)),
      initialKeeperPassword_(std::move(keeperPassword)),
      startTime_(nowText())
{
    seed();
}

const char* Accounts::userName(Role role)
{
    return role == Role::Admin ? "admin" : "keeper";
}

void Accounts::setPassword(Role role, std::string password)
{
    account(role).password = std::move(password);
}

const std::string& Accounts::password(Role role) const
{
    return account(role).password;
}

void Accounts::registerCommands(CommandTable& table)
{
    table.add("sign", "in", Access::Public, [this](const FormFields& fields) {
        const auto role = roleNamed(fields.text("Username"));
        if (!role || fields.text("Password") != account(*role).password)
            throw AdminError(WrongLogin);
        Account& signedIn = account(*role);
        const std::string previous = signedIn.lastLogin.empty() ? startTime_ : signedIn.lastLogin;
        signedIn.lastLogin = nowText();
        return Reply::accepted()
            .set("SessionID", sessions_.open(*role))
            .set("UserType", userName(*role))
            .set("LastLoginTime", previous)
            .set("Version", settings_.version())
            .set("VersionExt", settings_.versionExt());
    });
    table.add("user", "passwd", Access::Change, [this](const FormFields& fields) {
        const auto role = roleNamed(fields.text("Username"));
        if (!role)
            throw AdminError(BadField, "unknown account");
        setPassword(*role, fields.text("Password", 64, true));
        return Reply::accepted();
    });
}

void Accounts::seed()
{
    admin_ = Account{initialAdminPassword_, {}};
    keeper_ = Account{initialKeeperPassword_, {}};
}

Json::Value Accounts::save() const
{
    Json::Value document(Json::objectValue);
    for (Role role : {Role::Admin, Role::Keeper}) {
        Json::Value entry(Json::objectValue);
        entry["password"] = account(role).password;
        entry["lastLogin"] = account(role).lastLogin;
        document[userName(role)] = std::move(entry);
    }
    return document;
}

void Accounts::load(const Json::Value& document)
{
    Account loadedAdmin, loadedKeeper;
    for (Role role : {Role::Admin, Role::Keeper}) {
        const Json::Value& entry = requireMember(document, userName(role), Json::objectValue);
        Account& target = role == Role::Admin ? loadedAdmin : loadedKeeper;
        target.password = requireText(entry, "password");
        target.lastLogin = requireText(entry, "lastLogin");
    }
    admin_ = std::move(loadedAdmin);
    keeper_ = std::move(loadedKeeper);
}

}  // namespace morvix::sim
