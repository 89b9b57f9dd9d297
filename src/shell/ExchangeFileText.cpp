#include "shell/ExchangeFileText.h"

#include "shell/AtomicFile.h"
#include "shell/Utf8Text.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iconv.h>
#include <memory>
#include <system_error>
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

}  // namespace

namespace ExchangeFileText {

void AppendLine(std::string& text, std::string_view line)
{
    text.append(line);
    text.append(kLineEnd);
}

bool HasLineBreak(std::string_view value)
{
    return value.find_first_of("\r\n") != std::string_view::npos;
}

std::string OneLine(std::string_view value)
{
    std::string line;
    line.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n')
            ++i;
        line.push_back(value[i] == '\r' || value[i] == '\n' ? ' ' : value[i]);
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

std::string ExportStatusText(std::string_view done, const Written& written, std::string_view leftOutWhat)
{
    std::string text(done);
    if (written.flattenedValues > 0)
        text += MoxText::tr("，") + std::to_string(written.flattenedValues) + MoxText::tr(" 个值中的换行写作了空格");
    if (written.leftOutEntries > 0)
        text += MoxText::tr("，") + std::to_string(written.leftOutEntries) + MoxText::tr(" 个") + std::string(leftOutWhat) + MoxText::tr("未导出");
    return text + MoxText::tr("。");
}

std::optional<std::string> Decode(std::string_view bytes)
{
    // A byte-order mark says UTF-8 outright; damage after it is kept visible, not reinterpreted.
    if (bytes.starts_with(kByteOrderMark))
        return Utf8Text::Sanitize(bytes.substr(kByteOrderMark.size()));
    if (Utf8Text::IsValid(bytes))
        return std::string(bytes);
    return FromGb18030(bytes);
}

bool Write(const std::filesystem::path& file, std::string_view text, std::string* error)
{
    if (WriteFileAtomically(file, text))
        return true;
    if (error)
        *error = MoxText::tr("无法写入文件 ") + file.string();
    return false;
}

std::optional<std::string> Read(const std::filesystem::path& file, std::string* error)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        if (error)
            *error = MoxText::tr("无法打开文件 ") + file.string() + MoxText::tr("：") + std::strerror(errno);
        return std::nullopt;
    }
    std::error_code sizeError;
    const std::uintmax_t size = std::filesystem::file_size(file, sizeError);
    if (!sizeError && size > kMostBytes) {
        if (error)
            *error = MoxText::tr("文件 ") + file.string() + MoxText::tr(" 有 ") + Mebibytes(size) + MoxText::tr("（") + std::to_string(size) +
                     MoxText::tr(" 字节），超过 ") + Mebibytes(kMostBytes) + MoxText::tr(" 的上限，没有读取");
        return std::nullopt;
    }
    // Read whole in one call where the size is known; a pipe or a special file is read to its end,
    // and never past the bound.
    std::string bytes;
    if (!sizeError) {
        bytes.resize(static_cast<std::size_t>(size));
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
        in.clear(in.rdstate() & ~(std::ios::failbit | std::ios::eofbit));
    } else {
        char chunk[65536];
        while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
            bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
            if (bytes.size() > kMostBytes) {
                if (error)
                    *error = MoxText::tr("文件 ") + file.string() + MoxText::tr(" 超过 ") + Mebibytes(kMostBytes) + MoxText::tr(" 的上限，没有读取");
                return std::nullopt;
            }
        }
        in.clear(in.rdstate() & ~(std::ios::failbit | std::ios::eofbit));
    }
    if (in.bad()) {
        if (error)
            *error = MoxText::tr("无法读取文件 ") + file.string();
        return std::nullopt;
    }
    std::optional<std::string> text = Decode(bytes);
    if (!text && error)
        *error = MoxText::tr("文件 ") + file.string() + MoxText::tr(" 既不是 UTF-8 也不是 GB18030 文本");
    return text;
}

}  // namespace ExchangeFileText
