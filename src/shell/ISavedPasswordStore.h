#pragma once

#include <optional>
#include <string>

// A place safer than the login-history files for the passwords an operator asked the console to
// remember: the desktop's keyring, one entry per server address and role. Without one installed
// the history keeps them enciphered in its own files. Every call has its answer when it returns.
class ISavedPasswordStore {
public:
    virtual ~ISavedPasswordStore() = default;

    // None when nothing is kept for the server and role, or when the store could not be read.
    virtual std::optional<std::string> Read(const std::string& host, int role) = 0;
    virtual bool Write(const std::string& host, int role, const std::string& password) = 0;
    virtual void Forget(const std::string& host, int role) = 0;

    // The store the program set up at start-up; null on a machine without one.
    static ISavedPasswordStore* Installed();
    static void Install(ISavedPasswordStore* store);
};
