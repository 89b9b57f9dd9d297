#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The lines of a live request stream as a monitor holds them: streamed text goes in, whole CR LF
// lines come out as rows, an unfinished last line waits for the rest. All rows share one text
// buffer with an offset per row, so 120,000 rows cost little more than their text. A row's
// number is its position plus one, since emptying the rows restarts the numbering.
class InstantRequestRows {
public:
    static constexpr std::size_t kMostRows = 120000;

    // What one Append did, for the model that shows the rows.
    struct Appended {
        bool emptied = false;  // the rows overflowed and were emptied on the way
        std::size_t firstRow = 0;  // the first row added after that
        std::size_t count = 0;  // rows added after that
    };

    // The whole lines in text (with what an earlier Append left unfinished) become rows. When
    // a row beyond kMostRows is added the rows are emptied and numbering starts again at 1.
    // `beforeChange` runs once before anything changes, with what is about to happen, so that a
    // model can announce it; it does not run when no row is added.
    Appended Append(std::string_view text, const std::function<void(const Appended&)>& beforeChange = {});

    // Empties the rows and the unfinished line.
    void Clear();
    // Forgets the unfinished line: the stream it came from has ended.
    void DropUnfinished() { unfinished_.clear(); }

    std::size_t Size() const { return ends_.size(); }
    std::string_view Line(std::size_t row) const;

    // The next row after `after` (or from the first row when none) whose text contains the
    // needle, ignoring the case of ASCII letters, wrapping round to the start; none when no row
    // holds it. Rows hold no line ends, so a needle with one finds nothing.
    std::optional<std::size_t> Find(std::string_view needle, std::optional<std::size_t> after) const;

    // Bytes held, for measurements.
    std::size_t Capacity() const { return text_.capacity() + ends_.capacity() * sizeof(std::size_t); }

private:
    std::size_t Start(std::size_t row) const { return row == 0 ? 0 : ends_[row - 1] + 1; }
    std::optional<std::size_t> FindIn(std::string_view needle, std::size_t fromRow, std::size_t toRow) const;

    std::string text_;  // every row's text, each followed by '\n' so that no match spans two rows
    std::vector<std::size_t> ends_;  // where each row's text ends in text_
    std::string unfinished_;
};
