#include "shell/HostText.h"

namespace {

bool IsHostCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == ':' || c == '_';
}

bool IsHostPunctuation(char c)
{
    return c == '-' || c == '.' || c == ':' || c == '_';
}

bool IsHostBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsHostBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsHostBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

HostText SplitHostText(std::string_view text, std::string_view port)
{
    text = TrimBlanks(text);
    std::size_t run = 0;
    while (run < text.size() && IsHostCharacter(text[run]))
        ++run;
    std::string_view host = text.substr(0, run);
    while (!host.empty() && IsHostPunctuation(host.back()))
        host.remove_suffix(1);

    HostText split{std::string(host), std::string(TrimBlanks(text.substr(run)))};
    if (!split.host.empty() && split.host.find(':', 1) == std::string::npos)
        split.host.append(":").append(port);
    return split;
}

std::string HostFileStem(std::string_view host)
{
    std::string stem(host);
    for (char& c : stem)
        if (c == ':')
            c = '&';
    return stem;
}

bool IsPlainHost(std::string_view host)
{
    if (host.empty() || IsHostPunctuation(host.back()))
        return false;
    for (char c : host)
        if (!IsHostCharacter(c))
            return false;
    return true;
}
