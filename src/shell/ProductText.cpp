#include "shell/ProductText.h"

#include "shell/MoxText.h"

namespace {

void ReplaceAll(std::string& text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

}  // namespace

std::string ProductText(std::string_view text, bool oem)
{
    std::string shown = MoxText::tr(text);
    if (!oem)
        return shown;
    const std::string product = MoxText::tr("缓存服务器");
    ReplaceAll(shown, MoxText::tr("Morvix 服务器"), product);
    // Only Chinese runs the product into the words around it; other languages keep their blanks.
    if (shown != text) {
        ReplaceAll(shown, "Morvix", product);
        return shown;
    }
    ReplaceAll(shown, " Morvix ", MoxText::tr("缓存服务器"));
    ReplaceAll(shown, "Morvix ", MoxText::tr("缓存服务器"));
    ReplaceAll(shown, " Morvix", MoxText::tr("缓存服务器"));
    ReplaceAll(shown, "Morvix", MoxText::tr("缓存服务器"));
    return shown;
}
