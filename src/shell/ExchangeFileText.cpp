#include "shell/ExchangeFileText.h"

#include "shell/AtomicFile.h"
#include "shell/Utf8Text.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iconv.h>
#include <iterator>
#include <memory>

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

}  // namespace

namespace ExchangeFileText {

void AppendLine(std::string& text, std::string_view line)
{
    text.append(line);
    text.append(kLineEnd);
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
        *error = "无法写入文件 " + file.string();
    return false;
}

std::optional<std::string> Read(const std::filesystem::path& file, std::string* error)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        if (error)
            *error = "无法打开文件 " + file.string() + "：" + std::strerror(errno);
        return std::nullopt;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        if (error)
            *error = "无法读取文件 " + file.string();
        return std::nullopt;
    }
    std::optional<std::string> text = Decode(bytes);
    if (!text && error)
        *error = "文件 " + file.string() + " 既不是 UTF-8 也不是 GB18030 文本";
    return text;
}

}  // namespace ExchangeFileText
