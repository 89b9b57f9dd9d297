#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace morvix::sim {

// Length of the well-formed UTF-8 sequence that starts at text[at], or 0 when it is not one.
size_t utf8SequenceLength(std::string_view text, size_t at);

// The text with every byte that is not part of a well-formed sequence replaced by U+FFFD,
// so that whatever a client sends can be stored and later written into JSON.
std::string validUtf8(std::string_view text);

// Number of characters (code points) of well-formed UTF-8 text.
size_t utf8Length(std::string_view text);

}  // namespace morvix::sim
