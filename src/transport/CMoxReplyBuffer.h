#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

namespace nsMoxHttp {

// Reply body held in one contiguous block. The block always has room for a terminating zero
// after the bytes held, so a parser may treat it as text.
class CMoxReplyBuffer {
public:
    // Sized so that ordinary replies never reallocate.
    static constexpr std::size_t kHeadroom = 1024 * 1024;

    explicit CMoxReplyBuffer(std::size_t capacity = kHeadroom);

    // Grows to the bytes needed plus kHeadroom, or by half when that is more, when the block is too small.
    void Append(const char* bytes, std::size_t length);

    // The copy handed to a listener: kHeadroom bytes, or the length plus kHeadroom from a length
    // of kHeadroom on, zero-terminated at Length().
    std::unique_ptr<CMoxReplyBuffer> Copy() const;

    char* Data() { return data_.get(); }
    const char* Data() const { return data_.get(); }
    std::size_t Capacity() const { return capacity_; }
    std::size_t Length() const { return length_; }
    std::string_view Bytes() const { return {data_.get(), length_}; }

private:
    std::unique_ptr<char[]> data_;
    std::size_t capacity_;
    std::size_t length_ = 0;
};

}  // namespace nsMoxHttp
