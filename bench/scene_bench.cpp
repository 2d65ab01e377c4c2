// Measures the scene on this machine's OpenGL: the shader as first written against the shipped
// one, frame by frame in turns, then the saver's start-up time and its memory over a run.
//
//   scene_bench [--memory-seconds N]     (needs an X display)
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "app/hidden_context.h"
#include "frame_timing.h"
#include "render/colour_target.h"
#include "render/drawing_size.h"
#include "render/scene.h"
#include "start_and_memory.h"

namespace {

struct Case {
    const char* name;
    int width;
    int height;
    Resolution resolution;
    bool stretchOnly;
};

const Case kCases[] = {
    {"mode 0, 640x360", 640, 360, {RenderMode::FullResolution, 1024}, false},
    {"mode 0, 1280x720", 1280, 720, {RenderMode::FullResolution, 1024}, false},
    {"mode 0, 1920x1080", 1920, 1080, {RenderMode::FullResolution, 1024}, false},
    {"mode 0, 256x256", 256, 256, {RenderMode::FullResolution, 1024}, false},
    {"mode 0, 512x512", 512, 512, {RenderMode::FullResolution, 1024}, false},
    {"mode 0, 1024x1024", 1024, 1024, {RenderMode::FullResolution, 1024}, false},
    {"1920x1080 via 256 square", 1920, 1080, {RenderMode::Reduced, 256}, false},
    {"1920x1080 via 512 square", 1920, 1080, {RenderMode::Reduced, 512}, false},
    {"1920x1080 via 1024 square", 1920, 1080, {RenderMode::Reduced, 1024}, false},
    {"stretch alone, 1920x1080", 1920, 1080, {RenderMode::Reduced, 256}, true},
};

constexpr double kBudgetMsPerCase = 4000.0;
constexpr int kStartRuns = 5;

std::string fileText(const char* path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// One frame of the case in `scene`, at a time that moves on, as the saver's would.
double timeFrame(Scene* scene, const Case& benchCase, GLuint target, int frame) {
    makeSceneCurrent(scene);
    setPresentationFramebuffer(target);
    setDrawingSize(benchCase.width, benchCase.height);
    forceResolution(benchCase.resolution);
    sceneState().time = 0.05f * static_cast<float>(frame);
    if (benchCase.stretchOnly) {
        drawFrame(); // leaves the square off screen
        return frameMs(drawStretchPass);
    }
    return frameMs(drawFrame);
}

void runCase(const Case& benchCase, Scene* written, Scene* shipped) {
    const GLuint target = createColourTarget(benchCase.width, benchCase.height);
    const double estimate = timeFrame(written, benchCase, target, 0) +
                            timeFrame(shipped, benchCase, target, 0); // also warms up
    const int runs = std::max(5, std::min(40, static_cast<int>(kBudgetMsPerCase / estimate)));
    std::vector<double> writtenMs;
    std::vector<double> shippedMs;
    for (int frame = 1; frame <= runs; ++frame) {
        writtenMs.push_back(timeFrame(written, benchCase, target, frame));
        shippedMs.push_back(timeFrame(shipped, benchCase, target, frame));
    }
    const double writtenMedian = median(writtenMs);
    const double shippedMedian = median(shippedMs);
    std::printf("| %-26s | %8.1f | %8.1f | %5.2fx | %3d |\n", benchCase.name, writtenMedian,
                shippedMedian, writtenMedian / shippedMedian, runs);
    std::fflush(stdout);
}

void printStartAndMemory(int memorySeconds) {
    std::vector<double> starts;
    for (int run = 0; run < kStartRuns; ++run) {
        starts.push_back(secondsToFirstFrame(HOLLOWLIGHT_BINARY));
    }
    std::printf("\nstart to first frame shown (hollowlight /s), median of %d: %.3f s\n", kStartRuns,
                median(starts));
    if (memorySeconds > 0) {
        const ResidentMemory memory = residentMemoryOverRun(HOLLOWLIGHT_BINARY, memorySeconds);
        std::printf("resident memory over a %d s run: at 1 s %ld kB, at 10 s %ld kB, peak %ld kB, "
                    "last %ld kB\n",
                    memorySeconds, memory.firstKb, memory.tenSecondsKb, memory.peakKb,
                    memory.lastKb);
    }
}

} // namespace

int main(int argc, char** argv) {
    const int memorySeconds =
        argc == 3 && std::strcmp(argv[1], "--memory-seconds") == 0 ? std::atoi(argv[2]) : 60;
    if (!openHiddenContext()) {
        std::fprintf(stderr, "scene_bench: no OpenGL context (is DISPLAY set?)\n");
        return 1;
    }
    std::printf("renderer: %s\n\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    const ShaderTexts shippedTexts = readShaderResources(137, 136);
    Scene* written = createScene({shippedTexts.vertex, fileText(AS_WRITTEN_FRAGMENT_FILE), ""});
    Scene* shipped = createScene(shippedTexts);
    std::printf("| case                       | as written ms | shipped ms | ratio | frames |\n");
    std::printf("|---|---|---|---|---|\n");
    for (const Case& benchCase : kCases) {
        runCase(benchCase, written, shipped);
    }
    printStartAndMemory(memorySeconds);
    return 0;
}
