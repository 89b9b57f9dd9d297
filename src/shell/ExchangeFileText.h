#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text files an operator exchanges between consoles, servers and scripts (rules, the black
// list, the DNS redirect list). Written as UTF-8 without a byte-order mark, every line ended by
// CR LF. Read line by line: a line ends in LF, CR LF or a mix of both; each line is UTF-8 or, when
// its bytes are not, GB18030, so files written by consoles on Chinese-language systems (and files
// pieced together from both) keep their notes.
//
// The value rules every format shares: a value is written whole, however long, on one line; a
// line break or a NUL in it is written as one blank (counted), since a break would start a line of
// its own and a NUL ends the line for readers in C. Each format adds its own rules for the
// characters that separate its parts.
namespace ExchangeFileText {

inline constexpr std::string_view kLineEnd = "\r\n";
// A larger file is no list an operator meant to choose: it is refused before it is read.
inline constexpr std::uintmax_t kMostBytes = 16u << 20;
// How long a pipe or device named as the file is waited for before the first byte.
inline constexpr int kWriterWaitMilliseconds = 5000;

// A file's text as written, and what the format made the writing change.
struct Written {
    std::string text;
    // Values whose line breaks or NULs were written as blanks.
    std::size_t flattenedValues = 0;
    // Entries the format cannot carry, left out.
    std::size_t leftOutEntries = 0;

    bool ChangedAnything() const { return flattenedValues > 0 || leftOutEntries > 0; }
};

// Line numbers (from 1) of a kind, the first few kept for the operator.
struct LineNumbers {
    static constexpr std::size_t kKept = 10;
    std::size_t count = 0;
    std::vector<std::size_t> first;

    void Add(std::size_t line)
    {
        ++count;
        if (first.size() < kKept)
            first.push_back(line);
    }
    // "3, 7, 12" and "…" when more were counted than kept.
    std::string Listed() const;
};

// What reading a file could not take as it stood.
struct ReadNotes {
    // Lines that hold something but no entry the format can read (or an entry that lacks a part
    // it needs): nothing of them is sent.
    LineNumbers unreadable;
    // Lines with NULs, read as blanks.
    LineNumbers changed;
    // Entries past the most a format reads from one list.
    std::size_t beyondLimit = 0;

    bool Any() const { return unreadable.count > 0 || changed.count > 0 || beyondLimit > 0; }
};

// Appends one line and its CR LF.
void AppendLine(std::string& text, std::string_view line);

// A line break (CR LF, CR or LF) or a NUL, either of which would end the value's line.
bool HasLineBreak(std::string_view value);
// The value with each line break and NUL written as one blank.
std::string OneLine(std::string_view value);
// Makes the value one line in place; true when it held a line break or a NUL.
bool Flatten(std::string& value);

// Writes each NUL and each CR not followed by LF as a blank, in place, noting their lines: the
// blank a writer would have written in their place.
void BlankNulsAndLoneCrs(std::string& text, LineNumbers& changed);
// How many lines `text` has, for sizing what is read from it once.
std::size_t CountLines(std::string_view text);

// Calls `take` with each line (its end taken off) and its number from 1. Lines end in LF, with or
// without a CR before it; a last line without an end is a line too.
void ForEachLine(std::string_view text, const std::function<void(std::string_view line, std::size_t number)>& take);

// The status text of a finished export: `done`, then how many values were flattened and how
// many entries (`leftOutWhat`) were left out, when any were.
std::string ExportStatusText(std::string_view done, const Written& written, std::string_view leftOutWhat = {});
// What a read could not take, for the status bar: `file` and then each kind, e.g.
// "导入文件中 2 行无法读取，没有导入（第 3, 7 行）。"; empty when the read took everything.
std::string ReadNotesStatusText(std::string_view file, const ReadNotes& notes);
// What a read could not take, for morvixctl's standard error, one sentence per kind; empty when
// the read took everything.
std::string ReadNotesText(const ReadNotes& notes);

// The file's bytes as UTF-8 text, decided line by line (a byte-order mark at the start of a line
// is dropped); nullopt when a line is neither UTF-8 nor GB18030, with its number in *badLine.
std::optional<std::string> Decode(std::string_view bytes, std::size_t* badLine = nullptr);

// Creates or replaces the file with the UTF-8 text. False, with the system's reason, when it
// cannot be written; the previous content then stays whole.
bool Write(const std::filesystem::path& file, std::string_view text, std::string* error);

// The file as UTF-8 text; nullopt, with a reason, when it cannot be read or decoded, when it is
// larger than kMostBytes (the reason names its size), or when a pipe gets no writer in time.
std::optional<std::string> Read(const std::filesystem::path& file, std::string* error);

}  // namespace ExchangeFileText
