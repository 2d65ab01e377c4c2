#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

// The program copies shader text up to the first '~' into a buffer of this many bytes.
constexpr std::size_t kShaderCapacity = 16384;

std::string readBytes(const std::string& name) {
    std::ifstream in(std::string(SHADER_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in) << "cannot open " << name;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ShaderText : public testing::TestWithParam<const char*> {
  protected:
    std::string text = readBytes(GetParam());
};

TEST_P(ShaderText, StartsWithTheVersionLine) {
    EXPECT_EQ(text.rfind("#version 110\r\n", 0), 0u);
}

TEST_P(ShaderText, EveryLineEndsInCrLf) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at byte " << i;
        }
        if (text[i] == '\r') {
            EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare CR at byte " << i;
        }
    }
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST_P(ShaderText, EndMarkerIsTheOnlyTildeAndOnTheLastLine) {
    const std::string lastLine = "\r\n//~\r\n";
    ASSERT_GE(text.size(), lastLine.size());
    EXPECT_EQ(text.substr(text.size() - lastLine.size()), lastLine);
    EXPECT_EQ(text.find('~'), text.size() - 3) << "a '~' earlier would cut the text short";
}

TEST_P(ShaderText, FitsTheReaderBufferWithoutNul) {
    const std::size_t textLength = text.find('~');
    EXPECT_LE(textLength, kShaderCapacity);
    EXPECT_EQ(text.find('\0'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(SceneShaders, ShaderText, testing::Values("scene.vert", "scene.frag"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param).replace(5, 1, "_");
                         });

} // namespace
