#pragma once

#include "shell/CIniOptionFile.h"

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>

class CMoxCacheInstance;

// Owns the one server instance and the console's local data directory.
class CMoxInstanceManager {
public:
    static CMoxInstanceManager* GetInstanceManager();

    // Every login attempt: reuses the instance, replacing host, password and role. `attempt` receives
    // the session generation the attempt begins.
    CMoxCacheInstance* CreateInstance(const std::string& password, const std::string& host, int role,
                                      unsigned long* attempt = nullptr);
    CMoxCacheInstance* GetInstance() const;

    // 0 when a session is alive; otherwise posts the not-connected text and returns 1.
    int CheckSession() const;

    // A successful login reads the system options and the realtime figures, which the window's
    // views start from. A program that sends only what it is asked for switches that off.
    void SetReadsAfterLogin(bool reads) { readsAfterLogin_ = reads; }
    bool ReadsAfterLogin() const { return readsAfterLogin_; }

    const std::filesystem::path& DataDir() const { return dataDir_; }
    CIniOptionFile& Options() { return options_; }
    std::int64_t StartTime() const { return startTime_; }

private:
    CMoxInstanceManager();

    mutable std::mutex lock_;
    std::unique_ptr<CMoxCacheInstance> instance_;
    CIniOptionFile options_;
    std::filesystem::path dataDir_;
    std::int64_t startTime_ = 0;
    std::atomic<bool> readsAfterLogin_ = true;
};
