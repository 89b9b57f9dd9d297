#pragma once

#include <string>
#include <string_view>

// Texts shown to the operator are written in Chinese, and that Chinese text is also the key of
// their translation. The core has no Qt, so it asks whatever translator the program installed
// (the console's catalogue, or morvixctl's reading of it); with none installed the Chinese stands.
// The translation tools read MoxText::tr("...") and MoxText::Noop("...") as messages of the
// "MoxText" context, which the console's widgets share.
class MoxText {
public:
    using Translator = std::string (*)(std::string_view source);

    // Installed once at start-up, before any thread that builds texts runs.
    static void Install(Translator translator);
    static std::string tr(std::string_view source);
    // Marks a table entry for the translation tools; the entry is translated where it is shown.
    static constexpr const char* Noop(const char* source) { return source; }
};
