#include "shell/AppPaths.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t kOwnerOnly = 0700;

std::filesystem::path HomeDirectory()
{
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr)
        return entry->pw_dir;
    return std::filesystem::temp_directory_path();
}

// A relative value is ignored, as the XDG rules require.
std::filesystem::path XdgBase(const char* variable, const std::filesystem::path& underHome)
{
    if (const char* base = std::getenv(variable); base != nullptr && base[0] == '/')
        return base;
    return HomeDirectory() / underHome;
}

bool NarrowToOwner(const std::filesystem::path& directory)
{
    struct stat info {};
    if (::stat(directory.c_str(), &info) != 0)
        return false;
    if ((info.st_mode & 07777) == kOwnerOnly)
        return true;
    return ::chmod(directory.c_str(), kOwnerOnly) == 0;
}

}  // namespace

namespace AppPaths {

std::filesystem::path ExecutableDirectory()
{
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::filesystem::current_path(error);
    return executable.parent_path();
}

std::filesystem::path BesideOrInstalled(const std::filesystem::path& executableDirectory,
                                        const std::filesystem::path& beside, const std::filesystem::path& installed)
{
    const std::filesystem::path besideDirectory = executableDirectory / beside;
    const std::filesystem::path installedDirectory = executableDirectory.parent_path() / installed;
    std::error_code error;
    if (!std::filesystem::is_directory(besideDirectory, error) &&
        std::filesystem::is_directory(installedDirectory, error))
        return installedDirectory;
    return besideDirectory;
}

std::filesystem::path ApplicationDirectory()
{
    return BesideOrInstalled(ExecutableDirectory(), "Application", "share/morvix/Application");
}

std::filesystem::path HelpDirectory()
{
    return BesideOrInstalled(ExecutableDirectory(), "help", "share/doc/morvix/help");
}

std::filesystem::path ApplicationDataFile(std::string_view name)
{
    const std::filesystem::path file(name);
    if (file.is_absolute())
        return file;
    return ApplicationDirectory() / "data" / file;
}

std::filesystem::path UserDataDirectory()
{
    return XdgBase("XDG_DATA_HOME", std::filesystem::path(".local") / "share") / "morvix" / "MorvixAdmin";
}

std::filesystem::path UserConfigDirectory()
{
    return XdgBase("XDG_CONFIG_HOME", ".config") / "morvix";
}

std::filesystem::path LoginHistoryDirectory()
{
    return UserDataDirectory() / "LoginHistory";
}

bool CreateOwnerOnlyDirectories(const std::filesystem::path& directory)
{
    std::filesystem::path partial;
    for (const auto& part : directory) {
        partial /= part;
        if (::mkdir(partial.c_str(), kOwnerOnly) != 0 && errno != EEXIST)
            return false;
    }
    std::error_code error;
    return std::filesystem::is_directory(directory, error);
}

bool CreateUserDataDirectories()
{
    const std::filesystem::path data = UserDataDirectory();
    const std::filesystem::path history = LoginHistoryDirectory();
    return CreateOwnerOnlyDirectories(history) && NarrowToOwner(data) && NarrowToOwner(history);
}

}  // namespace AppPaths
