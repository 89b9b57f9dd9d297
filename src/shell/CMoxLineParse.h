#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

// Collects text that arrives in pieces (a streamed HTTP reply) and hands out every complete
// CR LF line; an unfinished last line waits for the next piece. One thread may append while
// another takes lines. The buffer never grows beyond its limit, so a peer that never ends a line
// cannot exhaust memory.
class CMoxLineParse {
public:
    static constexpr std::size_t kInitialCapacity = 1024;
    static constexpr std::size_t kDefaultMaxCapacity = 64 * 1024 * 1024;

    explicit CMoxLineParse(std::size_t maxCapacity = kDefaultMaxCapacity);

    // False, with the buffer unchanged, when the text does not fit within the limit or memory runs out.
    bool Append(std::string_view text);

    // The next complete line without its CR LF, copied out so that appends may move the buffer.
    std::optional<std::string> NextLine();

    // Every complete line at once, each with its CR LF, as one text; empty when there is none.
    // What a stream delivers in bulk is taken in one copy rather than one per line.
    std::string TakeCompleteLines();

private:
    bool MakeRoom(std::size_t incoming);

    std::mutex lock_;
    std::unique_ptr<char[]> data_;
    std::size_t capacity_ = kInitialCapacity;
    std::size_t maxCapacity_;
    std::size_t len_ = 0;
    std::size_t readPos_ = 0;
    std::size_t scanPos_ = 0;  // where the search for the next CR LF resumes
};
