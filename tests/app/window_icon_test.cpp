#include <gtest/gtest.h>

#include "app/window_icon.h"

namespace {

// Every pixel of the stored columns names its own column and row, so any mix-up shows.
std::array<std::uint8_t, kWindowIconBytes> labelledColumns() {
    std::array<std::uint8_t, kWindowIconBytes> columns{};
    for (int column = 0; column < kWindowIconSize; ++column) {
        for (int row = 0; row < kWindowIconSize; ++row) {
            std::uint8_t* pixel = columns.data() + column * 256 + row * 4;
            pixel[0] = static_cast<std::uint8_t>(column);
            pixel[1] = static_cast<std::uint8_t>(row);
            pixel[2] = 0xA5;
            pixel[3] = static_cast<std::uint8_t>(column ^ row);
        }
    }
    return columns;
}

TEST(WindowIcon, TransposesColumnsIntoRowsFromTheTop) {
    const auto rows = transposeIconColumns(labelledColumns());
    for (int row = 0; row < kWindowIconSize; ++row) {
        for (int column = 0; column < kWindowIconSize; ++column) {
            const std::uint8_t* pixel = rows.data() + (row * kWindowIconSize + column) * 4;
            ASSERT_EQ(pixel[0], column) << "row " << row << " column " << column;
            ASSERT_EQ(pixel[1], row) << "row " << row << " column " << column;
            ASSERT_EQ(pixel[2], 0xA5);
            ASSERT_EQ(pixel[3], column ^ row);
        }
    }
}

// The picture is a monitor on a transparent background: the corners are clear and the middle
// of the screen is opaque.
TEST(WindowIcon, StoredPictureIsAMonitorOnATransparentBackground) {
    const auto rows = transposeIconColumns(windowIconColumns());
    const auto alphaAt = [&](int row, int column) {
        return rows[(row * kWindowIconSize + column) * 4 + 3];
    };
    EXPECT_EQ(alphaAt(0, 0), 0);
    EXPECT_EQ(alphaAt(63, 0), 0);
    EXPECT_EQ(alphaAt(30, 32), 255);
}

} // namespace
