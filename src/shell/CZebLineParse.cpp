#include "shell/CZebLineParse.h"

#include <algorithm>

namespace {
bool IsLineBreak(char c)
{
    return c == '\r' || c == '\n';
}
}  // namespace

int CZebLineParse::Load(std::string_view text)
{
    if (text.empty())
        return 0;
    data_.assign(text);
    pos_ = 0;
    loaded_ = true;
    return 1;
}

int CZebLineParse::ReadLine(std::string& line)
{
    if (!loaded_)
        return -1;
    while (pos_ < data_.size() && IsLineBreak(data_[pos_]))
        ++pos_;
    if (pos_ == data_.size())
        return 0;
    const std::size_t limit = std::min(data_.size(), pos_ + kMaxLineBytes);
    std::size_t end = pos_;
    while (end < limit && !IsLineBreak(data_[end]))
        ++end;
    line.assign(data_, pos_, end - pos_);
    pos_ = end;
    return static_cast<int>(line.size());
}
