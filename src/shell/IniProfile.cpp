#include "shell/IniProfile.h"

#include "shell/AppPaths.h"
#include "shell/AtomicFile.h"
#include "shell/IniLineEditor.h"
#include "shell/IniText.h"

#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <unistd.h>

namespace {

enum class FileState { Missing, Read, Unreadable };

FileState ReadWholeFile(const std::filesystem::path& file, std::string& text)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? FileState::Missing : FileState::Unreadable;
    text.clear();
    char chunk[16384];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            ::close(fd);
            return FileState::Unreadable;
        }
        if (got == 0)
            break;
        text.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return FileState::Read;
}

// Unreadable and missing files read as empty: every key takes its default.
std::string ReadableText(const std::filesystem::path& file)
{
    std::string text;
    if (ReadWholeFile(file, text) != FileState::Read)
        text.clear();
    return text;
}

// Serialises read-modify-write cycles of the process, so two writers never drop each other's key.
std::mutex writeLock;

}  // namespace

IniProfile::IniProfile(std::filesystem::path file) : file_(std::move(file)) {}

IniProfile::IniProfile(std::filesystem::path file, std::filesystem::path defaults)
    : file_(std::move(file)), defaults_(std::move(defaults))
{
}

std::string IniProfile::ReadString(std::string_view section, std::string_view key, std::string_view fallback,
                                   std::size_t bufferCharacters) const
{
    const IniText own(ReadableText(file_));
    if (defaults_.empty() || own.Value(section, key))
        return own.ReadString(section, key, fallback, bufferCharacters);
    return IniText(ReadableText(defaults_)).ReadString(section, key, fallback, bufferCharacters);
}

bool IniProfile::WriteString(std::string_view section, std::string_view key, std::string_view value) const
{
    return WriteStrings(section, {{key, value}});
}

bool IniProfile::WriteStrings(std::string_view section, std::initializer_list<Entry> entries) const
{
    if (file_.empty() || !IniLineEditor::IsStorableSection(section))
        return false;
    for (const Entry& entry : entries) {
        if (!IniLineEditor::IsStorableKey(entry.key) || !IniLineEditor::IsStorableValue(entry.value))
            return false;
    }

    if (!defaults_.empty() && !AppPaths::CreateOwnerOnlyDirectories(file_.parent_path()))
        return false;

    std::lock_guard guard(writeLock);
    std::string text;
    if (ReadWholeFile(file_, text) == FileState::Unreadable)
        return false;
    IniLineEditor editor(std::move(text));
    for (const Entry& entry : entries)
        editor.SetValue(section, entry.key, entry.value);

    // A file the reader cannot follow (a stray NUL byte, say) would take the new values out of
    // sight; leave such a file alone rather than write values that could never be read back.
    const IniText check(editor.Text());
    for (const Entry& entry : entries) {
        if (check.Value(section, entry.key) != entry.value)
            return false;
    }
    return WriteFileAtomically(file_, editor.Text());
}
