#include "render/scene.h"

#include "math/mat4.h"
#include "render/camera.h"
#include "render/drawable.h"
#include "render/drawing_size.h"
#include "render/frame_clock.h"
#include "render/frame_timer.h"
#include "render/program.h"
#include "render/texture.h"

namespace {

constexpr const char* kProgramName = "BackgroundProgram";
// The same fragment source with the scene compiled out: the stretch of the reduced path then
// costs a texture copy, where the whole program would run the scene code, masked, for every
// pixel it copies.
constexpr const char* kStretchProgramName = "StretchProgram";
constexpr const char* kStretchPassDefine = "#define STRETCH_PASS\n";
constexpr int kVertexShaderResource = 137;
constexpr int kFragmentShaderResource = 136;
constexpr int kRectangleObjResource = 141;
constexpr int kRectangleMtlResource = 140;
constexpr int kGrassBitmap = 227;
constexpr int kNoiseBitmap = 228;
constexpr int kOffscreenSize = 1024;
constexpr int kFramesBeforeChoosing = 10;

// Texture units the fragment shader samples.
constexpr int kScreenTextureUnit = 0;
constexpr int kGrassTextureUnit = 1;
constexpr int kNoiseTextureUnit = 2;

struct UniformLocations {
    const char* programName;
    GLint grassTexture;
    GLint depthTexture;
    GLint screenTexture;
    GLint screenTextureSize;
    GLint renderMode;
};

} // namespace

// Every object of the scene, created once by setUpScene and kept until the process ends.
struct Scene {
    FrameTimer* frameTimer;
    ProgramRegistry* registry;
    SceneState* state;
    GLFWCamera* camera;
    GLFWTexture* grass;
    GLFWTexture* noise;
    GLFWDrawableSky* sky;
    GLuint offscreenFramebuffer;
    GLuint screenTexture;
    bool offscreenComplete;
    UniformLocations uniforms;
    UniformLocations stretchUniforms;
    Resolution resolution{RenderMode::FullResolution, kOffscreenSize};
    bool decided = false;
    GLuint presentationFramebuffer = 0;
};

namespace {

Scene* current = nullptr;

void createOffscreenTarget() {
    glGenFramebuffers(1, &current->offscreenFramebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, current->offscreenFramebuffer);
    glGenTextures(1, &current->screenTexture);
    glBindTexture(GL_TEXTURE_2D, current->screenTexture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, kOffscreenSize, kOffscreenSize, 0, GL_RGB,
                 GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glFramebufferTexture(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, current->screenTexture, 0);
    const GLenum drawBuffer = GL_COLOR_ATTACHMENT0;
    glDrawBuffers(1, &drawBuffer);
    // Without a complete off-screen target the reduced path could only show garbage: the saver
    // then stays at full resolution, however slow its frames are.
    current->offscreenComplete =
        glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

UniformLocations lookUpUniforms(const char* programName) {
    GLFWProgram* program = current->registry->get(programName);
    return {programName,
            program->uniformLocation("grassTexture"),
            program->uniformLocation("depthTexture"),
            program->uniformLocation("screenTexture"),
            program->uniformLocation("screenTextureSize"),
            program->uniformLocation("renderMode")};
}

// The sky's vertex buffers carry the attribute locations of its own program; the stretch
// program may only share them if it has the same ones. Otherwise the whole program stretches.
const char* chooseStretchProgram() {
    GLFWProgram* sky = current->registry->get(kProgramName);
    GLFWProgram* stretch = current->registry->get(kStretchProgramName);
    for (const char* attribute : {"position", "position_tex", "position_normal"}) {
        if (stretch->attributeLocation(attribute) != sky->attributeLocation(attribute)) {
            return kProgramName;
        }
    }
    return kStretchProgramName;
}

void setFrameUniforms(const UniformLocations& uniforms) {
    current->registry->use(uniforms.programName);
    glUniform1f(uniforms.screenTextureSize, static_cast<float>(current->resolution.squareSize));
    glUniform1i(uniforms.screenTexture, kScreenTextureUnit);
    glUniform1i(uniforms.grassTexture, kGrassTextureUnit);
    glUniform1i(uniforms.depthTexture, kNoiseTextureUnit);
}

void bindTexture(int unit, GLuint texture) {
    glActiveTexture(GL_TEXTURE0 + unit);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
}

void drawSky(const UniformLocations& uniforms, int width, int height, RenderMode mode) {
    current->state->width = static_cast<float>(width);
    current->state->height = static_cast<float>(height);
    glViewport(0, 0, width, height);
    current->registry->use(uniforms.programName);
    glUniform1i(uniforms.renderMode, static_cast<int>(mode));
    current->sky->drawWith(uniforms.programName);
}

void clearFramebuffer(GLuint framebuffer) {
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void drawFullResolution() {
    clearFramebuffer(current->presentationFramebuffer);
    bindTexture(kGrassTextureUnit, current->grass->id());
    bindTexture(kNoiseTextureUnit, current->noise->id());
    drawSky(current->uniforms, screenWidth, screenHeight, RenderMode::FullResolution);
}

// The scene is computed in the lower-left square of the off-screen texture with a square
// viewport, then that square is stretched over the window. The noise texture stays bound to
// its unit from the full-resolution frames that came first.
void drawSquare() {
    const int square = current->resolution.squareSize;
    clearFramebuffer(current->offscreenFramebuffer);
    drawSky(current->uniforms, square, square, RenderMode::FullResolution);
}

void drawStretch() {
    clearFramebuffer(current->presentationFramebuffer);
    bindTexture(kScreenTextureUnit, current->screenTexture);
    bindTexture(kGrassTextureUnit, current->grass->id());
    setFrameUniforms(current->stretchUniforms);
    drawSky(current->stretchUniforms, screenWidth, screenHeight, RenderMode::Reduced);
}

void drawReduced() {
    drawSquare();
    drawStretch();
}

void chooseResolutionOnce() {
    if (current->decided || current->frameTimer->count() < kFramesBeforeChoosing) {
        return;
    }
    if (current->offscreenComplete) {
        current->resolution = chooseResolution(current->frameTimer->averageMs());
    }
    current->decided = true;
}

} // namespace

Resolution chooseResolution(float averageMs) {
    if (averageMs > 100.0f) {
        return {RenderMode::Reduced, 256};
    }
    if (averageMs > 50.0f) {
        return {RenderMode::Reduced, 512};
    }
    if (averageMs > 25.0f) {
        return {RenderMode::Reduced, 1024};
    }
    return {RenderMode::FullResolution, kOffscreenSize};
}

void setUpScene() {
    createScene(readShaderResources(kVertexShaderResource, kFragmentShaderResource));
}

Scene* createScene(const ShaderTexts& shaders) {
    current = new Scene;
    current->frameTimer = new FrameTimer(frameClockSeconds);
    current->registry = new ProgramRegistry;
    current->state = new SceneState;
    current->camera = new GLFWCamera(0.0f, 0.0f, 100.0f);
    current->camera->pitch(1.0f);
    current->camera->computeView(0);
    current->grass = new GLFWTexture(kGrassBitmap, 1024);
    current->noise = new GLFWTexture(kNoiseBitmap, 32);
    current->registry->add(kProgramName, shaders);
    current->sky =
        new GLFWDrawableSky(*current->state, *current->camera, *current->registry, kProgramName,
                            kRectangleObjResource, kRectangleMtlResource, 1.0f);
    current->sky->init();
    createOffscreenTarget();
    current->uniforms = lookUpUniforms(kProgramName);
    current->registry->add(kStretchProgramName,
                           {shaders.vertex, shaders.fragment, kStretchPassDefine});
    current->stretchUniforms = lookUpUniforms(chooseStretchProgram());
    return current;
}

void makeSceneCurrent(Scene* scene) {
    current = scene;
}

void drawStretchPass() {
    drawStretch();
}

void drawFrame() {
    current->frameTimer->tick();
    current->camera->setProjection(perspective(50.0f, screenAspect, 0.1f, 1000.0f));
    current->state->width = static_cast<float>(screenWidth);
    current->state->height = static_cast<float>(screenHeight);
    current->camera->setCurrentView(0);
    current->sky->setModelMatrix(translation(0.0f, 0.0f, -100.0f));
    setFrameUniforms(current->uniforms);
    if (current->resolution.mode == RenderMode::FullResolution) {
        drawFullResolution();
    } else {
        drawReduced();
    }
    chooseResolutionOnce();
}

SceneState& sceneState() {
    return *current->state;
}

void forceResolution(Resolution resolution) {
    current->resolution = resolution;
    current->decided = true;
}

Resolution currentResolution() {
    return current->resolution;
}

void setPresentationFramebuffer(GLuint framebuffer) {
    current->presentationFramebuffer = framebuffer;
}
