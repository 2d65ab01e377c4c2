#include "gl_test_context.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "render/drawing_size.h"
#include "render/scene.h"

namespace {

std::string fileText(const char* path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The shipped shader skips work that cannot change a pixel (rays that miss or leave the sphere
// around everything the scene can hit, a second evaluation of the rind, the scene code in the
// stretch pass). It must draw exactly what the shader as first written draws.
class ShaderIdentityGlTest : public GlTest {
  protected:
    std::vector<unsigned char> render(Scene* scene, int width, int height, float time,
                                      Resolution resolution) {
        makeSceneCurrent(scene);
        presentTo(width, height);
        forceResolution(resolution);
        sceneState().time = time;
        drawFrame();
        std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 4);
        glBindFramebuffer(GL_FRAMEBUFFER, target);
        glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }
};

int largestDifference(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b) {
    int largest = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        largest = std::max(largest, std::abs(a[i] - b[i]));
    }
    return largest;
}

TEST_F(ShaderIdentityGlTest, ShippedShaderDrawsTheSamePixelsAsWritten) {
    const ShaderTexts shipped = readShaderResources(137, 136);
    Scene* shippedScene = createScene(shipped);
    Scene* writtenScene = createScene({shipped.vertex, fileText(AS_WRITTEN_FRAGMENT_FILE), ""});

    struct Size {
        int width;
        int height;
    };
    const Size sizes[] = {{160, 90}, {90, 160}, {128, 128}};
    const float times[] = {0.0f, 2.3f, 7.9f, 19.4f};
    const Resolution resolutions[] = {
        {RenderMode::FullResolution, 1024}, {RenderMode::Reduced, 256}, {RenderMode::Reduced, 512}};
    for (const auto [width, height] : sizes) {
        for (const float time : times) {
            for (const Resolution resolution : resolutions) {
                const auto expected = render(writtenScene, width, height, time, resolution);
                const auto actual = render(shippedScene, width, height, time, resolution);
                EXPECT_EQ(largestDifference(expected, actual), 0)
                    << width << "x" << height << " at " << time << " s, mode "
                    << static_cast<int>(resolution.mode) << " square " << resolution.squareSize;
            }
        }
    }
}

} // namespace
