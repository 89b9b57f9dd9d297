#pragma once

#include "StateFamily.h"

#include <array>
#include <string>

namespace morvix::sim {

class CommandTable;
class FormFields;
class Reply;

// The fourteen disk-cache areas: a directory, in use or paused, and the state the server reports.
class DiskCache : public StateFamily {
public:
    static constexpr int areaCount = 14;

    std::string name() const override { return "diskcache"; }
    void registerCommands(CommandTable& table) override;
    void seed() override;
    Json::Value save() const override;
    void load(const Json::Value& document) override;

    // Number of areas in use, for the realtime figures.
    int areasInUse() const;

    Reply list(int onlyArea = 0) const;
    Reply set(const FormFields& fields);

private:
    enum Status { Stopped = 0, InUse = 1, FullCleaning = 2, FullWaiting = 3 };
    struct Area {
        std::string path;
        int enable = 0;
        int status = Stopped;
        std::string note;
    };

    std::array<Area, areaCount> areas_;
};

}  // namespace morvix::sim
