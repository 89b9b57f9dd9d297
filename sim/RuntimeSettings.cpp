#include "RuntimeSettings.h"

namespace morvix::sim {

RuntimeSettings::RuntimeSettings(double streamRate, std::string version, std::string versionExt)
    : streamRate_(streamRate), version_(std::move(version)), versionExt_(std::move(versionExt))
{
}

double RuntimeSettings::streamRate() const
{
    std::lock_guard lock(mutex_);
    return streamRate_;
}

void RuntimeSettings::setStreamRate(double linesPerSecond)
{
    std::lock_guard lock(mutex_);
    streamRate_ = linesPerSecond;
}

std::string RuntimeSettings::version() const
{
    std::lock_guard lock(mutex_);
    return version_;
}

std::string RuntimeSettings::versionExt() const
{
    std::lock_guard lock(mutex_);
    return versionExt_;
}

void RuntimeSettings::setVersionExt(std::string text)
{
    std::lock_guard lock(mutex_);
    versionExt_ = std::move(text);
}

}  // namespace morvix::sim
