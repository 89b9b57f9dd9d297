#include "shell/ExchangeFileText.h"

#include "shell/AtomicFile.h"
#include "shell/Utf8Text.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <iconv.h>
#include <memory>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#include "shell/MoxText.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::optional<std::string> FromGb18030(std::string_view bytes)
{
    iconv_t converter = iconv_open("UTF-8", "GB18030");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::unique_ptr<void, int (*)(iconv_t)> closer(converter, iconv_close);
    std::string out(bytes.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* outNext = out.data();
    std::size_t outLeft = out.size();
    while (inLeft > 0) {
        if (iconv(converter, &in, &inLeft, &outNext, &outLeft) != static_cast<std::size_t>(-1))
            continue;
        if (errno != E2BIG)
            return std::nullopt;  // not GB18030 either: an ill-formed or cut sequence
        const std::size_t used = static_cast<std::size_t>(outNext - out.data());
        out.resize(out.size() * 2);
        outNext = out.data() + used;
        outLeft = out.size() - used;
    }
    out.resize(static_cast<std::size_t>(outNext - out.data()));
    return out;
}

std::string Mebibytes(std::uintmax_t bytes)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MiB", static_cast<double>(bytes) / (1 << 20));
    return text;
}

bool HasMarkAtALineStart(std::string_view text)
{
    return text.starts_with(kByteOrderMark) || text.find(std::string("\n") + std::string(kByteOrderMark)) !=
                                                       std::string_view::npos;
}

// UTF-8 text, the common case, is kept in place; only a file with a mark after a line end or a
// line in another encoding is copied line by line.
bool DecodeInPlace(std::string& text, std::size_t* badLine)
{
    if (Utf8Text::IsValid(text) && !HasMarkAtALineStart(text))
        return true;
    std::string decoded;
    decoded.reserve(text.size());
    std::size_t number = 0;
    for (std::string_view rest = text; !rest.empty();) {
        ++number;
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end == std::string_view::npos ? rest.size() : end + 1);
        rest.remove_prefix(line.size());
        if (line.starts_with(kByteOrderMark))
            line.remove_prefix(kByteOrderMark.size());
        if (Utf8Text::IsValid(line)) {
            decoded.append(line);
        } else if (const std::optional<std::string> converted = FromGb18030(line)) {
            decoded.append(*converted);
        } else {
            if (badLine)
                *badLine = number;
            return false;
        }
    }
    text.swap(decoded);
    return true;
}

std::string Reason(const std::filesystem::path& file, std::string_view what, int error)
{
    return std::string(what) + " " + file.string() + MoxText::tr("：") + std::strerror(error);
}

// Waits for the first byte (or the end) of a pipe or device; false when none came in time.
bool AwaitWriter(int fd)
{
    pollfd wanted{fd, POLLIN, 0};
    for (;;) {
        const int ready = ::poll(&wanted, 1, ExchangeFileText::kWriterWaitMilliseconds);
        if (ready >= 0 || errno != EINTR)
            return ready > 0;
    }
}

}  // namespace

namespace ExchangeFileText {

std::string LineNumbers::Listed() const
{
    std::string text;
    for (const std::size_t line : first)
        text += (text.empty() ? "" : ", ") + std::to_string(line);
    return count > first.size() ? text + ", …" : text;
}

void AppendLine(std::string& text, std::string_view line)
{
    text.append(line);
    text.append(kLineEnd);
}

bool HasLineBreak(std::string_view value)
{
    return value.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

std::string OneLine(std::string_view value)
{
    std::string line;
    line.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n')
            ++i;
        line.push_back(value[i] == '\r' || value[i] == '\n' || value[i] == '\0' ? ' ' : value[i]);
    }
    return line;
}

bool Flatten(std::string& value)
{
    if (!HasLineBreak(value))
        return false;
    value = OneLine(value);
    return true;
}

void BlankNulsAndLoneCrs(std::string& text, LineNumbers& changed)
{
    constexpr std::string_view kBlanked("\r\0", 2);
    std::size_t line = 1, countedTo = 0, lastNoted = 0;
    for (std::size_t at = text.find_first_of(kBlanked); at != std::string::npos;
         at = text.find_first_of(kBlanked, at + 1)) {
        if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
            continue;
        line += static_cast<std::size_t>(std::count(text.begin() + static_cast<std::ptrdiff_t>(countedTo),
                                                    text.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
        countedTo = at;
        text[at] = ' ';
        if (line != lastNoted)
            changed.Add(lastNoted = line);
    }
}

std::size_t CountLines(std::string_view text)
{
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
}

void ForEachLine(std::string_view text, const std::function<void(std::string_view line, std::size_t number)>& take)
{
    for (std::size_t number = 1; !text.empty(); ++number) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (end != std::string_view::npos && line.ends_with('\r'))
            line.remove_suffix(1);
        take(line, number);
    }
}

std::string ExportStatusText(std::string_view done, const Written& written, std::string_view leftOutWhat)
{
    std::string text = MoxText::tr(done);
    if (written.flattenedValues > 0)
        text += MoxText::tr("，") + std::to_string(written.flattenedValues) + MoxText::tr(" 个值中的换行写作了空格");
    if (written.leftOutEntries > 0) {
        const std::string what = MoxText::tr(leftOutWhat);
        text += MoxText::tr("，") + std::to_string(written.leftOutEntries) + MoxText::tr(" 个") + what + MoxText::tr("未导出");
    }
    return text + MoxText::tr("。");
}

std::string ReadNotesStatusText(std::string_view file, const ReadNotes& notes)
{
    if (!notes.Any())
        return {};
    std::string text = MoxText::tr(file);
    bool first = true;
    const auto add = [&text, &first](const std::string& part) {
        text += (first ? MoxText::tr("中 ") : MoxText::tr("；")) + part;
        first = false;
    };
    if (notes.unreadable.count > 0)
        add(std::to_string(notes.unreadable.count) + MoxText::tr(" 行无法读取，没有导入（第 ") + notes.unreadable.Listed() + MoxText::tr(" 行）"));
    if (notes.changed.count > 0)
        add(std::to_string(notes.changed.count) + MoxText::tr(" 行中的 NUL 读作了空格（第 ") + notes.changed.Listed() + MoxText::tr(" 行）"));
    if (notes.beyondLimit > 0)
        add(std::to_string(notes.beyondLimit) + MoxText::tr(" 条规则超过每个列表 1000 条的上限，没有读取"));
    return text + MoxText::tr("。");
}

std::string ReadNotesText(const ReadNotes& notes)
{
    std::string text;
    if (notes.unreadable.count > 0)
        text += std::to_string(notes.unreadable.count) + " lines could not be read and were not sent (line " +
                notes.unreadable.Listed() + ")\n";
    if (notes.changed.count > 0)
        text += std::to_string(notes.changed.count) + " lines held NUL bytes, read as blanks (line " +
                notes.changed.Listed() + ")\n";
    if (notes.beyondLimit > 0)
        text += std::to_string(notes.beyondLimit) + " entries lie past the most a list takes from a file, not read\n";
    return text;
}

std::optional<std::string> Decode(std::string_view bytes, std::size_t* badLine)
{
    std::string text(bytes);
    if (!DecodeInPlace(text, badLine))
        return std::nullopt;
    return text;
}

bool Write(const std::filesystem::path& file, std::string_view text, std::string* error)
{
    std::string reason;
    if (WriteFileAtomically(file, text, &reason))
        return true;
    if (error)
        *error = MoxText::tr("无法写入文件 ") + file.string() + MoxText::tr("：") + reason;
    return false;
}

std::optional<std::string> Read(const std::filesystem::path& file, std::string* error)
{
    const auto fail = [error](std::string reason) -> std::optional<std::string> {
        if (error)
            *error = std::move(reason);
        return std::nullopt;
    };
    // Opened without waiting, so that a pipe nobody writes to cannot hold the import for ever.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return fail(Reason(file, MoxText::tr("无法打开文件"), errno));
    const std::unique_ptr<int, void (*)(int*)> closer(new int(fd), [](int* owned) {
        ::close(*owned);
        delete owned;
    });
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return fail(Reason(file, MoxText::tr("无法读取文件"), errno));
    if (S_ISDIR(status.st_mode))
        return fail(Reason(file, MoxText::tr("无法读取文件"), EISDIR));
    const bool regular = S_ISREG(status.st_mode);
    const std::uintmax_t size = static_cast<std::uintmax_t>(status.st_size);
    if (regular && size > kMostBytes)
        return fail(MoxText::tr("文件 ") + file.string() + MoxText::tr(" 有 ") + Mebibytes(size) + MoxText::tr("（") + std::to_string(size) +
                    MoxText::tr(" 字节），超过 ") + Mebibytes(kMostBytes) + MoxText::tr(" 的上限，没有读取"));
    if (!regular && !AwaitWriter(fd))
        return fail(MoxText::tr("文件 ") + file.string() + MoxText::tr(" 在 ") + std::to_string(kWriterWaitMilliseconds / 1000) +
                    MoxText::tr(" 秒内没有送来数据，没有读取"));
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);

    // Read whole where the size is known; a pipe or a special file is read to its end, and never
    // past the bound.
    std::string bytes;
    bytes.reserve(regular ? static_cast<std::size_t>(size) : 65536);
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return fail(Reason(file, MoxText::tr("无法读取文件"), errno));
        if (got == 0)
            break;
        bytes.append(chunk, static_cast<std::size_t>(got));
        if (bytes.size() > kMostBytes)
            return fail(MoxText::tr("文件 ") + file.string() + MoxText::tr(" 超过 ") + Mebibytes(kMostBytes) + MoxText::tr(" 的上限，没有读取"));
    }
    std::size_t badLine = 0;
    if (!DecodeInPlace(bytes, &badLine))
        return fail(MoxText::tr("文件 ") + file.string() + MoxText::tr(" 的第 ") + std::to_string(badLine) +
                    MoxText::tr(" 行既不是 UTF-8 也不是 GB18030 文本，没有读取"));
    return bytes;
}

}  // namespace ExchangeFileText
