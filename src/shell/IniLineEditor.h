#pragma once

#include <string>
#include <string_view>

// Changes one key at a time in the text of an INI file the way the platform's private-profile
// writer does: the key's line is rewritten in place, a missing key is added after the last key of
// its section, a missing section at the end; every other byte (comments, blank lines, lines the
// reader ignores, line endings) stays as it was. Lines are recognised by the reader's own rules,
// so the line rewritten is the one a later read returns.
class IniLineEditor {
public:
    explicit IniLineEditor(std::string text);

    // Names and values that fit on one INI line and read back unchanged.
    static bool IsStorableSection(std::string_view section);
    static bool IsStorableKey(std::string_view key);
    static bool IsStorableValue(std::string_view value);

    // Expects storable arguments.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);

    const std::string& Text() const { return text_; }

private:
    std::string LineEnding() const;

    std::string text_;
};
