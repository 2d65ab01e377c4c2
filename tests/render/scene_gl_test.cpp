#include "gl_call_counter.h"
#include "gl_test_context.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <map>
#include <vector>

#include "render/scene.h"

namespace {

using SceneGlTest = GlTest;

GLint boundBufferParameter(GLenum target, GLenum binding, GLenum name) {
    GLint buffer = 0;
    glGetIntegerv(binding, &buffer);
    EXPECT_NE(buffer, 0);
    GLint value = 0;
    glGetBufferParameteriv(target, name, &value);
    return value;
}

// Set-up leaves the sky's buffers bound: six vertices of 96 bytes and six 4-byte indices.
TEST_F(SceneGlTest, SkyBuffersHoldTheRectangle) {
    setUpScene();
    EXPECT_EQ(boundBufferParameter(GL_ARRAY_BUFFER, GL_ARRAY_BUFFER_BINDING, GL_BUFFER_SIZE),
              6 * 96);
    EXPECT_EQ(boundBufferParameter(GL_ARRAY_BUFFER, GL_ARRAY_BUFFER_BINDING, GL_BUFFER_USAGE),
              GL_STATIC_DRAW);
    EXPECT_EQ(boundBufferParameter(GL_ELEMENT_ARRAY_BUFFER, GL_ELEMENT_ARRAY_BUFFER_BINDING,
                                   GL_BUFFER_SIZE),
              6 * 4);
    EXPECT_EQ(boundBufferParameter(GL_ELEMENT_ARRAY_BUFFER, GL_ELEMENT_ARRAY_BUFFER_BINDING,
                                   GL_BUFFER_USAGE),
              GL_STATIC_DRAW);
}

GLuint currentProgram() {
    GLint program = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    return static_cast<GLuint>(program);
}

// What each glDrawElements of a frame saw: its index count and type, the viewport, its program
// and the float uniforms set on that program so far.
struct Draw {
    GLsizei count;
    GLenum type;
    GLuint program;
    std::map<GLint, float> uniforms;
    GLint viewport[4];

    float uniform(const char* name) { return uniforms.at(glGetUniformLocation(program, name)); }
};
std::vector<Draw> draws;
std::map<GLuint, std::map<GLint, float>> uniformsSoFar;
PFNGLDRAWELEMENTSPROC realDrawElements = nullptr;
PFNGLUNIFORM1FPROC realUniform1f = nullptr;

void APIENTRY recordingDrawElements(GLenum mode, GLsizei count, GLenum type, const void* indices) {
    const GLuint program = currentProgram();
    Draw draw{count, type, program, uniformsSoFar[program], {}};
    glGetIntegerv(GL_VIEWPORT, draw.viewport);
    draws.push_back(draw);
    realDrawElements(mode, count, type, indices);
}

void APIENTRY recordingUniform1f(GLint location, GLfloat value) {
    uniformsSoFar[currentProgram()][location] = value;
    realUniform1f(location, value);
}

class RecordingSceneGlTest : public SceneGlTest {
  protected:
    void drawOneFrame(float time) {
        draws.clear();
        SlotOverride drawElements(hl_glDrawElements, recordingDrawElements);
        SlotOverride uniform1f(hl_glUniform1f, recordingUniform1f);
        realDrawElements = drawElements.original();
        realUniform1f = uniform1f.original();
        sceneState().time = time;
        drawFrame();
    }
};

TEST_F(RecordingSceneGlTest, FullResolutionFrameIsOneIndexedDraw) {
    setUpScene();
    presentTo(96, 54);
    forceResolution({RenderMode::FullResolution, 1024});
    drawOneFrame(1.0f);
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].count, 6);
    EXPECT_EQ(draws[0].type, static_cast<GLenum>(GL_UNSIGNED_INT));
    EXPECT_EQ(draws[0].viewport[2], 96);
    EXPECT_EQ(draws[0].viewport[3], 54);
}

// The square is drawn first with its own viewport and size uniforms, then the stretch with the
// window's; both see the same time.
TEST_F(RecordingSceneGlTest, ReducedFrameDrawsTheSquareThenTheStretch) {
    setUpScene();
    presentTo(160, 90);
    forceResolution({RenderMode::Reduced, 256});
    drawOneFrame(2.5f);
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].viewport[2], 256);
    EXPECT_EQ(draws[0].uniform("viewportWidth"), 256.0f);
    EXPECT_EQ(draws[0].uniform("viewportHeight"), 256.0f);
    EXPECT_EQ(draws[0].uniform("screenTextureSize"), 256.0f);
    EXPECT_EQ(draws[1].viewport[2], 160);
    EXPECT_EQ(draws[1].uniform("viewportWidth"), 160.0f);
    EXPECT_EQ(draws[1].uniform("viewportHeight"), 90.0f);
    EXPECT_EQ(draws[1].uniform("screenTextureSize"), 256.0f);
    EXPECT_EQ(draws[0].uniform("iTime"), 2.5f);
    EXPECT_EQ(draws[1].uniform("iTime"), 2.5f);
}

// Each frame's clock reading is 60 ms after the last: the choice falls at the end of the
// eleventh frame, on the 512 square, and frames before it are full resolution.
TEST_F(SceneGlTest, ResolutionIsChosenAtTheEndOfTheEleventhFrame) {
    setUpScene();
    presentTo(32, 18);
    for (int frame = 1; frame <= 11; ++frame) {
        glfwSetTime(0.060 * frame);
        drawFrame();
        const RenderMode expected = frame < 11 ? RenderMode::FullResolution : RenderMode::Reduced;
        ASSERT_EQ(currentResolution().mode, expected) << "after frame " << frame;
    }
    EXPECT_EQ(currentResolution().squareSize, 512);
}

TEST_F(SceneGlTest, DrawsTheGourdBelowAnEmptySky) {
    setUpScene();
    presentTo(128, 72);
    forceResolution({RenderMode::FullResolution, 1024});
    sceneState().time = 0.0f;
    drawFrame();
    EXPECT_EQ(pixelAt(64, 71), (std::vector<unsigned char>{0, 0, 0})) << "sky";
    const auto rind = pixelAt(64, 30);
    EXPECT_GT(rind[0], rind[1]) << "orange rind";
    EXPECT_GT(rind[1], rind[2]) << "orange rind";
    EXPECT_GT(rind[0], 60) << "lit";
}

} // namespace
