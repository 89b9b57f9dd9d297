#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Replaces a file's content so that a crash or a full disk leaves either the old file or the new
// one, never a half-written mix: the content goes to a temporary file in the same directory,
// reaches the disk, and is then renamed over the target. An existing file keeps its permission
// bits, owner and group; a symbolic link keeps pointing at the file it names, which is the one
// replaced. The one file written in place instead is another user's that we may write to: renamed
// over, it would become ours.
//
// Only a regular file or a new name is written: a device or a pipe named as the target is left
// alone. A file the user could not open for writing (read-only, or another's without leave) is
// not replaced either, as truncating it would have failed. False, with the system's reason in
// *reason when given, when nothing was written.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view content, std::string* reason = nullptr);
