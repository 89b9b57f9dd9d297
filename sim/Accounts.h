#pragma once

#include "SessionStore.h"
#include "StateFamily.h"

#include <string>
#include <string_view>

namespace morvix::sim {

class RuntimeSettings;

// The two accounts ("admin" changes, "keeper" only reads) with their passwords, sign-in and
// the password change.
class Accounts : public StateFamily {
public:
    Accounts(SessionStore& sessions, const RuntimeSettings& settings, std::string adminPassword,
             std::string keeperPassword);

    std::string name() const override { return "accounts"; }
    void registerCommands(CommandTable& table) override;
    void seed() override;
    Json::Value save() const override;
    void load(const Json::Value& document) override;

    static const char* userName(Role role);
    void setPassword(Role role, std::string password);
    const std::string& password(Role role) const;

private:
    struct Account {
        std::string password;
        std::string lastLogin;
    };
    Account& account(Role role) { return role == Role::Admin ? admin_ : keeper_; }
    const Account& account(Role role) const { return role == Role::Admin ? admin_ : keeper_; }

    SessionStore& sessions_;
    const RuntimeSettings& settings_;
    std::string initialAdminPassword_;
    std::string initialKeeperPassword_;
    std::string startTime_;
    Account admin_;
    Account keeper_;
};

}  // namespace morvix::sim
