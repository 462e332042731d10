// Reading and writing a MemoryStream at its position.
#include "platform/memory_stream.h"

#include <gtest/gtest.h>

TEST(MemoryStream, ReadStopsAtEndAndWriteGrows) {
    MemoryStream s({1, 2, 3});
    uint8_t buf[8] = {};
    EXPECT_EQ(s.Read(buf, 2), 2u);
    EXPECT_EQ(buf[1], 2);
    EXPECT_EQ(s.Read(buf, 8), 1u);
    EXPECT_EQ(s.Read(buf, 8), 0u);
    s.Seek(100);
    EXPECT_EQ(s.Position(), 3u);
    const uint8_t more[] = {9, 9};
    s.Write(more, 2);
    EXPECT_EQ(s.Size(), 5u);
    EXPECT_EQ(s.Data()[4], 9);
}
