#pragma once

#include <filesystem>
#include <string>

// The product name and labels an installation may change in Application/data/String.ini without
// a rebuild. Loaded once; read-only afterwards, so any thread may read them.
class CMoxDisplayStrings {
public:
    // The process-wide strings, loaded from the file beside the program on first use.
    static const CMoxDisplayStrings& Instance();

    // Every key that the file lacks keeps its default; a missing file gives all defaults.
    explicit CMoxDisplayStrings(const std::filesystem::path& file);

    const std::string& Name() const { return name_; }
    const std::string& ProductName() const { return productName_; }
    const std::string& AboutUrl() const { return aboutUrl_; }
    const std::string& AboutCopyright() const { return aboutCopyright_; }
    const std::string& HitAverage() const { return hitAverage_; }
    const std::string& HitCurrent() const { return hitCurrent_; }
    const std::string& BandwidthExternal() const { return bandwidthExternal_; }
    const std::string& BandwidthInternal() const { return bandwidthInternal_; }
    const std::string& ConnectionsExternal() const { return connectionsExternal_; }
    const std::string& ConnectionsInternal() const { return connectionsInternal_; }
    const std::string& MemoryCacheSize() const { return memoryCacheSize_; }
    const std::string& MemoryCacheCount() const { return memoryCacheCount_; }
    const std::string& DirectoryExample() const { return directoryExample_; }
    const std::string& DirectoryExampleLinux() const { return directoryExampleLinux_; }

private:
    struct Key;
    static const Key kKeys[];

    std::string name_;
    std::string productName_;
    std::string aboutUrl_;
    std::string aboutCopyright_;
    std::string hitAverage_;
    std::string hitCurrent_;
    std::string bandwidthExternal_;
    std::string bandwidthInternal_;
    std::string connectionsExternal_;
    std::string connectionsInternal_;
    std::string memoryCacheSize_;
    std::string memoryCacheCount_;
    std::string directoryExample_;
    std::string directoryExampleLinux_;
};
