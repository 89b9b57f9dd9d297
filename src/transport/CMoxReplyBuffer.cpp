#include "transport/CMoxReplyBuffer.h"

#include <algorithm>
#include <cstring>

namespace nsMoxHttp {

CMoxReplyBuffer::CMoxReplyBuffer(std::size_t capacity)
    : data_(std::make_unique_for_overwrite<char[]>(capacity)), capacity_(capacity)
{
}

void CMoxReplyBuffer::Append(const char* bytes, std::size_t length)
{
    if (capacity_ < length_ + length) {
        // Growing by half at least keeps a reply of hundreds of MiB from being copied hundreds of times.
        const std::size_t grown = std::max(length_ + length + kHeadroom, capacity_ + capacity_ / 2);
        auto block = std::make_unique_for_overwrite<char[]>(grown);
        std::memcpy(block.get(), data_.get(), length_);
        data_ = std::move(block);
        capacity_ = grown;
    }
    std::memcpy(data_.get() + length_, bytes, length);
    length_ += length;
}

std::unique_ptr<CMoxReplyBuffer> CMoxReplyBuffer::Copy() const
{
    // From exactly kHeadroom bytes on the copy must grow too, or the terminating zero would not fit.
    const std::size_t capacity = length_ >= kHeadroom ? length_ + kHeadroom : kHeadroom;
    auto copy = std::make_unique<CMoxReplyBuffer>(capacity);
    std::memcpy(copy->data_.get(), data_.get(), length_);
    copy->length_ = length_;
    copy->data_[length_] = '\0';
    return copy;
}

}  // namespace nsMoxHttp
