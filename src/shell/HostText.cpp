#include "shell/HostText.h"

#include "protocol/ServerAddress.h"


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

bool IsHostTextBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsHostTextBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsHostTextBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

HostText SplitHostText(std::string_view text, std::string_view port)
{
    text = TrimBlanks(text);
    // http is what an address without a scheme means, so only https is kept with the host.
    const bool https = nsMoxHttp::IsHttpsAddress(text);
    const std::string_view withoutScheme = nsMoxHttp::AddressWithoutScheme(text);
    if (withoutScheme.size() != text.size()) {
        HostText split = SplitHostText(withoutScheme, port);
        if (https && !split.host.empty())
            split.host.insert(0, nsMoxHttp::kHttpsPrefix);
        return split;
    }
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
    // "@" is no host character, so an https server's file never meets a plain one's.
    const bool https = nsMoxHttp::IsHttpsAddress(host);
    std::string stem(https ? "https@" : "");
    stem.append(nsMoxHttp::AddressWithoutScheme(host));
    for (char& c : stem)
        if (c == ':')
            c = '&';
    return stem;
}

bool IsPlainHost(std::string_view host)
{
    if (nsMoxHttp::IsHttpsAddress(host))
        host.remove_prefix(nsMoxHttp::kHttpsPrefix.size());
    if (host.empty() || IsHostPunctuation(host.back()))
        return false;
    for (char c : host)
        if (!IsHostCharacter(c))
            return false;
    return true;
}
