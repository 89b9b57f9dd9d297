#include "shell/CMoxLineParse.h"

#include <algorithm>
#include <cstring>
#include <new>

CMoxLineParse::CMoxLineParse(std::size_t maxCapacity)
    : data_(new char[kInitialCapacity]), maxCapacity_(std::max(maxCapacity, kInitialCapacity))
{
}

bool CMoxLineParse::MakeRoom(std::size_t incoming)
{
    const std::size_t unread = len_ - readPos_;
    if (incoming > maxCapacity_ - unread)
        return false;
    const std::size_t needed = unread + incoming;
    if (needed <= capacity_) {
        std::memmove(data_.get(), data_.get() + readPos_, unread);
    } else {
        // Doubling keeps a long line arriving in small pieces from being copied once per piece.
        const std::size_t grown = std::min(std::max(needed, capacity_ * 2), maxCapacity_);
        std::unique_ptr<char[]> bigger(new (std::nothrow) char[grown]);
        if (!bigger)
            return false;
        std::memcpy(bigger.get(), data_.get() + readPos_, unread);
        data_ = std::move(bigger);
        capacity_ = grown;
    }
    scanPos_ -= readPos_;
    len_ = unread;
    readPos_ = 0;
    return true;
}

bool CMoxLineParse::Append(std::string_view text)
{
    std::lock_guard guard(lock_);
    if (text.size() > capacity_ - len_ && !MakeRoom(text.size()))
        return false;
    std::memcpy(data_.get() + len_, text.data(), text.size());
    len_ += text.size();
    return true;
}

std::optional<std::string> CMoxLineParse::NextLine()
{
    std::lock_guard guard(lock_);
    const std::string_view pending(data_.get() + scanPos_, len_ - scanPos_);
    const std::size_t found = pending.find("\r\n");
    if (found == std::string_view::npos) {
        // A CR at the very end may be the first half of a CR LF still on its way.
        scanPos_ = len_ > readPos_ && data_[len_ - 1] == '\r' ? len_ - 1 : len_;
        return std::nullopt;
    }
    const std::size_t lineEnd = scanPos_ + found;
    std::string line(data_.get() + readPos_, lineEnd - readPos_);
    readPos_ = lineEnd + 2;
    scanPos_ = readPos_;
    return line;
}

std::string CMoxLineParse::TakeCompleteLines()
{
    std::lock_guard guard(lock_);
    const std::string_view pending(data_.get() + scanPos_, len_ - scanPos_);
    const std::size_t found = pending.rfind("\r\n");
    if (found == std::string_view::npos) {
        scanPos_ = len_ > readPos_ && data_[len_ - 1] == '\r' ? len_ - 1 : len_;
        return {};
    }
    const std::size_t end = scanPos_ + found + 2;
    std::string lines(data_.get() + readPos_, end - readPos_);
    readPos_ = end;
    scanPos_ = readPos_;
    return lines;
}
