#include "transport/CMoxReplyBuffer.h"

#include <gtest/gtest.h>

#include <string>

using nsMoxHttp::CMoxReplyBuffer;

namespace {

constexpr std::size_t kMiB = 1024 * 1024;

TEST(CMoxReplyBufferTest, ListenerCopyAlwaysHasRoomForATerminatingZero)
{
    const struct {
        std::size_t length;
        std::size_t capacity;
    } cases[] = {{0, kMiB}, {5, kMiB}, {kMiB - 1, kMiB}, {kMiB, 2 * kMiB}, {kMiB + 1, 2 * kMiB + 1}, {3 * kMiB, 4 * kMiB}};
    for (const auto& [length, capacity] : cases) {
        CMoxReplyBuffer buffer;
        buffer.Append(std::string(length, 'x').data(), length);

        const auto copy = buffer.Copy();
        EXPECT_EQ(copy->Capacity(), capacity) << length;
        EXPECT_EQ(copy->Length(), length);
        EXPECT_EQ(copy->Data()[length], '\0');
        EXPECT_TRUE(copy->Bytes() == buffer.Bytes());
    }
}

}  // namespace
