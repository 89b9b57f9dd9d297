#pragma once

#include <filesystem>
#include <string_view>

// Replaces a file's content so that a crash or a full disk leaves either the old file or the new
// one, never a half-written mix: the content goes to a temporary file in the same directory,
// reaches the disk, and is then renamed over the target. An existing file keeps its permission
// bits; a symbolic link keeps pointing at the file it names, which is the one replaced.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view content);
