#include "shell/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include "shell/MoxText.h"

namespace {

std::atomic<unsigned> temporaryCounter{0};

bool WriteAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::size_t NameLimit(const std::filesystem::path& directory)
{
    const long limit = ::pathconf(directory.empty() ? "." : directory.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : NAME_MAX;
}

// The target's name shortened, never inside a UTF-8 character, so that the temporary name fits
// the folder's limit however long the target's own name is.
std::string NamePrefix(const std::string& name, std::size_t room)
{
    if (name.size() <= room)
        return name;
    std::size_t end = room;
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80)
        --end;
    return name.substr(0, end);
}

// Opens a fresh temporary file beside the target; the process umask applies to its mode, as it
// would to a file created directly.
int CreateTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& temporary)
{
    const std::size_t limit = NameLimit(target.parent_path());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string tail =
            ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(temporaryCounter.fetch_add(1));
        const std::size_t room = limit > tail.size() + 1 ? limit - tail.size() - 1 : 0;
        temporary = target.parent_path() / ("." + NamePrefix(target.filename().string(), room) + tail);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

void SyncDirectory(const std::filesystem::path& directory)
{
    const int fd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

bool Fail(std::string* reason, std::string text)
{
    if (reason)
        *reason = std::move(text);
    return false;
}

bool FailWithErrno(std::string* reason, int error)
{
    return Fail(reason, std::strerror(error));
}

bool WriteInPlace(const std::filesystem::path& target, std::string_view content, std::string* reason)
{
    const int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return FailWithErrno(reason, errno);
    const bool ok = WriteAll(fd, content) && ::fsync(fd) == 0;
    const int error = errno;
    return ::close(fd) == 0 && ok ? true : FailWithErrno(reason, ok ? errno : error);
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& file, std::string_view content, std::string* reason)
{
    std::error_code error;
    std::filesystem::path target = file;
    if (std::filesystem::is_symlink(file, error)) {
        target = std::filesystem::canonical(file, error);
        if (error)
            return Fail(reason, error.message());
    }

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT)
        return FailWithErrno(reason, errno);
    if (exists && !S_ISREG(existing.st_mode))
        return Fail(reason, S_ISDIR(existing.st_mode) ? std::strerror(EISDIR) : MoxText::tr("不是普通文件，没有替换"));
    // Opening for writing is what creating or truncating would need; without it the file stays.
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return FailWithErrno(reason, errno);

    // A file of another owner that we may write to keeps its owner only when written in place:
    // a new file renamed over it would be ours, and only the superuser may hand it over.
    if (exists && existing.st_uid != ::geteuid() && ::geteuid() != 0)
        return WriteInPlace(target, content, reason);

    std::filesystem::path temporary;
    const int fd = CreateTemporaryBeside(target, temporary);
    if (fd < 0)
        return FailWithErrno(reason, errno);

    if (exists)
        (void)!::fchown(fd, existing.st_uid, existing.st_gid);  // the group, where we may not keep it, is ours
    bool ok = !exists || ::fchmod(fd, existing.st_mode & 07777) == 0;
    ok = ok && WriteAll(fd, content) && ::fsync(fd) == 0;
    int lastError = ok ? 0 : errno;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        lastError = lastError != 0 ? lastError : errno;
        ::unlink(temporary.c_str());
        return FailWithErrno(reason, lastError);
    }
    SyncDirectory(target.parent_path());
    return true;
}
