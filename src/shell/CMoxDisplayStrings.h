#pragma once

#include <filesystem>
#include <string>

#include "shell/MoxText.h"

// The product name and labels an installation may change in Application/data/String.ini without
// a rebuild. Loaded once; read-only afterwards, so any thread may read them. The labels are
// translated by their text when read: a label the installation kept is the shipped Chinese and has
// its entry in the catalogue; one it changed has none and is shown as written.
class CMoxDisplayStrings {
public:
    // The process-wide strings, loaded from the file beside the program on first use.
    static const CMoxDisplayStrings& Instance();

    // Every key that the file lacks keeps its default; a missing file gives all defaults.
    explicit CMoxDisplayStrings(const std::filesystem::path& file);

    std::string Name() const { return MoxText::tr(name_); }
    const std::string& ProductName() const { return productName_; }
    const std::string& AboutUrl() const { return aboutUrl_; }
    const std::string& AboutCopyright() const { return aboutCopyright_; }
    std::string HitAverage() const { return MoxText::tr(hitAverage_); }
    std::string HitCurrent() const { return MoxText::tr(hitCurrent_); }
    std::string BandwidthExternal() const { return MoxText::tr(bandwidthExternal_); }
    std::string BandwidthInternal() const { return MoxText::tr(bandwidthInternal_); }
    std::string ConnectionsExternal() const { return MoxText::tr(connectionsExternal_); }
    std::string ConnectionsInternal() const { return MoxText::tr(connectionsInternal_); }
    std::string MemoryCacheSize() const { return MoxText::tr(memoryCacheSize_); }
    std::string MemoryCacheCount() const { return MoxText::tr(memoryCacheCount_); }
    std::string DirectoryExample() const { return MoxText::tr(directoryExample_); }
    std::string DirectoryExampleLinux() const { return MoxText::tr(directoryExampleLinux_); }

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
