#pragma once

#include "shell/ISavedPasswordStore.h"

#include <functional>

namespace QKeychain {
class Job;
}

// Saved passwords in the desktop's Secret Service through QtKeychain: one entry of the service
// "morvix-console" per server address and role, named like "admin@10.0.0.5:6780".
class KeyringPasswordStore : public ISavedPasswordStore {
public:
    // True while a Secret Service is on the session bus. One that would only be started on demand
    // does not count: starting it could ask for a keyring password nobody is there to type.
    static bool SecretServiceRuns();

    std::optional<std::string> Read(const std::string& host, int role) override;
    bool Write(const std::string& host, int role, const std::string& password) override;
    void Forget(const std::string& host, int role) override;

private:
    // Starts the job and waits for its end in a local event loop, so the window keeps painting;
    // false when it failed or gave no answer in time.
    static bool Finish(QKeychain::Job* job, const std::function<void(QKeychain::Job&)>& onFinished = {});
};
