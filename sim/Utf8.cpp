#include "Utf8.h"

namespace morvix::sim {

namespace {

const std::string_view replacementCharacter = "\xEF\xBF\xBD";

bool isContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

}  // namespace

size_t utf8SequenceLength(std::string_view text, size_t at)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const size_t left = text.size() - at;
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return left >= 2 && isContinuation(byte(1)) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (left < 3 || !isContinuation(byte(1)) || !isContinuation(byte(2)))
            return 0;
        if (lead == 0xE0 && byte(1) < 0xA0)
            return 0;  // overlong
        if (lead == 0xED && byte(1) > 0x9F)
            return 0;  // surrogate
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (left < 4 || !isContinuation(byte(1)) || !isContinuation(byte(2)) || !isContinuation(byte(3)))
            return 0;
        if (lead == 0xF0 && byte(1) < 0x90)
            return 0;
        if (lead == 0xF4 && byte(1) > 0x8F)
            return 0;
        return 4;
    }
    return 0;
}

std::string validUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const size_t length = utf8SequenceLength(text, i);
        if (length == 0) {
            out += replacementCharacter;
            ++i;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
    }
    return out;
}

size_t utf8Length(std::string_view text)
{
    size_t count = 0;
    for (unsigned char c : text)
        count += isContinuation(c) ? 0 : 1;
    return count;
}

}  // namespace morvix::sim
