#include "shell/ProductText.h"

namespace {

void ReplaceAll(std::string& text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

}  // namespace

std::string ProductText(std::string_view text, bool oem)
{
    std::string shown(text);
    if (!oem)
        return shown;
    ReplaceAll(shown, "Morvix 服务器", "缓存服务器");
    ReplaceAll(shown, " Morvix ", "缓存服务器");
    ReplaceAll(shown, "Morvix ", "缓存服务器");
    ReplaceAll(shown, " Morvix", "缓存服务器");
    ReplaceAll(shown, "Morvix", "缓存服务器");
    return shown;
}
