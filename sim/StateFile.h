#pragma once

#include <json/value.h>

#include <optional>
#include <string>

namespace morvix::sim {

// The file that keeps the server's state across restarts.
class StateFile {
public:
    explicit StateFile(std::string path);

    // Nothing when the file does not exist yet; throws StateFormatError when it is not a state
    // document, so that a damaged file is reported and never silently replaced.
    std::optional<Json::Value> read() const;
    // Writes a temporary file beside it and renames it over the old one, so that a crash leaves
    // either the old or the new state, never half of one. Throws std::runtime_error on failure.
    void write(const Json::Value& document) const;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace morvix::sim
