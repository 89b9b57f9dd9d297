#pragma once

#include <filesystem>
#include <string_view>

// Where the console's files live: the shipped data beside the executable, only read; the operator's
// own data (login history, client filters) in a per-user directory that only its owner may enter;
// and the settings the operator changed in a per-user configuration directory.
namespace AppPaths {

// The directory of /proc/self/exe; the working directory if the link cannot be read.
std::filesystem::path ExecutableDirectory();

// The shipped data: Application/ beside the executable (the build tree, a portable copy), else the
// installed <prefix>/share/morvix/Application seen from <prefix>/bin. Beside the executable when
// neither exists, so that a missing file is reported where the build tree keeps it.
std::filesystem::path ApplicationDirectory();

// The shipped help pages: help/ beside the executable, else the installed <prefix>/share/doc/morvix/help.
std::filesystem::path HelpDirectory();

// <executable directory>/<beside> when it is a directory, else <executable directory>/../<installed>
// when that one is; beside when neither is.
std::filesystem::path BesideOrInstalled(const std::filesystem::path& executableDirectory,
                                        const std::filesystem::path& beside, const std::filesystem::path& installed);

// <application directory>/data/<name>; an absolute name is used unchanged.
std::filesystem::path ApplicationDataFile(std::string_view name);

// $XDG_DATA_HOME (default ~/.local/share) + /morvix/MorvixAdmin; a relative $XDG_DATA_HOME is
// ignored, as the XDG rules require.
std::filesystem::path UserDataDirectory();
std::filesystem::path LoginHistoryDirectory();

// $XDG_CONFIG_HOME (default ~/.config) + /morvix: the settings the operator changed, read over the
// shipped defaults, which an installed program may not write.
std::filesystem::path UserConfigDirectory();

// Creates each missing level of the directory owner-only (0700).
bool CreateOwnerOnlyDirectories(const std::filesystem::path& directory);

// Creates the user data directory and LoginHistory inside it, each missing level owner-only
// (0700), and narrows the two directories to 0700 if they already exist with wider access.
bool CreateUserDataDirectories();

}  // namespace AppPaths
