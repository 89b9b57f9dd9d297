#pragma once

#include "shell/ExchangeFileText.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The entries read from an exchanged file, kept as the file's text and where each entry's parts
// lie in it (`Marks` offsets per entry, which the format's `make` turns back into an entry). An
// entry is made only when it is asked for, so a file of millions of short lines costs a few times
// its size, not a record of strings per line.
template <class Entry, std::size_t Marks>
class EntriesInText {
public:
    using Positions = std::array<std::uint32_t, Marks>;
    using Make = Entry (*)(std::string_view text, const Positions& at);

    explicit EntriesInText(Make make) : make_(make) {}

    std::size_t size() const { return at_.size(); }
    bool empty() const { return at_.empty(); }
    Entry operator[](std::size_t index) const { return make_(text_, at_[index]); }
    std::vector<Entry> All() const
    {
        std::vector<Entry> all;
        all.reserve(size());
        for (std::size_t i = 0; i < size(); ++i)
            all.push_back((*this)[i]);
        return all;
    }

    // Reads the text line by line and keeps it: NULs and lone CRs become blanks first (their
    // lines noted in `changed`); `readLine(line, number, offset)` gives the positions of the line's
    // entry, or none, where `offset(piece)` is where a view into the line lies in the text.
    template <class ReadLine>
    void Read(std::string text, ExchangeFileText::LineNumbers& changed, ReadLine&& readLine)
    {
        ExchangeFileText::BlankNulsAndLoneCrs(text, changed);
        at_.reserve(ExchangeFileText::CountLines(text));
        const char* const base = text.data();
        const auto offset = [base](std::string_view piece) { return static_cast<std::uint32_t>(piece.data() - base); };
        ExchangeFileText::ForEachLine(text, [&](std::string_view line, std::size_t number) {
            if (const std::optional<Positions> at = readLine(line, number, offset))
                at_.push_back(*at);
        });
        text_ = std::move(text);
    }

private:
    Make make_;
    std::string text_;
    std::vector<Positions> at_;
};
