#include "shell/ExchangeFileText.h"

#include "shell/AtomicFile.h"
#include "shell/Utf8Text.h"

#include <iconv.h>

#include <fstream>
#include <iterator>

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string WithCrLf(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<std::string> FromGb18030(std::string_view bytes)
{
    iconv_t converter = iconv_open("UTF-8", "GB18030");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string out(bytes.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1))
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace

bool WriteExchangeFile(const std::filesystem::path& file, std::string_view utf8Text)
{
    return WriteFileAtomically(file, WithCrLf(utf8Text));
}

std::optional<std::string> ReadExchangeFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return ExchangeBytesToUtf8(bytes);
}

std::string ExchangeBytesToUtf8(std::string_view bytes)
{
    if (bytes.starts_with(kUtf8Bom))
        return Utf8Text::Sanitize(bytes.substr(kUtf8Bom.size()));
    if (Utf8Text::IsValid(bytes))
        return std::string(bytes);
    if (std::optional<std::string> converted = FromGb18030(bytes))
        return *converted;
    return Utf8Text::Sanitize(bytes);
}
