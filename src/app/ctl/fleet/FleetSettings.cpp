#include "FleetSettings.h"

#include "CtlPassword.h"

#include <algorithm>

bool PlanFleetServers(const CtlOptions& options, const std::vector<FleetServer>& servers, FleetPlan& plan)
{
    plan.parallel = options.parallel;
    plan.timeLimit = std::chrono::seconds(options.timeLimitSeconds);
    const bool ownPasswords = std::all_of(servers.begin(), servers.end(),
                                          [](const FleetServer& server) { return server.settings.password; });
    if (!ownPasswords) {
        const std::optional<std::string> password = ResolveCtlPassword(
            options.password, "Password for " + options.role + " on " + std::to_string(servers.size()) + " servers: ");
        if (!password)
            return false;
        plan.environment = {"MORVIX_PASSWORD=" + *password};
    }
    for (const FleetServer& server : servers) {
        const std::string name = server.address.Text();
        plan.servers.push_back(name);
        const ServerSettings& own = server.settings;
        FleetServerPlan& planned = plan.perServer[name];
        planned.role = own.role.value_or(options.role);
        planned.timeLimit = std::chrono::seconds(own.timeLimitSeconds.value_or(options.timeLimitSeconds));
        if (own.password) {
            const auto password = ReadSettingPassword(*own.password, server.address.HostPort(), planned.role);
            if (!password)
                return false;
            planned.environment = {"MORVIX_PASSWORD=" + *password};
        }
    }
    return true;
}

const std::string& RoleOf(const FleetPlan& plan, const std::string& server, const CtlOptions& options)
{
    const auto own = plan.perServer.find(server);
    return own == plan.perServer.end() ? options.role : own->second.role;
}
