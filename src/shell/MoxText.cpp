#include "shell/MoxText.h"

#include <atomic>

namespace {
std::atomic<MoxText::Translator> installed{nullptr};
}

void MoxText::Install(Translator translator)
{
    installed.store(translator);
}

std::string MoxText::tr(std::string_view source)
{
    const Translator translator = installed.load();
    return translator ? translator(source) : std::string(source);
}
