#include <gtest/gtest.h>

#include <string>

#include "platform/resources.h"

namespace {

std::string textOf(int id) {
    const auto bytes = platform::textResource(id);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string("<missing>");
}

TEST(Resources, RectangleObjIsTheListedStatementsWithCrLf) {
    const std::string expected =
        "# Hollowlight: the full-screen rectangle that carries the scene shader\r\n"
        "mtllib rectangle_object.mtl\r\n"
        "v  -1.0000 1.0000 0.0000\r\n"
        "v  -1.0000 -1.0000 -0.0000\r\n"
        "v  1.0000 1.0000 0.0000\r\n"
        "v  1.0000 -1.0000 -0.0000\r\n"
        "vn 0.0000 -0.0000 1.0000\r\n"
        "vt 0.0000 1.0000 0.0000\r\n"
        "vt 0.0000 0.0000 0.0000\r\n"
        "vt 1.0000 1.0000 0.0000\r\n"
        "vt 1.0000 0.0000 0.0000\r\n"
        "o Plane001\r\n"
        "g Plane001\r\n"
        "usemtl wire_198225087\r\n"
        "f 1/1/1 2/2/1 3/3/1 \r\n"
        "f 4/4/1 3/3/1 2/2/1 \r\n";
    EXPECT_EQ(textOf(141), expected);
}

TEST(Resources, RectangleMtlIsTheListedStatementsWithCrLf) {
    const std::string expected = "# Hollowlight: the rectangle's one material\r\n"
                                 "newmtl wire_198225087\r\n"
                                 "\tNs 32\r\n"
                                 "\td 1\r\n"
                                 "\tTr 0\r\n"
                                 "\tTf 1 1 1\r\n"
                                 "\tillum 2\r\n"
                                 "\tKa 0.7765 0.8824 0.3412\r\n"
                                 "\tKd 0.7765 0.8824 0.3412\r\n"
                                 "\tKs 0.3500 0.3500 0.3500\r\n";
    EXPECT_EQ(textOf(140), expected);
}

TEST(Resources, ShaderTextsEndWithTheMarkerLine) {
    for (const int id : {136, 137}) {
        const std::string text = textOf(id);
        ASSERT_GE(text.size(), 5u) << id;
        EXPECT_EQ(text.substr(text.size() - 5), "//~\r\n") << id;
    }
}

TEST(Resources, UnknownIdentifiersAreMissing) {
    EXPECT_FALSE(platform::textResource(999));
    EXPECT_FALSE(platform::textResource(227)); // a bitmap, not a text
    EXPECT_FALSE(platform::bitmapPixels(999, 32, 32));
}

struct BitmapCase {
    int id;
    int size;
};

TEST(Resources, BitmapsDecodeToBottomUpBgraOfTheirSize) {
    for (const auto [id, size] : {BitmapCase{227, 1024}, BitmapCase{228, 32}}) {
        const auto pixels = platform::bitmapPixels(id, size, size);
        ASSERT_TRUE(pixels) << id;
        EXPECT_EQ(pixels->size(), static_cast<size_t>(size) * size * 4) << id;
    }
    EXPECT_FALSE(platform::bitmapPixels(228, 64, 64)) << "a wrong size is refused";
}

// The noise picture keeps its value in red only: in the BGRA pixel source blue and green are 0
// and red spans 1 to 254.
TEST(Resources, NoiseBitmapHasRedOnlyOverTheWholeRange) {
    const auto pixels = platform::bitmapPixels(228, 32, 32);
    ASSERT_TRUE(pixels);
    int lowest = 255;
    int highest = 0;
    for (size_t i = 0; i < pixels->size(); i += 4) {
        EXPECT_EQ((*pixels)[i], 0);
        EXPECT_EQ((*pixels)[i + 1], 0);
        lowest = std::min<int>(lowest, (*pixels)[i + 2]);
        highest = std::max<int>(highest, (*pixels)[i + 2]);
    }
    EXPECT_EQ(lowest, 1);
    EXPECT_EQ(highest, 254);
}

} // namespace
