#pragma once

#include <QTemporaryDir>

#include <string>
#include <sys/types.h>

// A session bus of the test process's own with an unlocked gnome-keyring serving the Secret
// Service on it, as a desktop session has: dbus-run-session runs gnome-keyring-daemon, which reads
// the keyring's password from its standard input. The process keeps the bus for its lifetime
// (the desktop libraries connect to it once), so the session starts at most once and stops when
// the tests end. Its keyring lives in the process's $XDG_DATA_HOME, which the fixtures point at a
// scratch folder.
class SecretServiceSession {
public:
    // Started, or why not: empty once a Secret Service answers on the bus.
    static std::string Start();
    static void Stop();

private:
    SecretServiceSession() = default;
    std::string Launch();

    QTemporaryDir runtimeDirectory_;
    pid_t session_ = -1;
};
