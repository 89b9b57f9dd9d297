#include "shell/Utf8Text.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Length of the well-formed sequence starting at pos, or 0 when it is ill-formed (overlong
// forms, surrogates and code points above U+10FFFF included).
std::size_t SequenceLength(std::string_view text, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80)
        return 1;
    std::size_t length;
    unsigned char secondMin = 0x80, secondMax = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            secondMin = 0xA0;
        else if (lead == 0xED)
            secondMax = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            secondMin = 0x90;
        else if (lead == 0xF4)
            secondMax = 0x8F;
    } else {
        return 0;
    }
    if (text.size() - pos < length)
        return 0;
    const auto second = static_cast<unsigned char>(text[pos + 1]);
    if (second < secondMin || second > secondMax)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[pos + i])))
            return 0;
    }
    return length;
}

std::size_t CharacterLength(std::string_view text, std::size_t pos)
{
    const std::size_t length = SequenceLength(text, pos);
    return length == 0 ? 1 : length;
}

}  // namespace

namespace Utf8Text {

std::size_t CountCharacters(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += CharacterLength(text, pos))
        ++count;
    return count;
}

std::string_view CutToCharacters(std::string_view text, std::size_t maxCharacters)
{
    std::size_t pos = 0;
    for (std::size_t count = 0; pos < text.size() && count < maxCharacters; ++count)
        pos += CharacterLength(text, pos);
    return text.substr(0, pos);
}

bool IsValid(std::string_view text)
{
    for (std::size_t pos = 0; pos < text.size();) {
        // Most text is ASCII: eight bytes at a time while none has its high bit.
        std::uint64_t block;
        if (text.size() - pos >= sizeof block) {
            std::memcpy(&block, text.data() + pos, sizeof block);
            if ((block & 0x8080808080808080ULL) == 0) {
                pos += sizeof block;
                continue;
            }
        }
        const std::size_t length = SequenceLength(text, pos);
        if (length == 0)
            return false;
        pos += length;
    }
    return true;
}

std::string Sanitize(std::string_view text)
{
    if (IsValid(text))
        return std::string(text);
    std::string clean;
    clean.reserve(text.size() + 8);
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = SequenceLength(text, pos);
        if (length == 0) {
            clean += kReplacementCharacter;
            ++pos;
        } else {
            clean.append(text, pos, length);
            pos += length;
        }
    }
    return clean;
}

void SanitizeInPlace(std::string& text)
{
    if (!IsValid(text))
        text = Sanitize(std::string_view(text));
}

}  // namespace Utf8Text
