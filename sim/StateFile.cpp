#include "StateFile.h"

#include "StateJson.h"

#include <json/reader.h>
#include <json/writer.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace morvix::sim {

StateFile::StateFile(std::string path) : path_(std::move(path)) {}

std::optional<Json::Value> StateFile::read() const
{
    std::ifstream file(path_, std::ios::binary);
    if (!file) {
        if (errno == ENOENT)
            return std::nullopt;
        throw StateFormatError("cannot read " + path_ + ": " + std::strerror(errno));
    }
    std::stringstream content;
    content << file.rdbuf();
    Json::CharReaderBuilder builder;
    builder["collectComments"] = false;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    const std::string text = content.str();
    Json::Value document;
    std::string errors;
    bool parsed = false;
    try {
        parsed = reader->parse(text.data(), text.data() + text.size(), &document, &errors);
    } catch (const Json::Exception& error) {
        // The reader throws on nesting beyond its depth limit; that too is a damaged file.
        errors = error.what();
    }
    if (!parsed)
        throw StateFormatError(path_ + " is not valid JSON: " + errors);
    if (!document.isObject() || !document.isMember("morvix-sim-state"))
        throw StateFormatError(path_ + " is not a morvix-sim state file");
    return document;
}

void StateFile::write(const Json::Value& document) const
{
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    builder["emitUTF8"] = true;
    const std::string text = Json::writeString(builder, document);

    const std::string temporary = path_ + ".tmp";
    const int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (descriptor < 0)
        throw std::runtime_error("cannot write " + temporary + ": " + std::strerror(errno));
    size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(descriptor, text.data() + written, text.size() - written);
        if (n < 0) {
            const std::string reason = std::strerror(errno);
            ::close(descriptor);
            throw std::runtime_error("cannot write " + temporary + ": " + reason);
        }
        written += static_cast<size_t>(n);
    }
    ::fsync(descriptor);
    ::close(descriptor);
    if (std::rename(temporary.c_str(), path_.c_str()) != 0)
        throw std::runtime_error("cannot replace " + path_ + ": " + std::strerror(errno));
}

}  // namespace morvix::sim
