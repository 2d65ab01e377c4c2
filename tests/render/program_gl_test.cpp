#include "gl_call_counter.h"
#include "gl_test_context.h"

#include <cstdlib>
#include <map>
#include <string>

#include "render/program.h"

namespace {

std::map<std::string, int> uniformQueries;
PFNGLGETUNIFORMLOCATIONPROC realGetUniformLocation = nullptr;

GLint APIENTRY countingGetUniformLocation(GLuint program, const GLchar* name) {
    ++uniformQueries[name];
    return realGetUniformLocation(program, name);
}

using ProgramGlTest = GlTest;

TEST_F(ProgramGlTest, AsksOpenGLOncePerName) {
    GLFWProgram program(137, 136);
    uniformQueries.clear();
    SlotOverride counting(hl_glGetUniformLocation, countingGetUniformLocation);
    realGetUniformLocation = counting.original();

    const GLint time = program.uniformLocation("iTime");
    EXPECT_GE(time, 0);
    EXPECT_EQ(program.uniformLocation("iTime"), time);
    EXPECT_EQ(program.uniformLocation("noSuchUniform"), -1);
    EXPECT_EQ(program.uniformLocation("noSuchUniform"), -1);
    EXPECT_EQ(uniformQueries["iTime"], 1);
    EXPECT_EQ(uniformQueries["noSuchUniform"], 1);
    EXPECT_GE(program.attributeLocation("position"), 0);
}

TEST_F(ProgramGlTest, RegistryKeepsTheFirstProgramOfAName) {
    ProgramRegistry registry;
    registry.add("BackgroundProgram", 137, 136);
    GLFWProgram* first = registry.get("BackgroundProgram");
    registry.add("BackgroundProgram", 137, 136);
    EXPECT_EQ(registry.get("BackgroundProgram"), first);
    EXPECT_EQ(registry.get("Unknown"), nullptr);
    registry.use("BackgroundProgram");
    GLint current = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(static_cast<GLuint>(current), first->id());
}

// The OBJ text is no GLSL: the compiler's log comes first, then the fixed message, and the
// process ends with a failure status. Without a display both go to standard error.
TEST_F(ProgramGlTest, BrokenShaderShowsItsLogAndEnds) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            unsetenv("DISPLAY");
            GLFWProgram broken(141, 136);
        },
        ::testing::ExitedWithCode(1), "Debug: .*error.*\nDebug: Vertex shader compilation error");
}

} // namespace
