#pragma once

#include <mutex>
#include <string>

namespace morvix::sim {

// Settings that tests and demos may change while the server runs.
class RuntimeSettings {
public:
    RuntimeSettings(double streamRate, std::string version, std::string versionExt);

    // Lines per second of a live request stream; 0 means as fast as the connection takes them.
    double streamRate() const;
    void setStreamRate(double linesPerSecond);
    std::string version() const;
    std::string versionExt() const;
    void setVersionExt(std::string text);

private:
    mutable std::mutex mutex_;
    double streamRate_;
    std::string version_;
    std::string versionExt_;
};

}  // namespace morvix::sim
