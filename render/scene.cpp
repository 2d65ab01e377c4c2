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
    GLint grassTexture;
    GLint depthTexture;
    GLint screenTexture;
    GLint screenTextureSize;
    GLint renderMode;
};

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
    Resolution resolution{RenderMode::FullResolution, kOffscreenSize};
    bool decided = false;
    GLuint presentationFramebuffer = 0;
};

Scene scene;

void createOffscreenTarget() {
    glGenFramebuffers(1, &scene.offscreenFramebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, scene.offscreenFramebuffer);
    glGenTextures(1, &scene.screenTexture);
    glBindTexture(GL_TEXTURE_2D, scene.screenTexture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, kOffscreenSize, kOffscreenSize, 0, GL_RGB,
                 GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glFramebufferTexture(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, scene.screenTexture, 0);
    const GLenum drawBuffer = GL_COLOR_ATTACHMENT0;
    glDrawBuffers(1, &drawBuffer);
    // Without a complete off-screen target the reduced path could only show garbage: the saver
    // then stays at full resolution, however slow its frames are.
    scene.offscreenComplete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

void lookUpUniforms() {
    GLFWProgram* program = scene.registry->get(kProgramName);
    scene.uniforms.grassTexture = program->uniformLocation("grassTexture");
    scene.uniforms.depthTexture = program->uniformLocation("depthTexture");
    scene.uniforms.screenTexture = program->uniformLocation("screenTexture");
    scene.uniforms.screenTextureSize = program->uniformLocation("screenTextureSize");
    scene.uniforms.renderMode = program->uniformLocation("renderMode");
}

void bindTexture(int unit, GLuint texture) {
    glActiveTexture(GL_TEXTURE0 + unit);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
}

void drawSky(int width, int height, RenderMode mode) {
    scene.state->width = static_cast<float>(width);
    scene.state->height = static_cast<float>(height);
    glViewport(0, 0, width, height);
    glUniform1i(scene.uniforms.renderMode, static_cast<int>(mode));
    scene.sky->draw();
}

void clearFramebuffer(GLuint framebuffer) {
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void drawFullResolution() {
    clearFramebuffer(scene.presentationFramebuffer);
    bindTexture(kGrassTextureUnit, scene.grass->id());
    bindTexture(kNoiseTextureUnit, scene.noise->id());
    drawSky(screenWidth, screenHeight, RenderMode::FullResolution);
}

// The scene is computed in the lower-left square of the off-screen texture with a square
// viewport, then that square is stretched over the window. The noise texture stays bound to
// its unit from the full-resolution frames that came first.
void drawReduced() {
    const int square = scene.resolution.squareSize;
    clearFramebuffer(scene.offscreenFramebuffer);
    drawSky(square, square, RenderMode::FullResolution);
    clearFramebuffer(scene.presentationFramebuffer);
    bindTexture(kScreenTextureUnit, scene.screenTexture);
    bindTexture(kGrassTextureUnit, scene.grass->id());
    drawSky(screenWidth, screenHeight, RenderMode::Reduced);
}

void chooseResolutionOnce() {
    if (scene.decided || scene.frameTimer->count() < kFramesBeforeChoosing) {
        return;
    }
    if (scene.offscreenComplete) {
        scene.resolution = chooseResolution(scene.frameTimer->averageMs());
    }
    scene.decided = true;
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
    scene.frameTimer = new FrameTimer(frameClockSeconds);
    scene.registry = new ProgramRegistry;
    scene.state = new SceneState;
    scene.camera = new GLFWCamera(0.0f, 0.0f, 100.0f);
    scene.camera->pitch(1.0f);
    scene.camera->computeView(0);
    scene.grass = new GLFWTexture(kGrassBitmap, 1024);
    scene.noise = new GLFWTexture(kNoiseBitmap, 32);
    scene.registry->add(kProgramName, kVertexShaderResource, kFragmentShaderResource);
    scene.sky = new GLFWDrawableSky(*scene.state, *scene.camera, *scene.registry, kProgramName,
                                    kRectangleObjResource, kRectangleMtlResource, 1.0f);
    scene.sky->init();
    createOffscreenTarget();
    lookUpUniforms();
}

void drawFrame() {
    scene.frameTimer->tick();
    scene.camera->setProjection(perspective(50.0f, screenAspect, 0.1f, 1000.0f));
    scene.state->width = static_cast<float>(screenWidth);
    scene.state->height = static_cast<float>(screenHeight);
    scene.camera->setCurrentView(0);
    scene.sky->setModelMatrix(translation(0.0f, 0.0f, -100.0f));
    scene.registry->use(kProgramName);
    glUniform1f(scene.uniforms.screenTextureSize, static_cast<float>(scene.resolution.squareSize));
    glUniform1i(scene.uniforms.screenTexture, kScreenTextureUnit);
    glUniform1i(scene.uniforms.grassTexture, kGrassTextureUnit);
    glUniform1i(scene.uniforms.depthTexture, kNoiseTextureUnit);
    if (scene.resolution.mode == RenderMode::FullResolution) {
        drawFullResolution();
    } else {
        drawReduced();
    }
    chooseResolutionOnce();
}

SceneState& sceneState() {
    return *scene.state;
}

void forceResolution(Resolution resolution) {
    scene.resolution = resolution;
    scene.decided = true;
}

Resolution currentResolution() {
    return scene.resolution;
}

void setPresentationFramebuffer(GLuint framebuffer) {
    scene.presentationFramebuffer = framebuffer;
}
