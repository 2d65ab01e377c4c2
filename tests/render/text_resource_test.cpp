#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/text_resource.h"

namespace {

std::vector<char> read(int id, std::size_t capacity) {
    std::vector<char> buffer(capacity + 4, 'X');
    loadTextResource(id, buffer.data(), capacity);
    return buffer;
}

TEST(LoadTextResource, ShaderTextStopsAtTheMarkerAndKeepsCrLf) {
    const auto buffer = read(136, 16384);
    const std::string text(buffer.data());
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 4), "\r\n//");
    EXPECT_EQ(text.find('~'), std::string::npos);
    EXPECT_NE(text.find("\r\n"), std::string::npos);
    for (std::size_t i = text.size(); i < text.size() + 4; ++i) {
        EXPECT_EQ(buffer[i], '\0') << i;
    }
}

// A text without a marker stops at the capacity, or at the end of the resource.
TEST(LoadTextResource, StopsAtTheCapacityOrTheResourceEnd) {
    const auto cut = read(141, 10);
    EXPECT_EQ(std::string(cut.data()), "# Hollowli");
    const auto whole = read(141, 16384);
    const std::string text(whole.data());
    EXPECT_EQ(text.substr(text.size() - 6), "2/1 \r\n");
}

TEST(LoadTextResource, MissingResourceReadsAsEmptyText) {
    const auto buffer = read(999, 16);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(buffer[i], '\0');
    }
}

} // namespace
