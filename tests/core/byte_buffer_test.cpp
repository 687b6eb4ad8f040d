#include <gtest/gtest.h>

#include "byte_buffer.h"

namespace {

TEST(ByteBuffer, RefusesToGrowPastItsLimitAndKeepsWhatItHas) {
    ByteBuffer buffer(300);
    for (int i = 0; i < 300; ++i) {
        ASSERT_TRUE(buffer.Add(static_cast<char>('a' + i % 26))) << "byte " << i;
    }
    EXPECT_FALSE(buffer.Add('x'));
    EXPECT_FALSE(buffer.Reserve(301));
    EXPECT_EQ(buffer.size(), 300u);
    EXPECT_EQ(buffer.View().substr(0, 3), "abc");
    buffer.Clear();
    EXPECT_TRUE(buffer.Add('z')) << "cleared, it reuses its room";
    EXPECT_EQ(buffer.View(), "z");
}

TEST(ByteBuffer, ReportsMemoryThatCannotBeHad) {
    ByteBuffer buffer;
    EXPECT_FALSE(buffer.Reserve(PTRDIFF_MAX)) << "no system has this much to give";
    EXPECT_TRUE(buffer.Add('a'));
    EXPECT_EQ(buffer.View(), "a");
}

}  // namespace
