#pragma once

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

namespace morvix::fuzz {

// One file in the temporary folder for the parsers that read a path, rewritten for every input.
class ScratchFile {
public:
    explicit ScratchFile(std::string_view name)
        : path_("/tmp/morvix-fuzz-" + std::to_string(::getpid()) + "-" + std::string(name))
    {
    }
    ~ScratchFile() { std::remove(path_.c_str()); }

    const std::string& Write(std::string_view bytes) const
    {
        std::ofstream(path_, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path_;
    }

private:
    std::string path_;
};

}  // namespace morvix::fuzz
