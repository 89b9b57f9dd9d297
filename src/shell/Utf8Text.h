#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Character-level work on UTF-8 text: every limit the operator sees counts characters, not bytes.
// A byte that does not start a well-formed sequence counts as one character of its own, so
// damaged text is measured and cut without ever reading past its end.
namespace Utf8Text {

std::size_t CountCharacters(std::string_view text);

// The longest prefix of at most maxCharacters characters; never ends inside a character.
std::string_view CutToCharacters(std::string_view text, std::size_t maxCharacters);

bool IsValid(std::string_view text);

// The text with every ill-formed sequence replaced by U+FFFD, for bytes received from outside.
std::string Sanitize(std::string_view text);
// The same in place: valid text, the common case, is left as it is without a copy.
void SanitizeInPlace(std::string& text);

}  // namespace Utf8Text
