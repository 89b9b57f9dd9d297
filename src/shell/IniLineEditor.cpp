#include "shell/IniLineEditor.h"

#include <algorithm>
#include <optional>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

enum class LineKind { Ignored, Section, Key };

struct Line {
    std::size_t begin;       // first byte of the line
    std::size_t contentEnd;  // first byte of its line ending
    std::size_t end;         // first byte of the next line
};

struct ParsedLine {
    LineKind kind = LineKind::Ignored;
    std::string_view name;
    std::size_t valueOffset = 0;  // for keys: where the value starts within the line
};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsLineBreak(char c)
{
    return c == '\n' || c == '\r';
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

std::string_view TrimTrailingBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Mirrors SimpleIni: comments start with ';' or '#', a section line needs its ']', a key line
// needs '=' and a non-empty name, everything else is skipped by the reader.
ParsedLine Parse(std::string_view content)
{
    std::size_t pos = 0;
    while (pos < content.size() && IsBlank(content[pos]))
        ++pos;
    if (pos == content.size() || content[pos] == ';' || content[pos] == '#')
        return {};
    if (content[pos] == '[') {
        ++pos;
        while (pos < content.size() && IsBlank(content[pos]))
            ++pos;
        const std::size_t close = content.find(']', pos);
        if (close == std::string_view::npos)
            return {};
        return {LineKind::Section, TrimTrailingBlanks(content.substr(pos, close - pos)), 0};
    }
    const std::size_t equals = content.find('=', pos);
    if (equals == std::string_view::npos || equals == pos)
        return {};
    std::size_t valueOffset = equals + 1;
    while (valueOffset < content.size() && IsBlank(content[valueOffset]))
        ++valueOffset;
    return {LineKind::Key, TrimTrailingBlanks(content.substr(pos, equals - pos)), valueOffset};
}

Line NextLine(const std::string& text, std::size_t begin)
{
    std::size_t contentEnd = begin;
    while (contentEnd < text.size() && !IsLineBreak(text[contentEnd]))
        ++contentEnd;
    std::size_t end = contentEnd;
    if (end < text.size())
        end += (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1;
    return {begin, contentEnd, end};
}

// The reader strips blanks around a value and one pair of enclosing double quotes; quoting keeps
// such values exactly as given.
std::string FormatValue(std::string_view value)
{
    const bool blankEdge = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()));
    const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
    std::string formatted;
    if (blankEdge || quoted)
        formatted.append(1, '"').append(value).append(1, '"');
    else
        formatted.assign(value);
    return formatted;
}

}  // namespace

IniLineEditor::IniLineEditor(std::string text) : text_(std::move(text)) {}

bool IniLineEditor::IsStorableSection(std::string_view section)
{
    return !section.empty() && !IsBlank(section.front()) && !IsBlank(section.back()) &&
           section.find_first_of(std::string_view("]\r\n\0", 4)) == std::string_view::npos;
}

bool IniLineEditor::IsStorableKey(std::string_view key)
{
    return !key.empty() && !IsBlank(key.front()) && !IsBlank(key.back()) && key.front() != '[' &&
           key.front() != ';' && key.front() != '#' &&
           key.find_first_of(std::string_view("=\r\n\0", 4)) == std::string_view::npos;
}

bool IniLineEditor::IsStorableValue(std::string_view value)
{
    return value.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

std::string IniLineEditor::LineEnding() const
{
    const std::size_t newline = text_.find('\n');
    return newline != std::string::npos && newline > 0 && text_[newline - 1] == '\r' ? "\r\n" : "\n";
}

void IniLineEditor::SetValue(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string line = std::string(key) + "=" + FormatValue(value);
    const std::size_t start = text_.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;

    std::optional<Line> keyLine;
    std::size_t keyValueOffset = 0;
    std::optional<Line> sectionTail;  // last header or key line of the section's last block
    bool inSection = false;
    for (std::size_t pos = start; pos < text_.size();) {
        const Line current = NextLine(text_, pos);
        const ParsedLine parsed = Parse(std::string_view(text_).substr(current.begin, current.contentEnd - current.begin));
        if (parsed.kind == LineKind::Section) {
            inSection = EqualsIgnoringAsciiCase(parsed.name, section);
            if (inSection)
                sectionTail = current;
        } else if (parsed.kind == LineKind::Key && inSection) {
            sectionTail = current;
            if (EqualsIgnoringAsciiCase(parsed.name, key)) {
                keyLine = current;
                keyValueOffset = parsed.valueOffset;
            }
        }
        pos = current.end;
    }

    const std::string eol = LineEnding();
    if (keyLine) {
        const std::size_t valueBegin = keyLine->begin + keyValueOffset;
        text_.replace(valueBegin, keyLine->contentEnd - valueBegin, FormatValue(value));
    } else if (sectionTail) {
        const bool terminated = sectionTail->end > sectionTail->contentEnd;
        std::string addition = terminated ? std::string() : eol;
        addition.append(line).append(eol);
        text_.insert(sectionTail->end, addition);
    } else {
        std::string addition;
        if (!text_.empty() && !IsLineBreak(text_.back()))
            addition += eol;
        if (text_.size() > start)
            addition += eol;
        addition += "[" + std::string(section) + "]" + eol + line + eol;
        text_ += addition;
    }
}
